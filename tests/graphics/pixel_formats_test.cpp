#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/color/color.h"
#include "engine/graphics/hsl.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"

namespace {

class PixelFormats : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override
    {
        CurrentPalette.SetKind(CColorTable::EMPTY);
        GamePalette.SetKind(CColorTable::EMPTY);
    }
};

} // namespace

TEST_F(PixelFormats, TablesHoldTheirFormulas)
{
    const struct
    {
        int32_t byte;
        int32_t level;
    } levels[] = {{255, 0}, {214, 0}, {213, 1}, {171, 1}, {170, 2}, {128, 2},
                  {127, 3}, {86, 3},  {85, 4},  {43, 4},  {42, 5},  {0, 5}};
    for (const auto& c : levels)
        EXPECT_EQ(TranslucencyLevelTable[c.byte], c.level) << c.byte;

    EXPECT_EQ(ScaledAlphaTable[255][255], 255);
    EXPECT_EQ(ScaledAlphaTable[128][255], 128);
    EXPECT_EQ(ScaledAlphaTable[255][1], 1);
    EXPECT_EQ(ScaledAlphaTable[1][254], 0);
    EXPECT_EQ(ProductTable[17][15], 255);
    EXPECT_EQ(Scale8To5[128], 16);
    EXPECT_EQ(Scale8To5Red565[255], 31 << 11);
    EXPECT_EQ(Scale8To5Red555[255], 31 << 10);
    EXPECT_EQ(Scale8To5Green555[255], 31 << 5);
    EXPECT_EQ(Scale8To6Green565[128], 32 << 5);
    for (int32_t v = 0; v < 64; v++)
        EXPECT_EQ(Expand6To8[v], static_cast<int32_t>(std::lround(v * 255.0 / 63.0))) << v;
    for (int32_t v = 0; v < 32; v++)
        EXPECT_EQ(Expand5To8[v], v == 11 ? 91 : static_cast<int32_t>(std::lround(v * 255.0 / 31.0))) << v;
}

TEST_F(PixelFormats, BlackPaletteEntriesOtherThanZeroNeverPackToTransparent)
{
    CColorTable palette;
    palette.SetKind(CColorTable::PALETTE);
    palette.SetEntry(0, 0, 0, 0);
    palette.SetEntry(7, 0, 0, 0);
    palette.SetEntry(9, 255, 255, 255);
    Build16BitPaletteLookup(palette);
    EXPECT_EQ(Palette565Lookup[0], 0);
    EXPECT_EQ(Palette565Lookup[7], 0x0001);
    EXPECT_EQ(Palette555Lookup[7], 0x0001);
    EXPECT_EQ(Palette565Lookup[9], 0xFFFF);
    EXPECT_EQ(Palette555Lookup[9], 0x7FFF);
}

TEST_F(PixelFormats, ColoursFromWordsAndPaletteIndices)
{
    CColor colour(1, 2, 3, 4);
    colour.SetFrom565(0x5AEB);
    EXPECT_EQ(colour.m_Red, 91);
    EXPECT_EQ(colour.m_Green, 93);
    EXPECT_EQ(colour.m_Blue, 91);
    EXPECT_EQ(colour.m_Alpha, 255);
    colour.SetFrom565(0x0841);
    EXPECT_EQ(colour.m_Red24, 8);
    EXPECT_EQ(colour.m_Green24, 8);
    EXPECT_EQ(colour.m_Blue24, 8);

    CurrentPalette.SetKind(CColorTable::PALETTE);
    CurrentPalette.SetEntry(30, 10, 20, 30);
    CurrentPalette.SetEntry(31, 10, 20, 30);
    CColor fromPalette;
    fromPalette.SetFromPaletteIndex(31);
    EXPECT_EQ(fromPalette.m_Red, 10);
    EXPECT_EQ(fromPalette.m_Blue, 30);
    EXPECT_EQ(fromPalette.m_Flags, COLOR_PALETTE_INDEX_VALID | COLOR_SET_FROM_RGB);
    // Entry 30 holds the same colour and comes first: the index is kept,
    // not searched again.
    EXPECT_EQ(fromPalette.NearestPaletteIndex(), 31);
}

