#include <gtest/gtest.h>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_tiling.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

class Tiling : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

struct Counting : CFrame
{
    Counting(uint32_t width, uint32_t height, int32_t bits)
    {
        Create(width, height, bits);
        FillWithCounting(*this);
    }
};

uint32_t Value(int32_t x, int32_t y, int32_t width)
{
    return static_cast<uint32_t>(1 + x + width * y);
}

bool Draw(CFrame& destination, CFrame& source, CRect sourceRect, CRect destinationRect, CBlitType& type)
{
    return destination.Blit(&source, sourceRect, destinationRect, &type);
}

} // namespace

TEST_F(Tiling, ATextureRepeatsFromTheSourcePointWrappedByItsMasks)
{
    const struct
    {
        uint32_t textureWidth;
        int32_t sx, sy;
    } cases[] = {{16, 0, 0}, {16, 12, 0}, {16, 5, 21}, {24, 0, 0}, {16, -3, -1}};
    for (const auto& c : cases)
    {
        Counting texture(c.textureWidth, 16, 16);
        CFrame destination;
        destination.Create(40, 10, 16);
        ASSERT_TRUE(
            Draw(destination, texture, CRect{c.sx, c.sy, c.sx + 40, c.sy + 10}, CRect{0, 0, 40, 10}, GetBlitTile()));
        for (int32_t y = 0; y < 10; y++)
            for (int32_t x = 0; x < 40; x++)
                ASSERT_EQ(ReadPixel(destination, x, y),
                          Value((c.sx + x) & 15, (c.sy + y) & 15, static_cast<int32_t>(c.textureWidth)))
                    << c.textureWidth << " from " << c.sx << ", " << c.sy << " at " << x << ", " << y;
    }
}

TEST_F(Tiling, TwentyFourBitTexturesOntoThirtyTwoBitsWriteOpaqueAlpha)
{
    Counting texture(4, 4, 24);
    CFrame destination;
    destination.Create(6, 2, 32);
    ASSERT_TRUE(Draw(destination, texture, CRect{0, 0, 6, 2}, CRect{0, 0, 6, 2}, GetBlitTile()));
    EXPECT_EQ(ReadPixel(destination, 5, 1), 0xFF000000u | Value(1, 1, 4));
}

TEST_F(Tiling, TexturingARunLengthFrameKeepsItsShapeAndAlpha)
{
    RunLengthFixture runs(8, 2, 16, FRAME_ENCODING_RLE_ALPHA);
    runs.SetStream(0, {Codes({Skip(2), Literal(2, {1, 1}), Fill(2, 4, 1)}), Codes({Fill(2, 8, 1)})});
    runs.SetStream(4, {Codes({Literal(2, {2}), Skip(7)}), Codes({Skip(8)})});
    runs.SetStream(3, {{77}, {}});
    Counting texture(4, 2, 16);
    ASSERT_TRUE(Draw(runs.frame, texture, CRect{1, 0, 9, 2}, CRect{0, 0, 8, 2}, GetBlitTile()));
    // Codes stay; values are the texture at (1 + x) & 3.
    const RunRow row0 = Codes({Skip(2), Literal(2, {Value(3, 0, 4), Value(0, 0, 4)}), Fill(2, 4, Value(1, 0, 4))});
    const RunRow row1 = Codes({Fill(2, 8, Value(1, 1, 4))});
    const std::vector<uint8_t>& stream0 = runs.Block(0);
    EXPECT_EQ(std::vector<uint8_t>(stream0.begin() + 4, stream0.begin() + 4 + static_cast<long>(row0.size())), row0);
    EXPECT_EQ(std::vector<uint8_t>(stream0.end() - static_cast<long>(row1.size()), stream0.end()), row1);
    const std::vector<uint8_t>& stream4 = runs.Block(4);
    EXPECT_EQ(stream4[5] | stream4[6] << 8, static_cast<int32_t>(Value(1, 0, 4)));
    EXPECT_EQ(runs.Block(3)[4], 77);
}

TEST_F(Tiling, RepeatDrawsWholeCopiesFromThePhaseOfTheSourcePoint)
{
    const struct
    {
        int32_t sx, sy;
    } cases[] = {{0, 0}, {10, 0}, {-7, 45}};
    for (const auto& c : cases)
    {
        Counting source(30, 20, 16);
        CFrame destination;
        destination.Create(120, 60, 16);
        GetBlitNormal().SetOpacity(0.5f);
        ASSERT_TRUE(Draw(destination, source, CRect{c.sx, c.sy, c.sx + 100, c.sy + 50}, CRect{10, 5, 110, 55},
                         GetBlitRepeat()));
        EXPECT_EQ(GetBlitNormal().GetOpacity(), 0.5f);
        GetBlitNormal().SetOpacity(1.0f);
        for (int32_t y = 0; y < 60; y++)
            for (int32_t x = 0; x < 120; x++)
            {
                const bool inside = x >= 10 && x < 110 && y >= 5 && y < 55;
                const int32_t u = (((x - 10 + c.sx) % 30) + 30) % 30, v = (((y - 5 + c.sy) % 20) + 20) % 20;
                ASSERT_EQ(ReadPixel(destination, x, y), inside ? Value(u, v, 30) : 0u)
                    << c.sx << ", " << c.sy << " at " << x << ", " << y;
            }
    }
}

TEST_F(Tiling, RunLengthSourcesAreRepeatedButNotTiled)
{
    RunLengthFixture runs(2, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    runs.SetStream(0, {Codes({Literal(2, {0x1111, 0x2222})})});
    CFrame destination;
    destination.Create(5, 1, 16);
    EXPECT_EQ(GetBlitTile().Lookup(&runs.frame, &destination), nullptr);
    ASSERT_TRUE(Draw(destination, runs.frame, CRect{0, 0, 5, 1}, CRect{0, 0, 5, 1}, GetBlitRepeat()));
    for (int32_t x = 0; x < 5; x++)
        EXPECT_EQ(ReadPixel(destination, x, 0), x % 2 ? 0x2222u : 0x1111u) << x;
    EXPECT_EQ(GetBlitTile().GetKind(), CBlitType::TILES);
    EXPECT_EQ(GetBlitRepeat().GetKind(), CBlitType::TILES);
    EXPECT_EQ(GetBlitTile().GetEntryCount(), 5u);
    EXPECT_EQ(GetBlitRepeat().GetEntryCount(), 6u);
}

TEST_F(Tiling, SourcesWithoutPixelsOrSizeDrawNothingHoweverReached)
{
    CFrame destination;
    destination.Create(8, 8, 16);
    const struct
    {
        uint32_t width, height;
        bool pixels;
    } cases[] = {{0, 4, false}, {4, 0, false}, {4, 4, false}};
    for (const auto& c : cases)
    {
        CFrame source;
        source.SetFormatWord(FRAME_DEPTH_16);
        source.SetSize(c.width, c.height);
        for (CBlitType* type : {static_cast<CBlitType*>(&GetBlitTile()), static_cast<CBlitType*>(&GetBlitRepeat())})
            destination.BlitClipped(&source, CRect{0, 0, 8, 8}, CRect{0, 0, 8, 8}, type);
        EXPECT_FALSE(destination.HasNonZeroPixels()) << c.width << " x " << c.height;
    }
}
