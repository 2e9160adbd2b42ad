#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/recording_frame.h"

namespace {

// Letters and the blank 5 wide, digits 6, 'W' 10, code 20 4; all 12 high,
// drawn 2 up, in a font 10 high: lines are 8 apart.
class BlockFontTest : public testing::Test
{
protected:
    void SetUp() override
    {
        StoreBlockGlyphs(m_Font, 'a', 'z', 5, 12, -2);
        StoreBlockGlyph(m_Font, ' ', 5, 12, -2);
        StoreBlockGlyphs(m_Font, '0', '9', 6, 12, -2);
        StoreBlockGlyph(m_Font, 'W', 10, 12, -2);
        StoreBlockGlyph(m_Font, 'A', 5, 12, -2);
        StoreBlockGlyph(m_Font, 20, 4, 12, -2);
        m_Font.SetHeight(10);
    }

    // The x, resp. y, of every glyph drawn.
    static std::vector<float> BlitXs(const CRecordingFrame& frame)
    {
        return BlitPlaces(frame, &CRecordingFrame::Call::x0);
    }
    static std::vector<float> BlitYs(const CRecordingFrame& frame)
    {
        return BlitPlaces(frame, &CRecordingFrame::Call::y0);
    }

    static std::vector<float> BlitPlaces(const CRecordingFrame& frame, float CRecordingFrame::Call::*coordinate)
    {
        std::vector<float> places;
        for (const CRecordingFrame::Call& call : frame.calls)
            if (call.kind == CRecordingFrame::BLIT)
                places.push_back(call.*coordinate);
        return places;
    }

    CBlockFont m_Font;
};

// A font whose glyph of 'x' never renders.
class CFontFailingX : public CFont
{
public:
    CFrame* GetGlyphFrame(uint32_t code) override { return code == 'x' ? nullptr : CFont::GetGlyphFrame(code); }
};

} // namespace

TEST_F(BlockFontTest, WidthsSumGlyphsAndIgnoreControlCodes)
{
    EXPECT_EQ(m_Font.GetCharWidth(19), 0);
    EXPECT_EQ(m_Font.GetCharWidth(20), 4);
    EXPECT_EQ(m_Font.GetTextWidth("ab 12"), 5 + 5 + 5 + 6 + 6);
    EXPECT_EQ(m_Font.GetTextWidth("ab 12", 2), 10);
    EXPECT_EQ(m_Font.GetTextWidth("a\tb"), 10);
    EXPECT_EQ(m_Font.GetTextWidthN("abc", -1), 15);
    EXPECT_EQ(m_Font.GetMultiLineWidth("ab\nabcd\nabc"), 20);
}

TEST_F(BlockFontTest, LineHeightAddsTheGlyphOffset)
{
    const int32_t first = m_Font.GetLineHeight();
    EXPECT_EQ(first, 8);
    EXPECT_EQ(m_Font.GetLineHeight(), first);
    EXPECT_EQ(m_Font.GetTextBlockHeight("a\nb\n", 3), 3 * (first + 3));
}

TEST_F(BlockFontTest, DrawTextPlacesGlyphsByJustification)
{
    struct Case
    {
        const char* text;
        int32_t justification;
        uint32_t fixedAdvance;
        std::vector<float> xs;
    };
    const Case cases[] = {
        {"abc", JUSTIFY_LEFT, 0, {100, 105, 110}},
        // Right-justified text ends at x.
        {"abc", JUSTIFY_RIGHT, 0, {85, 90, 95}},
        {"abc", JUSTIFY_CENTER, 0, {93, 98, 103}},
        // Five digits in cells of 10 (the width of 'W') start at x - 25, each
        // 6-wide digit centred in its cell.
        {"12345", JUSTIFY_CENTER, 'W', {77, 87, 97, 107, 117}},
        {"12345", JUSTIFY_RIGHT, 'W', {52, 62, 72, 82, 92}},
        // Code 20 takes a cell but does not count for the placement.
        {"\x14"
         "12",
         JUSTIFY_CENTER,
         'W',
         {93, 102, 112}},
        // A fixed-advance code below 20 means none.
        {"ab", JUSTIFY_LEFT, 19, {100, 105}},
        {"", JUSTIFY_CENTER, 0, {}},
    };
    for (const Case& c : cases)
    {
        CRecordingFrame frame;
        m_Font.DrawText(frame, 100, 50, c.text, c.justification, c.fixedAdvance);
        EXPECT_EQ(BlitXs(frame), c.xs) << c.text << " " << c.justification;
    }
}

TEST_F(BlockFontTest, GlyphThatFailsMeasuresNothingAndDrawsNothing)
{
    CFontFailingX font;
    StoreBlockGlyphs(font, 'a', 'z', 5, 12);
    EXPECT_EQ(font.GetTextWidth("axb"), 10);
    CRecordingFrame frame;
    font.DrawText(frame, 0, 0, "axb");
    EXPECT_EQ(BlitXs(frame), (std::vector<float>{0, 5}));
}

