#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/ui/scroll_bar.h"
#include "engine/graphics/frame.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/grey_palette.h"
#include "tests/support/window_test_tree.h"

// Scroll bars through the harness: presses, repeats on the manual clock,
// drags and the wheel; then the bars a window makes for itself when its
// content outgrows it.

namespace {

class ScrollBars : public testing::Test
{
protected:
    ScrollBars()
    {
        m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 400, 500});
        m_pBar = new CJScrollBar(m_pPanel, CJScrollBar::VERTICAL);
        m_pPanel->AddChild(m_pBar, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, CJWindow::PLACE_NO_GROWTH);
        m_Tree.ClearLog();
    }

    int64_t Changes() { return std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "panel.OnCommand(?,1)"); }
    void Click(int32_t x, int32_t y)
    {
        m_Tree.Press(0, x, y);
        m_Tree.Release(0, x, y);
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
    CJScrollBar* m_pBar;
};

} // namespace

TEST_F(ScrollBars, AVerticalBarLaysOutItsTrackAndAProportionalThumb)
{
    EXPECT_EQ(RectText(m_pBar->GetRect()), "(0,0,15,415)");
    EXPECT_EQ(RectText(m_pBar->GetTrackRect()), "(0,15,15,400)");
    EXPECT_EQ(RectText(m_pBar->GetBackArrowRect()), "(0,0,15,15)");
    EXPECT_EQ(RectText(m_pBar->GetForwardArrowRect()), "(0,400,15,415)");
    EXPECT_EQ(RectText(m_pBar->GetThumbRect()), "(0,15,15,122)");
    m_pBar->SetValue(100.0f, true);
    EXPECT_EQ(RectText(m_pBar->GetThumbRect()), "(0,42,15,149)");
    EXPECT_EQ(Changes(), 0);
    // A huge range keeps the thumb at its shortest.
    m_pBar->SetRange(0.0f, 1.0e9f);
    EXPECT_EQ(m_pBar->GetThumbRect().bottom - m_pBar->GetThumbRect().top, 4);
}

TEST_F(ScrollBars, ArrowsTrackAndWheelStepTheValueAndReportEachChange)
{
    m_pBar->SetValue(500.0f, true);
    const struct
    {
        const char* what;
        int32_t x;
        int32_t y;
        int32_t wheel;
        float expected;
    } steps[] = {
        {"back arrow", 7, 7, 0, 499.0f},    {"forward arrow", 7, 407, 0, 500.0f}, {"track before", 7, 20, 0, 490.0f},
        {"track after", 7, 395, 0, 500.0f}, {"wheel up", 7, 200, 1, 488.0f},      {"wheel down", 7, 200, -1, 500.0f},
    };
    int64_t changes = 0;
    for (const auto& step : steps)
    {
        if (step.wheel != 0)
        {
            m_Tree.MoveMouse(step.x, step.y);
            m_Tree.Wheel(step.wheel);
        }
        else
            Click(step.x, step.y);
        EXPECT_EQ(m_pBar->GetValue(), step.expected) << step.what;
        EXPECT_EQ(Changes(), ++changes) << step.what;
    }
    // At the end of the range nothing changes and nothing is reported.
    m_pBar->SetValue(1000.0f, true);
    Click(7, 407);
    EXPECT_EQ(m_pBar->GetValue(), 1000.0f);
    EXPECT_EQ(Changes(), changes);
}

TEST_F(ScrollBars, HoldingTheTrackPagesUntilTheThumbIsUnderThePointer)
{
    m_Tree.FeedMove(7, 300);
    m_Tree.FeedButton(0, true);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(m_pBar->GetValue(), 10.0f);
    for (int32_t tick = 0; tick < 200; ++tick)
    {
        m_Tree.AdvanceClock(50);
        m_Tree.RunRootUpdate();
    }
    // The thumb stops over the pointer.
    EXPECT_LE(m_pBar->GetThumbRect().top, 300);
    EXPECT_GT(m_pBar->GetThumbRect().bottom, 300);
    EXPECT_EQ(m_pBar->GetPressedPart(), CJScrollBar::PART_THUMB);
    float stopped = m_pBar->GetValue();
    EXPECT_LT(stopped, 1000.0f);
    m_Tree.FeedButton(0, false);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(m_pBar->GetPressedPart(), CJScrollBar::PART_NONE);
}

