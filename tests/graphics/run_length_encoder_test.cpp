#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/run_length_validator.h"
#include "engine/core/color/color.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_encoder.h"
#include "engine/graphics/run_length_stream.h"
#include "engine/graphics/run_pixel_queries.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/test_palettes.h"

namespace {

class RunLengthEncoderTest : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override { SetRleFillThreshold(8); }
};

// A 32-bit row given as (value, count) pieces; value 0 is transparent.
std::vector<uint8_t> EncodeRow(std::initializer_list<std::pair<uint32_t, int32_t>> pieces)
{
    std::vector<uint32_t> pixels;
    for (auto [value, count] : pieces)
        pixels.insert(pixels.end(), static_cast<size_t>(count), value);
    std::vector<uint32_t> keys(pixels);
    std::vector<uint8_t> empty(pixels.size());
    for (size_t i = 0; i < pixels.size(); i++)
        empty[i] = (pixels[i] >> 24) == 0;
    std::vector<uint8_t> out;
    EncodeRunLengthRow({reinterpret_cast<const uint8_t*>(pixels.data()), 4, keys.data(), empty.data(),
                        static_cast<int32_t>(pixels.size())},
                       out);
    return out;
}

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> codes, uint32_t value, size_t count)
{
    std::vector<uint8_t> out(codes);
    for (size_t i = 0; i < count; i++)
        for (int32_t k = 0; k < 4; k++)
            out.push_back(static_cast<uint8_t>(value >> (8 * k)));
    return out;
}

TEST_F(RunLengthEncoderTest, RowCodesFollowTheFillThreshold)
{
    const uint32_t pixel = 0xFF102030;
    EXPECT_EQ(EncodeRow({{0, 300}}), (std::vector<uint8_t>{0xFF, 0xFF, 0xAE}));
    EXPECT_EQ(EncodeRow({{pixel, 20}}), Bytes({0x14}, pixel, 1));
    EXPECT_EQ(EncodeRow({{pixel, 8}}), Bytes({0x48}, pixel, 8));

    std::vector<uint32_t> row;
    for (uint32_t i = 0; i < 70; i++)
        row.push_back(0xFF000000 | i);
    std::vector<uint8_t> empty(70, 0);
    std::vector<uint8_t> out;
    EncodeRunLengthRow({reinterpret_cast<const uint8_t*>(row.data()), 4, row.data(), empty.data(), 70}, out);
    ASSERT_EQ(out.size(), 2u + 70 * 4);
    EXPECT_EQ(out[0], 0x40 | 63);
    EXPECT_EQ(out[1 + 63 * 4], 0x40 | 7);

    SetRleFillThreshold(64);
    EXPECT_EQ(EncodeRow({{pixel, 63}}), Bytes({0x40 | 63}, pixel, 63));
}

// One row of pixels with the given alphas, encoded in a form.
CFrame EncodedRow(const std::vector<uint8_t>& alphas, int32_t depthOverride, int32_t mode)
{
    CFrame frame;
    frame.Create(static_cast<uint32_t>(alphas.size()), 1, 32);
    for (size_t i = 0; i < alphas.size(); i++)
        WritePixel(frame, static_cast<int32_t>(i), 0, uint32_t{alphas[i]} << 24 | 0xFFFFFF);
    CImageFilterChain chain;
    chain.SetDepthOverride(depthOverride);
    chain.InsertStep(new CImageStepRunLength(mode));
    chain.Apply(frame);
    return frame;
}

// The codes of row 0 of a stream, without the size word.
std::vector<uint8_t> StreamCodes(const CFrame& frame, int32_t index)
{
    const RunLengthStream stream = GetRunLengthStream(frame, index);
    if (stream.data == nullptr)
        return {};
    uint32_t size;
    std::memcpy(&size, stream.data, 4);
    return std::vector<uint8_t>(stream.data + 4, stream.data + size);
}

TEST_F(RunLengthEncoderTest, FiveLayerFormSplitsByAlpha)
{
    ScopedTestPalette palette;
    // Each pixel's stream: 230 in 0, 229 in 4, 26 in 1, 25 nowhere.
    const CFrame frame = EncodedRow({230, 229, 26, 25}, 8, CImageStepRunLength::FIVE_LAYERS);
    ASSERT_EQ(frame.GetFormat() & FRAME_ENCODING_MASK, FRAME_ENCODING_RLE8);
    EXPECT_EQ(StreamCodes(frame, 0)[0], 0x41);
    EXPECT_EQ(StreamCodes(frame, 4)[0], 0x81);
    EXPECT_EQ(StreamCodes(frame, 4)[1], 0x41);
    EXPECT_EQ(StreamCodes(frame, 1)[0], 0x82);
    EXPECT_EQ(StreamCodes(frame, 1)[1], 0x41);
    EXPECT_EQ(StreamCodes(frame, 1)[6], 0x81);
    EXPECT_EQ(frame.GetStream2Data(), nullptr);
    EXPECT_EQ(frame.GetStream3Data(), nullptr);
}

