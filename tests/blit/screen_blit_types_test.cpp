#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/opacity_row.h"
#include "engine/blit/screen_blit_types.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"

namespace {

uint16_t Word565(uint32_t red, uint32_t green, uint32_t blue)
{
    return static_cast<uint16_t>(red << 11 | green << 5 | blue);
}

class ScreenBlitTypes : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }

    // A 16-bit frame whose 16-byte aligned rows are all one value.
    static void MakeFilled(CFrame& frame, int32_t width, int32_t height, uint16_t value)
    {
        frame.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 16);
        for (int32_t y = 0; y < height; y++)
            for (int32_t x = 0; x < width; x++)
                WritePixel(frame, x, y, value);
    }

    // The source drawn whole at (x, y) onto a new zeroed destination.
    static uint32_t DrawOne(CBlitType& type, uint16_t value)
    {
        CFrame source, destination;
        MakeFilled(source, 8, 1, value);
        destination.Create(8, 1, 16);
        destination.BlitAt(&source, 0, 0, &type);
        return ReadPixel(destination, 4, 0);
    }
};

// Each amount type in both forms.
struct AmountTypes
{
    explicit AmountTypes(bool fourLane)
        : brighten565(fourLane)
        , darken565(fourLane)
        , brighten555(fourLane)
        , darken555(fourLane)
    {
    }
    CBlitBrighten565 brighten565;
    CBlitDarken565 darken565;
    CBlitBrighten555 brighten555;
    CBlitDarken555 darken555;
};

TEST_F(ScreenBlitTypes, AmountsAreHeldWithinAByteAndGiveTheirTwoOffsets)
{
    struct Case
    {
        int32_t amount, stored, fiveBit, sixBit;
    };
    const Case cases[] = {{300, 255, 31, 63}, {-5, 0, 0, 0}, {12, 12, 1, 3}, {7, 7, 0, 1}, {256, 255, 31, 63}};
    for (bool fourLane : {false, true})
    {
        AmountTypes types(fourLane);
        for (CBlitScreenAmount* type : std::vector<CBlitScreenAmount*>{&types.brighten565, &types.darken565,
                                                                       &types.brighten555, &types.darken555})
        {
            EXPECT_EQ(type->GetAmount(), 0);
            for (const Case& c : cases)
            {
                type->SetAmount(c.amount);
                EXPECT_EQ(type->GetAmount(), c.stored) << c.amount;
                EXPECT_EQ(type->GetFiveBitOffset(), c.fiveBit) << c.amount;
                EXPECT_EQ(type->GetSixBitOffset(), c.sixBit) << c.amount;
            }
        }
    }
}

TEST_F(ScreenBlitTypes, FullAmountsTurnEveryPixelWhiteOrBlack)
{
    for (bool fourLane : {false, true})
    {
        AmountTypes types(fourLane);
        types.brighten565.SetAmount(255);
        types.darken565.SetAmount(255);
        for (uint16_t value : {0x0000, 0x1234, 0x8410, 0xFFFF})
        {
            EXPECT_EQ(DrawOne(types.brighten565, value), 0xFFFFu) << fourLane << " " << value;
            EXPECT_EQ(DrawOne(types.darken565, value), 0u) << fourLane << " " << value;
        }
    }
}

TEST_F(ScreenBlitTypes, AmountsFourToSevenRaiseOnlyGreenByOneLevel)
{
    for (bool fourLane : {false, true})
    {
        CBlitBrighten565 brighten(fourLane);
        for (int32_t amount = 4; amount <= 7; amount++)
        {
            brighten.SetAmount(amount);
            EXPECT_EQ(DrawOne(brighten, Word565(3, 10, 30)), Word565(3, 11, 30));
            EXPECT_EQ(DrawOne(brighten, Word565(31, 63, 31)), Word565(31, 63, 31));
            EXPECT_EQ(DrawOne(brighten, Word565(0, 0, 0)), Word565(0, 1, 0));
        }
        brighten.SetAmount(3);
        EXPECT_EQ(DrawOne(brighten, Word565(3, 10, 30)), Word565(3, 10, 30));
    }
}

TEST_F(ScreenBlitTypes, ConvertingDropsTheLowestGreenBit)
{
    for (bool fourLane : {false, true})
    {
        CBlitConvert555 convert(fourLane);
        EXPECT_EQ(DrawOne(convert, 0xFFFF), 0x7FFFu);
        EXPECT_EQ(DrawOne(convert, 0x07E0), 0x03E0u);
        EXPECT_EQ(DrawOne(convert, 0x0020), 0x0000u);
        EXPECT_EQ(DrawOne(convert, 0xF81F), 0x7C1Fu);
    }
}

