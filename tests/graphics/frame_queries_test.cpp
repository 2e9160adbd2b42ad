#include <gtest/gtest.h>

#include "engine/blit/cpu_info.h"
#include "engine/core/color/color.h"
#include "engine/core/geometry/point.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"

namespace {

class FrameQueries : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override { CurrentPalette.SetKind(CColorTable::EMPTY); }

    // A grey ramp: entry i is (i, i, i).
    static void UseGreyPalette()
    {
        CurrentPalette.SetKind(CColorTable::PALETTE);
        for (uint32_t i = 0; i < 256; i++)
            CurrentPalette.SetEntry(i, static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i));
    }
};

} // namespace

TEST_F(FrameQueries, GetPixelReadsEveryDepthAndNothingOutside)
{
    UseGreyPalette();
    const struct
    {
        int32_t bits;
        uint32_t raw;
        int red, green, blue, alpha;
    } cases[] = {
        {8, 77, 77, 77, 77, 255},
        {16, 0x5AEB, 91, 93, 91, 255},
        {24, 0x102030, 0x10, 0x20, 0x30, 255},
        {32, 0x80102030, 0x10, 0x20, 0x30, 0x80},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bits);
        CFrame frame;
        frame.Create(3, 2, c.bits);
        frame.SetUpperLeftOffset(-1, 5);
        WritePixel(frame, 2, 1, c.raw);
        CColor colour;
        ASSERT_TRUE(frame.GetPixel(1, 6, colour));
        EXPECT_EQ(colour.m_Red, c.red);
        EXPECT_EQ(colour.m_Green, c.green);
        EXPECT_EQ(colour.m_Blue, c.blue);
        EXPECT_EQ(colour.m_Alpha, c.alpha);
        EXPECT_EQ(frame.GetPixelValue(1, 6), c.raw);
        EXPECT_TRUE(frame.HitTestPixel(1, 6));
        EXPECT_FALSE(frame.HitTestPixel(0, 6));

        for (const CPoint outside : {CPoint{2, 6}, CPoint{1, 7}, CPoint{-2, 5}, CPoint{0, 4}})
        {
            CColor missing(1, 2, 3, 4);
            EXPECT_FALSE(frame.GetPixel(outside.x, outside.y, missing));
            EXPECT_EQ(missing.m_Red + missing.m_Green + missing.m_Blue + missing.m_Alpha, 0);
            EXPECT_EQ(frame.GetPixelValue(outside.x, outside.y), 0u);
            EXPECT_FALSE(frame.HitTestPixel(outside.x, outside.y));
        }
    }
}

TEST_F(FrameQueries, ContentBoundsAreInPixelCoordinates)
{
    for (const CPoint offset : {CPoint{0, 0}, CPoint{-7, 12}})
    {
        CFrame frame;
        frame.Create(10, 8, 16);
        frame.SetUpperLeftOffset(offset.x, offset.y);
        CRect bounds{1, 1, 1, 1};
        frame.GetContentBounds(bounds);
        EXPECT_EQ(bounds.left | bounds.top | bounds.right | bounds.bottom, 0);
        WritePixel(frame, 3, 5, 0x1234);
        frame.GetContentBounds(bounds);
        EXPECT_EQ(bounds.left, 3);
        EXPECT_EQ(bounds.top, 5);
        EXPECT_EQ(bounds.right, 4);
        EXPECT_EQ(bounds.bottom, 6);
        WritePixel(frame, 9, 0, 1);
        WritePixel(frame, 0, 7, 1);
        frame.GetContentBounds(bounds);
        EXPECT_EQ(bounds.left, 0);
        EXPECT_EQ(bounds.top, 0);
        EXPECT_EQ(bounds.right, 10);
        EXPECT_EQ(bounds.bottom, 8);
    }
    CFrame withAlpha;
    withAlpha.Create(4, 4, 32);
    WritePixel(withAlpha, 0, 0, 0x00FFFFFF);
    WritePixel(withAlpha, 2, 1, 0x01000000);
    CRect bounds;
    withAlpha.GetContentBounds(bounds);
    EXPECT_EQ(bounds.left, 2) << "32-bit pixels count by their alpha";
    EXPECT_EQ(bounds.top, 1);
}

TEST_F(FrameQueries, NonZeroPixelsByDepth)
{
    const struct
    {
        int32_t bits;
        uint32_t raw;
        bool nonZero;
    } cases[] = {
        {8, 1, true},         {8, 0, false},           {16, 0xFFFF, false},
        {24, 0x000100, true}, {32, 0x00FFFFFF, false}, {32, 0x01000000, true},
    };
    for (const auto& c : cases)
    {
        CFrame frame;
        frame.Create(5, 3, c.bits);
        WritePixel(frame, 4, 2, c.raw);
        EXPECT_EQ(frame.HasNonZeroPixels(), c.nonZero) << c.bits << " " << c.raw;
    }
    CFrame empty;
    EXPECT_FALSE(empty.HasNonZeroPixels());
}

