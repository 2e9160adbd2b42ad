#include <gtest/gtest.h>

#include <vector>

#include "engine/blit/blit_amplify_light.h"
#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_shadow.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

class ShadowAndLight : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

// A one-row 16-bit frame of one value.
struct Row : CFrame
{
    Row(int32_t width, uint16_t value)
    {
        Create(static_cast<uint32_t>(width), 1, 16);
        Set(value);
    }
    void Set(uint16_t value)
    {
        for (int32_t x = 0; x < GetWidth(); x++)
            WritePixel(*this, x, 0, value);
    }
};

std::vector<uint32_t> Pixels(const CFrame& frame)
{
    std::vector<uint32_t> pixels;
    for (int32_t x = 0; x < frame.GetWidth(); x++)
        pixels.push_back(ReadPixel(frame, x, 0));
    return pixels;
}

// One row: stream 0 and stream 4 codes, stream 3 alpha bytes.
struct AlphaSprite
{
    RunLengthFixture fixture;

    AlphaSprite(int32_t width, const RunRow& opaque, const RunRow& translucent, const RunRow& alpha)
        : fixture(width, 1, 16, FRAME_ENCODING_RLE_ALPHA)
    {
        fixture.SetStream(0, {opaque});
        fixture.SetStream(4, {translucent});
        fixture.SetStream(3, {alpha});
    }
};

} // namespace

TEST_F(ShadowAndLight, ShadowOpaqueRunsDarkenByTheirWeightInEachForm)
{
    AlphaSprite sprite(6, Codes({Literal(2, {1, 2}), Fill(2, 4, 3)}), Skip(6), {});
    const uint16_t plain = Blend565(0x7BEF, 0, 100);
    const uint16_t lanes = Blend565FourLane(0x7BEF, 0, 100);
    ASSERT_NE(plain, lanes);
    const struct
    {
        bool fourLane;
        std::vector<uint32_t> expected;
    } cases[] = {{false, {plain, plain, plain, plain, plain, plain}},
                 {true, {plain, plain, lanes, lanes, lanes, lanes}}};
    for (const auto& c : cases)
    {
        CBlitAsShadow shadow(c.fourLane);
        Row destination(6, 0x7BEF);
        destination.BlitAt(&sprite.fixture.frame, 0, 0, &shadow);
        EXPECT_EQ(Pixels(destination), c.expected) << c.fourLane;
        // Over white both arithmetics give red and blue 19, green 38.
        destination.Set(0xFFFF);
        destination.BlitAt(&sprite.fixture.frame, 0, 0, &shadow);
        EXPECT_EQ(Pixels(destination), std::vector<uint32_t>(6, 0x9CD3)) << c.fourLane;
    }
}

TEST_F(ShadowAndLight, ShadowTranslucentPixelsDarkenByTheirAlpha)
{
    AlphaSprite sprite(3, Skip(3), Codes({Literal(2, {7, 8}), Fill(2, 1, 9)}), {255, 0, 255});
    for (bool fourLane : {false, true})
    {
        CBlitAsShadow shadow(fourLane);
        Row destination(3, 0xFFFF);
        destination.BlitAt(&sprite.fixture.frame, 0, 0, &shadow);
        EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{0x9CD3, 0xFFFF, 0x9CF3})) << fourLane;
    }
}

TEST_F(ShadowAndLight, ShadowUnderAnOpacityWeighsThroughTheOpacityRow)
{
    AlphaSprite sprite(3, Codes({Fill(2, 2, 5), Skip(1)}), Codes({Skip(2), Fill(2, 1, 9)}), {255});
    for (bool fourLane : {false, true})
    {
        CBlitAsShadow shadow(fourLane);
        shadow.SetOpacity(0.5f);
        Row destination(3, 0xFFFF);
        destination.BlitAt(&sprite.fixture.frame, 0, 0, &shadow);
        // Weight 50 = floor(128 x 100 / 255); the fill floor(128 x 99 / 255).
        EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{0xCE79, 0xCE79, Blend565(0xFFFF, 0, 49)})) << fourLane;
    }
}

TEST_F(ShadowAndLight, AmplifyDoublesUnderWhiteAndLeavesBlackAlone)
{
    const struct
    {
        uint16_t destination;
        uint16_t source;
        uint16_t expected;
    } cases[] = {
        {(10 << 11) | (20 << 5) | 10, 0xFFFF, (20 << 11) | (40 << 5) | 20},
        {(16 << 11) | (32 << 5) | 16, 0xFFFF, 0xFFDF},
        {(16 << 11) | (32 << 5) | 16, 0x0000, (16 << 11) | (32 << 5) | 16},
        {0x0000, 0xFFFF, 0x0000},
    };
    for (const auto& c : cases)
    {
        AlphaSprite sprite(2, Codes({Literal(2, {c.source}), Fill(2, 1, c.source)}), Skip(2), {});
        for (bool fourLane : {false, true})
        {
            CBlitBlendAmplifyLight amplify(fourLane);
            Row destination(2, c.destination);
            destination.BlitAt(&sprite.fixture.frame, 0, 0, &amplify);
            EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{c.expected, c.expected}))
                << std::hex << c.destination << " under " << c.source;
        }
    }
}

