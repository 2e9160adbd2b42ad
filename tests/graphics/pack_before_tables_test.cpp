// A program of its own: the packing changes for the rest of the process
// once the tables are built.
#include <gtest/gtest.h>

#include "engine/core/color/color.h"
#include "engine/graphics/pixel_formats.h"

TEST(Pack565, RoundsUpBeforeTheTablesAndToTheNearestStepAfter)
{
    ASSERT_FALSE(ArePixelFormatTablesBuilt());
    const CColor early(4, 4, 4, 255);
    EXPECT_EQ(Pack565(4, 4, 4), 0x0821);
    EXPECT_EQ(Pack555(4, 4, 4), 0x0421);
    EXPECT_EQ(Pack565(255, 255, 255), 0xFFFF);
    EXPECT_EQ(Pack565(0, 0, 0), 0);

    InitPixelFormatTables("Palettes", "GamePalette");
    EXPECT_EQ(Pack565(4, 4, 4), 0x0020);
    EXPECT_EQ(Pack555(4, 4, 4), 0x0000);
    EXPECT_EQ(Pack565(255, 255, 255), 0xFFFF);
    EXPECT_EQ(Pack555(255, 255, 255), 0x7FFF);
    EXPECT_EQ(Pack565(0, 0, 0), 0);
    // A colour made early keeps the word it was made with.
    EXPECT_EQ(early.m_Rgb565, 0x0821);
    EXPECT_EQ(CColor(4, 4, 4, 255).m_Rgb565, 0x0020);
}
