#include <gtest/gtest.h>

#include "engine/blit/blit_normal.h"
#include "engine/blit/opacity_row.h"
#include "engine/core/color/color.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"

namespace {

// A canary word per depth: every byte 0xA5.
uint32_t CanaryOf(int32_t bits)
{
    return bits == 32 ? 0xA5A5A5A5u : (0xA5A5A5A5u >> (32 - bits));
}

// A 5 x 4 destination whose border holds canaries and whose 3 x 2 inside
// holds the given value; the source is 3 x 2 of one value.
struct BlitScene
{
    CFrame source;
    CFrame destination;

    BlitScene(int32_t sourceBits, uint32_t sourceValue, int32_t destinationBits, uint32_t destinationValue)
    {
        source.Create(3, 2, sourceBits);
        for (int32_t y = 0; y < 2; y++)
            for (int32_t x = 0; x < 3; x++)
                WritePixel(source, x, y, sourceValue);
        destination.Create(5, 4, destinationBits);
        for (int32_t y = 0; y < 4; y++)
            for (int32_t x = 0; x < 5; x++)
                WritePixel(destination, x, y, Inside(x, y) ? destinationValue : CanaryOf(destinationBits));
    }

    static bool Inside(int32_t x, int32_t y) { return x >= 1 && x < 4 && y >= 1 && y < 3; }

    // Every inside pixel holds the value and every canary survived.
    testing::AssertionResult Holds(uint32_t expected) const
    {
        const uint32_t canary = CanaryOf(destination.GetBitsPerPixel());
        for (int32_t y = 0; y < 4; y++)
            for (int32_t x = 0; x < 5; x++)
            {
                const uint32_t want = Inside(x, y) ? expected : canary;
                const uint32_t got = ReadPixel(destination, x, y);
                if (got != want)
                    return testing::AssertionFailure()
                           << "pixel " << x << "," << y << " is 0x" << std::hex << got << ", not 0x" << want;
            }
        return testing::AssertionSuccess();
    }
};

class NormalBlits : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override
    {
        for (CColorTable* table : {&PaletteBlendTableA, &InversePalette565, &GamePalette})
            table->SetKind(CColorTable::EMPTY);
        CColorTable none;
        Build16BitPaletteLookup(none);
    }

    // Palette entry 5 is (0x10, 0x20, 0x30) and the 8-bit tables know it.
    static void FillEightBitTables(CBlitType& blit)
    {
        CColorTable palette;
        palette.SetKind(CColorTable::PALETTE);
        palette.SetEntry(5, 0x10, 0x20, 0x30);
        Build16BitPaletteLookup(palette);
        blit.GetPalette()->CopyFrom(palette);
        PaletteBlendTableA.SetKind(CColorTable::BLEND_TABLE);
        PaletteBlendTableA.GetData()[9 * 256 + 5] = 0x77;
        InversePalette565.SetKind(CColorTable::INVERSE_565);
        InversePalette565.GetData()[0x1106] = 0x42;
        GamePalette.SetKind(CColorTable::INVERSE_555);
        GamePalette.GetData()[Pack555(0x10, 0x20, 0x30)] = 0x33;
    }
};

} // namespace

TEST_F(NormalBlits, EveryPlainPairAtFullHighAndZeroOpacity)
{
    const struct
    {
        int32_t sourceBits;
        uint32_t source;
        int32_t destinationBits;
        uint32_t destination;
        uint32_t atFull, atHigh, atZero;
    } cases[] = {
        {8, 5, 8, 9, 5, 0x77, 0x77},
        {8, 5, 16, 0xAAAA, 0x1106, 0x1106, 0x1106},
        {8, 5, 24, 0xAAAAAA, 0x102030, 0x102030, 0x102030},
        {8, 5, 32, 0xAAAAAAAA, 0xFF102030, 0xFF102030, 0xFF102030},
        {16, 0x1106, 8, 9, 0x42, 0x42, 0x42},
        {16, 0xFFFF, 16, 0x0000, 0xFFFF, 0xF7DE, 0x0000},
        {16, 0x5AEB, 24, 0xAAAAAA, 0x5B5D5B, 0x5B5D5B, 0x5B5D5B},
        {16, 0x5AEB, 32, 0xAAAAAAAA, 0xFF5B5D5B, 0xFF5B5D5B, 0xFF5B5D5B},
        {24, 0x102030, 8, 9, 0x33, 0x33, 0x33},
        {24, 0x102030, 16, 0xAAAA, 0x1106, 0x1106, 0x1106},
        {24, 0x102030, 24, 0xAAAAAA, 0x102030, 0x102030, 0x102030},
        {24, 0x102030, 32, 0xAAAAAAAA, 0xFF102030, 0xFF102030, 0xFF102030},
        {32, 0xFF848484, 16, 0x0000, 0x8410, 0x8410, 0x8410},
        {32, 0x80C08040, 24, 0x000000, 0x604020, 0x604020, 0x000000},
        {32, 0x80C08040, 32, 0x01020304, 0x80C08040, 0x80C08040, 0x80C08040},
    };
    CBlitNormal normal(false);
    FillEightBitTables(normal);
    for (const auto& c : cases)
    {
        const float opacities[] = {1.0f, 0.999f, 0.0f};
        const uint32_t expected[] = {c.atFull, c.atHigh, c.atZero};
        for (int32_t i = 0; i < 3; i++)
        {
            SCOPED_TRACE(testing::Message() << c.sourceBits << " to " << c.destinationBits << " at " << opacities[i]);
            BlitScene scene(c.sourceBits, c.source, c.destinationBits, c.destination);
            normal.SetOpacity(opacities[i]);
            EXPECT_TRUE(scene.destination.BlitAt(&scene.source, 1, 1, &normal));
            EXPECT_TRUE(scene.Holds(expected[i]));
        }
    }
}

