#include <gtest/gtest.h>

#include <vector>

#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/image_steps.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_encoder.h"
#include "tests/support/frame_pixels.h"

namespace {

std::vector<int32_t> TypesOf(const CImageFilterChain& chain)
{
    std::vector<int32_t> types;
    for (const CImageFilterChain* step = chain.GetNext(); step; step = step->GetNext())
        types.push_back(step->GetType());
    return types;
}

uint32_t Bgra(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
{
    return uint32_t{blue} | uint32_t{green} << 8 | uint32_t{red} << 16 | uint32_t{alpha} << 24;
}

class ImageFilterChainTest : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

TEST_F(ImageFilterChainTest, StepsRunInTypeOrderWhateverTheOrderAdded)
{
    CImageFilterChain chain;
    EXPECT_TRUE(chain.AddStep(8));
    EXPECT_TRUE(chain.AddStep(3));
    EXPECT_TRUE(chain.AddStep(6));
    EXPECT_EQ(TypesOf(chain), (std::vector<int32_t>{3, 6, 8}));
}

TEST_F(ImageFilterChainTest, RefusesDuplicatesUnknownIdsAndClosedChains)
{
    CImageFilterChain chain;
    EXPECT_TRUE(chain.AddStep(3));
    EXPECT_FALSE(chain.AddStep(3));
    EXPECT_FALSE(chain.AddStep(1));
    EXPECT_FALSE(chain.AddStep(13));
    EXPECT_TRUE(chain.AddStep(12));
    EXPECT_FALSE(chain.AddStep(11));
    ASSERT_TRUE(chain.HasStep(11));
    EXPECT_TRUE(static_cast<CBitDepthFilter*>(chain.FindStep(11))->m_Dither);
    EXPECT_EQ(chain.FindStep(12), nullptr);

    chain.SetClosed(true);
    EXPECT_FALSE(chain.AddStep(6));
    EXPECT_FALSE(chain.RemoveStep(3));
    chain.SetClosed(false);
    EXPECT_TRUE(chain.RemoveStep(3));
    EXPECT_FALSE(chain.RemoveStep(3));

    CImageStepTrim* refused = new CImageStepTrim;
    EXPECT_TRUE(chain.InsertStep(refused));
    CImageStepTrim second;
    EXPECT_FALSE(chain.InsertStep(&second));
}

TEST_F(ImageFilterChainTest, RunLengthModeAndBlackStepFollowTheTargetDepth)
{
    CImageFilterChain display;
    display.AddStep(4);
    display.AddStep(8);
    EXPECT_EQ(TypesOf(display), (std::vector<int32_t>{4, 7, 8}));
    EXPECT_EQ(static_cast<CImageStepRunLength*>(display.FindStep(8))->m_Mode, CImageStepRunLength::ALPHA);

    CImageFilterChain palette;
    palette.SetDepthOverride(8);
    palette.AddStep(4);
    palette.AddStep(8);
    EXPECT_EQ(TypesOf(palette), (std::vector<int32_t>{4, 8}));
    EXPECT_EQ(static_cast<CImageStepRunLength*>(palette.FindStep(8))->m_Mode, CImageStepRunLength::FIVE_LAYERS);
    EXPECT_EQ(palette.GetTargetDepth(), 8);

    CImageFilterChain forced;
    forced.SetDepthOverride(8);
    EXPECT_TRUE(forced.AddStep(9));
    EXPECT_FALSE(forced.HasStep(9));
    EXPECT_EQ(static_cast<CImageStepRunLength*>(forced.FindStep(8))->m_Mode, CImageStepRunLength::ALPHA);
    EXPECT_TRUE(forced.RemoveStep(8));
}

TEST_F(ImageFilterChainTest, CopyStepsIntoSkipsTypesAlreadyThereAndKeepsParameters)
{
    CImageFilterChain from, into;
    from.AddStep(3);
    static_cast<CImageStepAlphaThreshold*>(from.FindStep(3))->m_Threshold = 77;
    from.AddStep(6);
    into.AddStep(6);
    from.CopyStepsInto(into);
    EXPECT_EQ(TypesOf(into), (std::vector<int32_t>{3, 6}));
    EXPECT_EQ(static_cast<CImageStepAlphaThreshold*>(into.FindStep(3))->m_Threshold, 77);
}

TEST_F(ImageFilterChainTest, ApplyRunsEveryStepAndAnswersTheirAnd)
{
    CFrame frame;
    frame.Create(2, 1, 16);
    CImageFilterChain chain;
    chain.AddStep(2);
    chain.AddStep(3);  // not 32-bit: refuses
    EXPECT_FALSE(chain.Apply(frame));
    EXPECT_EQ(frame.GetUpperLeftXOffset(), -1);
}

TEST_F(ImageFilterChainTest, AlphaThresholdAndUnpremultiplyWorkPerPixel)
{
    CFrame frame;
    frame.Create(3, 1, 32);
    WritePixel(frame, 0, 0, Bgra(10, 10, 10, 4));
    WritePixel(frame, 1, 0, Bgra(100, 50, 25, 128));
    WritePixel(frame, 2, 0, Bgra(200, 100, 50, 128));
    CImageFilterChain chain;
    chain.AddStep(3);
    chain.AddStep(7);
    EXPECT_TRUE(chain.Apply(frame));
    EXPECT_EQ(ReadPixel(frame, 0, 0), Bgra(10, 10, 10, 0));
    EXPECT_EQ(ReadPixel(frame, 1, 0), Bgra(199, 100, 50, 128));
    EXPECT_EQ(ReadPixel(frame, 2, 0), Bgra(255, 127, 64, 128));
}

TEST_F(ImageFilterChainTest, CentringThenTrimmingKeepsTheHotSpot)
{
    CFrame frame;
    frame.Create(100, 60, 32);
    WritePixel(frame, 10, 5, Bgra(1, 2, 3, 255));
    WritePixel(frame, 20, 9, Bgra(1, 2, 3, 255));
    CImageFilterChain chain;
    chain.AddStep(6);
    chain.AddStep(2);
    EXPECT_TRUE(chain.Apply(frame));
    EXPECT_EQ(frame.GetUpperLeftXOffset(), -40);
    EXPECT_EQ(frame.GetUpperLeftYOffset(), -25);
    EXPECT_EQ(frame.GetWidth(), 11);
    EXPECT_EQ(frame.GetHeight(), 5);
}

TEST_F(ImageFilterChainTest, TrimmingAnInvisibleImageLeavesNoPixels)
{
    CFrame frame;
    frame.Create(4, 4, 32);
    CImageFilterChain chain;
    chain.AddStep(6);
    EXPECT_TRUE(chain.Apply(frame));
    EXPECT_EQ(frame.GetPixels(), nullptr);
}

TEST_F(ImageFilterChainTest, BlackBecomesAlphaAboveEightBits)
{
    CFrame frame;
    frame.Create(2, 1, 24);
    WritePixel(frame, 0, 0, 0x204080);
    CImageFilterChain chain;
    chain.AddStep(4);
    EXPECT_TRUE(chain.Apply(frame));
    ASSERT_EQ(frame.GetBitsPerPixel(), 32);
    // Alpha = the brightest channel, then un-premultiplied back.
    EXPECT_EQ(ReadPixel(frame, 0, 0) >> 24, 0x80u);
    EXPECT_EQ(ReadPixel(frame, 0, 0) & 0xFFFFFF, Bgra(64, 127, 255, 0));
    EXPECT_EQ(ReadPixel(frame, 1, 0), 0u);
}

} // namespace
