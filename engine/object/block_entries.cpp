#include "engine/object/block_entries.h"

#include <cstring>

#include "engine/object/object_stream.h"
#include "engine/object/text_lines.h"

bool ReadNextBlockEntry(CObjectStream& stream, CString& line, CString& name, const char*& value)
{
    while (stream.ReadLine(line))
    {
        const char* text = SkipLineIndent(line.GetText());
        if (text[0] == '\0')
            continue;
        if (text[0] == '}')
            return false;
        const char* equals = strchr(text, '=');
        if (equals == nullptr)
            continue;
        name.Assign(text, static_cast<uint32_t>(equals - text));
        value = equals + 1;
        return true;
    }
    return false;
}