TEST_F(NormalBlits, ThirtyTwoToSixteenInBothForms)
{
    const struct
    {
        bool fourLane;
        uint32_t source;
        uint32_t below;
        uint32_t expected;
    } cases[] = {
        {true, 0xFF848484, 0x0000, 0x8430},  {false, 0xFF848484, 0x0000, 0x8410}, {true, 0x00FFFFFF, 0x0000, 0xFFFF},
        {false, 0x00FFFFFF, 0x1234, 0x1234}, {false, 0xFFFFFFFF, 0x0000, 0xFFFF},
    };
    for (const auto& c : cases)
    {
        CBlitNormal normal(c.fourLane);
        normal.SetOpacity(0.5f);
        BlitScene scene(32, c.source, 16, c.below);
        scene.destination.BlitAt(&scene.source, 1, 1, &normal);
        EXPECT_TRUE(scene.Holds(c.expected)) << c.fourLane << " " << std::hex << c.source;
    }
}

TEST_F(NormalBlits, ThirtyTwoToTwentyFourBlendsBySourceAlpha)
{
    const struct
    {
        float opacity;
        uint32_t source;
        uint32_t expected;
    } cases[] = {
        {1.0f, 0xFCFFFFFF, 0xFCFCFC}, {1.0f, 0xFDFFFFFF, 0xFFFFFF}, {1.0f, 0x00FFFFFF, 0x000000},
        {0.5f, 0x05FFFFFF, 0x000000}, {0.5f, 0x06FFFFFF, 0x030303}, {1.0f - 1.0f / 256.0f, 0xFCFFFFFF, 0xFFFFFF},
    };
    for (const auto& c : cases)
    {
        CBlitNormal normal(false);
        normal.SetOpacity(c.opacity);
        BlitScene scene(32, c.source, 24, 0);
        scene.destination.BlitAt(&scene.source, 1, 1, &normal);
        EXPECT_TRUE(scene.Holds(c.expected)) << c.opacity << " " << std::hex << c.source;
    }
}

TEST_F(NormalBlits, EightBitPairsWithoutTheirTablesChangeNothing)
{
    CBlitNormal normal(false);
    const struct
    {
        int32_t sourceBits;
        uint32_t source;
        float opacity;
    } cases[] = {{8, 5, 0.5f}, {16, 0x1106, 1.0f}, {24, 0x102030, 1.0f}};
    for (const auto& c : cases)
    {
        normal.SetOpacity(c.opacity);
        BlitScene scene(c.sourceBits, c.source, 8, 9);
        scene.destination.BlitAt(&scene.source, 1, 1, &normal);
        EXPECT_TRUE(scene.Holds(9)) << c.sourceBits;
    }
    // A table of another kind is not read as the one needed.
    PaletteBlendTableA.SetKind(CColorTable::INDEX_REMAP);
    normal.SetOpacity(0.5f);
    BlitScene scene(8, 5, 8, 9);
    scene.destination.BlitAt(&scene.source, 1, 1, &normal);
    EXPECT_TRUE(scene.Holds(9));
}

TEST_F(NormalBlits, EightBitSourcesWithoutAPaletteAreGrey)
{
    CBlitNormal normal(false);
    BlitScene to24(8, 0x80, 24, 0);
    to24.destination.BlitAt(&to24.source, 1, 1, &normal);
    EXPECT_TRUE(to24.Holds(0x808080));
    BlitScene to32(8, 0x07, 32, 0);
    to32.destination.BlitAt(&to32.source, 1, 1, &normal);
    EXPECT_TRUE(to32.Holds(0xFF070707));
}

TEST_F(NormalBlits, NotExactlyOpaqueBlitsPointTheSharedOpacityRow)
{
    CBlitNormal normal(false);
    normal.SetOpacity(0.5f);
    BlitScene scene(16, 0xFFFF, 16, 0);
    scene.destination.BlitAt(&scene.source, 1, 1, &normal);
    EXPECT_EQ(CurrentOpacityRow, ScaledAlphaTable[128]);
    EXPECT_TRUE(scene.Holds(Blend565(0, 0xFFFF, 128)));
}

TEST_F(NormalBlits, TheSharedNormalIsBuiltOnceWithTheProcessorsForms)
{
    EXPECT_EQ(&GetBlitNormal(), &GetBlitNormal());
    EXPECT_EQ(GetBlitNormal().GetEntryCount(), 20u);
}
