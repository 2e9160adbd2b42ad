#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// Calls visit(line) for each line of the text between line feeds: a final
// line feed adds no line, an empty line between two does, and an empty text
// has none. Multi-line drawing and the paragraphs of wrapped text both cut
// text this way.
template <typename Visit>
void ForEachTextLine(const CString& text, Visit visit)
{
    const uint32_t length = text.GetLength();
    uint32_t start = 0;
    while (start < length)
    {
        const int32_t feed = text.FindChar('\n', start, true);
        const uint32_t end = feed < 0 ? length : static_cast<uint32_t>(feed);
        CString line;
        text.Mid(line, start, end - start);
        visit(line);
        if (feed < 0)
            break;
        start = end + 1;
    }
}