TEST_F(ShadowAndLight, AmplifyTurnsTranslucentPixelsWhiteAndFadesWithoutAmplifying)
{
    AlphaSprite sprite(4, Codes({Fill(2, 2, 0xFFFF), Skip(2)}), Codes({Skip(2), Literal(2, {0}), Fill(2, 1, 0)}),
                       {0, 0});
    for (bool fourLane : {false, true})
    {
        CBlitBlendAmplifyLight amplify(fourLane);
        Row destination(4, 0x4208);
        destination.BlitAt(&sprite.fixture.frame, 0, 0, &amplify);
        EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{0x8410, 0x8410, 0xFFFF, 0xFFFF}));
        amplify.SetOpacity(0.5f);
        destination.Set(0x4208);
        destination.BlitAt(&sprite.fixture.frame, 0, 0, &amplify);
        const uint32_t faded = Blend565(0x4208, 0xFFFF, 128);
        EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{faded, faded, 0xFFFF, 0xFFFF}));
    }
}

TEST_F(ShadowAndLight, BlackBiasBlends16BitRowsInFourLaneGroupsAndCopiesWhenOpaque)
{
    Row source(6, 0xFFFF);
    CBlitBlendBlackBias lanes(true);
    Row destination(6, 0x1082);
    destination.BlitAt(&source, 0, 0, &lanes);
    EXPECT_EQ(Pixels(destination), std::vector<uint32_t>(6, 0xFFFF));
    lanes.SetOpacity(0.5f);
    destination.Set(0x1082);
    destination.BlitAt(&source, 0, 0, &lanes);
    const uint32_t four = Blend565FourLane(0x1082, 0xFFFF, 128), plain = Blend565(0x1082, 0xFFFF, 128);
    ASSERT_NE(four, plain);
    EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{four, four, four, four, plain, plain}));
}

TEST_F(ShadowAndLight, BlackBiasBlends32BitSourcesByAlphaOnEveryProcessor)
{
    for (bool fourLane : {false, true})
    {
        CFrame source;
        source.Create(2, 1, 32);
        WritePixel(source, 0, 0, 0x00FFFFFF);
        WritePixel(source, 1, 0, 0xFFFFFFFF);
        Row destination(2, 0x1234);
        CBlitBlendBlackBias blackBias(fourLane);
        destination.BlitAt(&source, 0, 0, &blackBias);
        EXPECT_EQ(Pixels(destination), (std::vector<uint32_t>{0x1234, 0xFFFF})) << fourLane;
    }
}

TEST_F(ShadowAndLight, BlackBias8BitPairsUseTheBlendTableOnlyWhenItIsWhole)
{
    CFrame source;
    source.Create(2, 1, 8);
    WritePixel(source, 0, 0, 7);
    WritePixel(source, 1, 0, 9);
    RunLengthFixture runs(2, 1, 8, FRAME_ENCODING_RLE8);
    runs.SetStream(0, {Codes({Literal(1, {7}), Fill(1, 1, 9)})});
    for (CFrame* from : {&source, &runs.frame})
    {
        CBlitBlendBlackBias blackBias(false);
        // A palette of 768 bytes is no blend table: drawn as Normal.
        blackBias.GetPalette()->SetKind(CColorTable::PALETTE);
        CFrame destination;
        destination.Create(2, 1, 8);
        WritePixel(destination, 0, 0, 3);
        WritePixel(destination, 1, 0, 4);
        destination.BlitAt(from, 0, 0, &blackBias);
        EXPECT_EQ(ReadPixel(destination, 0, 0), 7u);
        EXPECT_EQ(ReadPixel(destination, 1, 0), 9u);
        // T[source][destination]: this table answers the second index.
        blackBias.GetPalette()->SetKind(CColorTable::BLEND_TABLE);
        WritePixel(destination, 0, 0, 3);
        WritePixel(destination, 1, 0, 4);
        destination.BlitAt(from, 0, 0, &blackBias);
        EXPECT_EQ(ReadPixel(destination, 0, 0), 3u);
        EXPECT_EQ(ReadPixel(destination, 1, 0), 4u);
    }
}

TEST_F(ShadowAndLight, TheRegistryHoldsTheRealTypesAndTheTwinsDrawAlike)
{
    CBlitTypeRegistry& registry = GetBlitTypeRegistry();
    EXPECT_EQ(registry.GetBlitType(2), &GetBlitBlendBlackBias());
    EXPECT_EQ(registry.GetBlitType(3), &GetBlitBlendTestLight());
    EXPECT_NE(registry.GetBlitType(2), registry.GetBlitType(3));
    EXPECT_EQ(registry.GetBlitType(4), &GetBlitAsShadow());
    EXPECT_EQ(registry.GetBlitType(6), &GetBlitBlendAmplifyLight());
    EXPECT_EQ(GetBlitBlendBlackBias().GetEntryCount(), 9u);
    EXPECT_EQ(GetBlitAsShadow().GetEntryCount(), 1u);
    EXPECT_EQ(GetBlitBlendAmplifyLight().GetEntryCount(), 8u);

    CFrame source;
    source.Create(5, 3, 32);
    FillWithCounting(source);
    CFrame first, second;
    first.Create(5, 3, 16);
    second.Create(5, 3, 16);
    first.BlitAt(&source, 0, 0, &GetBlitBlendBlackBias());
    second.BlitAt(&source, 0, 0, &GetBlitBlendTestLight());
    EXPECT_EQ(std::memcmp(first.GetPixels(), second.GetPixels(), 5 * 3 * 2), 0);
}
