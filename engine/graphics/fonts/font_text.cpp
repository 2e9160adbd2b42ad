// Measuring and drawing single lines and texts split at line feeds.

#include "engine/graphics/fonts/font.h"

#include <algorithm>

#include "engine/graphics/fonts/text_lines.h"
#include "engine/graphics/frame.h"

namespace {

// Halves as an unsigned number, as the placement arithmetic always has.
int32_t HalfUnsigned(int32_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) / 2);
}

} // namespace

int32_t CFont::GetCharWidth(uint32_t code)
{
    if (code < 20)
        return 0;
    const CFrame* glyph = GetGlyphFrame(code);
    return glyph != nullptr ? glyph->GetWidth() : 0;
}

int32_t CFont::GetTextWidth(const CString& text, int32_t limit)
{
    const uint32_t length = text.GetLength();
    const uint32_t count = limit < 0 ? length : std::min(length, static_cast<uint32_t>(limit));
    int32_t width = 0;
    for (uint32_t i = 0; i < count; i++)
        width += GetCharWidth(text.GetAt(i));
    return width;
}

int32_t CFont::GetTextWidthN(const char* text, int32_t limit)
{
    return GetTextWidth(CString(text), limit);
}

void CFont::DrawText(CFrameInterface& destination, int32_t x, int32_t y, const CString& text, int32_t justification,
                     uint32_t fixedAdvanceCode)
{
    const int32_t advance = fixedAdvanceCode >= 20 ? GetCharWidth(fixedAdvanceCode) : 0;
    const uint32_t length = text.GetLength();
    if (length == 0)
        return;

    int32_t start = x;
    if (justification == JUSTIFY_CENTER || justification == JUSTIFY_RIGHT)
    {
        int32_t extent;
        if (advance > 0)
        {
            // Only printable characters count for the placement, although
            // codes 20 to 31 take a cell as well.
            int32_t printable = 0;
            for (uint32_t i = 0; i < length; i++)
                printable += text.GetAt(i) >= 32 ? 1 : 0;
            extent = advance * printable;
        }
        else
        {
            extent = GetTextWidth(text);
        }
        start -= justification == JUSTIFY_CENTER ? HalfUnsigned(extent) : extent;
    }

    for (uint32_t i = 0; i < length; i++)
    {
        const uint32_t code = text.GetAt(i);
        if (code < 20)
            continue;
        CFrame* glyph = GetGlyphFrame(code);
        if (advance > 0)
        {
            if (glyph != nullptr)
                destination.BlitAt(glyph, start + (advance - glyph->GetWidth()) / 2, y, m_pBlitType);
            start += advance;
        }
        else if (glyph != nullptr)
        {
            destination.BlitAt(glyph, start, y, m_pBlitType);
            start += glyph->GetWidth();
        }
    }
}

void CFont::DrawNumber(CFrameInterface& destination, int32_t x, int32_t y, int32_t value, int32_t justification)
{
    CString text;
    text.FromInt(value);
    DrawText(destination, x, y, text, justification);
}

int32_t CFont::DrawMultiLineText(CFrameInterface& destination, int32_t x, int32_t y, const CString& text, int32_t gap,
                                 int32_t justification, int32_t* endY)
{
    int32_t lines = 0;
    ForEachTextLine(text, [&](const CString& line) {
        DrawText(destination, x, y, line, justification);
        lines++;
        y += GetLineHeight() + gap;
    });
    if (endY != nullptr)
        *endY = y;
    return lines;
}

int32_t CFont::GetMultiLineWidth(const CString& text)
{
    int32_t widest = 0;
    ForEachTextLine(text, [&](const CString& line) { widest = std::max(widest, GetTextWidth(line)); });
    return widest;
}

int32_t CFont::GetTextBlockHeight(const CString& text, int32_t gap)
{
    return static_cast<int32_t>(text.CountLines(0)) * (GetLineHeight() + gap);
}
