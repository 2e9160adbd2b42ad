#pragma once

#include <string>

#include "engine/core/program/error_report.h"
#include "engine/platform/message_box.h"

class CLintReport;

// The game ends on the first fatal report its data raises; the linter
// must name every problem of a folder, so while a catcher lives a fatal
// report throws back into Run, which adds the report's first line to the
// lint report under the file and item being read, and the linter goes on.
class CLintFatalCatcher
{
public:
    CLintFatalCatcher();
    ~CLintFatalCatcher();
    CLintFatalCatcher(const CLintFatalCatcher&) = delete;
    CLintFatalCatcher& operator=(const CLintFatalCatcher&) = delete;

    // True when the reader came to its end.
    template <typename Reader>
    bool Run(CLintReport& report, const std::string& file, const std::string& item, Reader reader)
    {
        try
        {
            reader();
            return true;
        }
        catch (const Thrown&)
        {
            AddLastReport(report, file, item);
            return false;
        }
    }

private:
    struct Thrown
    {
    };

    [[noreturn]] static void Throw();
    static void KeepReport(const char* caption, const char* text);
    static void AddLastReport(CLintReport& report, const std::string& file, const std::string& item);

    FatalExitHook m_PreviousHook;
    MessageBoxSink m_PreviousSink;
};