TEST_F(BlockFontTest, MultiLineTextDrawsEachLineBelowTheLast)
{
    struct Case
    {
        const char* text;
        int32_t lines;
        size_t glyphs;
    };
    // An empty line between two line feeds still moves down; a final line
    // feed adds no line.
    const Case cases[] = {{"a\n\nb", 3, 2}, {"ab\n", 1, 2}, {"", 0, 0}, {"a\nbc", 2, 3}};
    const int32_t step = m_Font.GetLineHeight() + 4;
    for (const Case& c : cases)
    {
        CRecordingFrame frame;
        int32_t endY = 0;
        EXPECT_EQ(m_Font.DrawMultiLineText(frame, 10, 20, c.text, 4, JUSTIFY_LEFT, &endY), c.lines) << c.text;
        EXPECT_EQ(endY, 20 + c.lines * step) << c.text;
        EXPECT_EQ(BlitXs(frame).size(), c.glyphs) << c.text;
    }
    CRecordingFrame frame;
    m_Font.DrawMultiLineText(frame, 10, 20, "a\n\nb", 4, JUSTIFY_LEFT);
    // Glyphs are drawn 2 above the line's y.
    EXPECT_EQ(BlitYs(frame), (std::vector<float>{18, static_cast<float>(18 + 2 * step)}));
}

TEST_F(BlockFontTest, FitLineTakesWholeWordsThatFit)
{
    struct Case
    {
        const char* text;
        int32_t width;
        bool split;
        int32_t count;
        const char* line;
    };
    const Case cases[] = {
        // "abc " is 20 wide and fits below 21; "abc def" does not.
        {"abc def", 21, false, 4, "abc"},
        {"abc def", 20, false, 0, ""},
        {"abc def", 36, false, 7, "abc def"},
        // A word wider than the width: nothing, or the longest prefix that
        // stays below it.
        {"abcdef", 12, false, 0, ""},
        {"abcdef", 12, true, 2, "ab"},
        {"abcdef", 11, true, 2, "ab"},
        {"abcdef", 5, true, 0, ""},
        // A first word that ends in a line feed is never split.
        {"abcdef\nab", 12, true, 0, ""},
        // A line ends after a word that ends in a line feed.
        {"ab\ncd", 100, false, 3, "ab"},
        {"abc", 0, true, 0, ""},
        // A negative width fits every word up to the first line feed.
        {"abc def gh\nxyz", -1, false, 11, "abc def gh"},
        {"abc def", -1, false, 7, "abc def"},
        // A blank at the start is a word of its own.
        {" ab", 100, false, 3, " ab"},
    };
    for (const Case& c : cases)
    {
        CString out("<");
        EXPECT_EQ(m_Font.FitLine(c.text, c.width, &out, c.split), c.count) << c.text << " " << c.width;
        // The out string is appended to, its trailing blanks trimmed.
        EXPECT_EQ(CString(out).Compare((std::string("<") + c.line).c_str()), 0)
            << c.text << " " << c.width << ": " << out.GetText();
        EXPECT_EQ(m_Font.FitLine(c.text, c.width, nullptr, c.split), c.count);
    }
}

TEST_F(BlockFontTest, WrapTextAndCountWrappedLines)
{
    EXPECT_STREQ(m_Font.WrapText("abc def", 21).GetText(), "abc\ndef");
    EXPECT_STREQ(m_Font.WrapText("abc def gh", 41).GetText(), "abc def\ngh");
    EXPECT_STREQ(m_Font.WrapText("abcdef", 12).GetText(), "ab\ncd\nef");
    EXPECT_STREQ(m_Font.WrapText("", 12).GetText(), "");
    EXPECT_EQ(m_Font.CountWrappedLines("abc def", 21), 2);
    EXPECT_EQ(m_Font.CountWrappedLines("abcdef", 12), 3);
    EXPECT_EQ(m_Font.CountWrappedLines("abc", 5), 0);
}

TEST_F(BlockFontTest, WrappedLinesMeasureWithoutADestination)
{
    const int32_t step = m_Font.GetLineHeight() + 2;
    EXPECT_EQ(m_Font.DrawWrappedLines(nullptr, 0, 0, "abc def  gh", 21, 2, JUSTIFY_LEFT), 3 * step);
    CRecordingFrame frame;
    m_Font.DrawWrappedLines(&frame, 7, 0, "abc def", 21, 2, JUSTIFY_RIGHT);
    // Each line right-justified at x.
    EXPECT_EQ(BlitXs(frame), (std::vector<float>{-8, -3, 2, -8, -3, 2}));
}

