#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CFile;

// What every fuzz target shares. The system answers broken data with a fatal
// report and exit code -1; for a fuzz target that is the expected end of one
// input, not of the process. Linking this file installs a fatal-exit hook
// that throws FatalReportEnd (caught by RunReader) and a message-box sink
// that shows nothing, before any target runs.

struct FatalReportEnd
{
};

// Runs the reader; true when it came to its end, false when it ended in the
// system's fatal report.
template <typename Reader>
bool RunReader(Reader reader)
{
    try
    {
        reader();
        return true;
    }
    catch (const FatalReportEnd&)
    {
        return false;
    }
}

// Gives the file a memory stream holding a copy of exactly the input's bytes,
// so that a read one byte past the end is caught.
void AttachInput(CFile& file, const uint8_t* data, size_t size);

// A folder of this process for readers that take file names, removed at
// exit; ends in "/".
const std::string& GetFuzzFolder();

// Writes the bytes as a file of the fuzz folder (making the folders of a
// name that has some); answers its full path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);

// Aborts with the message when the condition is false: a broken property of
// a reader is a finding like any crash.
void FuzzCheck(bool condition, const char* message);
