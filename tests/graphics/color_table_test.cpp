#include <gtest/gtest.h>

#include "engine/core/color/color.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/pixel_formats.h"

namespace {

class ColorTables : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        palette.SetKind(CColorTable::PALETTE);
        for (uint32_t i = 0; i < 256; i++)
            palette.SetEntry(i, static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i));
    }

    CColorTable palette;
};

} // namespace

TEST_F(ColorTables, KindsAllocateTheirSizeAsTheIdentity)
{
    const struct
    {
        int32_t kind;
        uint32_t size;
    } kinds[] = {{1, 768}, {2, 256}, {3, 1024}, {4, 65536}, {5, 32768}, {6, 32768}, {7, 65536}};
    for (const auto& c : kinds)
    {
        CColorTable table;
        table.SetKind(c.kind);
        EXPECT_EQ(CColorTable::GetKindSize(c.kind), c.size);
        ASSERT_TRUE(table.Holds(c.kind));
        EXPECT_EQ(table.GetData()[c.size - 1], static_cast<uint8_t>(c.size - 1)) << c.kind;
        EXPECT_EQ(table.GetData()[300 % c.size], static_cast<uint8_t>(300 % c.size)) << c.kind;
    }
}

TEST_F(ColorTables, AKindOutsideTheListChangesNothing)
{
    CColorTable table;
    table.SetKind(CColorTable::INDEX_REMAP);
    table.GetData()[5] = 77;
    for (int32_t kind : {-1, 8, 1000})
    {
        table.SetKind(kind);
        EXPECT_EQ(table.GetKind(), CColorTable::INDEX_REMAP);
        EXPECT_EQ(table.GetData()[5], 77);
    }
    table.SetKind(CColorTable::EMPTY);
    EXPECT_FALSE(table.HasData());
}

TEST_F(ColorTables, CopyTakesKindAndBytes)
{
    CColorTable copy;
    copy.SetKind(CColorTable::BLEND_TABLE);
    copy.CopyFrom(palette);
    EXPECT_TRUE(copy.Holds(CColorTable::PALETTE));
    uint8_t r, g, b;
    copy.GetEntry(200, r, g, b);
    EXPECT_EQ(r, 200);
    CColorTable empty;
    copy.CopyFrom(empty);
    EXPECT_TRUE(copy.Holds(CColorTable::PALETTE));
    copy.CopyFrom(copy);
    EXPECT_TRUE(copy.Holds(CColorTable::PALETTE));
}

TEST_F(ColorTables, NearestSearchTakesTheFirstBestEntry)
{
    for (uint32_t i = 0; i < 256; i++)
        palette.SetEntry(i, 0, 0, 0);
    palette.SetEntry(9, 50, 60, 70);
    palette.SetEntry(20, 50, 60, 70);
    EXPECT_EQ(palette.FindNearestPaletteIndex(50, 60, 70, 0, 256), 9);
    EXPECT_EQ(palette.FindNearestPaletteIndex(50, 60, 70, 10, 256), 20);
    // Two entries equally far: the first wins.
    palette.SetEntry(9, 52, 60, 70);
    palette.SetEntry(20, 48, 60, 70);
    EXPECT_EQ(palette.FindNearestPaletteIndex(50, 60, 70, 1, 256), 9);
    // A search range past the table reads no further than its data.
    EXPECT_EQ(palette.FindNearestPaletteIndex(48, 60, 70, -5, 100000), 20);
}

TEST_F(ColorTables, InversePalettesAnswerTheirEntries)
{
    CColorTable inverse555, inverse565, onDemand, remap;
    inverse555.SetKind(CColorTable::INVERSE_555);
    inverse555.GetData()[Pack555(200, 100, 50)] = 42;
    EXPECT_EQ(inverse555.FindNearestPaletteIndex(200, 100, 50, 0, 256), 42);
    inverse565.SetKind(CColorTable::INVERSE_565);
    inverse565.GetData()[Pack565(200, 100, 50)] = 43;
    EXPECT_EQ(inverse565.FindNearestPaletteIndex(200, 100, 50, 0, 256), 43);
    remap.SetKind(CColorTable::INDEX_REMAP);
    EXPECT_EQ(remap.FindNearestPaletteIndex(200, 100, 50, 0, 256), 0);

    // Filled on demand from the reference: word 0 is the one not yet known.
    onDemand.SetKind(CColorTable::INVERSE_555_ON_DEMAND);
    EXPECT_EQ(onDemand.FindNearestPaletteIndex(0, 0, 0, 0, 256), 0) << "no reference: nothing stored";
    EXPECT_EQ(onDemand.GetData()[0], 0);
    onDemand.SetReferenceTable(&palette);
    EXPECT_EQ(onDemand.FindNearestPaletteIndex(0, 0, 0, 0, 256), 1) << "searched from entry 1";
    EXPECT_EQ(onDemand.GetData()[0], 1);
}

TEST_F(ColorTables, LightnessRemapOfAGreyRamp)
{
    CColorTable remap;
    remap.BuildLightnessRemap(palette, 64, 1, 255, 1, 255, 0);
    ASSERT_TRUE(remap.Holds(CColorTable::INDEX_REMAP));
    EXPECT_EQ(remap.GetData()[0], 0);
    EXPECT_EQ(remap.GetData()[255], 255);
    EXPECT_EQ(remap.GetData()[200], 100);
    remap.BuildLightnessRemap(palette, 256, 1, 255, 1, 255, 1);
    EXPECT_EQ(remap.GetData()[100], 200);
    EXPECT_EQ(remap.GetData()[200], 254) << "clamped, then the search ends at 254";
    remap.BuildLightnessRemap(palette, 128, 1, 255, 1, 255, 0);
    for (int32_t i = 0; i < 256; i++)
        EXPECT_EQ(remap.GetData()[i], i);
}

TEST_F(ColorTables, EntriesOfOtherKindsOrPastTheEndAreNotTouched)
{
    CColorTable remap;
    remap.SetKind(CColorTable::INDEX_REMAP);
    remap.SetEntry(3, 9, 9, 9);
    EXPECT_EQ(remap.GetData()[9], 9);
    uint8_t r = 1, g = 1, b = 1;
    remap.GetEntry(3, r, g, b);
    EXPECT_EQ(r + g + b, 0);
    palette.SetEntry(256, 1, 2, 3);
    palette.GetEntry(256, r, g, b);
    EXPECT_EQ(r + g + b, 0);
}
