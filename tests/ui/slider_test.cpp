#include <gtest/gtest.h>

#include <algorithm>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/slider.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/frame_pixels.h"
#include "engine/graphics/frame.h"
#include "tests/support/grey_palette.h"
#include "tests/support/window_test_tree.h"

// Sliders through the harness. The harness font's line is 15 high, so the
// thumb is 16 wide and a slider 116 wide has 100 usable pixels.

namespace {
constexpr int32_t LEFT = 10;

class Sliders : public testing::Test
{
protected:
    Sliders() { m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 400, 100}); }

    CJSlider* AddSlider(uint32_t count, int32_t step, int32_t width = 116)
    {
        CJSlider* slider = new CJSlider(m_pPanel, count, step);
        m_pPanel->AddChild(slider);
        slider->SetRectXYWH(LEFT, 10, width, slider->GetHeight());
        m_pPanel->BringToFront(slider);
        m_Tree.ClearLog();
        return slider;
    }

    int64_t Changes() { return std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "panel.OnCommand(?,1)"); }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
};
} // namespace

TEST_F(Sliders, AStepOfZeroIsATwentiethOfTheCountAndTheSizeFollowsTheText)
{
    const struct
    {
        uint32_t count;
        int32_t step;
        int32_t expected;
    } cases[] = {{100, 0, 5}, {5, 0, 1}, {0, 0, 1}, {100, 7, 7}, {4000000000u, 0, 200000000}};
    for (const auto& test : cases)
        EXPECT_EQ(AddSlider(test.count, test.step)->GetStep(), test.expected) << test.count;

    CJSlider* fresh = new CJSlider(m_pPanel, 10, 0);
    // "~CJSlider" is 9 characters of 8; one dialog unit is 3 pixels.
    EXPECT_EQ(fresh->GetWidth(), 72 + 12 + 2);
    EXPECT_EQ(fresh->GetHeight(), 15 + 12 + 2);
    m_pPanel->AddChild(fresh);
}

TEST_F(Sliders, TheThumbRoundsToTheNearestPixelOfItsPosition)
{
    const struct
    {
        uint32_t count;
        int32_t value;
        int32_t expected;
    } cases[] = {{11, 3, 30}, {3, 1, 50}, {7, 6, 100}, {7, 1, 17}, {1, 0, 0}, {0, 0, 0}};
    for (const auto& test : cases)
    {
        CJSlider* slider = AddSlider(test.count, 0);
        slider->SetValue(test.value, true);
        EXPECT_EQ(slider->GetThumbX(), test.expected) << test.count << " " << test.value;
    }
}

TEST_F(Sliders, APressJumpsTheThumbUnderThePointerAndTheDragFollows)
{
    CJSlider* slider = AddSlider(11, 0);
    // The thumb's middle goes under the pointer: 8 pixels right of its left.
    m_Tree.Press(0, LEFT + 8 + 30, 15);
    EXPECT_EQ(slider->GetValue(), 3);
    m_Tree.MoveMouse(LEFT + 8 + 52, 15);
    EXPECT_EQ(slider->GetValue(), 5);
    m_Tree.MoveMouse(LEFT + 8 + 54, 15);
    EXPECT_EQ(slider->GetValue(), 5);
    m_Tree.MoveMouse(LEFT - 50, 15);
    EXPECT_EQ(slider->GetValue(), 0);
    m_Tree.MoveMouse(LEFT + 500, 15);
    EXPECT_EQ(slider->GetValue(), 10);
    m_Tree.Release(0, LEFT + 500, 15);
    EXPECT_EQ(Changes(), 4);
}