TEST_F(RunLengthEncoderTest, FiveLayerFormNeedsThePalette)
{
    const CFrame frame = EncodedRow({255}, 8, CImageStepRunLength::FIVE_LAYERS);
    EXPECT_FALSE(IsRunLengthFormat(frame.GetFormat()));
    EXPECT_EQ(frame.GetBitsPerPixel(), 32);
}

// Grey 88 lies between the palette's greys 64 (entry 2) and 128 (entry 3).
// Through a dithering conversion to 8 bits the opaque stream mixes both,
// their mean near 88; without it every pixel takes the nearer 64. The
// translucent row (stream 4) is never dithered.
TEST_F(RunLengthEncoderTest, FiveLayerFormDithersOnlyTheOpaqueLayerToThePalette)
{
    ScopedTestPalette palette;
    constexpr int32_t SIDE = 16;
    for (bool dither : {false, true})
    {
        CFrame frame;
        frame.Create(SIDE, SIDE + 1, 32);
        for (int32_t y = 0; y <= SIDE; y++)
            for (int32_t x = 0; x < SIDE; x++)
                WritePixel(frame, x, y, (y < SIDE ? 0xFF585858u : 0xC8585858u));
        CImageFilterChain chain;
        chain.SetDepthOverride(8);
        chain.InsertStep(new CImageStepRunLength(CImageStepRunLength::FIVE_LAYERS));
        chain.InsertStep(new CBitDepthFilter(8, dither));
        ASSERT_TRUE(chain.Apply(frame));
        ASSERT_EQ(frame.GetFormat() & 0x1EE, FRAME_ENCODING_RLE8 | FRAME_DEPTH_8);

        const RunLengthStream opaque = GetRunLengthStream(frame, 0);
        int32_t counts[256] = {};
        for (int32_t y = 0; y < SIDE; y++)
            for (int32_t x = 0; x < SIDE; x++)
                counts[ReadRunPixel8(opaque.data, opaque.rowOffsets, SIDE, x, y)]++;
        const int32_t pixels = SIDE * SIDE;
        ASSERT_EQ(counts[2] + counts[3], pixels) << dither;
        if (dither)
        {
            const double mean = (64.0 * counts[2] + 128.0 * counts[3]) / pixels;
            EXPECT_GT(counts[3], 0);
            EXPECT_NEAR(mean, 88.0, 6.0);
        }
        else
            EXPECT_EQ(counts[2], pixels);

        const RunLengthStream translucent = GetRunLengthStream(frame, 4);
        ASSERT_NE(translucent.data, nullptr);
        for (int32_t x = 0; x < SIDE; x++)
            EXPECT_EQ(ReadRunPixel8(translucent.data, translucent.rowOffsets, SIDE, x, SIDE), 2) << x;
    }
}

TEST_F(RunLengthEncoderTest, AlphaFormSplitsByAlpha)
{
    const CFrame frame = EncodedRow({251, 250, 6, 5}, 16, CImageStepRunLength::ALPHA);
    ASSERT_EQ(frame.GetFormat() & FRAME_ENCODING_MASK, FRAME_ENCODING_RLE_ALPHA);
    std::vector<uint8_t> opaque = Bytes({0x41}, 0xFBFFFFFF, 1);
    opaque.push_back(0x83);
    EXPECT_EQ(StreamCodes(frame, 0), opaque);
    std::vector<uint8_t> translucent{0x81, 0x42, 0xFF, 0xFF, 0xFF, 0xFA, 0xFF, 0xFF, 0xFF, 0x06, 0x81};
    EXPECT_EQ(StreamCodes(frame, 4), translucent);
    EXPECT_EQ(StreamCodes(frame, 3), translucent);
}

