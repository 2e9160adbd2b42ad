#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/normal_run_length_routines.h"
#include "engine/blit/opacity_row.h"
#include "engine/blit/run_length_renderers.h"
#include "engine/blit/run_length_validator.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/fnv1a.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

std::vector<uint32_t> RowOf(const CFrame& frame, int32_t y)
{
    std::vector<uint32_t> row;
    for (int32_t x = 0; x < frame.GetWidth(); x++)
        row.push_back(ReadPixel(frame, x, y));
    return row;
}

class RunLengthDrawing : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override { PointOpacityRowAt(255); }
};

TEST_F(RunLengthDrawing, NormalBlendsTranslucentPixelsInEitherArithmetic)
{
    RunLengthFixture f(4, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(4, {Literal(2, {0xF800, 0xF800, 0xF800, 0xF800})});
    f.SetStream(3, {{0xFF, 0x80, 0x40, 0x00}});
    struct Case
    {
        bool fourLane;
        std::vector<uint32_t> want;
    };
    for (const Case& c : {Case{false, {0xF000, 0x7800, 0x3800, 0}}, Case{true, {0xF800, 0x8000, 0x4000, 0}}})
    {
        CBlitNormal normal(c.fourLane);
        CFrame destination;
        destination.Create(4, 1, 16);
        destination.BlitAt(&f.frame, 0, 0, &normal);
        EXPECT_EQ(RowOf(destination, 0), c.want) << c.fourLane;
    }
}

// Clipped windows: a literal straddling the left edge consumes all its
// values and alpha bytes, a fill wholly left of the window its value and
// alpha byte, a skip past the right edge ends the row; zero-length codes
// draw nothing.
TEST_F(RunLengthDrawing, ClippedRowsConsumeWhatTheyDoNotDraw)
{
    RunLengthFixture f(9, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Codes({Fill(2, 1, 0x1111), Skip(8)})});
    f.SetStream(4, {Codes({Skip(1), Fill(2, 0, 0x5555), Literal(2, {}), Literal(2, {0xF800, 0xF800, 0xF800}),
                           Fill(2, 2, 0x07E0), Skip(100), Fill(2, 5, 0xFFFF)})});
    // Fill 0 and empty literal: one alpha byte for the fill only.
    f.SetStream(3, {{0x00, 255, 255, 128, 255}});
    ASSERT_TRUE(ValidateRunLengthFrame(f.frame, f.Bytes()));
    CFrame destination;
    destination.Create(9, 1, 16);
    CBlitNormal normal(false);
    // Window: source columns 2..5.
    BlitNormalRle16AlphaTo16(&f.frame, CRect{2, 0, 6, 1}, &destination, CRect{2, 0, 6, 1}, &normal);
    EXPECT_EQ(RowOf(destination, 0), (std::vector<uint32_t>{0, 0, 0xF000, 0x7800, 0x07C0, 0x07C0, 0, 0, 0}));
    // Whole rows draw the first pixel too.
    destination.Clear();
    destination.BlitAt(&f.frame, 0, 0, &normal);
    EXPECT_EQ(RowOf(destination, 0), (std::vector<uint32_t>{0x1111, 0xF000, 0xF000, 0x7800, 0x07C0, 0x07C0, 0, 0, 0}));
}

