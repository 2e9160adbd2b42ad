#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "engine/ui/deferred_destroy.h"
#include "tests/support/window_test_tree.h"

// Windows destroyed by the very handlers that routing, hotkeys and updates
// are calling: deletion waits for the end of the outermost scope, so the
// walk never touches freed memory (the sanitizer build checks), and each
// window is deleted exactly once.

namespace {
constexpr int32_t SCAN_ALT = 56;

int32_t Count(const CallLog& log, const std::string& entry)
{
    return static_cast<int32_t>(std::count(log.begin(), log.end(), entry));
}

enum class Victim
{
    Self,
    Parent,
    NextSibling,
    RootFront,
};

struct DestroyCase
{
    const char* name;
    ProbeCall call;
    Victim victim;
    const char* victimName;
    std::function<void(CWindowTestTree&)> act;
};

TEST(WindowDestroy, HandlersDestroyWindowsOfTheTreeTheyAreCalledFrom)
{
    const DestroyCase cases[] =
        {
            {"itself in MouseDown", ProbeCall::MouseDown, Victim::Self, "a",
             [](CWindowTestTree& tree) { tree.Press(0, 50, 50); }},
            {"its parent in MouseUp", ProbeCall::MouseUp, Victim::Parent, "panel",
             [](CWindowTestTree& tree) {
        tree.Press(0, 50, 50);
        tree.Release(0, 50, 50);
             }},
            {"its next sibling in Update", ProbeCall::Update, Victim::NextSibling, "b",
             [](CWindowTestTree& tree) { tree.UpdateTree(); }},
            {"the root's front child in Hotkey", ProbeCall::Hotkey, Victim::RootFront, "panel",
             [](CWindowTestTree& tree) {
        tree.HoldKey(SCAN_ALT);
        tree.Type('q');
        tree.ReleaseKey(SCAN_ALT);
             }},
                      };
    for (const DestroyCase& c : cases)
    {
        CWindowTestTree tree;
        CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 300, 300});
        CProbeWindow* a = tree.AddProbe(panel, "a", {0, 0, 100, 100});
        CProbeWindow* b = tree.AddProbe(panel, "b", {0, 100, 100, 200});
        tree.AddProbe(&tree.Root(), "other", {0, 0, 400, 400});
        CJWindow* victim = c.victim == Victim::Self          ? static_cast<CJWindow*>(a)
                           : c.victim == Victim::Parent      ? static_cast<CJWindow*>(panel)
                           : c.victim == Victim::NextSibling ? static_cast<CJWindow*>(b)
                                                             : tree.Root().GetFrontChild();
        a->DestroyOn(c.call, victim);
        tree.ClearLog();
        c.act(tree);

        const CallLog& log = tree.Log();
        std::string destructor = std::string(c.victimName) + ".~";
        EXPECT_EQ(Count(log, destructor), 1) << c.name;
        // Nothing is routed after the deletion began: only the deletions
        // and the unlinking focus changes follow.
        auto deleted = std::find(log.begin(), log.end(), destructor);
        auto firstTeardown =
            std::find_if(log.begin(), log.end(), [](const std::string& entry) { return entry.ends_with(".~"); });
        for (auto entry = firstTeardown; entry != log.end(); ++entry)
            EXPECT_TRUE(entry->ends_with(".~") || entry->find("SetFocused") != std::string::npos)
                << c.name << ": " << *entry;
        EXPECT_NE(deleted, log.end()) << c.name;
        EXPECT_EQ(CDeferredDestroyScope::GetQueuedCount(), 0) << c.name;
    }
}

TEST(WindowDestroy, ADyingModalBoxStopsNoRoutingInTheSamePass)
{
    CWindowTestTree tree;
    CProbeWindow* box = tree.AddProbe(&tree.Root(), "box", {0, 0, 100, 100});
    tree.AddProbe(&tree.Root(), "behind", {0, 0, 200, 200});
    box->SetModal(true);
    box->DestroyOn(ProbeCall::MouseDown, box);
    tree.ClearLog();
    tree.Press(0, 50, 50);
    EXPECT_EQ(Count(tree.Log(), "behind.MouseDown(0)"), 1);
    EXPECT_EQ(Count(tree.Log(), "box.~"), 1);
}

TEST(WindowDestroy, DestroyInsideAScopeHidesQueuesOnceAndDeletesAtTheEnd)
{
    CWindowTestTree tree;
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 300, 300});
    CProbeWindow* child = tree.AddProbe(panel, "child", {0, 0, 10, 10});
    CProbeWindow* slider = tree.AddProbe(panel, "slider", {0, 20, 10, 30});
    slider->CaptureOnPress();
    tree.Press(0, 5, 25);
    ASSERT_EQ(slider->GetCapturedButtons(), 1u);
    tree.ClearLog();
    {
        CDeferredDestroyScope outer;
        {
            CDeferredDestroyScope inner;
            child->Destroy();
            slider->Destroy();
            child->Destroy();
        }
        EXPECT_EQ(CDeferredDestroyScope::GetQueuedCount(), 2);
        EXPECT_TRUE(child->IsDying());
        EXPECT_FALSE(child->IsVisible());
        EXPECT_EQ(slider->GetCapturedButtons(), 0u);
        EXPECT_EQ(slider->GetCancelledButtons(), 1u);
        // Hidden without a notice, and a dying window cannot be shown.
        child->Show(true, true);
        EXPECT_FALSE(child->IsVisible());
        EXPECT_EQ(Count(tree.Log(), "child.OnShowChanged(0)"), 0);
        // The parent's destruction takes its queued children along.
        panel->Destroy();
        EXPECT_EQ(CDeferredDestroyScope::GetQueuedCount(), 1);
        EXPECT_EQ(Count(tree.Log(), "child.~"), 0);
    }
    EXPECT_EQ(Count(tree.Log(), "child.~"), 1);
    EXPECT_EQ(Count(tree.Log(), "slider.~"), 1);
    EXPECT_EQ(Count(tree.Log(), "panel.~"), 1);
    EXPECT_EQ(tree.Root().GetFrontChild(), nullptr);
}

TEST(WindowDestroy, OutsideAnyScopeDestroyDeletesAtOnce)
{
    CWindowTestTree tree;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "window", {0, 0, 10, 10});
    tree.ClearLog();
    window->Destroy();
    EXPECT_EQ(tree.Log(), (CallLog{"window.SetFocused(0)", "window.~"}));
}
} // namespace
