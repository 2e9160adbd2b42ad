#include "engine/core/settings/command_line.h"

#include <cstdlib>
#include <cstring>

#include "engine/core/program/main_window.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/strings/text_buffers.h"

bool HasCommandLineSwitch(const char* switchText)
{
    const char* found = FindNoCaseInText(GetCommandLineText(), switchText);
    if (!found)
        return false;
    char next = found[std::strlen(switchText)];
    return next == 0 || IsSpaceChar(next);
}

int32_t GetCommandLineInt(const char* switchText, int32_t defaultValue)
{
    const char* found = FindNoCaseInText(GetCommandLineText(), switchText);
    if (!found)
        return defaultValue;
    const char* value = SkipSpace(found + std::strlen(switchText));
    if (*value == 0)
        return defaultValue;
    const char* end = FindSpace(value);
    if (*value == '"')
    {
        // Without a closing quote the value runs to the white space.
        const char* closingQuote = std::strchr(value + 1, '"');
        ++value;
        if (closingQuote)
            end = closingQuote;
    }
    CString text;
    text.Assign(value, static_cast<uint32_t>(end - value));
    return std::atoi(text.GetText());
}
