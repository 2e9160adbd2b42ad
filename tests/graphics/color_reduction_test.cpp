#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "engine/core/color/color.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/color_quantizer.h"
#include "engine/graphics/floyd_steinberg.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/test_palettes.h"

namespace {

class ColorReduction : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

std::vector<uint8_t> Quantize(const std::vector<std::pair<uint32_t, uint32_t>>& cells, int32_t n)
{
    std::vector<uint32_t> histogram(COLOR_HISTOGRAM_CELLS, 0);
    for (auto [cell, count] : cells)
        histogram[cell] = count;
    std::vector<uint8_t> colours(static_cast<size_t>(n) * 3, 0xEE);
    int32_t count = -1;
    EXPECT_EQ(QuantizeBoxes(histogram.data(), n, colours.data(), &count), 0);
    colours.resize(static_cast<size_t>(count) * 3);
    return colours;
}

TEST_F(ColorReduction, BoxesSplitWhereTheErrorFalls)
{
    EXPECT_EQ(Quantize({{63, 1}, {0, 1}}, 2), (std::vector<uint8_t>{0, 0, 0, 0, 0, 252}));
    EXPECT_EQ(Quantize({{1 * 4096 + 2 * 64 + 3, 7}}, 5), (std::vector<uint8_t>{4, 8, 12}));
    EXPECT_EQ(Quantize({}, 5), (std::vector<uint8_t>{}));
    // Three single cells: splitting stops at three colours.
    EXPECT_EQ(Quantize({{0, 1}, {63, 1}, {63 * 4096, 1}}, 10).size(), 9u);
    // Counts whose squares pass 32 bits still cut between the two masses.
    EXPECT_EQ(Quantize({{0, 3000000}, {10, 3000000}}, 2), (std::vector<uint8_t>{0, 0, 0, 0, 0, 40}));
}

TEST_F(ColorReduction, OnlyOpaqueFramesNarrowTo24Bits)
{
    for (uint8_t alpha : {250, 249})
    {
        CFrame frame;
        frame.Create(2, 1, 32);
        WritePixel(frame, 0, 0, 0xFF010203);
        WritePixel(frame, 1, 0, uint32_t{alpha} << 24 | 0x040506);
        CBitDepthFilter step(24, false);
        EXPECT_TRUE(step.ApplyStep(frame, CRect{0, 0, 2, 1}));
        if (alpha == 250)
        {
            ASSERT_EQ(frame.GetBitsPerPixel(), 24);
            EXPECT_EQ(ReadPixel(frame, 1, 0), 0x040506u);
        }
        else
            EXPECT_EQ(frame.GetBitsPerPixel(), 32);
    }
}

TEST_F(ColorReduction, DitheredGreyMixesTwoLevelsUnditheredKeepsOne)
{
    for (bool dither : {false, true})
    {
        CFrame frame;
        frame.Create(16, 16, 24);
        for (int32_t y = 0; y < 16; y++)
            for (int32_t x = 0; x < 16; x++)
                WritePixel(frame, x, y, 0x868686);  // between two 5-bit levels
        CBitDepthFilter step(16, dither);
        step.ApplyStep(frame, CRect{0, 0, 16, 16});
        ASSERT_EQ(frame.GetBitsPerPixel(), 16);
        std::set<uint32_t> words;
        for (int32_t y = 0; y < 16; y++)
            for (int32_t x = 0; x < 16; x++)
                words.insert(ReadPixel(frame, x, y));
        if (dither)
            EXPECT_GE(words.size(), 2u);
        else
            EXPECT_EQ(words, (std::set<uint32_t>{Pack565(0x86, 0x86, 0x86)}));
    }
}

TEST_F(ColorReduction, AFarChoiceIsMadeAgainFromTheIncomingColour)
{
    FloydSteinbergDither ditherer(4, 0.5f, nullptr, nullptr);
    ditherer.TakePixel(1.0f, 1.0f, 1.0f);
    // Choosing black is more than 0.5 away: choose again, unadjusted.
    EXPECT_TRUE(ditherer.Diffuse(0.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(ditherer.Adjusted(0), 1.0f);
    EXPECT_FALSE(ditherer.Diffuse(0.9f, 0.9f, 0.9f));
    // Only the second choice's error (-0.1) reaches the next pixel.
    ditherer.TakePixel(0.5f, 0.5f, 0.5f);
    EXPECT_NEAR(ditherer.Adjusted(0), 0.5f + 0.1f * 7 / 16, 1e-6);
}

TEST_F(ColorReduction, EightBitFormsNeedThePalettes)
{
    CFrame frame;
    frame.Create(2, 1, 24);
    WritePixel(frame, 0, 0, 0x0000FE);
    WritePixel(frame, 1, 0, 0x7F7F7F);
    EXPECT_FALSE(ConvertFrameTo8(frame, false));
    EXPECT_EQ(frame.GetBitsPerPixel(), 24);
    ScopedTestPalette palette;
    ASSERT_TRUE(ConvertFrameTo8(frame, false));
    EXPECT_EQ(frame.GetBitsPerPixel(), 8);
    EXPECT_EQ(ReadPixel(frame, 0, 0), 7u);  // blue
    EXPECT_EQ(ReadPixel(frame, 1, 0), 3u);  // middle grey
}

// A red and a blue half: the frame's own palette becomes black, the two
// colours (cell x 4, the first cut keeping red), black to 254 and white;
// frames without a palette or of another depth are left as they were.
TEST_F(ColorReduction, PaletteReduceRebuildsTheFramesOwnPaletteThroughTheChain)
{
    auto twoColours = [](int32_t bits) {
        CFrame frame;
        frame.Create(4, 2, bits);
        for (int32_t x = 0; x < 4; x++)
        {
            WritePixel(frame, x, 0, 0xFFFF0000);
            WritePixel(frame, x, 1, 0xFF0000FF);
        }
        return frame;
    };
    auto reduce = [](CFrame& frame) {
        CImageFilterChain chain;
        EXPECT_TRUE(chain.AddStep(IMAGE_STEP_PALETTE_REDUCE));
        EXPECT_TRUE(chain.Apply(frame));
    };

    CFrame frame = twoColours(24);
    frame.AttachPaletteHolder();
    reduce(frame);
    const CColorTable& palette = *frame.GetPalette();
    ASSERT_TRUE(palette.Holds(CColorTable::PALETTE));
    auto entry = [&palette](uint32_t index) {
        uint8_t red, green, blue;
        palette.GetEntry(index, red, green, blue);
        return std::vector<uint8_t>{red, green, blue};
    };
    EXPECT_EQ(entry(1), (std::vector<uint8_t>{252, 0, 0}));
    EXPECT_EQ(entry(2), (std::vector<uint8_t>{0, 0, 252}));
    for (uint32_t index : {0u, 3u, 100u, 254u})
        EXPECT_EQ(entry(index), (std::vector<uint8_t>{0, 0, 0})) << index;
    EXPECT_EQ(entry(255), (std::vector<uint8_t>{255, 255, 255}));
    EXPECT_EQ(frame.GetBitsPerPixel(), 24);
    EXPECT_EQ(ReadPixel(frame, 3, 0), 0xFF0000u);

    CFrame withoutPalette = twoColours(24);
    reduce(withoutPalette);
    EXPECT_EQ(withoutPalette.GetPalette(), nullptr);
    CFrame wide = twoColours(32);
    wide.AttachPaletteHolder();
    reduce(wide);
    EXPECT_FALSE(wide.GetPalette()->Holds(CColorTable::PALETTE));
    EXPECT_EQ(ReadPixel(wide, 0, 1), 0xFF0000FFu);
}

} // namespace
