#include <gtest/gtest.h>

#include "engine/blit/blit_normal_scale.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

class NormalScale : public testing::Test
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

bool Draw(CFrame& destination, CFrame& source, CRect sourceRect, CRect destinationRect)
{
    return destination.Blit(&source, sourceRect, destinationRect, &GetBlitNormalScale());
}

} // namespace

TEST_F(NormalScale, SamplesTheNearestSourcePixel)
{
    const struct
    {
        int32_t sourceSide, destinationSide, factorNumerator, factorDenominator;
    } cases[] = {{10, 20, 1, 2}, {20, 10, 2, 1}, {10, 10, 1, 1}};
    for (const auto& c : cases)
    {
        Counting source(static_cast<uint32_t>(c.sourceSide), static_cast<uint32_t>(c.sourceSide), 16);
        CFrame destination;
        destination.Create(static_cast<uint32_t>(c.destinationSide), static_cast<uint32_t>(c.destinationSide), 16);
        ASSERT_TRUE(Draw(destination, source, CRect{0, 0, c.sourceSide, c.sourceSide},
                         CRect{0, 0, c.destinationSide, c.destinationSide}));
        for (int32_t y = 0; y < c.destinationSide; y++)
            for (int32_t x = 0; x < c.destinationSide; x++)
                ASSERT_EQ(ReadPixel(destination, x, y),
                          Value(x * c.factorNumerator / c.factorDenominator,
                                y * c.factorNumerator / c.factorDenominator, c.sourceSide))
                    << c.sourceSide << " to " << c.destinationSide << " at " << x << ", " << y;
    }
}

TEST_F(NormalScale, ASourceRectangleBelowTheTopSamplesFromItsOwnTop)
{
    Counting source(10, 10, 16);
    CFrame destination;
    destination.Create(10, 10, 16);
    ASSERT_TRUE(Draw(destination, source, CRect{0, 5, 10, 10}, CRect{0, 0, 10, 10}));
    EXPECT_EQ(ReadPixel(destination, 3, 0), Value(3, 5, 10));
    EXPECT_EQ(ReadPixel(destination, 3, 1), Value(3, 5, 10));
    EXPECT_EQ(ReadPixel(destination, 3, 9), Value(3, 9, 10));
}

TEST_F(NormalScale, WideningPairsConvertAndTwentyFourToThirtyTwoKeepsTheFourthByte)
{
    Counting source(2, 2, 24);
    CFrame destination;
    destination.Create(4, 4, 32);
    for (int32_t y = 0; y < 4; y++)
        for (int32_t x = 0; x < 4; x++)
            WritePixel(destination, x, y, 0x5A000000);
    ASSERT_TRUE(Draw(destination, source, CRect{0, 0, 2, 2}, CRect{0, 0, 4, 4}));
    EXPECT_EQ(ReadPixel(destination, 3, 3), 0x5A000000u | Value(1, 1, 2));

    CColorTable palette;
    palette.SetKind(CColorTable::PALETTE);
    palette.SetEntry(3, 255, 0, 0);
    Build16BitPaletteLookup(palette);
    CFrame indices;
    indices.Create(1, 1, 8);
    WritePixel(indices, 0, 0, 3);
    CFrame words;
    words.Create(3, 3, 16);
    ASSERT_TRUE(Draw(words, indices, CRect{0, 0, 1, 1}, CRect{0, 0, 3, 3}));
    EXPECT_EQ(ReadPixel(words, 2, 2), 0xF800u);
    CColorTable none;
    Build16BitPaletteLookup(none);
}

TEST_F(NormalScale, AClippedDrawShowsTheSamePixelsAsThatPartOfTheWholeDraw)
{
    Counting source(16, 16, 16);
    CFrame whole, clipped;
    whole.Create(64, 64, 16);
    clipped.Create(32, 64, 16);
    ASSERT_TRUE(Draw(whole, source, CRect{0, 0, 16, 16}, CRect{0, 0, 64, 64}));
    ASSERT_TRUE(Draw(clipped, source, CRect{0, 0, 16, 16}, CRect{-32, 0, 32, 64}));
    for (int32_t y = 0; y < 64; y++)
        for (int32_t x = 0; x < 32; x++)
            ASSERT_EQ(ReadPixel(clipped, x, y), ReadPixel(whole, x + 32, y)) << x << ", " << y;
}

TEST_F(NormalScale, EnlargedSourcesCutFarStayInsideTheSource)
{
    // Before the proportional cut, a cut of more than the source's width
    // turned the source rectangle inside out.
    const struct
    {
        int32_t x;
        uint32_t firstColumn;
    } cases[] = {{-50, 5}, {-95, 9}};
    for (const auto& c : cases)
    {
        Counting source(10, 10, 16);
        CFrame destination;
        destination.Create(20, 100, 16);
        ASSERT_TRUE(Draw(destination, source, CRect{0, 0, 10, 10}, CRect{c.x, 0, c.x + 100, 100}));
        EXPECT_EQ(ReadPixel(destination, 0, 0), Value(static_cast<int32_t>(c.firstColumn), 0, 10)) << c.x;
        EXPECT_EQ(ReadPixel(destination, 0, 99), Value(static_cast<int32_t>(c.firstColumn), 9, 10)) << c.x;

        CFrame behind;
        behind.Create(200, 100, 16);
        CClippedProxyFrame proxy(&behind);
        proxy.SetClipRect(CRect{100, 0, 110, 100});
        CRect sourceRect{0, 0, 10, 10};
        CRect destinationRect{100 + c.x, 0, 200 + c.x, 100};
        EXPECT_TRUE(proxy.Blit(&source, sourceRect, destinationRect, &GetBlitNormalScale()));
        EXPECT_EQ(ReadPixel(behind, 100, 51), Value(static_cast<int32_t>(c.firstColumn), 5, 10)) << c.x;
        EXPECT_EQ(ReadPixel(behind, 99, 50), 0u);
    }
}

TEST_F(NormalScale, EmptyRectanglesDrawNothingAndASourcePastItsFrameIsCutInProportion)
{
    Counting source(10, 10, 16);
    CFrame destination;
    destination.Create(40, 20, 16);
    EXPECT_FALSE(Draw(destination, source, CRect{3, 0, 3, 10}, CRect{0, 0, 40, 20}));
    EXPECT_FALSE(Draw(destination, source, CRect{0, 0, 10, 10}, CRect{0, 0, 0, 20}));
    EXPECT_FALSE(destination.HasNonZeroPixels());
    // Twice the source's width asked: the half past it is cut, and the
    // destination's half with it.
    ASSERT_TRUE(Draw(destination, source, CRect{0, 0, 20, 10}, CRect{0, 0, 40, 20}));
    EXPECT_EQ(ReadPixel(destination, 19, 19), Value(9, 9, 10));
    EXPECT_EQ(ReadPixel(destination, 20, 0), 0u);
}

TEST_F(NormalScale, ARunLengthSourceFindsNoRoutineAndTheTypeIsRegisteredAsScaling)
{
    RunLengthFixture runs(2, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    runs.SetStream(0, {Skip(2)});
    CFrame destination;
    destination.Create(4, 4, 16);
    EXPECT_EQ(GetBlitNormalScale().Lookup(&runs.frame, &destination), nullptr);
    EXPECT_EQ(GetBlitTypeRegistry().GetBlitType(5), &GetBlitNormalScale());
    EXPECT_EQ(GetBlitNormalScale().GetKind(), CBlitType::SCALES);
    EXPECT_FALSE(GetBlitNormalScale().ReturnsTrue());
    EXPECT_EQ(GetBlitNormalScale().GetEntryCount(), 5u);
}
