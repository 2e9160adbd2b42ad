// Word wrapping: the line breaker under every wrapping operation, the
// wrapped drawing and the cached layout that sizing code asks for.
//
// Widths compare as unsigned 32-bit numbers throughout, so a negative width
// (or a room that indents pushed below zero) fits everything: data relies on
// "-1" meaning "no wrapping".

#include <algorithm>

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/text_lines.h"

namespace {

bool IsBlankAt(const CString& text, uint32_t position)
{
    return text.GetAt(position) == ' ';
}

uint32_t Unsigned(int32_t value)
{
    return static_cast<uint32_t>(value);
}

} // namespace

int32_t CFont::FitLine(const CString& text, int32_t width, CString* out, bool splitLongWords)
{
    const uint32_t length = text.GetLength();
    uint32_t position = 0;
    uint32_t accumulated = 0;
    bool taken = false;
    bool firstEndsWithFeed = false;

    while (position < length)
    {
        // A word runs to the next blank or line feed and takes it along; a
        // blank at the position is a word of its own.
        uint32_t end = position;
        while (end < length && text.GetAt(end) != ' ' && text.GetAt(end) != '\n')
            end++;
        if (end < length)
            end++;
        uint32_t wordWidth = 0;
        for (uint32_t i = position; i < end; i++)
            wordWidth += Unsigned(GetCharWidth(text.GetAt(i)));
        const bool endsWithFeed = text.GetAt(end - 1) == '\n';
        if (position == 0)
            firstEndsWithFeed = endsWithFeed;
        if (accumulated + wordWidth >= Unsigned(width))
            break;
        if (out != nullptr)
        {
            CString word;
            out->Append(text.Mid(word, position, end - position));
        }
        accumulated += wordWidth;
        position = end;
        taken = true;
        if (endsWithFeed)
            break;
    }

    uint32_t count = position;
    if (!taken && !firstEndsWithFeed)
    {
        count = 0;
        if (splitLongWords)
        {
            // The first word alone is too wide: as many of its characters as
            // fit.
            uint32_t sum = 0;
            while (count < length)
            {
                sum += Unsigned(GetCharWidth(text.GetAt(count)));
                if (sum >= Unsigned(width))
                    break;
                count++;
            }
            if (out != nullptr)
            {
                CString prefix;
                out->Append(text.Left(prefix, count));
            }
        }
    }
    if (out != nullptr)
        out->TrimRight();
    return static_cast<int32_t>(count);
}

int32_t CFont::DrawWrappedLines(CFrameInterface* destination, int32_t x, int32_t y, const CString& text, int32_t width,
                                int32_t gap, int32_t justification)
{
    const uint32_t length = text.GetLength();
    uint32_t position = 0;
    int32_t total = 0;
    for (;;)
    {
        while (position < length && IsBlankAt(text, position))
            position++;
        CString rest;
        CString line;
        const int32_t count = FitLine(text.Mid(rest, position), width, &line, true);
        if (count == 0)
            break;
        if (destination != nullptr)
            DrawText(*destination, x, y + total, line, justification);
        total += gap + GetLineHeight();
        position += static_cast<uint32_t>(count);
    }
    return total;
}

int32_t CFont::WrapParagraphs(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style,
                              LineVisitor visitor, void* context)
{
    const int32_t firstRoom =
        static_cast<int32_t>(Unsigned(width) - Unsigned(style.firstLeftIndent) - Unsigned(style.firstRightIndent));
    const int32_t nextRoom =
        static_cast<int32_t>(Unsigned(width) - Unsigned(style.nextLeftIndent) - Unsigned(style.nextRightIndent));
    int32_t lines = 0;
    int32_t y = 0;
    ForEachTextLine(text, [&](const CString& paragraph) {
        int32_t room = firstRoom;
        int32_t justification = style.firstJustification;
        int32_t left = style.firstLeftIndent;
        int32_t lineOffset = 0;
        uint32_t position = 0;
        for (;;)
        {
            while (position < paragraph.GetLength() && IsBlankAt(paragraph, position))
                position++;
            CString rest;
            CString line;
            const bool roomy = Unsigned(room) >= Unsigned(nextRoom);
            const int32_t count = FitLine(paragraph.Mid(rest, position), room, &line, roomy);
            // Nothing fits: the end of the paragraph, or, on a first line
            // narrower than the rest, an empty line before them.
            if (count == 0 && roomy)
                break;
            visitor(*this, context, {count > 0 ? &line : nullptr, left, room, justification, y + lineOffset});
            lines++;
            lineOffset += GetLineHeight() + gap;
            position += static_cast<uint32_t>(count);
            room = nextRoom;
            justification = style.nextJustification;
            left = style.nextLeftIndent;
        }
        y += lineOffset;
    });
    return lines;
}

