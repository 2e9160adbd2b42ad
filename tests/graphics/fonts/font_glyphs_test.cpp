#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/truetype_face.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_format.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/object_forms.h"

namespace {

// Fonts over DejaVu Sans, the data folder's "!default.ttf".
class FontGlyphsTest : public FontTestFolder
{
protected:
    void SetUp() override
    {
        FontTestFolder::SetUp();
        m_Font.SetDefaults();
    }

    CFont m_Font;
};

} // namespace

TEST_F(FontGlyphsTest, DefaultsNameTheDefaultFontAtTwelvePointsInOpaqueWhite)
{
    EXPECT_EQ(m_Font.GetFontFamily(), 0);
    EXPECT_EQ(m_Font.GetPointSizeValue(), 12.0f);
    EXPECT_EQ(m_Font.GetBlitTypeIndex(), 1);
    EXPECT_EQ(m_Font.GetGeneratedColor().m_Alpha, 255);
    EXPECT_FALSE(m_Font.GetGenerateAllCaps());
}

TEST_F(FontGlyphsTest, FirstGlyphOpensTheFaceAndSizeChangesReopenIt)
{
    EXPECT_FALSE(m_Font.IsFaceOpen());
    CFrame* a = m_Font.GetGlyph('A');
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(m_Font.IsFaceOpen());
    EXPECT_EQ(m_Font.GetGlyph('A'), a);
    const int32_t twelvePointWidth = a->GetWidth();

    m_Font.SetPointSize(24.0f);
    EXPECT_FALSE(m_Font.IsFaceOpen());
    CFrame* large = m_Font.GetGlyph('A');
    ASSERT_NE(large, nullptr);
    EXPECT_TRUE(m_Font.IsFaceOpen());
    EXPECT_GT(large->GetWidth(), twelvePointWidth);
}

TEST_F(FontGlyphsTest, LineHeightIsTheSameOnTheFirstCall)
{
    const int32_t first = m_Font.GetLineHeight();
    const int32_t second = m_Font.GetLineHeight();
    EXPECT_EQ(first, second);
    // Height (the ascender) plus the glyphs' offset of 1 - descender.
    const CFrame* a = m_Font.GetGlyph('A');
    EXPECT_EQ(first, m_Font.GetHeight() + a->GetUpperLeftYOffset());
    EXPECT_GT(m_Font.GetHeight(), 0);
}

TEST_F(FontGlyphsTest, ControlCodesBelowTwentyAreNeverRendered)
{
    EXPECT_EQ(m_Font.GetCharWidth(19), 0);
    EXPECT_FALSE(m_Font.IsFaceOpen());
    EXPECT_GT(m_Font.GetGlyph(20)->GetWidth(), 0);
}

TEST_F(FontGlyphsTest, LargeCodesGrowTheTableAndKeepEarlierGlyphs)
{
    CFrame* a = m_Font.GetGlyph('a');
    ASSERT_NE(m_Font.GetGlyphW(300), nullptr);
    EXPECT_EQ(m_Font.GetGlyphCount(), 301u);
    EXPECT_EQ(m_Font.GetGlyph('a'), a);
}

TEST_F(FontGlyphsTest, HeightWithoutAnOpenFaceIsZero)
{
    // The property window closes the face; the glyph of 'A' is kept, so
    // nothing reopens it and no ascender is known.
    m_Font.GetGlyph('A');
    m_Font.AddCustomEditorControls(nullptr);
    EXPECT_FALSE(m_Font.IsFaceOpen());
    EXPECT_EQ(m_Font.GetHeight(), 0);
    // A glyph not yet rendered opens it again.
    m_Font.GetGlyph('B');
    EXPECT_TRUE(m_Font.IsFaceOpen());
}

TEST_F(FontGlyphsTest, ReleasingGlyphsClosesTheFace)
{
    m_Font.GetGlyph('A');
    EXPECT_EQ(TrueTypeFace::GetOpenFaceCount(), 1);
    m_Font.ReleaseGlyphs();
    EXPECT_EQ(TrueTypeFace::GetOpenFaceCount(), 0);
    EXPECT_EQ(TrueTypeFace::GetSharedLibrary(), nullptr);
}

TEST_F(FontGlyphsTest, PointSizeThatIsNotANumberReadsAsTwelve)
{
    // The binary form carries the float as it is; text reads "nan" as 0,
    // which the range then raises to 3.
    CFont written;
    written.SetDefaults();
    written.SetPointSize(37.0f);
    std::string bytes = ObjectBinary(&written);
    const float size = 37.0f;
    const std::string sizeBytes(reinterpret_cast<const char*>(&size), sizeof size);
    const size_t at = bytes.find(sizeBytes);
    ASSERT_NE(at, std::string::npos);
    const float notANumber = std::nanf("");
    bytes.replace(at, sizeof notANumber, reinterpret_cast<const char*>(&notANumber), sizeof notANumber);

    CFont font;
    ASSERT_TRUE(ReadObjectBinary(&font, bytes));
    EXPECT_EQ(font.GetPointSizeValue(), 12.0f);
    EXPECT_NE(font.GetGlyph('A'), nullptr);
}

TEST_F(FontGlyphsTest, GlyphsAreRunLengthFramesWithAlphaDrawnByBlending)
{
    m_Font.SetPointSize(24.0f);
    const CFrame* a = m_Font.GetGlyph('A');
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->GetFormat(), FRAME_DEPTH_16 | FRAME_ENCODING_RLE_ALPHA);

    CFrame target;
    target.Create(200, 40, 16);
    m_Font.DrawText(target, 4, 4, "Hello");
    int32_t white = 0;
    int32_t blended = 0;
    for (int32_t y = 0; y < 40; y++)
    {
        for (int32_t x = 0; x < 200; x++)
        {
            const uint32_t value = target.GetPixelValue(x, y);
            white += value == 0xFFFF ? 1 : 0;
            blended += value != 0 && value != 0xFFFF ? 1 : 0;
        }
    }
    // Solid strokes and anti-aliased edges.
    EXPECT_GT(white, 20);
    EXPECT_GT(blended, 20);
}