TEST_F(RunLengthEncoderTest, OffsetsSurviveAndEncodedFramesAreRefusedAgain)
{
    CFrame frame;
    frame.Create(3, 2, 16);
    WritePixel(frame, 1, 1, 0x1234);
    frame.SetUpperLeftOffset(-5, 7);
    CImageStepRunLength step(CImageStepRunLength::ALPHA);
    const CRect context{0, 0, 3, 2};
    EXPECT_TRUE(step.ApplyStep(frame, context));
    EXPECT_EQ(frame.GetFormat() & (FRAME_ENCODING_MASK | FRAME_DEPTH_MASK), FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_16);
    EXPECT_EQ(frame.GetUpperLeftXOffset(), -5);
    EXPECT_EQ(frame.GetUpperLeftYOffset(), 7);
    EXPECT_EQ(StreamCodes(frame, 0), (std::vector<uint8_t>{0x83, 0x81, 0x41, 0x34, 0x12, 0x81}));
    EXPECT_EQ(frame.GetStream4Data(), nullptr);
    EXPECT_FALSE(step.ApplyStep(frame, context));
}

// Random images with alpha 0, 128 and 255 through the loaders' chain and
// drawn: each pixel is the background, the colour, or the colour blended
// at 128 over the background, by its alpha.
TEST_F(RunLengthEncoderTest, EncodedImagesDrawAsTheirPixels)
{
    std::mt19937 random(19);
    for (int32_t round = 0; round < 20; round++)
    {
        const uint32_t width = 1 + random() % 90, height = 1 + random() % 12;
        CFrame source;
        source.Create(width, height, 32);
        for (uint32_t y = 0; y < height; y++)
            for (uint32_t x = 0; x < width; x++)
            {
                static const uint32_t ALPHAS[] = {0, 128, 255};
                // Few colours, so that fills occur.
                const uint32_t colour = (random() % 4) * 0x3F1F2F;
                WritePixel(source, static_cast<int32_t>(x), static_cast<int32_t>(y),
                           ALPHAS[random() % 3] << 24 | (colour & 0xFFFFFF));
            }
        CFrame reference;
        reference.CopyFrom(source);
        CImageFilterChain cleaning;
        for (int32_t id : {3, 6, 7})
            cleaning.AddStep(id);
        cleaning.Apply(reference);

        CFrame encoded;
        encoded.CopyFrom(source);
        CImageFilterChain chain;
        for (int32_t id : {3, 6, 7, 11, 8})
            chain.AddStep(id);
        EXPECT_TRUE(chain.Apply(encoded) || encoded.GetPixels() == nullptr);
        if (reference.GetPixels() == nullptr)
        {
            EXPECT_EQ(encoded.GetPixels(), nullptr);
            continue;
        }
        ASSERT_EQ(encoded.GetFormat() & 0x1EE, FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_16);
        std::array<uint32_t, 5> sizes{};
        for (int32_t i = 0; i < 5; i++)
            if (const uint8_t* data = GetRunLengthStream(encoded, i).data)
                std::memcpy(&sizes[static_cast<size_t>(i)], data, 4);
        EXPECT_TRUE(ValidateRunLengthFrame(encoded, sizes));

        CFrame canvas;
        canvas.Create(width, height, 16);
        canvas.BlitAt(&encoded, 0, 0, &GetBlitNormal());
        for (int32_t y = 0; y < reference.GetHeight(); y++)
            for (int32_t x = 0; x < reference.GetWidth(); x++)
            {
                const uint32_t pixel = ReadPixel(reference, x, y);
                const uint16_t colour = Pack565(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                                                static_cast<uint8_t>(pixel));
                const uint32_t alpha = pixel >> 24;
                const uint32_t drawn =
                    ReadPixel(canvas, x + reference.GetUpperLeftXOffset(), y + reference.GetUpperLeftYOffset());
                if (alpha == 0)
                    EXPECT_EQ(drawn, 0u);
                else if (alpha == 255)
                    EXPECT_EQ(drawn, colour);
                else
                    EXPECT_TRUE(drawn == Blend565(0, colour, 128) || drawn == Blend565FourLane(0, colour, 128))
                        << x << "," << y;
            }
    }
}

TEST_F(RunLengthEncoderTest, AlphaStreamKeepsOneByteForAFill)
{
    std::vector<uint8_t> alphas(20, 128);
    CFrame frame;
    frame.Create(20, 1, 32);
    for (int32_t x = 0; x < 20; x++)
        WritePixel(frame, x, 0, 0x80102030);
    CImageFilterChain chain;
    chain.AddStep(11);
    chain.AddStep(8);
    chain.Apply(frame);
    EXPECT_EQ(StreamCodes(frame, 3), (std::vector<uint8_t>{128}));
    const uint16_t word = Pack565(0x10, 0x20, 0x30);
    EXPECT_EQ(StreamCodes(frame, 4),
              (std::vector<uint8_t>{20, static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8)}));
}

} // namespace
