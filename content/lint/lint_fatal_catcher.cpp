#include "content/lint/lint_fatal_catcher.h"

#include "content/lint/lint_report.h"

// The text of the report being raised; a fatal report shows its box
// before it ends the program, so the text is here when Throw runs.
static std::string s_LastReport;

CLintFatalCatcher::CLintFatalCatcher()
    : m_PreviousHook(SetFatalExitHook(&Throw))
    , m_PreviousSink(SetMessageBoxSink(&KeepReport))
{
}

CLintFatalCatcher::~CLintFatalCatcher()
{
    SetMessageBoxSink(m_PreviousSink);
    SetFatalExitHook(m_PreviousHook);
}

void CLintFatalCatcher::Throw()
{
    throw Thrown();
}

void CLintFatalCatcher::KeepReport(const char*, const char* text)
{
    s_LastReport = text != nullptr ? text : "";
}

void CLintFatalCatcher::AddLastReport(CLintReport& report, const std::string& file, const std::string& item)
{
    // The first line says what is wrong; the rest lists what the list
    // holds instead, which a lint line has no room for.
    const std::string firstLine = s_LastReport.substr(0, s_LastReport.find_first_of("\r\n"));
    report.Add(file, item, firstLine.empty() ? "a fatal report without text" : firstLine);
    s_LastReport.clear();
}