TEST_F(ScrollBars, DraggingTheThumbMovesTheValueByPixelsPerUnit)
{
    float perUnit = m_pBar->GetPixelsPerUnit();
    ASSERT_GT(perUnit, 0.0f);
    m_Tree.Press(0, 7, 30);
    EXPECT_EQ(m_pBar->GetValue(), 0.0f);
    m_Tree.MoveMouse(7, 40);
    EXPECT_FLOAT_EQ(m_pBar->GetValue(), 10.0f / perUnit);
    m_Tree.MoveMouse(7, 10);
    EXPECT_EQ(m_pBar->GetValue(), 0.0f);
    m_Tree.Release(0, 7, 10);
    EXPECT_EQ(Changes(), 2);
}

TEST_F(ScrollBars, EmptyAndReversedRangesCoverTheTrackAndDragNowhere)
{
    for (float maximum : {0.0f, -5.0f})
    {
        m_pBar->SetRange(0.0f, maximum);
        EXPECT_EQ(RectText(m_pBar->GetThumbRect()), RectText(m_pBar->GetTrackRect())) << maximum;
        EXPECT_EQ(m_pBar->GetPixelsPerUnit(), 0.0f);
        m_Tree.DrawTree();
        m_Tree.Press(0, 7, 200);
        m_Tree.MoveMouse(7, 260);
        m_Tree.Release(0, 7, 260);
        m_Tree.MoveMouse(7, 200);
        m_Tree.Wheel(-1);
        EXPECT_EQ(m_pBar->GetValue(), 0.0f) << maximum;
    }
    // A bar on no room at all: the track is empty.
    m_pBar->SetRange(0.0f, 100.0f);
    m_pBar->SetSize(15, 20);
    EXPECT_EQ(m_pBar->GetPixelsPerUnit(), 0.0f);
    m_Tree.DrawTree();
    EXPECT_EQ(Changes(), 0);
}

TEST_F(ScrollBars, SyncingFromAWindowThatFitsGivesAnEmptyRangeAndScrollsAShrunkWindowBack)
{
    CProbeWindow* target = m_Tree.AddProbe(&m_Tree.Root(), "target", {500, 0, 700, 100});
    target->SetContentSize(200, 300);
    target->SetScrollY(150);
    m_pBar->SyncFromTarget(target);
    EXPECT_EQ(m_pBar->GetMaximum(), 200.0f);
    EXPECT_EQ(m_pBar->GetValue(), 150.0f);
    EXPECT_EQ(m_pBar->GetPage(), 100.0f);
    EXPECT_EQ(m_pBar->GetSmallStep(), 10.0f);

    // Taller: the content's end would show empty space below it.
    target->SetSize(200, 250);
    m_pBar->SyncFromTarget(target);
    EXPECT_EQ(target->FindScrollState()->m_ScrollY, 50);
    EXPECT_EQ(m_pBar->GetValue(), 50.0f);

    target->SetSize(200, 400);
    m_pBar->SyncFromTarget(target);
    EXPECT_EQ(m_pBar->GetMinimum(), 0.0f);
    EXPECT_EQ(m_pBar->GetMaximum(), 0.0f);
    EXPECT_EQ(m_pBar->GetValue(), 0.0f);
    EXPECT_EQ(target->FindScrollState()->m_ScrollY, 0);
    EXPECT_EQ(Changes(), 1);
}

