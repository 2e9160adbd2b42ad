#include <gtest/gtest.h>

#include "engine/core/color/color.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_pixel_queries.h"
#include "tests/support/run_length_frames.h"

namespace {

class RunLengthQueries : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

// Row: skip 1, literal of 3 translucent pixels, fill of 2, skip 2 (width 8).
TEST_F(RunLengthQueries, AlphaFramesReadColourAndAlphaInPlace)
{
    RunLengthFixture f(8, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Codes({Fill(2, 1, 0), Skip(7)})});
    f.SetStream(4, {Codes({Skip(1), Literal(2, {0x0001, 0x0002, 0x0003}), Fill(2, 2, 0xF800), Skip(2)})});
    f.SetStream(3, {{10, 20, 30, 40}});
    f.frame.SetUpperLeftOffset(-1, 0);
    struct Case
    {
        int32_t column;
        bool hit;
        uint32_t value;
        int32_t red, alpha;
    };
    const Case cases[] = {
        // An opaque stored 0 reads as nothing there, but covers the pixel.
        {0, true, 0xFFFFFFFF, 0, 0},
        {3, true, 0xFFFFFFFF, 0, 30},
        // The fill covers columns 4 and 5 with the fourth alpha byte.
        {4, true, 0xFFFFFFFF, 255, 40},
        {5, true, 0xFFFFFFFF, 255, 40},
        {6, false, 0, 0, 0},
        {7, false, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        const int32_t x = c.column - 1;
        CColor colour;
        EXPECT_TRUE(f.frame.GetPixel(x, 0, colour)) << c.column;
        EXPECT_EQ(colour.m_Red, c.red) << c.column;
        EXPECT_EQ(colour.m_Alpha, c.alpha) << c.column;
        EXPECT_EQ(f.frame.HitTestPixel(x, 0), c.hit) << c.column;
        EXPECT_EQ(f.frame.GetPixelValue(x, 0), c.value) << c.column;
    }
    CColor outside;
    EXPECT_FALSE(f.frame.GetPixel(7, 0, outside));
    EXPECT_FALSE(f.frame.HitTestPixel(7, 0));
    EXPECT_FALSE(f.frame.HasNonZeroPixels());
}

TEST_F(RunLengthQueries, FillRunsCoverTheirLengthAndNoFurther)
{
    RunLengthFixture f(6, 1, 8, FRAME_ENCODING_RLE8);
    f.SetStream(0, {Codes({Skip(1), Fill(1, 3, 9), Skip(2)})});
    const uint8_t* data = f.frame.GetPixels();
    const int32_t* rows = f.frame.GetRowOffsets();
    EXPECT_EQ(FindRunPixel8(data, rows, 6, 0, 0), 0);
    EXPECT_EQ(FindRunPixel8(data, rows, 6, 1, 0), -1);
    EXPECT_EQ(FindRunPixel8(data, rows, 6, 3, 0), -1);
    EXPECT_EQ(FindRunPixel8(data, rows, 6, 4, 0), 0);
    EXPECT_EQ(ReadRunPixel8(data, rows, 6, 2, 0), 9);
    EXPECT_EQ(ReadRunPixel8(data, rows, 6, 4, 0), 0);
    EXPECT_TRUE(f.frame.HitTestPixel(3, 0));
    EXPECT_FALSE(f.frame.HitTestPixel(4, 0));
    EXPECT_EQ(f.frame.GetPixelValue(2, 0), 0xFFFFFFFFu);
}

TEST_F(RunLengthQueries, EightBitFramesReadTheFirstNonZeroStream)
{
    RunLengthFixture f(2, 1, 8, FRAME_ENCODING_RLE8);
    f.SetStream(0, {Codes({Fill(1, 1, 0), Skip(1)})});
    f.SetStream(3, {Codes({Fill(1, 2, 5)})});
    f.SetStream(1, {Codes({Fill(1, 2, 6)})});
    CColor colour, expected;
    expected.SetFromPaletteIndex(5);
    ASSERT_TRUE(f.frame.GetPixel(0, 0, colour));
    EXPECT_EQ(colour.m_Rgb565, expected.m_Rgb565);
    EXPECT_EQ(colour.m_PaletteIndex, 5);
}

TEST_F(RunLengthQueries, OtherAlphaDepthsWalkTheirValueSize)
{
    RunLengthFixture f24(3, 1, 24, FRAME_ENCODING_RLE_ALPHA);
    f24.SetStream(0, {Codes({Literal(3, {0x0000FF, 0x00FF00}), Skip(1)})});
    CColor colour;
    ASSERT_TRUE(f24.frame.GetPixel(1, 0, colour));
    EXPECT_EQ(colour.m_Green, 255);
    EXPECT_EQ(colour.m_Blue, 0);
    EXPECT_TRUE(f24.frame.HitTestPixel(1, 0));
    EXPECT_FALSE(f24.frame.HitTestPixel(2, 0));
    EXPECT_EQ(f24.frame.GetPixelValue(1, 0), 0u);

    RunLengthFixture f8(3, 1, 8, FRAME_ENCODING_RLE_ALPHA);
    f8.SetStream(0, {Codes({Skip(2), Literal(1, {0x40})})});
    EXPECT_TRUE(f8.frame.HitTestPixel(2, 0));
    EXPECT_FALSE(f8.frame.HitTestPixel(1, 0));
}

} // namespace
