// The run-length fuzz target starts from frames our own encoder made, so
// that its search begins at the shapes real caches hold. This test makes
// those frames, lays each out in the target's input form and checks that
// the committed seed holds exactly those bytes: a change to the encoder
// shows here. With VP_WRITE_FUZZ_SEEDS set in the environment it writes
// the seeds first (the way they are made).

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/blit/run_length_validator.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_stream.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/test_palettes.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The target's kinds (its first input byte picks one) and the format bits
// each stands for.
constexpr uint8_t KIND_RLE8 = 0;
constexpr uint8_t KIND_ALPHA_16 = 1;

uint32_t FormatOfKind(uint8_t kind)
{
    return kind == KIND_RLE8 ? FRAME_ENCODING_RLE8 | FRAME_DEPTH_8 : FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_16;
}

// What the target reads after the frame: the clipped window, opacity,
// four-lane choice, brightening amount and the texture drawn in place.
const Bytes DRAWING{3, 200, 1, 180, 1, 40, 5, 7, 0x5A, 130};

void PutWord(Bytes& out, uint32_t value)
{
    EXPECT_LT(value, 0x10000u);
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// Kind, width - 1, height - 1, the streams present, then per stream its row
// offsets and its block, each as 16-bit words and bytes.
Bytes TargetInput(const CFrame& frame, uint8_t kind)
{
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    EXPECT_TRUE(width >= 1 && width <= 80 && height >= 1 && height <= 4) << width << " x " << height;
    EXPECT_EQ(frame.GetFormat() & (FRAME_ENCODING_MASK | FRAME_DEPTH_MASK), FormatOfKind(kind));
    Bytes out{kind, static_cast<uint8_t>(width - 1), static_cast<uint8_t>(height - 1), 0};
    std::array<uint32_t, 5> sizes{};
    for (int32_t index = 0; index < 5; index++)
    {
        const RunLengthStream stream = GetRunLengthStream(frame, index);
        if (stream.data == nullptr)
            continue;
        std::memcpy(&sizes[static_cast<size_t>(index)], stream.data, 4);
        out[3] |= static_cast<uint8_t>(1u << index);
        for (int32_t y = 0; y < height; y++)
            PutWord(out, static_cast<uint32_t>(stream.rowOffsets[y]));
        PutWord(out, sizes[static_cast<size_t>(index)]);
        out.insert(out.end(), stream.data, stream.data + sizes[static_cast<size_t>(index)]);
    }
    EXPECT_TRUE(ValidateRunLengthFrame(frame, sizes));
    out.insert(out.end(), DRAWING.begin(), DRAWING.end());
    return out;
}

// A 32-bit image of bands of colour: opaque stretches of ten equal pixels
// (fills) between stretches whose alphas are drawn from the list.
void Picture(CFrame& frame, int32_t width, int32_t height, std::initializer_list<uint32_t> alphas, uint32_t seed)
{
    std::mt19937 random(seed);
    const std::vector<uint32_t> choices(alphas);
    frame.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 32);
    for (int32_t y = 0; y < height; y++)
        for (int32_t x = 0; x < width; x++)
        {
            const uint32_t colour = static_cast<uint32_t>((x / 16 + y) % 4 + 1) * 0x3F1F2F;
            const uint32_t alpha = x % 16 < 10 ? 255 : choices[random() % choices.size()];
            WritePixel(frame, x, y, alpha << 24 | (colour & 0xFFFFFF));
        }
}

// Steps by id, the conversion aiming at the depth.
void Encode(CFrame& frame, int32_t depth, std::initializer_list<int32_t> ids)
{
    CImageFilterChain chain;
    chain.SetDepthOverride(depth);
    chain.InsertStep(new CBitDepthFilter(depth, false));
    for (int32_t id : ids)
        EXPECT_TRUE(chain.AddStep(id)) << id;
    EXPECT_TRUE(chain.Apply(frame));
}

// A plain frame of 8 or 16 bits: zero (transparent) stretches, fills and
// single values.
void Plain(CFrame& frame, int32_t bits)
{
    frame.Create(50, 3, bits);
    for (int32_t y = 0; y < 3; y++)
        for (int32_t x = 0; x < 50; x++)
            WritePixel(frame, x, y,
                       x < 5    ? 0u
                       : x < 30 ? 0x21u * static_cast<uint32_t>(y + 1)
                                : static_cast<uint32_t>(x));
}

struct Seed
{
    const char* name;
    uint8_t kind;
    std::function<void(CFrame&)> make;
};

std::string SeedPath(const char* name)
{
    return std::string(VP_FIXTURE_DIR) + "/../../fuzz/corpus/run_length_fuzz/" + name;
}

TEST(EncodedRunLengthSeeds, AreTheEncodersOutputInTheTargetsForm)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    ScopedTestPalette palette;
    const Seed seeds[] =
        {
            {"encoded_alpha16", KIND_ALPHA_16,
             [](CFrame& frame) {
        Picture(frame, 70, 4, {0, 128, 255}, 1);
        Encode(frame, 16, {3, 8});
             }},
            {"encoded_alpha16_trimmed", KIND_ALPHA_16,
             [](CFrame& frame) {
        Picture(frame, 33, 3, {0, 0, 60, 255}, 2);
        Encode(frame, 16, {3, 6, 8});
             }},
               {"encoded_plain16", KIND_ALPHA_16,
                [](CFrame& frame) {
        Plain(frame, 16);
        Encode(frame, 16, {8});
                }},
        {"encoded_five_layers8", KIND_RLE8,
         [](CFrame& frame) {
        Picture(frame, 64, 4, {0, 50, 100, 150, 200}, 3);
        Encode(frame, 8, {8});
         }},
        {"encoded_plain8", KIND_RLE8,
         [](CFrame& frame) {
        Plain(frame, 8);
        Encode(frame, 8, {8});
         }},
        };
    const bool write = std::getenv("VP_WRITE_FUZZ_SEEDS") != nullptr;
    for (const Seed& seed : seeds)
    {
        SCOPED_TRACE(seed.name);
        CFrame frame;
        seed.make(frame);
        const Bytes input = TargetInput(frame, seed.kind);
        const std::string path = SeedPath(seed.name);
        if (write)
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
        std::ifstream file(path, std::ios::binary);
        const Bytes committed{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(committed, input) << "run with VP_WRITE_FUZZ_SEEDS=1 to make it again";
    }
}

} // namespace