TEST_F(ScrollBars, AValueChangeMovesTheTarget)
{
    CProbeWindow* target = m_Tree.AddProbe(&m_Tree.Root(), "target", {500, 0, 700, 100});
    target->SetContentSize(200, 1100);
    m_pBar->SetTarget(target);
    Click(7, 407);
    EXPECT_EQ(target->FindScrollState()->m_ScrollY, 1);
    m_pBar->SetValue(40.5f, false);
    EXPECT_EQ(target->FindScrollState()->m_ScrollY, 40);
}

TEST(AutomaticScrollBars, ContentOutgrowingAWindowBringsBarsAndShrinkingTakesThemAway)
{
    CWindowTestTree tree;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "window", {0, 0, 200, 100});
    CProbeWindow* child = tree.AddProbe(window, "child", {10, 10, 30, 30});
    window->EnableScrollBars(true);
    window->SetContentSize(200, 100);
    EXPECT_EQ(window->FindScrollState()->m_pVerticalBar, nullptr);

    window->SetContentSize(150, 300);
    const CWindowScrollState* scroll = window->FindScrollState();
    ASSERT_NE(scroll->m_pVerticalBar, nullptr);
    EXPECT_EQ(scroll->m_pHorizontalBar, nullptr);
    EXPECT_EQ(RectText(scroll->m_pVerticalBar->GetRect()), "(185,0,200,100)");
    CJScrollBar* vertical = static_cast<CJScrollBar*>(scroll->m_pVerticalBar);
    EXPECT_EQ(vertical->GetMaximum(), 200.0f);
    EXPECT_EQ(vertical->GetTarget(), window);

    window->SetContentSize(400, 300);
    ASSERT_NE(scroll->m_pHorizontalBar, nullptr);
    EXPECT_EQ(RectText(scroll->m_pVerticalBar->GetRect()), "(185,0,200,85)");
    EXPECT_EQ(RectText(scroll->m_pHorizontalBar->GetRect()), "(0,85,185,100)");
    tree.DrawTree();

    // Scrolled, the bars stay in view; the child moves up and left.
    window->SetScrollPosition(30, 50);
    EXPECT_EQ(RectText(scroll->m_pVerticalBar->GetRect()), "(215,50,230,135)");
    EXPECT_EQ(child->GetScreenRect().top, 10 - 50);
    EXPECT_EQ(vertical->GetValue(), 50.0f);

    window->SetContentSize(100, 50);
    scroll = window->FindScrollState();
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->m_pVerticalBar, nullptr);
    EXPECT_EQ(scroll->m_pHorizontalBar, nullptr);
    EXPECT_EQ(scroll->m_ScrollY, 0);
    EXPECT_EQ(scroll->m_ScrollX, 0);
    // Laid out for the reset scroll at once.
    EXPECT_EQ(RectText(child->GetScreenRect()), "(10,10,30,30)");
    tree.UpdateTree();
    tree.DrawTree();
}

TEST_F(ScrollBars, OnAnEightBitFrameTheTrackDarkensThroughThePalette)
{
    m_pBar->SetRectXYWH(0, 0, 15, 200);
    m_pBar->SetRange(0.0f, 1000.0f);
    m_pBar->SetValue(0.0f, true);
    ScopedGreyPalette grey;
    CColorTable dark;
    dark.BuildLightnessRemap(GetCurrentPalette(), 80, 0, 256, 0, 256, 0);
    CFrame frame;
    frame.Create(15, 200, 8);
    frame.FillBytes(100);
    m_pBar->Draw(frame);
    // Below the thumb, inside the track's bevel.
    const CRect& track = m_pBar->GetTrackRect();
    ASSERT_LT(m_pBar->GetThumbRect().bottom, track.bottom - 10);
    ASSERT_NE(dark.GetData()[100], 100);
    EXPECT_EQ(ReadPixel(frame, 7, track.bottom - 8), dark.GetData()[100]);
}