TEST_F(FrameQueries, CopyRectClipsToTheSourceAndLeavesTheRestZero)
{
    CFrame source;
    source.Create(10, 10, 16);
    FillWithCounting(source);
    source.SetUpperLeftOffset(-5, -5);
    // A one-byte-per-pixel plane rides along in 16-bit frames.
    uint8_t* plane = AllocatePixelBlock(100);
    for (int32_t i = 0; i < 100; i++)
        plane[i] = static_cast<uint8_t>(200 + i % 50);
    source.SetStream(4, plane, nullptr);
    CColorTable palette;
    palette.SetKind(CColorTable::PALETTE);
    source.SetPalette(palette);

    CFrame copy;
    copy.CopyRect(&source, CRect{-10, -10, 15, 15});
    ASSERT_EQ(copy.GetWidth(), 25);
    ASSERT_EQ(copy.GetHeight(), 25);
    EXPECT_EQ(copy.GetUpperLeftXOffset(), 0);
    for (int32_t y = 0; y < 25; y++)
        for (int32_t x = 0; x < 25; x++)
        {
            const bool inside = x >= 5 && x < 15 && y >= 5 && y < 15;
            ASSERT_EQ(ReadPixel(copy, x, y), inside ? ReadPixel(source, x - 5, y - 5) : 0u) << x << "," << y;
            ASSERT_EQ(copy.GetStream4Data()[y * 25 + x], inside ? plane[(y - 5) * 10 + x - 5] : 0) << x << "," << y;
        }
    EXPECT_NE(copy.GetPalette(), nullptr);

    CFrame whole;
    whole.CopyFrom(source);
    EXPECT_EQ(whole.GetUpperLeftXOffset(), -5);
    EXPECT_EQ(whole.GetWidth(), 10);
    EXPECT_EQ(ReadPixel(whole, 9, 9), ReadPixel(source, 9, 9));
}

TEST_F(FrameQueries, RemapDarkensAndLightensThroughThePalette)
{
    UseGreyPalette();
    // The plain blend throughout, whatever this processor offers.
    const bool hadMMX = GetCpuInfo().HasMMX();
    GetCpuInfo().OverrideMMX(false);
    uint8_t identity[256], darker[256], lighter[256];
    for (int32_t i = 0; i < 256; i++)
    {
        identity[i] = static_cast<uint8_t>(i);
        darker[i] = static_cast<uint8_t>(i / 2);
        lighter[i] = static_cast<uint8_t>(i < 128 ? i * 2 : 255);
    }

    CFrame frame16;
    frame16.Create(4, 2, 16);
    FillWithCounting(frame16);
    frame16.RemapRect(CRect{0, 0, 4, 2}, identity);
    for (int32_t i = 0; i < 8; i++)
        EXPECT_EQ(ReadPixel(frame16, i % 4, i / 4), static_cast<uint32_t>(i + 1)) << "identity map";

    frame16.Fill(ColorWhite);
    frame16.RemapRect(0, 0, 2, 2, darker);
    // Half the lightness: black at alpha trunc(0.5 x 255) = 127.
    EXPECT_EQ(ReadPixel(frame16, 0, 0), Blend565(0xFFFF, 0, 127));
    EXPECT_EQ(ReadPixel(frame16, 2, 0), 0xFFFFu);

    frame16.Fill(ColorBlack);
    frame16.RemapRect(CRect{0, 0, 4, 2}, lighter);
    // Entry 128 maps to 255: white at alpha trunc((255 / 128 - 1) x 0.2 x 255) = 50.
    EXPECT_EQ(ReadPixel(frame16, 3, 1), Blend565(0, 0xFFFF, 50));

    CFrame frame24;
    frame24.Create(2, 1, 24);
    WritePixel(frame24, 0, 0, 0x806040);
    frame24.RemapRect(CRect{0, 0, 2, 1}, darker);
    EXPECT_EQ(ReadPixel(frame24, 0, 0), 0x403020u);

    CFrame frame8;
    frame8.Create(2, 1, 8);
    WritePixel(frame8, 1, 0, 200);
    frame8.RemapRect(CRect{0, 0, 2, 1}, darker);
    EXPECT_EQ(ReadPixel(frame8, 1, 0), 100u);

    CFrame frame32;
    frame32.Create(1, 1, 32);
    WritePixel(frame32, 0, 0, 0xFF806040);
    frame32.RemapRect(CRect{0, 0, 1, 1}, darker);
    EXPECT_EQ(ReadPixel(frame32, 0, 0), 0xFF806040u);

    // Without a palette there is no lightness to compare: nothing changes.
    CurrentPalette.SetKind(CColorTable::EMPTY);
    frame16.Fill(ColorWhite);
    frame16.RemapRect(CRect{0, 0, 4, 2}, darker);
    EXPECT_EQ(ReadPixel(frame16, 0, 0), 0xFFFFu);
    // Nor when the entry nearest grey has no blue.
    for (uint32_t i = 0; i < 256; i++)
        CurrentPalette.SetEntry(i, static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0);
    frame16.RemapRect(CRect{0, 0, 4, 2}, darker);
    EXPECT_EQ(ReadPixel(frame16, 0, 0), 0xFFFFu);
    GetCpuInfo().OverrideMMX(hadMMX);
}