TEST_F(BlockFontTest, WrappedTextPlacesLinesWithIndents)
{
    const int32_t step = m_Font.GetLineHeight() + 1;
    CTextWrapStyle style;
    style.firstJustification = JUSTIFY_LEFT;
    style.firstLeftIndent = 10;
    style.nextJustification = JUSTIFY_CENTER;
    style.nextLeftIndent = 0;
    CRecordingFrame frame;
    // Room 40 for the first line, 50 for the rest: "ab cd" at the indent,
    // "ef" centred on 25 below it; then the second paragraph starts over.
    EXPECT_EQ(m_Font.DrawWrappedText(frame, 0, 0, "ab cd ef\nab", 50, 1, style), 3);
    EXPECT_EQ(BlitXs(frame), (std::vector<float>{10, 15, 20, 25, 30, 20, 25, 10, 15}));
    const float second = static_cast<float>(step - 2);
    const float third = static_cast<float>(2 * step - 2);
    EXPECT_EQ(BlitYs(frame), (std::vector<float>{-2, -2, -2, -2, -2, second, second, third, third}));
}

TEST_F(BlockFontTest, NarrowFirstLineGivesAnEmptyLineBeforeAWordThatFitsOnlyLater)
{
    CTextWrapStyle style;
    style.firstLeftIndent = 40;
    CRecordingFrame frame;
    // The first line has room 10, too little for "abc" (15): an empty line,
    // then the word on a full line.
    EXPECT_EQ(m_Font.DrawWrappedText(frame, 0, 0, "abc", 50, 0, style), 2);
    EXPECT_EQ(BlitYs(frame).front(), static_cast<float>(m_Font.GetLineHeight() - 2));
}

TEST_F(BlockFontTest, WrappedLayoutIsMeasuredAndCachedOnTheStringObject)
{
    const CString text("abc def");
    const int32_t lineHeight = m_Font.GetLineHeight();
    EXPECT_EQ(m_Font.GetWrappedTextHeight(text, 21, 3), 2 * lineHeight + 3);
    EXPECT_EQ(m_Font.GetWrappedTextWidth(text, 21, 3), 15);
    EXPECT_EQ(m_Font.GetLayoutCount(), 1u);

    // The same text in another string object lays out again.
    const CString copy("abc def");
    EXPECT_EQ(m_Font.GetWrappedTextWidth(copy, 21, 3), 15);
    EXPECT_EQ(m_Font.GetLayoutCount(), 2u);
    EXPECT_EQ(m_Font.GetWrappedTextWidth(copy, 21, 3), 15);
    EXPECT_EQ(m_Font.GetLayoutCount(), 2u);

    CTextWrapStyle right;
    right.firstJustification = JUSTIFY_RIGHT;
    right.nextJustification = JUSTIFY_RIGHT;
    right.firstLeftIndent = 4;
    right.nextLeftIndent = 4;
    // Right-justified lines reach the room's right edge.
    EXPECT_EQ(m_Font.GetWrappedTextWidth(copy, 25, 3, right), 25);
    EXPECT_EQ(m_Font.GetLayoutCount(), 3u);

    // An empty text is minus one gap high.
    const CString empty;
    EXPECT_EQ(m_Font.GetWrappedTextHeight(empty, 21, 3), -3);
    EXPECT_EQ(m_Font.GetWrappedTextWidth(empty, 21, 3), 0);
}

TEST_F(BlockFontTest, GlyphTableGrowsForLargeCodesAndKeepsEarlierGlyphs)
{
    CFrame* a = m_Font.GetGlyph('a');
    StoreBlockGlyph(m_Font, 300, 7, 12);
    EXPECT_EQ(m_Font.GetGlyphCount(), 301u);
    EXPECT_EQ(m_Font.GetGlyph('a'), a);
    EXPECT_EQ(m_Font.GetGlyphW(300)->GetWidth(), 7);
    EXPECT_EQ(m_Font.GetDrawableGlyph(19), nullptr);
}

TEST(FontProperties, AllCapsDrawsLowerCaseWithUpperCaseGlyphs)
{
    CFont font;
    font.SetGenerateAllCaps(true);
    StoreBlockGlyphs(font, 'A', 'Z', 8, 10);
    EXPECT_EQ(font.GetGlyph('a'), font.GetGlyph('A'));
    EXPECT_EQ(font.GetTextWidth("abc"), 24);
}

TEST(FontProperties, SizeChangesReleaseGlyphsAndNotFiniteSizesReadAsTwelve)
{
    CFont font;
    StoreBlockGlyphs(font, 'a', 'c', 8, 10);
    font.SetPointSize(20.5f);
    EXPECT_EQ(font.GetPointSize(), 21);
    EXPECT_EQ(font.GetGlyphCount(), 256u);
    EXPECT_FALSE(font.IsFaceOpen());
    font.SetPointSize(std::nanf(""));
    EXPECT_EQ(font.GetPointSizeValue(), 12.0f);
    font.SetPointSize(INFINITY);
    EXPECT_EQ(font.GetPointSize(), 12);
}