TEST_F(PixelFormats, NearestPaletteIndexSearchesOnceAndKeepsTheAnswer)
{
    GamePalette.SetKind(CColorTable::PALETTE);
    for (uint32_t i = 0; i < 256; i++)
        GamePalette.SetEntry(i, 0, 0, 0);
    GamePalette.SetEntry(40, 200, 100, 50);
    CColor colour(198, 101, 50, 255);
    EXPECT_EQ(colour.NearestPaletteIndex(), 40);
    EXPECT_TRUE(colour.m_Flags & COLOR_PALETTE_INDEX_VALID);
    GamePalette.SetEntry(40, 0, 0, 0);
    EXPECT_EQ(colour.NearestPaletteIndex(), 40);
}

TEST_F(PixelFormats, InitBlackKeepsTheFlagsAndClearsTheIndex)
{
    CColor colour(9, 9, 9, 9);
    colour.m_PaletteIndex = 12;
    colour.m_Flags = COLOR_PALETTE_INDEX_VALID;
    colour.InitBlack();
    EXPECT_EQ(colour.m_Flags, COLOR_PALETTE_INDEX_VALID);
    EXPECT_EQ(colour.m_PaletteIndex, 0);
    EXPECT_EQ(colour.m_Alpha, 255);
    EXPECT_EQ(colour.m_Rgb565, 0);
}

TEST_F(PixelFormats, StaticColours)
{
    EXPECT_EQ(ColorBlack.m_Alpha, 255);
    EXPECT_EQ(ColorBlack.m_Rgb565, 0);
    EXPECT_EQ(ColorWhite.m_Rgb565, 0xFFFF);
    EXPECT_EQ(ColorWhite.m_Red, 255);
    EXPECT_EQ(ColorTransparent.m_Alpha, 0);
    EXPECT_EQ(ColorTransparent.m_Flags, COLOR_SET_FROM_RGB);
}

TEST(Hsl, ConversionsBothWays)
{
    const struct
    {
        float hue, saturation, lightness, red, green, blue;
    } cases[] = {
        {0.0f, 1.0f, 0.5f, 1.0f, 0.0f, 0.0f},   {120.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0.0f},
        {240.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.25f, 0.25f, 0.25f, 0.25f},
        {60.0f, 1.0f, 0.75f, 1.0f, 1.0f, 0.5f},
    };
    for (const auto& c : cases)
    {
        float r, g, b;
        HslToRgb(c.hue, c.saturation, c.lightness, r, g, b);
        EXPECT_NEAR(r, c.red, 1e-5f) << c.hue;
        EXPECT_NEAR(g, c.green, 1e-5f) << c.hue;
        EXPECT_NEAR(b, c.blue, 1e-5f) << c.hue;
        float h, s, l;
        RgbToHsl(c.red, c.green, c.blue, h, s, l);
        EXPECT_NEAR(h, c.hue, 1e-3f);
        EXPECT_NEAR(s, c.saturation, 1e-5f);
        EXPECT_NEAR(l, c.lightness, 1e-5f);
    }
    float h, s, l;
    RgbToHsl(1.0f, 0.0f, 0.5f, h, s, l);
    EXPECT_NEAR(h, 330.0f, 1e-3f);
}

TEST(DisplayBitDepth, EveryDepthIsServedAs16)
{
    EXPECT_EQ(GetDisplayBitDepth(), 16);
    for (int32_t bits : {8, 24, 32, 16})
    {
        SetDisplayBitDepth(bits);
        EXPECT_EQ(GetDisplayBitDepth(), 16) << bits;
    }
    SetFrameDepth(32);
    EXPECT_EQ(GetDisplayBitDepth(), 16);
}
