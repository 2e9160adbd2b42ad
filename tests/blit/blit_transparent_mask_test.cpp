#include <gtest/gtest.h>

#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/opacity_row.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

// A 3 x 1 source of the given values drawn onto a 3 x 1 destination of
// 0x55 bytes; answers the destination's pixels.
std::vector<uint32_t> Draw(CBlitType& blitType, int32_t sourceBits, std::vector<uint32_t> values,
                           int32_t destinationBits)
{
    CFrame source, destination;
    source.Create(3, 1, sourceBits);
    destination.Create(3, 1, destinationBits);
    destination.FillBytes(0x55);
    for (int32_t x = 0; x < 3; x++)
        WritePixel(source, x, 0, values[static_cast<size_t>(x)]);
    destination.BlitAt(&source, 0, 0, &blitType);
    std::vector<uint32_t> row;
    for (int32_t x = 0; x < 3; x++)
        row.push_back(ReadPixel(destination, x, 0));
    return row;
}

class TransparentMask : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        Palette565Lookup[7] = 0xF800;
    }
    void TearDown() override { PointOpacityRowAt(255); }
};

TEST_F(TransparentMask, ZeroIsTransparentOnItsOwnPairsOnly)
{
    CBlitTransparentMask mask(false);
    struct Case
    {
        int32_t sourceBits, destinationBits;
        std::vector<uint32_t> source, want;
    };
    const Case cases[] = {
        {8, 8, {0, 7, 0}, {0x55, 7, 0x55}},
        {8, 16, {7, 0, 0}, {0xF800, 0x5555, 0x5555}},
        {8, 24, {0, 0, 9}, {0x555555, 0x555555, 0x090909}},
        {8, 32, {0, 9, 0}, {0x55555555, 0xFF090909, 0x55555555}},
        {16, 16, {0, 0x1234, 0}, {0x5555, 0x1234, 0x5555}},
        {16, 24, {0xF800, 0, 0}, {0xFF0000, 0x555555, 0x555555}},
        // Normal's routines: 0 is drawn.
        {16, 32, {0, 0, 0}, {0xFF000000, 0xFF000000, 0xFF000000}},
        {24, 24, {0, 1, 0}, {0, 1, 0}},
        {32, 32, {0, 1, 0}, {0, 1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Draw(mask, c.sourceBits, c.source, c.destinationBits), c.want)
            << c.sourceBits << " to " << c.destinationBits;
}

TEST_F(TransparentMask, OpacityDoesNotBlendItsOwnRoutines)
{
    CBlitTransparentMask mask(false);
    mask.SetOpacity(0.5f);
    EXPECT_EQ(Draw(mask, 8, {3, 0, 3}, 8), (std::vector<uint32_t>{3, 0x55, 3}));
    EXPECT_EQ(CurrentOpacityRow, ScaledAlphaTable[128]);
}

TEST_F(TransparentMask, PairsWithoutARoutineDrawNothing)
{
    CBlitTransparentMask mask(true);
    EXPECT_EQ(mask.GetEntryCount(), 17u);
    const int32_t pairs[][2] = {{16, 8}, {24, 8}, {24, 16}, {32, 16}};
    for (const auto& pair : pairs)
        EXPECT_EQ(Draw(mask, pair[0], {1, 2, 3}, pair[1]), (std::vector<uint32_t>(3, pair[1] == 8 ? 0x55u : 0x5555u)))
            << pair[0] << " to " << pair[1];
    RunLengthFixture f(1, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Literal(2, {0xFFFF})});
    CFrame to24;
    to24.Create(1, 1, 24);
    EXPECT_EQ(mask.Lookup(&f.frame, &to24), nullptr);
}

TEST_F(TransparentMask, TwentyFourBitAlphaFramesDrawOnlyThroughIt)
{
    RunLengthFixture f(2, 1, 24, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Codes({Literal(3, {0x102030}), Skip(1)})});
    f.SetStream(4, {Codes({Skip(1), Fill(3, 1, 0xFFFFFF)})});
    f.SetStream(3, {{255}});
    CBlitTransparentMask mask(false);
    CBlitNormal normal(false);
    CFrame byNormal, byMask;
    byNormal.Create(2, 1, 24);
    byMask.Create(2, 1, 24);
    byNormal.BlitAt(&f.frame, 0, 0, &normal);
    byMask.BlitAt(&f.frame, 0, 0, &mask);
    EXPECT_EQ(ReadPixel(byNormal, 0, 0), 0u);
    EXPECT_EQ(ReadPixel(byMask, 0, 0), 0x102030u);
    EXPECT_EQ(ReadPixel(byMask, 1, 0), 0xFEFEFEu);
    // At another opacity the scaled rows: 0.5 makes the opaque pixel half.
    mask.SetOpacity(0.5f);
    byMask.Clear();
    byMask.BlitAt(&f.frame, 0, 0, &mask);
    EXPECT_EQ(ReadPixel(byMask, 0, 0), 0x081018u);
    EXPECT_EQ(ReadPixel(byMask, 1, 0), 0x7F7F7Fu);
}

} // namespace
