#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/blit/antialiased_lines.h"
#include "engine/core/color/color.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/recording_frame.h"

namespace {

class AntiAliasedLines : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

// The pixels that are not zero, as (x, y, value).
struct Touched
{
    int32_t x, y;
    uint32_t value;
    bool operator==(const Touched&) const = default;
};

std::vector<Touched> NonZero(const CFrame& frame)
{
    std::vector<Touched> touched;
    for (int32_t y = 0; y < frame.GetHeight(); y++)
        for (int32_t x = 0; x < frame.GetWidth(); x++)
            if (ReadPixel(frame, x, y) != 0)
                touched.push_back({x, y, ReadPixel(frame, x, y)});
    return touched;
}

// A 10 x 6 16-bit frame over the middle of a zeroed 20 x 16 canvas: what
// lands outside the window shows on the canvas.
struct GuardedFrame
{
    std::vector<uint16_t> canvas = std::vector<uint16_t>(20 * 16, 0);
    int32_t rows[6];
    CFrame frame;

    GuardedFrame()
    {
        for (int32_t y = 0; y < 6; y++)
            rows[y] = y * 20;
        frame.SetPixelData(reinterpret_cast<uint8_t*>(canvas.data() + 5 * 20 + 5), rows);
        frame.SetSize(10, 6);
        frame.SetFormatWord(FRAME_DEPTH_16 | FRAME_BORROWED_PIXELS);
    }

    bool OnlyInsideTouched() const
    {
        for (int32_t y = 0; y < 16; y++)
            for (int32_t x = 0; x < 20; x++)
                if (canvas[static_cast<size_t>(y * 20 + x)] != 0 && !(x >= 5 && x < 15 && y >= 5 && y < 11))
                    return false;
        return true;
    }
};

} // namespace

TEST_F(AntiAliasedLines, AQuarterPixelBelowTheRowSplitsItsWeight)
{
    CFrame frame;
    frame.Create(32, 8, 16);
    frame.DrawLineAA(10.5f, 3.25f, 20.5f, 3.25f, ColorWhite);
    std::vector<Touched> expected;
    for (int32_t x = 10; x <= 20; x++)
        expected.push_back({x, 3, 0xB5D6});
    for (int32_t x = 10; x <= 20; x++)
        expected.push_back({x, 4, 0x39E7});
    EXPECT_EQ(NonZero(frame), expected);
}

TEST_F(AntiAliasedLines, AnExactRowTakesTheWholeWeightAndTheRowBelowNone)
{
    CFrame frame;
    frame.Create(8, 4, 16);
    frame.Fill(CColor(0, 0, 255, 255));
    const uint32_t blue = ReadPixel(frame, 0, 0);
    frame.DrawLineAA(1.0f, 1.0f, 6.0f, 1.0f, ColorWhite);
    for (int32_t x = 0; x < 8; x++)
    {
        EXPECT_EQ(ReadPixel(frame, x, 1), x >= 1 && x <= 6 ? Blend565(blue, 0xFFFF, 255) : blue) << x;
        EXPECT_EQ(ReadPixel(frame, x, 2), blue) << x;
    }
}

TEST_F(AntiAliasedLines, StepsAlongTheMajorAxis)
{
    const uint32_t full = Blend565(0, 0xFFFF, 255);
    const struct
    {
        float x0, y0, x1, y1;
        std::vector<Touched> expected;
    } cases[] = {
        // A diagonal is x-major: one pixel per column, the one below at 0.
        {2, 2, 5, 5, {{2, 2, full}, {3, 3, full}, {4, 4, full}, {5, 5, full}}},
        // Steep: one pixel per row, drawn from the top whichever end comes first.
        {3, 5, 3, 1, {{3, 1, full}, {3, 2, full}, {3, 3, full}, {3, 4, full}, {3, 5, full}}},
        // Zero length: one pair, split at the half.
        {4.0f, 2.5f, 4.0f, 2.5f, {{4, 2, Blend565(0, 0xFFFF, 127)}, {4, 3, Blend565(0, 0xFFFF, 128)}}},
    };
    for (const auto& c : cases)
    {
        CFrame frame;
        frame.Create(8, 8, 16);
        frame.DrawLineAA(c.x0, c.y0, c.x1, c.y1, ColorWhite);
        EXPECT_EQ(NonZero(frame), c.expected) << c.x0 << ", " << c.y0 << " - " << c.x1 << ", " << c.y1;
    }
}

TEST_F(AntiAliasedLines, ThirtyTwoBitPixelsTouchedLoseTheirAlpha)
{
    CFrame frame;
    frame.Create(6, 4, 32);
    for (int32_t y = 0; y < 4; y++)
        for (int32_t x = 0; x < 6; x++)
            WritePixel(frame, x, y, 0xFF000000);
    frame.DrawLineAA(1.0f, 1.0f, 4.0f, 1.0f, CColor(255, 255, 255, 255));
    for (int32_t x = 1; x <= 4; x++)
    {
        // Weight 255 x alpha 255 >> 8 = 254 of 255.
        EXPECT_EQ(ReadPixel(frame, x, 1), 0x00FEFEFEu) << x;
        EXPECT_EQ(ReadPixel(frame, x, 2), 0x00000000u) << x;
    }
    EXPECT_EQ(ReadPixel(frame, 0, 1), 0xFF000000u);
}