TEST_F(ScreenBlitTypes, ConvertingBrightnessTypesOffsetGreenOnItsOwnScaleInTheLanes)
{
    struct Case
    {
        bool darken;
        uint16_t source;
        uint16_t plain;
        uint16_t lanes;
    };
    const Case cases[] = {
        {false, Word565(31, 1, 31), 0x7C3F, 0x7C5F},
        {true, Word565(31, 4, 31), 0x783E, 0x781E},
    };
    for (const Case& c : cases)
        for (bool fourLane : {false, true})
        {
            CBlitBrighten555 brighten(fourLane);
            CBlitDarken555 darken(fourLane);
            CBlitScreenAmount& type = c.darken ? static_cast<CBlitScreenAmount&>(darken) : brighten;
            type.SetAmount(12);
            EXPECT_EQ(DrawOne(type, c.source), fourLane ? c.lanes : c.plain) << c.darken;
        }
}

// Every 16-bit value (a 256 x 256 frame whose rows all take the lanes) at
// every amount, through both forms.
TEST_F(ScreenBlitTypes, TheTwoFormsAgreeExceptByTheGreenOfTheConvertingBrightnessTypes)
{
    CFrame source;
    source.Create(256, 256, 16);
    for (int32_t y = 0; y < 256; y++)
        for (int32_t x = 0; x < 256; x++)
            WritePixel(source, x, y, static_cast<uint32_t>(y * 256 + x));
    AmountTypes plain(false), lanes(true);
    CBlitConvert555 convertPlain(false), convertLanes(true);
    CFrame a, b;
    a.Create(256, 256, 16);
    b.Create(256, 256, 16);
    auto drawBoth = [&](CBlitType& first, CBlitType& second) {
        a.BlitAt(&source, 0, 0, &first);
        b.BlitAt(&source, 0, 0, &second);
    };
    drawBoth(convertPlain, convertLanes);
    ASSERT_EQ(std::memcmp(a.GetPixels(), b.GetPixels(), 256 * 256 * 2), 0);

    int32_t greenDifferences = 0;
    for (int32_t amount = 0; amount < 256; amount++)
    {
        const int32_t k5 = amount >> 3;
        const int32_t k6 = amount >> 2;
        for (CBlitScreenAmount* type : std::vector<CBlitScreenAmount*>{
                 &plain.brighten565, &plain.darken565, &plain.brighten555, &plain.darken555, &lanes.brighten565,
                 &lanes.darken565, &lanes.brighten555, &lanes.darken555})
            type->SetAmount(amount);
        drawBoth(plain.brighten565, lanes.brighten565);
        ASSERT_EQ(std::memcmp(a.GetPixels(), b.GetPixels(), 256 * 256 * 2), 0) << amount;
        drawBoth(plain.darken565, lanes.darken565);
        ASSERT_EQ(std::memcmp(a.GetPixels(), b.GetPixels(), 256 * 256 * 2), 0) << amount;

        for (bool darken : {false, true})
        {
            if (darken)
                drawBoth(plain.darken555, lanes.darken555);
            else
                drawBoth(plain.brighten555, lanes.brighten555);
            const uint16_t* p = reinterpret_cast<const uint16_t*>(a.GetPixels());
            const uint16_t* l = reinterpret_cast<const uint16_t*>(b.GetPixels());
            for (int32_t v = 0; v < 65536; v++)
            {
                const int32_t g = (v >> 5) & 63;
                int32_t expectedGreenStep = 0;
                if (!darken && (g & 1) && (k6 & 1) && (g >> 1) + k5 < 31)
                    expectedGreenStep = 1;
                if (darken && !(g & 1) && (k6 & 1) && (g >> 1) - k5 > 0)
                    expectedGreenStep = -1;
                ASSERT_EQ(p[v] & 0x7C1F, l[v] & 0x7C1F) << v << " " << amount;
                ASSERT_EQ(((l[v] >> 5) & 31) - ((p[v] >> 5) & 31), expectedGreenStep) << v << " " << amount;
                greenDifferences += expectedGreenStep != 0;
            }
        }
    }
    EXPECT_GT(greenDifferences, 0);
}

