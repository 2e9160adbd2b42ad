#include <gtest/gtest.h>

#include <vector>

#include "engine/blit/blit_filtered_scale.h"
#include "engine/blit/scale_resampler.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/palettes.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/test_palettes.h"

namespace {

class FilteredScale : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

std::vector<int32_t> Positions(const CScaleResampler::TapList& taps)
{
    std::vector<int32_t> positions;
    for (const CScaleResampler::Tap& tap : taps)
        positions.push_back(tap.position);
    return positions;
}

} // namespace

TEST_F(FilteredScale, ShrinkingBySixSpreadsTapsTwelvePixelsEachWay)
{
    std::vector<CScaleResampler::TapList> taps;
    CScaleResampler::BuildTaps(taps, 630, 105, 105.0f / 630.0f);
    ASSERT_EQ(taps.size(), 105u);
    const CScaleResampler::TapList& column = taps[10];
    ASSERT_EQ(column.size(), 25u);
    EXPECT_EQ(column.front().position, 48);
    EXPECT_EQ(column.back().position, 72);
    EXPECT_EQ(column[12].position, 60);
    EXPECT_NEAR(column[12].weight, 4.0 / 27.0, 1e-6);
    // Past the left edge the taps reflect.
    EXPECT_EQ(Positions(taps[0]).front(), 12);
}

TEST_F(FilteredScale, AtScaleOneTapsReflectAndWeighEightNinthsAndOneEighteenth)
{
    std::vector<CScaleResampler::TapList> taps;
    CScaleResampler::BuildTaps(taps, 3, 3, 1.0f);
    EXPECT_EQ(Positions(taps[0]), (std::vector<int32_t>{2, 1, 0, 1, 2}));
    EXPECT_EQ(Positions(taps[2]), (std::vector<int32_t>{0, 1, 2, 2, 1}));
    const float expected[] = {0.0f, 1.0f / 18.0f, 8.0f / 9.0f, 1.0f / 18.0f, 0.0f};
    for (size_t k = 0; k < 5; k++)
        EXPECT_NEAR(taps[1][k].weight, expected[k], 1e-6) << k;
    // Narrower than the filter: reflected, then held inside.
    CScaleResampler::BuildTaps(taps, 1, 4, 4.0f);
    for (const auto& list : taps)
        for (const auto& tap : list)
            EXPECT_EQ(tap.position, 0);
}

TEST_F(FilteredScale, TheFilterHasItsThreeRegions)
{
    EXPECT_NEAR(CScaleResampler::Kernel(0.0), 8.0 / 9.0, 1e-12);
    EXPECT_NEAR(CScaleResampler::Kernel(-1.0), 1.0 / 18.0, 1e-12);
    EXPECT_NEAR(CScaleResampler::Kernel(1.5), (-7.0 / 3.0 * 3.375 + 27.0 - 30.0 + 32.0 / 3.0) / 6.0, 1e-12);
    EXPECT_EQ(CScaleResampler::Kernel(2.0), 0.0);
    EXPECT_EQ(CScaleResampler::Pack(-200.0, 400.0, 128.0), (16 << 11) | (63 << 5));
    EXPECT_EQ(CScaleResampler::Pack(255.0, 255.0, 255.0), 0xFFFF);
}

TEST_F(FilteredScale, TinyUniformSourcesEnlargedStayUniform)
{
    for (uint32_t side : {1u, 2u})
    {
        CFrame source;
        source.Create(side, side, 16);
        for (int32_t y = 0; y < static_cast<int32_t>(side); y++)
            for (int32_t x = 0; x < static_cast<int32_t>(side); x++)
                WritePixel(source, x, y, 0x5AEB);
        CFrame destination;
        destination.Create(50, 50, 16);
        CRect from{0, 0, static_cast<int32_t>(side), static_cast<int32_t>(side)};
        CRect into{0, 0, 50, 50};
        ASSERT_TRUE(destination.Blit(&source, from, into, &GetBlitFilteredScale()));
        for (int32_t y = 0; y < 50; y++)
            for (int32_t x = 0; x < 50; x++)
                ASSERT_EQ(ReadPixel(destination, x, y), 0x5AEBu) << side << " at " << x << ", " << y;
    }
}

TEST_F(FilteredScale, FramesWithOffsetsLandWhereTheirRectanglesSay)
{
    CFrame source;
    source.Create(4, 4, 24);
    source.SetUpperLeftOffset(-2, -2);
    for (int32_t y = 0; y < 4; y++)
        for (int32_t x = 0; x < 4; x++)
            WritePixel(source, x, y, 0xFFFFFF);
    CFrame destination;
    destination.Create(20, 20, 24);
    destination.SetUpperLeftOffset(-10, -10);
    CRect from{-2, -2, 2, 2};
    CRect into{-5, -5, 3, 3};
    ASSERT_TRUE(destination.Blit(&source, from, into, &GetBlitFilteredScale()));
    for (int32_t y = 0; y < 20; y++)
        for (int32_t x = 0; x < 20; x++)
        {
            const bool inside = x >= 5 && x < 13 && y >= 5 && y < 13;
            ASSERT_EQ(ReadPixel(destination, x, y), inside ? 0xFFFFFFu : 0u) << x << ", " << y;
        }
}

TEST_F(FilteredScale, OnlyItsPairsHaveRoutines)
{
    CFrame source, destination;
    source.Create(2, 2, 32);
    destination.Create(2, 2, 32);
    EXPECT_EQ(GetBlitFilteredScale().Lookup(&source, &destination), nullptr);
    CFrame truecolour;
    truecolour.Create(2, 2, 24);
    EXPECT_NE(GetBlitFilteredScale().Lookup(&source, &truecolour), nullptr);
    EXPECT_EQ(GetBlitFilteredScale().GetKind(), CBlitType::SCALES);
}

TEST_F(FilteredScale, ThumbnailsOfTheScreenAreFilteredAndTheTapsReused)
{
    CFrame screen;
    screen.Create(630, 480, 16);
    FillWithCounting(screen);
    CFrame thumbnail;
    thumbnail.Create(105, 80, 16);
    CRect from{0, 0, 630, 480};
    CRect into{0, 0, 105, 80};
    ASSERT_TRUE(thumbnail.Blit(&screen, from, into, &GetBlitFilteredScale()));
    EXPECT_TRUE(AnyPixelSet(thumbnail));
    const CScaleResampler::TapList* first = &GetScaleResampler().GetHorizontalTaps()[10];
    EXPECT_EQ(first->size(), 25u);
    from = CRect{0, 0, 630, 480};
    into = CRect{0, 0, 105, 80};
    ASSERT_TRUE(thumbnail.Blit(&screen, from, into, &GetBlitFilteredScale()));
    EXPECT_EQ(&GetScaleResampler().GetHorizontalTaps()[10], first);
}

TEST_F(FilteredScale, EightBitPairsComeBackAsDitheredPaletteIndices)
{
    ScopedTestPalette palette;
    Build16BitPaletteLookup(CurrentPalette);
    CFrame source;
    source.Create(4, 4, 8);
    source.FillBytes(5);
    CFrame destination;
    destination.Create(8, 8, 8);
    CRect from{0, 0, 4, 4};
    CRect into{0, 0, 8, 8};
    ASSERT_TRUE(destination.Blit(&source, from, into, &GetBlitFilteredScale()));
    for (int32_t y = 0; y < 8; y++)
        for (int32_t x = 0; x < 8; x++)
            ASSERT_EQ(ReadPixel(destination, x, y), 5u) << x << ", " << y;
    CColorTable none;
    Build16BitPaletteLookup(none);
}
