#include <gtest/gtest.h>

#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/ui/button.h"
#include "engine/ui/check_box.h"
#include "engine/ui/static_text.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/window_test_tree.h"

// Labels, separators, fades and the check box's look. The harness font is
// 15 high with every character 8 wide; the shared bevel is set to 2 units
// (6 pixels) first, as a dialog does.

namespace {
constexpr int32_t BEVEL = 6;
constexpr int32_t SCAN_ALT = 56;

class Labels : public testing::Test
{
protected:
    Labels()
    {
        m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 400, 300});
        m_pPanel->SetBevelUnits(2);
    }

    CJStaticText* AddLabel(const char* text)
    {
        CJStaticText* label = new CJStaticText(m_pPanel, text);
        m_pPanel->AddChild(label);
        return label;
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
};
} // namespace

TEST_F(Labels, ASingleLineGrowsWithLongerTextsAndNeverShrinks)
{
    CJStaticText* label = AddLabel("Hi");
    EXPECT_EQ(label->GetWidth(), 16 + 2 * BEVEL);
    EXPECT_EQ(label->GetHeight(), 15 + 2 * BEVEL + 2);
    label->SetText(CString("Longer"));
    EXPECT_EQ(label->GetWidth(), 48 + 2 * BEVEL);
    label->SetText(CString("Hi"));
    EXPECT_EQ(label->GetWidth(), 48 + 2 * BEVEL);
    EXPECT_EQ(AddLabel("")->GetWidth(), 24 + 2 * BEVEL);
}

TEST_F(Labels, TwoLinesMakeAMultiLineLabelAsWideAsTheLongerSecondLine)
{
    CJStaticText* label = AddLabel("Ab\nLonger");
    EXPECT_TRUE(label->IsMultiLine());
    EXPECT_EQ(label->GetWidth(), 48 + 2 * BEVEL + 2);
    // Two lines of 15 with a gap of two units each, the bevels and 2.
    EXPECT_EQ(label->GetHeight(), 2 * (15 + 6) + 2 * BEVEL + 2);
}

TEST_F(Labels, WordWrapSizesTheLabelToTheWrappedTextAndAMaximumHeightCutsIt)
{
    CJStaticText* label = AddLabel("one two three four");
    label->SetWrap(2 * BEVEL + 2 + 80, -1);
    // "one two" and "three" and "four" fit 80 pixels of 8-pixel characters.
    EXPECT_EQ(label->GetWidth(), 56 + 2 * BEVEL + 2);
    EXPECT_GT(label->GetHeight(), 3 * 15);
    label->SetWrap(2 * BEVEL + 2 + 80, 30);
    EXPECT_EQ(label->GetHeight(), 30);
}

TEST_F(Labels, ACutOffTextShowsItselfAsATooltipOverTheText)
{
    CJStaticText* label = AddLabel("A text cut off");
    label->MoveTo(50, 40);
    label->SetSize(40, label->GetHeight());
    m_Tree.MoveMouse(60, 45);
    EXPECT_EQ(m_Tree.Root().GetTooltipText().Compare("A text cut off"), 0);
    EXPECT_EQ(m_Tree.Root().GetTooltipBox().left, 50 + BEVEL);
    EXPECT_EQ(m_Tree.Root().GetTooltipBox().top, 40 + BEVEL + 1);

    // A label that fits, with no tooltip text, asks for none.
    CJStaticText* fits = AddLabel("Fits");
    fits->MoveTo(50, 100);
    m_Tree.MoveMouse(55, 105);
    EXPECT_TRUE(m_Tree.Root().GetTooltipText().IsEmpty());
    fits->SetTooltip(CString("More"), 1, 0);
    m_Tree.MoveMouse(56, 105);
    EXPECT_EQ(m_Tree.Root().GetTooltipText().Compare("More"), 0);
}

TEST_F(Labels, ALabelsHotkeyActivatesTheTabStopBehindIt)
{
    CJStaticText* label = AddLabel("&Name");
    CJButton* button = new CJButton(m_pPanel, "Set");
    m_pPanel->AddChild(button);
    ASSERT_EQ(label->GetNextSibling(), button);
    // A button wants its own letter.
    EXPECT_FALSE(label->WantsAutoHotkey());
    m_Tree.HoldKey(SCAN_ALT);
    m_Tree.Type('n');
    m_Tree.ReleaseKey(SCAN_ALT);
    EXPECT_TRUE(button->TakeClicked());
}