TEST_F(ScreenBlitTypes, PixelsBeforeTheFirstEightByteBoundaryOfARowArePlain)
{
    CBlitBrighten555 lanes(true);
    lanes.SetAmount(12);
    CFrame source, destination;
    MakeFilled(source, 16, 2, Word565(31, 1, 31));
    destination.Create(16, 2, 16);
    // Rows start 16-byte aligned: from pixel 1, pixels 1-3 come before the
    // boundary, 4-11 are two groups of lanes, 12-14 are left over.
    CRect sourceRect{0, 0, 14, 2};
    CRect destinationRect{1, 0, 15, 2};
    ASSERT_TRUE(destination.Blit(&source, sourceRect, destinationRect, &lanes));
    for (int32_t y = 0; y < 2; y++)
        for (int32_t x = 1; x < 15; x++)
            EXPECT_EQ(ReadPixel(destination, x, y), (x >= 4 && x < 12) ? 0x7C5Fu : 0x7C3Fu) << x;
    EXPECT_EQ(ReadPixel(destination, 0, 0), 0u);
    EXPECT_EQ(ReadPixel(destination, 15, 0), 0u);
}

TEST_F(ScreenBlitTypes, EightAndTwentyFourBitSourcesAreConvertedButNotBrightened)
{
    CFrame deep;
    deep.Create(8, 1, 24);
    for (int32_t x = 0; x < 8; x++)
        WritePixel(deep, x, 0, 0x40FF80); // red 0x40, green 0xFF, blue 0x80
    CColorTable palette;
    palette.SetKind(CColorTable::PALETTE);
    palette.SetEntry(200, 0xF0, 0x30, 0x90);
    Build16BitPaletteLookup(palette);
    ASSERT_NE(Palette555Lookup[200], 0);
    CFrame indexed;
    indexed.Create(8, 1, 8);
    for (int32_t x = 0; x < 8; x++)
        WritePixel(indexed, x, 0, 200);

    auto draw = [](CFrame& source, CBlitType& type) {
        CFrame destination;
        destination.Create(8, 1, 16);
        destination.BlitAt(&source, 0, 0, &type);
        return ReadPixel(destination, 5, 0);
    };
    for (bool fourLane : {false, true})
    {
        AmountTypes types(fourLane);
        CBlitConvert555 convert(fourLane);
        for (CBlitScreenAmount* type : std::vector<CBlitScreenAmount*>{&types.brighten565, &types.darken565,
                                                                       &types.brighten555, &types.darken555})
            type->SetAmount(200);
        for (CBlitType* type : std::vector<CBlitType*>{&types.brighten565, &types.darken565})
        {
            EXPECT_EQ(draw(deep, *type), draw(deep, GetBlitNormal()));
            EXPECT_EQ(draw(indexed, *type), draw(indexed, GetBlitNormal()));
        }
        const uint32_t deep555 = static_cast<uint32_t>(Scale8To5[0x40] << 10 | Scale8To5[0xFF] << 5 | Scale8To5[0x80]);
        for (CBlitType* type : std::vector<CBlitType*>{&convert, &types.brighten555, &types.darken555})
        {
            EXPECT_EQ(draw(deep, *type), deep555);
            EXPECT_EQ(draw(indexed, *type), static_cast<uint32_t>(Palette555Lookup[200]));
        }
    }
}

TEST_F(ScreenBlitTypes, ThirtyTwoBitSourcesDrawNothing)
{
    CFrame deep;
    deep.Create(8, 1, 32);
    FillWithCounting(deep);
    for (bool fourLane : {false, true})
    {
        AmountTypes types(fourLane);
        CBlitConvert555 convert(fourLane);
        for (CBlitType* type : std::vector<CBlitType*>{&types.brighten565, &types.darken565, &convert,
                                                       &types.brighten555, &types.darken555})
        {
            CFrame destination;
            MakeFilled(destination, 8, 1, 0x1234);
            destination.BlitAt(&deep, 0, 0, type);
            for (int32_t x = 0; x < 8; x++)
                EXPECT_EQ(ReadPixel(destination, x, 0), 0x1234u);
        }
    }
}

TEST_F(ScreenBlitTypes, OpacityOnlyPointsTheSharedOpacityRow)
{
    CBlitBrighten565 brighten(false);
    brighten.SetAmount(255);
    brighten.SetOpacity(0.5f);
    PointOpacityRowAt(255);
    EXPECT_EQ(DrawOne(brighten, 0x0000), 0xFFFFu);
    EXPECT_EQ(CurrentOpacityRow, ScaledAlphaTable[brighten.GetOpacityByte()]);
}

TEST_F(ScreenBlitTypes, EachTypeIsOneObject)
{
    EXPECT_EQ(&GetBlitBrighten565(), &GetBlitBrighten565());
    EXPECT_EQ(&GetBlitDarken565(), &GetBlitDarken565());
    EXPECT_EQ(&GetBlitConvert555(), &GetBlitConvert555());
    EXPECT_EQ(&GetBlitBrighten555(), &GetBlitBrighten555());
    EXPECT_EQ(&GetBlitDarken555(), &GetBlitDarken555());
    EXPECT_EQ(GetBlitDarken555().GetAmount(), 0);
}

} // namespace
