#include <gtest/gtest.h>

#include <algorithm>

#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/window_test_tree.h"

namespace {

// Every pixel of the two frames, as (x, y) of the first that differs.
std::string FirstDifference(const CFrame& a, const CFrame& b)
{
    for (int32_t y = 0; y < a.GetHeight(); ++y)
        for (int32_t x = 0; x < a.GetWidth(); ++x)
            if (ReadPixel(a, x, y) != ReadPixel(b, x, y))
                return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return "none";
}

// A fresh black frame of the tree's size with one direct fill.
std::unique_ptr<CFrame> DirectFill(const CFrame& like, CRect rect, const CColor& colour)
{
    auto frame = std::make_unique<CFrame>();
    frame->Create(like.GetWidth(), like.GetHeight(), 16);
    frame->FillRect(rect, colour);
    return frame;
}

size_t Count(const CallLog& log, const std::string& entry)
{
    return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
}

} // namespace

TEST(WindowDrawing, LayerOneDrawsAfterEveryLayerZeroSiblingAndEachLayerBackToFront)
{
    CWindowTestTree tree(64, 32);
    CProbeWindow* front = tree.AddProbe(&tree.Root(), "front", {0, 0, 10, 10});
    tree.AddProbe(&tree.Root(), "middle", {0, 0, 10, 10});
    tree.AddProbe(&tree.Root(), "back", {0, 0, 10, 10});
    front->SetLayer(1);
    tree.DrawTree();
    CallLog draws;
    std::copy_if(tree.Log().begin(), tree.Log().end(), std::back_inserter(draws),
                 [](const std::string& entry) { return entry.ends_with(".Draw"); });
    EXPECT_EQ(draws, (CallLog{"back.Draw", "middle.Draw", "front.Draw"}));
}

TEST(WindowDrawing, TheFirstDrawTellsEveryWindowOnceHiddenOnesTooAndTheNoticeNeverClimbs)
{
    CWindowTestTree tree(64, 32);
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 40, 20});
    CProbeWindow* hidden = tree.AddProbe(panel, "hidden", {0, 0, 10, 10});
    tree.AddProbe(panel, "shown", {10, 0, 20, 10});
    hidden->Show(false, false);
    tree.ClearLog();
    tree.DrawTree();
    tree.DrawTree();
    const CallLog& log = tree.Log();
    EXPECT_EQ(Count(log, "panel.OnCommand(?,2)"), 1u);
    EXPECT_EQ(Count(log, "hidden.OnCommand(?,2)"), 1u);
    EXPECT_EQ(Count(log, "shown.OnCommand(?,2)"), 1u);
    EXPECT_EQ(Count(log, "hidden.Draw"), 0u);
    EXPECT_EQ(Count(log, "shown.Draw"), 2u);
    // The notice went to each window alone: the panel heard only its own.
    EXPECT_EQ(
        std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("panel.OnCommand"); }),
        1);
}

TEST(WindowDrawing, WindowsWithNothingOnScreenAreSkipped)
{
    CWindowTestTree tree(64, 32);
    tree.AddProbe(&tree.Root(), "left", {-20, 0, 0, 10});
    tree.AddProbe(&tree.Root(), "above", {0, -20, 10, 0});
    tree.AddProbe(&tree.Root(), "on", {0, 0, 1, 1});
    tree.DrawTree();
    EXPECT_EQ(Count(tree.Log(), "left.Draw"), 0u);
    EXPECT_EQ(Count(tree.Log(), "above.Draw"), 0u);
    EXPECT_EQ(Count(tree.Log(), "on.Draw"), 1u);
}

TEST(WindowDrawing, AFadedChildWiderThanItsParentPaintsOnlyInsideTheParent)
{
    CWindowTestTree tree(64, 32);
    CProbeWindow* parent = tree.AddProbe(&tree.Root(), "parent", {10, 4, 40, 28});
    CProbeWindow* child = tree.AddProbe(parent, "child", {-5, 2, 60, 20});
    child->SetOpacity(0.5f);
    child->Paint().fills = true;
    child->Paint().fill = CColor(255, 255, 255, 255);
    tree.DrawTree();
    auto expected = DirectFill(tree.Frame(), {10, 6, 40, 24}, CColor(255, 255, 255, 128));
    EXPECT_EQ(FirstDifference(tree.Frame(), *expected), "none");
}

TEST(WindowDrawing, NestedHalfOpacitiesMultiply)
{
    CWindowTestTree tree(64, 32);
    CProbeWindow* outer = tree.AddProbe(&tree.Root(), "outer", {0, 0, 64, 32});
    CProbeWindow* inner = tree.AddProbe(outer, "inner", {4, 4, 20, 20});
    outer->SetOpacity(0.5f);
    inner->SetOpacity(0.5f);
    inner->Paint().fills = true;
    inner->Paint().fill = CColor(255, 255, 255, 255);
    tree.DrawTree();
    auto expected = DirectFill(tree.Frame(), {4, 4, 20, 20}, CColor(255, 255, 255, 64));
    EXPECT_EQ(FirstDifference(tree.Frame(), *expected), "none");
}

TEST(WindowDrawing, AFocusedTabStopIsOutlinedInItsParentsColourOnlyAfterTabWasUsed)
{
    CWindowTestTree tree(64, 32);
    CProbeWindow* parent = tree.AddProbe(&tree.Root(), "parent", {10, 4, 40, 28});
    CProbeWindow* field = tree.AddProbe(parent, "field", {5, 5, 15, 15});
    field->SetTabStop(true);
    ASSERT_TRUE(field->IsFocused());
    CColor parentFocus(96, 86, 79, 255);

    GetToolkitState().m_FocusOutline = false;
    tree.DrawTree();
    EXPECT_EQ(ReadPixel(tree.Frame(), 14, 8), 0u);

    GetToolkitState().m_FocusOutline = true;
    tree.DrawTree();
    // The field's rect grown by one, moved to the screen: (14, 8)-(26, 20).
    for (CPoint corner : {CPoint{14, 8}, CPoint{25, 8}, CPoint{14, 19}, CPoint{25, 19}})
        EXPECT_EQ(ReadPixel(tree.Frame(), corner.x, corner.y), parentFocus.m_Rgb565) << corner.x << "," << corner.y;
    EXPECT_EQ(ReadPixel(tree.Frame(), 15, 9), 0u);
    EXPECT_EQ(ReadPixel(tree.Frame(), 26, 20), 0u);
}
