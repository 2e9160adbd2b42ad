#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/blit_type.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"

namespace {

void First(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*)
{
}
void Second(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*)
{
}
void Third(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*)
{
}

class CTestBlit : public CBlitType
{
};

class BlitTypes : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }

    static void MakeFrame(CFrame& frame, int32_t bits, uint32_t encoding)
    {
        frame.Create(2, 2, bits);
        frame.SetFormatWord(frame.GetFormat() | encoding);
    }
};

} // namespace

TEST_F(BlitTypes, LookupFindsTheEntryOfThePairAndCachesIt)
{
    CTestBlit blit;
    blit.AddEntry(16, 0, 16, 0, First);
    blit.AddEntry(16, 4, 16, 0, Second);
    CFrame plain16, alpha16, plain32;
    MakeFrame(plain16, 16, 0);
    MakeFrame(alpha16, 16, FRAME_ENCODING_RLE_ALPHA);
    MakeFrame(plain32, 32, 0);

    EXPECT_EQ(blit.Lookup(&plain16, &plain16), &First);
    EXPECT_EQ(blit.Lookup(&plain16, &plain16), &First);
    EXPECT_EQ(blit.Lookup(&alpha16, &plain16), &Second);
    EXPECT_EQ(blit.Lookup(&plain32, &plain16), nullptr);
    EXPECT_EQ(blit.Lookup(&plain32, &plain16), nullptr);
    // Bits outside the depth and encoding do not make another pair.
    plain32.SetFormatWord(plain32.GetFormat() | FRAME_BORROWED_PIXELS | 0x11);
    EXPECT_EQ(blit.Lookup(&plain16, &plain16), &First);
    EXPECT_EQ(blit.Lookup(&plain32, &plain16), nullptr);
    plain32.SetFormatWord(FRAME_DEPTH_32);
    alpha16.SetFormatWord(FRAME_DEPTH_16);

    // A pair entered after a miss is found.
    blit.AddEntry(32, 0, 16, 0, Third);
    EXPECT_EQ(blit.Lookup(&plain32, &plain16), &Third);
}

TEST_F(BlitTypes, AddingAKeyAgainReplacesItsRoutineInPlace)
{
    CTestBlit blit;
    blit.AddEntry(8, 0, 16, 0, First);
    blit.AddEntry(16, 0, 16, 0, First);
    blit.AddEntry(8, 0, 16, 0, Second);
    EXPECT_EQ(blit.GetEntryCount(), 2u);
    CFrame frame8, frame16;
    frame8.Create(1, 1, 8);
    frame16.Create(1, 1, 16);
    EXPECT_EQ(blit.Lookup(&frame8, &frame16), &Second);
}

TEST_F(BlitTypes, OpacityGivesByteAndLevelAndIsHeldInRange)
{
    const struct
    {
        float opacity;
        float stored;
        int32_t byte;
        int32_t level;
    } cases[] = {
        {1.0f, 1.0f, 255, 0},
        {0.5f, 0.5f, 128, 2},
        {0.0f, 0.0f, 0, 5},
        {0.999f, 0.999f, 255, 0},
        {1.5f, 1.0f, 255, 0},
        {-0.2f, 0.0f, 0, 5},
        {std::numeric_limits<float>::quiet_NaN(), 1.0f, 255, 0},
        {std::numeric_limits<float>::infinity(), 1.0f, 255, 0},
        {-std::numeric_limits<float>::infinity(), 0.0f, 0, 5},
    };
    for (const auto& c : cases)
    {
        CTestBlit blit;
        blit.SetOpacity(c.opacity);
        EXPECT_EQ(blit.GetOpacity(), c.stored) << c.opacity;
        EXPECT_EQ(blit.GetOpacityByte(), c.byte) << c.opacity;
        EXPECT_EQ(blit.GetTranslucencyLevel(), c.level) << c.opacity;

        // Through four stream bytes, as demo files carry it.
        CMemoryStream stream;
        stream.Write(&c.opacity, 4);
        stream.Seek(0);
        CTestBlit read;
        read.ReadOpacity(stream);
        EXPECT_EQ(read.GetOpacityByte(), c.byte) << c.opacity;
    }
    CTestBlit blit;
    blit.SetOpacity(0.25f);
    CMemoryStream stream;
    blit.WriteOpacity(stream);
    EXPECT_EQ(stream.GetSize(), 4u);
    stream.Seek(0);
    CTestBlit read;
    read.ReadOpacity(stream);
    EXPECT_EQ(read.GetOpacity(), 0.25f);
    EXPECT_EQ(read.GetOpacityByte(), 64);
    EXPECT_EQ(read.GetTranslucencyLevel(), 4);
}

TEST_F(BlitTypes, TheRegistryNamesSevenTypesInItsFixedOrder)
{
    CBlitTypeRegistry& registry = GetBlitTypeRegistry();
    EXPECT_EQ(&registry, &GetBlitTypeRegistry());
    const char* names[] = {"Normal",         "Transparent Mask", "Blend Black Bias",   "Blend Test Light",
                           "Blit As Shadow", "Normal Scale",     "Blend Amplify Light"};
    ASSERT_EQ(registry.GetCount(), 7u);
    for (uint32_t i = 0; i < 7; i++)
    {
        EXPECT_STREQ(registry.GetName(i), names[i]);
        EXPECT_EQ(registry.GetBlitType(static_cast<int32_t>(i)), registry.GetEntry(i).value);
    }
    EXPECT_EQ(registry.GetBlitType(0), &GetBlitNormal());
    EXPECT_EQ(registry.FindValue(&GetBlitNormal()), 0);
    EXPECT_EQ(registry.Find("blit as shadow", 0), 4);
    EXPECT_EQ(registry.GetBlitType(-1), &GetBlitNormal());
    EXPECT_EQ(registry.GetBlitType(99), &GetBlitNormal());
    EXPECT_EQ(registry.GetBlitType(5)->GetKind(), CBlitType::SCALES);
    EXPECT_EQ(registry.GetBlitType(1), &GetBlitTransparentMask());
    EXPECT_EQ(registry.GetBlitType(2)->GetEntryCount(), 9u);
}
