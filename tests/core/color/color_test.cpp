#include <gtest/gtest.h>

#include "engine/core/color/color.h"

TEST(CColor, SettersFillEveryPixelFormAndTheirFlags)
{
    const struct
    {
        const char* name;
        void (*set)(CColor& colour);
        int red, green, blue, alpha;
        int32_t flags;
    } cases[] = {
        {"SetRGBA takes components modulo 256", [](CColor& c) { c.SetRGBA(300, -1, 8, 24); }, 44, 255, 8, 24,
         COLOR_SET_FROM_RGB | COLOR_PALETTE_INDEX_VALID},
        {"SetRGBAKeepIndex leaves the mark clear", [](CColor& c) { c.SetRGBAKeepIndex(1, 2, 3, 4); }, 1, 2, 3, 4,
         COLOR_PALETTE_INDEX_VALID},
        {"InitBlack is opaque black and keeps the flags", [](CColor& c) { c.InitBlack(); }, 0, 0, 0, 255,
         COLOR_SET_FROM_RGB | COLOR_PALETTE_INDEX_VALID},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CColor colour(9, 9, 9, 9);
        colour.m_Flags = COLOR_SET_FROM_RGB | COLOR_PALETTE_INDEX_VALID;
        c.set(colour);
        EXPECT_EQ(colour.m_Red, c.red);
        EXPECT_EQ(colour.m_Green, c.green);
        EXPECT_EQ(colour.m_Blue, c.blue);
        EXPECT_EQ(colour.m_Alpha, c.alpha);
        EXPECT_EQ(colour.m_Red24, c.red);
        EXPECT_EQ(colour.m_Green24, c.green);
        EXPECT_EQ(colour.m_Blue24, c.blue);
        EXPECT_EQ(colour.m_Rgb565, Pack565(colour.m_Red, colour.m_Green, colour.m_Blue));
        EXPECT_EQ(colour.m_Flags, c.flags);
    }
}

TEST(CColor, AFreshColourIsOpaqueWithoutFlags)
{
    CColor colour;
    EXPECT_EQ(colour.m_Alpha, 255);
    EXPECT_EQ(colour.m_Flags, 0);
    EXPECT_EQ(colour.m_Red24, colour.m_Red);
    EXPECT_EQ(colour.m_Rgb565, Pack565(colour.m_Red, colour.m_Green, colour.m_Blue));
}
