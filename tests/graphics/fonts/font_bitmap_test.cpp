#include <gtest/gtest.h>

#include <memory>

#include "engine/core/color/color.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/object_forms.h"

namespace {

const CColor kMarker(255, 0, 255, 255);
const CColor kInk(10, 200, 30, 255);

// A 32-bit strip, transparent but for the pixels set.
std::unique_ptr<CFrame> MakeStrip(uint32_t width, uint32_t height)
{
    auto strip = std::make_unique<CFrame>();
    strip->Create(width, height, 32);
    return strip;
}

// A marker strip 20 high: column 0 marks rows 2 (top) and 15 (baseline),
// the bottom row ends glyphs at columns 4, 9 and 15.
std::unique_ptr<CFrame> MakeMarkerStrip()
{
    auto strip = MakeStrip(16, 20);
    strip->SetPixel(0, 2, kMarker);
    strip->SetPixel(0, 15, kMarker);
    for (int32_t x : {4, 9, 15})
        strip->SetPixel(x, 19, kMarker);
    strip->SetPixel(1, 3, kInk);
    strip->SetPixel(5, 0, kInk);
    return strip;
}

// The ink colour survives the glyph's trip to 5-6-5 nearly as it was.
bool HasInkAt(const CFrame& glyph, int32_t x, int32_t y)
{
    CColor colour;
    glyph.GetPixel(x + glyph.GetUpperLeftXOffset(), y + glyph.GetUpperLeftYOffset(), colour);
    return colour.m_Alpha != 0 && colour.m_Green > 190 && colour.m_Red < 20;
}

// Glyphs are made display-ready for a 16-bit display.
class FontBitmap : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        SetFrameDepth(16);
    }
};

} // namespace

TEST_F(FontBitmap, MarkerStripGivesGlyphsBetweenMarkersAndHeightFromTheBaseline)
{
    CFontBitmap font;
    font.SetCodeRange('A', 'C');
    font.BuildGlyphs(*MakeMarkerStrip());

    const int32_t widths[] = {3, 5, 6};
    for (uint32_t code = 'A'; code <= 'C'; code++)
    {
        const CFrame* glyph = font.GetGlyph(static_cast<uint8_t>(code));
        ASSERT_NE(glyph, nullptr);
        EXPECT_EQ(glyph->GetWidth(), widths[code - 'A']) << code;
        EXPECT_EQ(glyph->GetHeight(), 19) << code;
        EXPECT_EQ(glyph->GetUpperLeftYOffset(), -2) << code;
    }
    EXPECT_EQ(font.GetHeight(), 15);
    EXPECT_EQ(font.GetLineHeight(), 13);
    // 'A' starts after the marker column; 'B' at the marker that ended 'A'.
    EXPECT_TRUE(HasInkAt(*font.GetGlyph('A'), 0, 3));
    EXPECT_TRUE(HasInkAt(*font.GetGlyph('B'), 1, 0));
}

TEST_F(FontBitmap, MarkerStripWithoutTopMarkerSearchesTheBaselineFromItsMiddle)
{
    auto strip = MakeStrip(8, 12);
    strip->SetPixel(0, 1, kMarker);
    strip->SetPixel(0, 8, kMarker);
    strip->SetPixel(7, 11, kMarker);
    // Row 1 lies in the upper half, so it is the top; the baseline is 8.
    CFontBitmap font;
    font.SetCodeRange('a', 'a');
    font.BuildGlyphs(*strip);
    EXPECT_EQ(font.GetGlyph('a')->GetUpperLeftYOffset(), -1);
    EXPECT_EQ(font.GetHeight(), 8);

    auto noTop = MakeStrip(8, 12);
    noTop->SetPixel(7, 11, kMarker);
    CFontBitmap plain;
    plain.SetCodeRange('a', 'a');
    plain.BuildGlyphs(*noTop);
    // No markers in column 0: top 0, and the baseline at the bottom row.
    EXPECT_EQ(plain.GetGlyph('a')->GetUpperLeftYOffset(), 0);
    EXPECT_EQ(plain.GetHeight(), 11);
}