TEST_F(Sliders, KeysAndTheWheelMoveByTheStepWithinTheCount)
{
    CJSlider* slider = AddSlider(20, 5);
    slider->SetValue(3, true);
    m_Tree.Type(KEY_LEFT);
    EXPECT_EQ(slider->GetValue(), 0);
    slider->SetValue(17, true);
    m_Tree.Type(KEY_RIGHT);
    EXPECT_EQ(slider->GetValue(), 19);
    m_Tree.Type(KEY_HOME);
    EXPECT_EQ(slider->GetValue(), 0);
    m_Tree.Type(KEY_END);
    EXPECT_EQ(slider->GetValue(), 19);
    slider->SetValue(10, true);
    m_Tree.MoveMouse(LEFT + 20, 15);
    m_Tree.Wheel(1);
    EXPECT_EQ(slider->GetValue(), 15);
    m_Tree.Wheel(-1);
    EXPECT_EQ(slider->GetValue(), 10);
    EXPECT_EQ(Changes(), 6);
}

TEST_F(Sliders, ASliderAsNarrowAsItsThumbOrWithoutPositionsTakesZeroFromThePointer)
{
    for (uint32_t count : {0u, 1u, 10u})
    {
        CJSlider* slider = AddSlider(count, 0, 16);
        slider->SetValue(4, true);
        m_Tree.Press(0, LEFT + 10, 15);
        m_Tree.Release(0, LEFT + 10, 15);
        EXPECT_EQ(slider->GetValue(), 0) << count;
        m_Tree.DrawTree();
        slider->Destroy();
    }
}

TEST_F(Sliders, GreyedDrawingPutsTheBlitTypesAndTheBevelShadesBack)
{
    CJSlider* slider = AddSlider(10, 0);
    slider->SetGreyed(true);
    float mask = GetBlitTransparentMask().GetOpacity();
    float bias = GetBlitBlendBlackBias().GetOpacity();
    m_Tree.DrawTree();
    EXPECT_EQ(GetBlitTransparentMask().GetOpacity(), mask);
    EXPECT_EQ(GetBlitBlendBlackBias().GetOpacity(), bias);
    const CBevelShades& shades = GetToolkitState().m_BevelShades;
    ASSERT_TRUE(shades.m_Filled);
    EXPECT_EQ(shades.m_Colours[BEVEL_SHADE_DARKEST].m_Alpha, 160);
    EXPECT_EQ(shades.m_Colours[BEVEL_SHADE_DARK].m_Alpha, 128);
    EXPECT_EQ(shades.m_Colours[BEVEL_SHADE_LIGHT].m_Alpha, 24);
    EXPECT_EQ(shades.m_Colours[BEVEL_SHADE_LIGHTEST].m_Alpha, 48);

    // The centre line's light row is fainter while greyed.
    uint32_t greyed = ReadPixel(m_Tree.Frame(), LEFT + 50, 10 + slider->GetHeight() / 2 + 1);
    slider->SetGreyed(false);
    m_Tree.Frame().Clear();
    m_Tree.DrawTree();
    uint32_t enabled = ReadPixel(m_Tree.Frame(), LEFT + 50, 10 + slider->GetHeight() / 2 + 1);
    EXPECT_NE(greyed, enabled);
}

TEST_F(Sliders, OnAnEightBitFrameTheCentreLineRemapsThroughThePalette)
{
    CJSlider* slider = AddSlider(10, 0);
    ScopedGreyPalette grey;
    CColorTable darkest;
    darkest.BuildLightnessRemap(GetCurrentPalette(), 40, 0, 256, 0, 256, 0);
    CColorTable lightest;
    lightest.BuildLightnessRemap(GetCurrentPalette(), 245, 0, 256, 0, 256, 0);
    CFrame frame;
    frame.Create(slider->GetWidth(), slider->GetHeight(), 8);
    frame.FillBytes(100);
    slider->Draw(frame);
    // Right of the thumb, clear of the groove's bevel: dark over light.
    int32_t x = slider->GetWidth() / 2;
    int32_t middle = slider->GetHeight() / 2;
    ASSERT_NE(darkest.GetData()[100], lightest.GetData()[100]);
    EXPECT_EQ(ReadPixel(frame, x, middle), darkest.GetData()[100]);
    EXPECT_EQ(ReadPixel(frame, x, middle + 1), lightest.GetData()[100]);
}
