#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/opacity_row.h"
#include "engine/blit/run_length_validator.h"
#include "engine/blit/screen_blit_types.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

class BrightenRunLength : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override { PointOpacityRowAt(255); }

    static std::vector<uint32_t> Row(const CFrame& frame)
    {
        std::vector<uint32_t> row;
        for (int32_t x = 0; x < frame.GetWidth(); x++)
            row.push_back(ReadPixel(frame, x, 0));
        return row;
    }
};

// Amount 8: red and blue up one level, green up two. Opaque pixels are
// brightened; translucent ones are brightened, then blended.
TEST_F(BrightenRunLength, OpaquePixelsAreBrightenedAndTranslucentOnesBlendedAfterwards)
{
    RunLengthFixture f(4, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Codes({Literal(2, {0x0000}), Fill(2, 1, 0x0000), Skip(2)})});
    f.SetStream(4, {Codes({Skip(2), Literal(2, {0xF800}), Fill(2, 1, 0xF800)})});
    f.SetStream(3, {{128, 128}});
    ASSERT_TRUE(ValidateRunLengthFrame(f.frame, f.Bytes()));
    for (bool fourLane : {false, true})
    {
        CBlitBrighten565 brighten(fourLane);
        brighten.SetAmount(8);
        CFrame destination;
        destination.Create(4, 1, 16);
        destination.BlitAt(&f.frame, 0, 0, &brighten);
        EXPECT_EQ(Row(destination), (std::vector<uint32_t>{0x0841, 0x0841, 0x7820, 0x7820})) << fourLane;
    }
}

// Zero-length literal, fill and skip codes in both streams: the fill
// consumes its value and its alpha byte, and nothing is drawn.
TEST_F(BrightenRunLength, ZeroLengthRunsDrawNothing)
{
    RunLengthFixture f(2, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    const RunRow empty = Codes({Literal(2, {}), Fill(2, 0, 0x1234), Skip(0), Skip(2)});
    f.SetStream(0, {empty});
    f.SetStream(4, {empty});
    f.SetStream(3, {{0xFF}});
    ASSERT_TRUE(ValidateRunLengthFrame(f.frame, f.Bytes()));
    for (bool fourLane : {false, true})
    {
        CBlitBrighten565 brighten(fourLane);
        brighten.SetAmount(255);
        CFrame destination;
        destination.Create(2, 1, 16);
        WritePixel(destination, 0, 0, 0x1111);
        WritePixel(destination, 1, 0, 0x2222);
        destination.BlitAt(&f.frame, 0, 0, &brighten);
        EXPECT_EQ(Row(destination), (std::vector<uint32_t>{0x1111, 0x2222})) << fourLane;
    }
}

// The other screen types have no run-length entry: such frames draw
// nothing through them.
TEST_F(BrightenRunLength, OnlyTheBrighteningTypeDrawsRunLengthFrames)
{
    RunLengthFixture f(1, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    f.SetStream(0, {Literal(2, {0x1234})});
    CBlitBrighten565 brighten(false);
    CBlitDarken565 darken(false);
    CBlitConvert555 convert(false);
    CBlitBrighten555 brighten555(false);
    CBlitDarken555 darken555(false);
    for (CBlitType* type : std::initializer_list<CBlitType*>{&brighten, &darken, &convert, &brighten555, &darken555})
    {
        CFrame destination;
        destination.Create(1, 1, 16);
        destination.BlitAt(&f.frame, 0, 0, type);
        EXPECT_EQ(ReadPixel(destination, 0, 0), type == &brighten ? 0x1234u : 0u);
    }
}

uint16_t Brightened(uint16_t v, int32_t amount)
{
    const uint32_t k5 = static_cast<uint32_t>(amount) >> 3, k6 = static_cast<uint32_t>(amount) >> 2;
    return static_cast<uint16_t>(std::min(31u, (v >> 11) + k5) << 11 | std::min(63u, ((v >> 5) & 63) + k6) << 5 |
                                 std::min(31u, (v & 31u) + k5));
}

// Random frames, windows, amounts and opacities: either routine draws
// what "Normal"'s plain routine draws from the same frame with every
// stored value brightened beforehand. That covers all nine run tables,
// whole and clipped rows.
TEST_F(BrightenRunLength, EitherRoutineDrawsWhatNormalDrawsOfTheBrightenedFrame)
{
    std::mt19937 random(17);
    CBlitNormal normal(false);
    for (int32_t trial = 0; trial < 400; trial++)
    {
        const int32_t width = 1 + static_cast<int32_t>(random() % 80), height = 1 + static_cast<int32_t>(random() % 3);
        const int32_t amount = static_cast<int32_t>(random() % 256);
        const uint32_t seed = static_cast<uint32_t>(random());
        RunLengthFixture plain(width, height, 16, FRAME_ENCODING_RLE_ALPHA);
        RunLengthFixture brightened(width, height, 16, FRAME_ENCODING_RLE_ALPHA);
        std::mt19937 plainValues(seed), brightenedValues(seed);
        MakeRandomAlphaFrame(plain, plainValues, width, height);
        MakeRandomAlphaFrame(brightened, brightenedValues, width, height,
                             [amount](uint16_t v) { return Brightened(v, amount); });
        const int32_t left = trial % 2 == 0 ? 0 : static_cast<int32_t>(random() % static_cast<uint32_t>(width));
        const int32_t right = trial % 2 == 0 ? width : left + 1 + static_cast<int32_t>(random() % (width - left));
        const float opacity = trial % 3 == 0 ? 1.0f : static_cast<float>(random() % 256) / 255.0f;
        const CRect sourceRect{left, 0, right, height}, destinationRect{left + 1, 0, right + 1, height};

        const uint32_t backgroundSeed = static_cast<uint32_t>(random());
        auto makeBackground = [&](CFrame& frame) {
            frame.Create(static_cast<uint32_t>(width) + 2, static_cast<uint32_t>(height), 16);
            std::mt19937 pixels(backgroundSeed);
            for (int32_t y = 0; y < height; y++)
                for (int32_t x = 0; x < width + 2; x++)
                    WritePixel(frame, x, y, pixels() & 0xFFFF);
        };

        CFrame expected;
        makeBackground(expected);
        normal.SetOpacity(opacity);
        normal.Lookup(&brightened.frame, &expected)(&brightened.frame, sourceRect, &expected, destinationRect, &normal);
        for (bool fourLane : {false, true})
        {
            CBlitBrighten565 brighten(fourLane);
            brighten.SetAmount(amount);
            brighten.SetOpacity(opacity);
            CFrame drawn;
            makeBackground(drawn);
            brighten.Lookup(&plain.frame, &drawn)(&plain.frame, sourceRect, &drawn, destinationRect, &brighten);
            for (int32_t y = 0; y < height; y++)
                for (int32_t x = 0; x < width + 2; x++)
                    ASSERT_EQ(ReadPixel(drawn, x, y), ReadPixel(expected, x, y))
                        << "trial " << trial << " four-lane " << fourLane << " at " << x << "," << y;
        }
    }
}

} // namespace