TEST_F(FontBitmap, FixedWidthStripIsCutIntoEqualCells)
{
    auto strip = MakeStrip(950, 14);
    strip->SetPixel(('A' - 32) * 10 + 3, 5, kInk);
    CFontBitmap font;
    font.SetFixedWidth(true);
    font.BuildGlyphs(*strip);
    for (uint32_t code = 32; code <= 125; code++)
    {
        const CFrame* glyph = font.GetGlyph(static_cast<uint8_t>(code));
        ASSERT_NE(glyph, nullptr) << code;
        EXPECT_EQ(glyph->GetWidth(), 10) << code;
        EXPECT_EQ(glyph->GetHeight(), 14) << code;
        EXPECT_EQ(glyph->GetUpperLeftYOffset(), 0) << code;
    }
    EXPECT_TRUE(HasInkAt(*font.GetGlyph('A'), 3, 5));
    EXPECT_EQ(font.GetHeight(), 14);
    EXPECT_EQ(font.GetLineHeight(), 14);
}

TEST_F(FontBitmap, CodesPastTheStripsEndAreBlankCells)
{
    // One marker for four codes: the second glyph runs to the strip's end,
    // the others lie past it.
    auto strip = MakeStrip(31, 10);
    strip->SetPixel(6, 9, kMarker);
    CFontBitmap font;
    font.SetCodeRange('a', 'd');
    font.BuildGlyphs(*strip);
    EXPECT_EQ(font.GetGlyph('a')->GetWidth(), 5);
    EXPECT_EQ(font.GetGlyph('b')->GetWidth(), 25);
    for (uint8_t code : {'c', 'd'})
    {
        const CFrame* blank = font.GetGlyph(code);
        EXPECT_EQ(blank->GetWidth(), 31 / 4) << code;
        EXPECT_EQ(blank->GetHeight(), 9) << code;
        EXPECT_FALSE(blank->HasNonZeroPixels()) << code;
    }
}

TEST_F(FontBitmap, ReleasingKeepsTheCutGlyphs)
{
    CFontBitmap font;
    font.SetCodeRange('A', 'C');
    font.BuildGlyphs(*MakeMarkerStrip());
    const CFrame* a = font.GetGlyph('A');
    font.ReleaseGlyphs();
    font.SetPointSize(30.0f);
    EXPECT_EQ(font.GetGlyph('A'), a);
}

// Fonts read or defaulted need the default font file in the list.
class FontBitmapTrueTypeTest : public FontTestFolder
{
};

TEST_F(FontBitmapTrueTypeTest, ReadsItsPropertiesFromText)
{
    std::unique_ptr<CObject> object = ObjectFromText("CFontBitmap\r\n{\r\n\tFirst ASCII=48\r\n"
                                                     "\tLast ASCII=57\r\n\tFixed Width=1\r\n"
                                                     "\tHeight Without Decenders=9\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    CFontBitmap* font = dynamic_cast<CFontBitmap*>(object.get());
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->GetFirstAscii(), 48u);
    EXPECT_EQ(font->GetLastAscii(), 57u);
    EXPECT_TRUE(font->IsFixedWidth());
    EXPECT_EQ(font->GetHeight(), 9);
}

TEST_F(FontBitmapTrueTypeTest, CodesTheStripLacksComeFromTheTrueTypeFace)
{
    CFontBitmap font;
    font.SetDefaults();
    font.SetCodeRange('A', 'C');
    font.BuildGlyphs(*MakeMarkerStrip());
    const CFrame* z = font.GetGlyph('Z');
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(font.IsFaceOpen());
    EXPECT_GT(z->GetWidth(), 0);
    EXPECT_EQ(z->GetFormat(), FRAME_DEPTH_16 | FRAME_ENCODING_RLE_ALPHA);
    EXPECT_EQ(font.GetGlyph('A')->GetWidth(), 3);

    // Last one below first: no strip glyphs at all.
    CFontBitmap empty;
    empty.SetDefaults();
    empty.SetCodeRange('B', 'A');
    empty.BuildGlyphs(*MakeMarkerStrip());
    const CFrame* a = empty.GetGlyph('A');
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a->GetWidth(), 3);
    EXPECT_GT(empty.GetHeight(), 0);
}