TEST_F(Labels, ALabelWantsAnAutomaticHotkeyForATabStopThatWantsNone)
{
    CJStaticText* label = AddLabel("Field");
    CProbeWindow* field = m_Tree.AddProbe(m_pPanel, "field", {0, 50, 40, 70});
    field->SetTabStop(true);
    EXPECT_TRUE(label->WantsAutoHotkey());
    field->SetTabStop(false);
    EXPECT_FALSE(label->WantsAutoHotkey());
}

TEST(Separator, AOnePixelLineSpansItsParentInTheFocusOutlineColour)
{
    CWindowTestTree tree(64, 16);
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 40, 10});
    // No margin: the panel does not grow around the line it holds.
    panel->SetMargin(0);
    CJSeparator* line = new CJSeparator(panel, 0, 1);
    panel->AddChild(line, 0);
    line->SetY(4);
    EXPECT_EQ(line->GetRect().left, 1);
    EXPECT_EQ(line->GetWidth(), 38);
    tree.DrawTree();
    uint32_t outline = Pack565(96, 86, 79);
    EXPECT_EQ(ReadPixel(tree.Frame(), 0, 4), 0u);
    for (int32_t x = 1; x <= 38; ++x)
        EXPECT_EQ(ReadPixel(tree.Frame(), x, 4), outline) << x;
    EXPECT_EQ(ReadPixel(tree.Frame(), 39, 4), 0u);
}

TEST(CheckBox, SizeFollowsTheCaptionAndTheCrossIsInTheBackgroundColour)
{
    CWindowTestTree tree(64, 32);
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 64, 32});
    CJCheckBox* box = new CJCheckBox(panel, "Go");
    panel->AddChild(box);
    const int32_t boxSize = 15 + 2;
    EXPECT_EQ(box->GetWidth(), boxSize + 16 + 1);
    EXPECT_EQ(box->GetHeight(), boxSize);
    box->SetText(CString(""));
    EXPECT_EQ(box->GetWidth(), boxSize + 24 + 1);

    box->SetChecked(1);
    tree.DrawTree();
    uint32_t background = Pack565(186, 186, 186);
    for (int32_t i = 1; i <= boxSize - 2; ++i)
    {
        EXPECT_EQ(ReadPixel(tree.Frame(), i, i), background) << i;
        EXPECT_EQ(ReadPixel(tree.Frame(), boxSize - 1 - i, i), background) << i;
    }
    EXPECT_NE(ReadPixel(tree.Frame(), 8, 4), background);
}

TEST(Fades, AFadeOutOfATenthClosesItsWindowAfterSixSixtiethSteps)
{
    CWindowTestTree tree;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "w", {0, 0, 50, 50});
    window->AddChild(new CJFadeOut(0.1f));
    for (int32_t step = 1; step <= 5; ++step)
        tree.UpdateTree();
    EXPECT_EQ(std::count(tree.Log().begin(), tree.Log().end(), "w.~"), 0);
    EXPECT_GT(window->GetOpacity(), 0.0f);
    tree.UpdateTree();
    EXPECT_EQ(std::count(tree.Log().begin(), tree.Log().end(), "w.~"), 1);
}

TEST(Fades, AFadeInReachesExactlyOneAndClosesItself)
{
    CWindowTestTree tree;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "w", {0, 0, 50, 50});
    window->SetOpacity(0.0f);
    window->AddChild(new CJFadeIn(0.1f));
    for (int32_t step = 0; step < 8; ++step)
        tree.UpdateTree();
    EXPECT_EQ(window->GetOpacity(), 1.0f);
    EXPECT_FALSE(window->HasChildren());
}

TEST(Fades, AFadeWithoutDurationTakesItsFinalOpacityAtOnce)
{
    CWindowTestTree tree;
    CProbeWindow* in = tree.AddProbe(&tree.Root(), "in", {0, 0, 50, 50});
    in->SetOpacity(0.25f);
    in->AddChild(new CJFadeIn(0.0f));
    CProbeWindow* out = tree.AddProbe(&tree.Root(), "out", {0, 0, 50, 50});
    out->AddChild(new CJFadeOut(-1.0f));
    tree.UpdateTree();
    EXPECT_EQ(in->GetOpacity(), 1.0f);
    EXPECT_FALSE(in->HasChildren());
    EXPECT_EQ(std::count(tree.Log().begin(), tree.Log().end(), "out.~"), 1);
}