namespace {

struct CDrawContext
{
    CFrameInterface* destination;
    int32_t x;
    int32_t y;
};

struct CLayoutContext
{
    uint32_t widest = 0;
    int32_t lastRight = 0;
};

} // namespace

int32_t CFont::DrawWrappedText(CFrameInterface& destination, int32_t x, int32_t y, const CString& text, int32_t width,
                               int32_t gap, const CTextWrapStyle& style)
{
    CDrawContext context{&destination, x, y};
    return WrapParagraphs(
        text, width, gap, style,
        [](CFont& font, void* pointer, const CWrappedLine& line) {
        if (line.text == nullptr)
            return;
        const CDrawContext& draw = *static_cast<CDrawContext*>(pointer);
        int32_t lineX = draw.x + line.left;
        if (line.justification == JUSTIFY_CENTER)
            lineX += static_cast<int32_t>(Unsigned(line.room) / 2);
        else if (line.justification == JUSTIFY_RIGHT)
            lineX += line.room;
        font.DrawText(*draw.destination, lineX, draw.y + line.y, *line.text, line.justification);
        },
        &context);
}

const CFont::CLayoutResult& CFont::LayoutCached(const CString& text, int32_t width, int32_t gap,
                                                const CTextWrapStyle& style)
{
    if (m_LayoutValid && m_pLayoutString == &text && text.Compare(m_LayoutText) == 0 && m_LayoutWidth == width &&
        m_LayoutGap == gap && m_LayoutStyle == style)
        return m_Layout;

    m_pLayoutString = &text;
    m_LayoutText = text;
    m_LayoutWidth = width;
    m_LayoutGap = gap;
    m_LayoutStyle = style;
    m_LayoutValid = true;
    m_LayoutCount++;

    CLayoutContext context;
    const int32_t lines = WrapParagraphs(
        m_LayoutText, width, gap, style,
        [](CFont& font, void* pointer, const CWrappedLine& line) {
        CLayoutContext& layout = *static_cast<CLayoutContext*>(pointer);
        // An empty line keeps the right edge of the line before it.
        if (line.text != nullptr)
        {
            const int32_t lineWidth = font.GetTextWidth(*line.text);
            if (line.justification == JUSTIFY_CENTER)
                layout.lastRight = line.left + static_cast<int32_t>(Unsigned(line.room + lineWidth) / 2);
            else if (line.justification == JUSTIFY_RIGHT)
                layout.lastRight = line.left + line.room;
            else
                layout.lastRight = line.left + lineWidth;
        }
        layout.widest = std::max(layout.widest, Unsigned(layout.lastRight));
        },
        &context);
    m_Layout.lines = lines;
    m_Layout.height = lines * GetLineHeight() + (lines - 1) * gap;
    m_Layout.widest = context.widest;
    m_Layout.lastRight = context.lastRight;
    return m_Layout;
}

int32_t CFont::GetWrappedTextHeight(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style)
{
    return LayoutCached(text, width, gap, style).height;
}

int32_t CFont::GetWrappedTextWidth(const CString& text, int32_t width, int32_t gap, const CTextWrapStyle& style)
{
    return static_cast<int32_t>(LayoutCached(text, width, gap, style).widest);
}

int32_t CFont::CountWrappedLines(const char* text, int32_t width)
{
    const CString whole(text);
    const uint32_t length = whole.GetLength();
    uint32_t position = 0;
    int32_t lines = 0;
    while (position < length)
    {
        CString rest;
        const int32_t count = FitLine(whole.Mid(rest, position), width, nullptr, true);
        if (count == 0)
            break;
        lines++;
        position += static_cast<uint32_t>(count);
    }
    return lines;
}

CString CFont::WrapText(const CString& text, int32_t width)
{
    const uint32_t length = text.GetLength();
    CString result;
    result.Reserve(length);
    uint32_t consumed = 0;
    int32_t count = FitLine(text, width, nullptr, true);
    while (count > 0)
    {
        uint32_t kept = static_cast<uint32_t>(count);
        while (kept > 0 && (text.GetAt(consumed + kept - 1) == ' ' || text.GetAt(consumed + kept - 1) == '\n'))
            kept--;
        CString line;
        result.Append(text.Mid(line, consumed, kept));
        consumed += static_cast<uint32_t>(count);
        if (consumed < length)
            result += '\n';
        CString rest;
        count = FitLine(text.Mid(rest, consumed), width, nullptr, true);
    }
    return result;
}