TEST_F(AntiAliasedLines, TwentyFourBitsBlendByTheWeightOver256)
{
    CFrame frame;
    frame.Create(4, 4, 24);
    frame.DrawLineAA(0.0f, 1.25f, 3.0f, 1.25f, CColor(200, 100, 0, 255));
    // Weights 191 and 64: 200 x 191 / 256 = 149, 100 x 191 / 256 = 74.
    EXPECT_EQ(ReadPixel(frame, 2, 1), (149u << 16) | (74u << 8));
    EXPECT_EQ(ReadPixel(frame, 2, 2), (50u << 16) | (25u << 8));
}

TEST_F(AntiAliasedLines, EightBitsDrawOnlyWithAWholeInversePalette)
{
    CFrame frame;
    frame.Create(4, 4, 8);
    CColor colour = ColorWhite;
    colour.m_PaletteIndex = 9;
    colour.m_Flags |= COLOR_PALETTE_INDEX_VALID;
    GamePalette.SetKind(CColorTable::PALETTE);
    frame.DrawLineAA(0.0f, 1.0f, 3.0f, 1.0f, colour);
    EXPECT_TRUE(NonZero(frame).empty());

    // Entry 9 is white; the inverse palette answers 9 for every word.
    CurrentPalette.SetKind(CColorTable::PALETTE);
    CurrentPalette.SetEntry(9, 255, 255, 255);
    GamePalette.SetKind(CColorTable::EMPTY);
    GamePalette.SetKind(CColorTable::INVERSE_555);
    std::fill(GamePalette.GetData(), GamePalette.GetData() + 32768, 9);
    frame.DrawLineAA(0.0f, 1.0f, 3.0f, 1.0f, colour);
    EXPECT_EQ(ReadPixel(frame, 2, 1), 9u);
    EXPECT_EQ(PaletteChannelTables[2][9], 255);
    GamePalette.SetKind(CColorTable::EMPTY);
    CurrentPalette.SetKind(CColorTable::EMPTY);
}

TEST_F(AntiAliasedLines, FarEndsNaNAndGrazingLinesStayInsideTheFrame)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float cases[][4] = {
        {-1e6f, 2.5f, 1e6f, 3.5f}, {4.0f, -1e6f, 5.0f, 1e6f}, {-1e6f, -1e6f, 1e6f, 1e6f}, {1e6f, 3.0f, -1e6f, 3.2f},
        {0.0f, 5.9f, 9.9f, 5.9f},  {9.9f, 0.0f, 9.9f, 5.99f}, {0.0f, 5.99f, 9.99f, 0.0f}, {-3.0f, 5.5f, 12.0f, 5.5f},
        {nan, 1.0f, 3.0f, 1.0f},   {0.0f, 0.0f, inf, inf},    {-inf, 2.0f, inf, 2.0f},    {3e9f, -3e9f, -3e9f, 3e9f},
    };
    for (const auto& c : cases)
    {
        GuardedFrame guarded;
        guarded.frame.DrawLineAA(c[0], c[1], c[2], c[3], ColorWhite);
        EXPECT_TRUE(guarded.OnlyInsideTouched()) << c[0] << ", " << c[1] << " - " << c[2] << ", " << c[3];
    }
    GuardedFrame crossing;
    crossing.frame.DrawLineAA(-1e6f, 2.5f, 1e6f, 2.5f, ColorWhite);
    EXPECT_NE(ReadPixel(crossing.frame, 0, 2), 0u);
    EXPECT_NE(ReadPixel(crossing.frame, 9, 2), 0u);
}

TEST_F(AntiAliasedLines, CirclesTakeTenToTwentyFiveSegments)
{
    const struct
    {
        float radius;
        size_t segments;
    } cases[] = {{30.0f, 10}, {60.0f, 15}, {200.0f, 25}, {1.0f, 10}};
    for (const auto& c : cases)
    {
        CRecordingFrame frame;
        DrawEllipse(frame, Vector2{50.0f, 40.0f}, c.radius, ColorWhite);
        ASSERT_EQ(frame.calls.size(), c.segments) << c.radius;
        EXPECT_NEAR(frame.calls.front().x0, 50.0f + c.radius, 0.01f);
        EXPECT_NEAR(frame.calls.back().x1, 50.0f + c.radius, 0.05f * c.radius);
        for (size_t i = 1; i < frame.calls.size(); i++)
            EXPECT_EQ(frame.calls[i].x0, frame.calls[i - 1].x1);
    }
}

TEST_F(AntiAliasedLines, APieSliceAddsLinesFromTheCentre)
{
    CRecordingFrame frame;
    DrawEllipseArc(frame, Vector2{10.0f, 10.0f}, 60.0f, 0.5f, ColorWhite, 0.0f, 1.5f, true);
    ASSERT_EQ(frame.calls.size(), 17u);
    EXPECT_EQ(frame.calls.front().x0, 10.0f);
    EXPECT_EQ(frame.calls.front().y0, 10.0f);
    EXPECT_EQ(frame.calls.back().x0, 10.0f);
    EXPECT_EQ(frame.calls.back().x1, frame.calls[15].x1);
    EXPECT_EQ(frame.calls.back().y1, frame.calls[15].y1);
}