TEST_F(RunLengthDrawing, AbsentStreamsAreSkipped)
{
    RunLengthFixture opaqueOnly(2, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    opaqueOnly.SetStream(0, {Literal(2, {0x1234, 0x4321})});
    RunLengthFixture translucentOnly(2, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    translucentOnly.SetStream(4, {Fill(2, 2, 0xFFFF)});
    translucentOnly.SetStream(3, {{255}});
    CFrame destination;
    destination.Create(2, 1, 16);
    CBlitNormal normal(false);
    destination.BlitAt(&opaqueOnly.frame, 0, 0, &normal);
    EXPECT_EQ(RowOf(destination, 0), (std::vector<uint32_t>{0x1234, 0x4321}));
    destination.Clear();
    destination.BlitAt(&translucentOnly.frame, 0, 0, &normal);
    EXPECT_EQ(RowOf(destination, 0), (std::vector<uint32_t>{0xF7DE, 0xF7DE}));
}

// Random valid frames and windows: the clipping path gives exactly what
// drawing whole rows gives inside the window, and nothing outside it.
TEST_F(RunLengthDrawing, ClippedDrawingEqualsWholeDrawingCropped)
{
    std::mt19937 random(99);
    for (int32_t trial = 0; trial < 300; trial++)
    {
        const int32_t width = 1 + static_cast<int32_t>(random() % 80), height = 1 + static_cast<int32_t>(random() % 3);
        RunLengthFixture f(width, height, 16, FRAME_ENCODING_RLE_ALPHA);
        MakeRandomAlphaFrame(f, random, width, height);
        ASSERT_TRUE(ValidateRunLengthFrame(f.frame, f.Bytes()));
        const int32_t left = static_cast<int32_t>(random() % static_cast<uint32_t>(width));
        const int32_t right = left + 1 + static_cast<int32_t>(random() % static_cast<uint32_t>(width - left));
        const bool fourLane = trial % 2 == 0;
        CBlitNormal normal(fourLane);
        normal.SetOpacity(trial % 4 < 2 ? 1.0f : 0.5f);
        CFrame whole, clipped, background;
        for (CFrame* frame : {&whole, &clipped, &background})
        {
            frame->Create(static_cast<uint32_t>(width) + 4, static_cast<uint32_t>(height), 16);
            std::mt19937 fill(static_cast<uint32_t>(trial));
            for (int32_t y = 0; y < height; y++)
                for (int32_t x = 0; x < width + 4; x++)
                    WritePixel(*frame, x, y, fill() & 0xFFFF);
        }
        BlitNormalRle16AlphaTo16(&f.frame, CRect{0, 0, width, height}, &whole, CRect{2, 0, width + 2, height}, &normal);
        BlitNormalRle16AlphaTo16(&f.frame, CRect{left, 0, right, height}, &clipped,
                                 CRect{left + 2, 0, right + 2, height}, &normal);
        for (int32_t y = 0; y < height; y++)
            for (int32_t x = 0; x < width + 4; x++)
            {
                const bool inside = x >= left + 2 && x < right + 2;
                ASSERT_EQ(ReadPixel(clipped, x, y), ReadPixel(inside ? whole : background, x, y))
                    << "trial " << trial << " at " << x << "," << y;
            }
    }
}

// Seeded random frames drawn whole or through a random window at a random
// opacity (exactly 1.0 in a quarter of the trials) over random pixels by
// one 16-bit alpha routine; answers the hash of every destination.
uint64_t HashOfFramesDrawnBy(BlitRoutine routine)
{
    std::mt19937 random(2026);
    uint64_t hash = FNV1A_START;
    for (int32_t trial = 0; trial < 400; trial++)
    {
        const int32_t width = 1 + static_cast<int32_t>(random() % 80), height = 1 + static_cast<int32_t>(random() % 3);
        RunLengthFixture f(width, height, 16, FRAME_ENCODING_RLE_ALPHA);
        MakeRandomAlphaFrame(f, random, width, height);
        const bool whole = random() % 2 == 0;
        const int32_t left = whole ? 0 : static_cast<int32_t>(random() % static_cast<uint32_t>(width));
        const int32_t right =
            whole ? width : left + 1 + static_cast<int32_t>(random() % static_cast<uint32_t>(width - left));
        CBlitNormal normal(true);
        normal.SetOpacity(trial % 4 == 0 ? 1.0f : static_cast<float>(random() % 256) / 255.0f);
        CFrame destination;
        destination.Create(static_cast<uint32_t>(width) + 3, static_cast<uint32_t>(height), 16);
        for (int32_t y = 0; y < height; y++)
            for (int32_t x = 0; x < width + 3; x++)
                WritePixel(destination, x, y, random() & 0xFFFF);
        routine(&f.frame, CRect{left, 0, right, height}, &destination, CRect{left + 1, 0, right + 1, height}, &normal);
        for (int32_t y = 0; y < height; y++)
            hash = Fnv1a(hash, PixelAddress(destination, 0, y), static_cast<size_t>(2 * (width + 3)));
    }
    PointOpacityRowAt(255);
    return hash;
}

// The registered four-lane routine takes eight lanes per step where the
// processor has them; over whole frames it gives the reference's bits.
TEST_F(RunLengthDrawing, FourLaneFastFormDrawsTheReferenceBitsOverWholeFrames)
{
    const uint64_t reference = HashOfFramesDrawnBy(BlitNormalRle16AlphaTo16FourLaneReference);
    EXPECT_EQ(HashOfFramesDrawnBy(BlitNormalRle16AlphaTo16FourLane), reference);
    EXPECT_EQ(reference, 8468060870907146096u);
}

TEST_F(RunLengthDrawing, EightBitFramesDrawTheStreamsOfTheirTranslucencyLevel)
{
    for (int32_t i = 0; i < 8; i++)
        Palette565Lookup[i] = 0x1000 * i;
    RunLengthFixture f(3, 1, 8, FRAME_ENCODING_RLE8);
    // Stream k fills column k (stream 0 columns 0-1); stream 4 also column 0.
    f.SetStream(0, {Codes({Fill(1, 2, 1), Skip(1)})});
    f.SetStream(1, {Codes({Skip(1), Fill(1, 1, 2), Skip(1)})});
    f.SetStream(2, {Codes({Skip(1), Fill(1, 1, 3), Skip(1)})});
    f.SetStream(3, {Codes({Skip(2), Fill(1, 1, 4)})});
    f.SetStream(4, {Codes({Fill(1, 1, 5), Skip(2)})});
    struct Case
    {
        int32_t level;
        std::vector<uint32_t> want;
    };
    const Case cases[] = {
        {0, {0x5000, 0x2000, 0x4000}},
        {3, {0x5000, 0x1000, 0}},
        {4, {0x1000, 0x1000, 0}},
        {5, {0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        CFrame destination;
        destination.Create(3, 1, 16);
        DrawRle8To16(&f.frame, CRect{0, 0, 3, 1}, &destination, CRect{0, 0, 3, 1}, c.level, RunRows::WHOLE);
        EXPECT_EQ(RowOf(destination, 0), c.want) << c.level;
    }
}

TEST_F(RunLengthDrawing, SixteenBitFramesOntoTrueColourConvertWithoutBlending)
{
    RunLengthFixture f(2, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Codes({Literal(2, {0xF800}), Skip(1)})});
    f.SetStream(4, {Codes({Skip(1), Fill(2, 1, 0x07E0)})});
    f.SetStream(3, {{77}});
    CBlitNormal normal(false);
    CFrame to24, to32;
    to24.Create(2, 1, 24);
    to32.Create(2, 1, 32);
    to24.BlitAt(&f.frame, 0, 0, &normal);
    to32.BlitAt(&f.frame, 0, 0, &normal);
    EXPECT_EQ(RowOf(to24, 0), (std::vector<uint32_t>{0xFF0000, 0x00FF00}));
    EXPECT_EQ(RowOf(to32, 0), (std::vector<uint32_t>{0xFFFF0000, 0x4D00FF00}));
}

TEST_F(RunLengthDrawing, TwentyFourBitFramesOntoThirtyTwoBitsKeepTheFourthByte)
{
    RunLengthFixture f(3, 1, 24, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Codes({Literal(3, {0x102030}), Skip(2)})});
    f.SetStream(4, {Codes({Skip(1), Fill(3, 2, 0xFFFFFF)})});
    f.SetStream(3, {{128}});
    CFrame destination;
    destination.Create(3, 1, 32);
    for (int32_t x = 0; x < 3; x++)
        WritePixel(destination, x, 0, 0x77000000);
    DrawRle24AlphaTo32(&f.frame, CRect{0, 0, 3, 1}, &destination, CRect{0, 0, 3, 1}, false, RunRows::WHOLE);
    EXPECT_EQ(RowOf(destination, 0), (std::vector<uint32_t>{0x77102030, 0x777F7F7F, 0x777F7F7F}));
    CFrame packed;
    packed.Create(3, 1, 24);
    DrawRle24Alpha(&f.frame, CRect{1, 0, 3, 1}, &packed, CRect{1, 0, 3, 1}, false, RunRows::CLIPPED);
    EXPECT_EQ(RowOf(packed, 0), (std::vector<uint32_t>{0, 0x7F7F7F, 0x7F7F7F}));
}

} // namespace
