#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/app/input/mouse_state.h"
#include "engine/graphics/frame.h"
#include "engine/ui/deferred_destroy.h"
#include "tests/support/window_test_tree.h"

namespace {

size_t CountContaining(const CallLog& log, const std::string& part)
{
    return static_cast<size_t>(std::count_if(
        log.begin(), log.end(), [&part](const std::string& e) { return e.find(part) != std::string::npos; }));
}

} // namespace

TEST(ScreenWindowFaults, ARepeatingWindowDestroyedWhileTheButtonIsHeldGetsNoMoreRepeats)
{
    CWindowTestTree tree;
    CProbeWindow* dialog = tree.AddProbe(&tree.Root(), "dialog", {0, 0, 200, 200});
    CProbeWindow* arrow = tree.AddProbe(dialog, "arrow", {0, 0, 20, 20});
    arrow->RepeatOnPress(10, 10);
    tree.FeedMove(5, 5);
    tree.FeedButton(0, true);
    tree.RunRootUpdate();
    ASSERT_EQ(CountContaining(tree.Log(), "arrow.MouseDown"), 1u);
    // The dialog closes while the arrow is held.
    dialog->Destroy();
    tree.ClearLog();
    for (int i = 0; i < 50; ++i)
    {
        tree.AdvanceClock(5);
        tree.RunRootUpdate();
    }
    EXPECT_EQ(CountContaining(tree.Log(), "MouseRepeat"), 0u);
}

TEST(ScreenWindowFaults, ADestroyedTooltipTargetIsForgottenAndTooltipsGoBackToTheBox)
{
    CWindowTestTree tree;
    CProbeWindow* button = tree.AddProbe(&tree.Root(), "button", {0, 0, 100, 20});
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 500, 800, 600});
    CProbeWindow* status = tree.AddProbe(panel, "status", {0, 80, 800, 100});
    tree.Root().SetTooltipTarget(status, true);
    panel->Destroy();
    tree.Root().SetTooltip(true, button, -1, CString("Quits the game"), 10, 10, 1);
    EXPECT_EQ(std::string(tree.Root().GetTooltipText().GetText()), "Quits the game");
}

TEST(ScreenWindowFaults, AModeChangeOfHeightAloneGivesTheRootItsNewRect)
{
    CWindowTestTree tree;
    tree.AddProbe(&tree.Root(), "low", {0, 540, 100, 580});
    tree.Frame().Create(800, 500, 16);
    tree.DrawTree();
    EXPECT_EQ(RectText(tree.Root().GetRect()), RectText({0, 0, 800, 500}));
    tree.ClearLog();
    tree.FeedMove(50, 555);
    tree.FeedButton(0, true);
    tree.RunRootUpdate();
    EXPECT_EQ(CountContaining(tree.Log(), "low.MouseDown"), 0u);
}

TEST(ScreenWindowFaults, RootDestructionWithACapturedWindowMovesNoPointerAndRoutesNoMove)
{
    CWindowTestTree tree;
    CFrame frame;
    frame.Create(320, 200, 16);
    CScreenWindow* root = new CScreenWindow(frame, tree.Font());
    CProbeWindow* dragged = new CProbeWindow(root, "dragged", tree.Log());
    dragged->SetRect({0, 0, 100, 100});
    root->AddChild(dragged);
    CProbeWindow* other = new CProbeWindow(root, "other", tree.Log());
    other->SetRect({0, 0, 320, 200});
    root->AddChild(other);
    dragged->CaptureOnPress();
    {
        CDeferredDestroyScope scope;
        root->MouseDown(0, CPoint{10, 10});
    }
    ASSERT_EQ(dragged->GetCapturedButtons(), 1u);
    tree.FeedMove(250, 150);
    tree.ClearLog();
    {
        CDeferredDestroyScope scope;
        root->Destroy();
    }
    EXPECT_EQ(GetMouseState().GetPosition().x, 250);
    EXPECT_EQ(GetMouseState().GetPosition().y, 150);
    EXPECT_EQ(CountContaining(tree.Log(), "MouseMove"), 0u);
    EXPECT_EQ(CountContaining(tree.Log(), "dragged.CancelCapture(1)"), 1u);
    EXPECT_EQ(CountContaining(tree.Log(), "dragged.~"), 1u);
    EXPECT_EQ(CountContaining(tree.Log(), "other.~"), 1u);
}
