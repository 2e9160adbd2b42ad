#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/app/input/mouse_state.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/window_test_tree.h"

// How presses, moves, releases, the wheel, keys and hotkeys travel down a
// tree of probe windows, fed through the input states as the root reads
// them.

namespace {
constexpr int32_t SCAN_SHIFT = 42;
constexpr int32_t SCAN_ALT = 56;

bool Logged(const CallLog& log, const std::string& entry)
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

CallLog Only(const CallLog& log, const std::string& part)
{
    CallLog kept;
    for (const std::string& entry : log)
        if (entry.find(part) != std::string::npos)
            kept.push_back(entry);
    return kept;
}

class WindowRouting : public testing::Test
{
protected:
    CWindowTestTree m_Tree;
};

TEST_F(WindowRouting, OnlyTheFrontOfTwoOverlappingChildrenSeesTheMove)
{
    m_Tree.AddProbe(&m_Tree.Root(), "front", {0, 0, 100, 100});
    m_Tree.AddProbe(&m_Tree.Root(), "back", {50, 50, 150, 150});
    m_Tree.ClearLog();
    m_Tree.MoveMouse(60, 60);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"front.OnHover(60,60)", "front.MouseMove(60,60)"}));
    m_Tree.ClearLog();
    m_Tree.MoveMouse(120, 120);
    // The front one is no longer hit and still hears of the move.
    EXPECT_EQ(m_Tree.Log(), (CallLog{"front.MouseMove(120,120)", "back.OnHover(120,120)", "back.MouseMove(120,120)"}));
}

TEST_F(WindowRouting, APressGoesToTheHitChildWhichComesToTheFront)
{
    CProbeWindow* a = m_Tree.AddProbe(&m_Tree.Root(), "a", {0, 0, 100, 100});
    CProbeWindow* b = m_Tree.AddProbe(&m_Tree.Root(), "b", {200, 0, 300, 100});
    m_Tree.Press(0, 250, 50);
    EXPECT_EQ(m_Tree.Root().GetFrontChild(), b);
    EXPECT_TRUE(b->IsFocused());
    EXPECT_FALSE(a->IsFocused());
    EXPECT_EQ(Only(m_Tree.Log(), "Mouse"),
              (CallLog{"a.MouseMove(250,50)", "b.MouseMove(250,50)", "b.MouseDown(0)", "b.TrackMouse(250,50)"}));
    EXPECT_TRUE(Logged(m_Tree.Log(), "b.SetFocused(1)"));
    EXPECT_EQ(b->GetPressPoint().x, 250);
}

TEST_F(WindowRouting, AModalFrontChildTakesPressesAnywhereAndStopsTheRest)
{
    CProbeWindow* popup = m_Tree.AddProbe(&m_Tree.Root(), "popup", {0, 0, 50, 50});
    m_Tree.AddProbe(&m_Tree.Root(), "behind", {100, 100, 200, 200});
    popup->SetModal(true);
    m_Tree.ClearLog();
    m_Tree.Press(0, 150, 150);
    EXPECT_EQ(Only(m_Tree.Log(), "MouseDown"), (CallLog{"popup.MouseDown(0)"}));
    EXPECT_EQ(Only(m_Tree.Log(), "behind"), (CallLog{}));
}

TEST_F(WindowRouting, AHiddenModalChildStillStopsItsSiblings)
{
    CProbeWindow* hidden = m_Tree.AddProbe(&m_Tree.Root(), "hidden", {0, 0, 50, 50});
    m_Tree.AddProbe(&m_Tree.Root(), "behind", {100, 100, 200, 200});
    hidden->SetModal(true);
    hidden->Show(false, false);
    m_Tree.ClearLog();
    m_Tree.Press(0, 150, 150);
    m_Tree.Type('x');
    EXPECT_EQ(m_Tree.Log(), (CallLog{}));
}

TEST_F(WindowRouting, ACapturedButtonsReleaseReachesItsWindowAnywhere)
{
    CProbeWindow* slider = m_Tree.AddProbe(&m_Tree.Root(), "slider", {0, 0, 50, 50});
    slider->CaptureOnPress();
    m_Tree.Press(0, 10, 10);
    EXPECT_EQ(slider->GetCapturedButtons(), 1u);
    m_Tree.ClearLog();
    m_Tree.MoveMouse(400, 400);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"slider.MouseMove(400,400)", "slider.TrackMouse(400,400)"}));
    m_Tree.ClearLog();
    m_Tree.Release(0, 500, 500);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"slider.MouseMove(500,500)", "slider.TrackMouse(500,500)", "slider.MouseUp(0)",
                                     "slider.OnMouseUp(500,500)"}));
    EXPECT_EQ(slider->GetCapturedButtons(), 0u);
}

TEST_F(WindowRouting, EscapeDuringADragPutsThePointerBackAtThePress)
{
    CProbeWindow* slider = m_Tree.AddProbe(&m_Tree.Root(), "slider", {0, 0, 50, 50});
    slider->CaptureOnPress();
    m_Tree.Press(0, 10, 20);
    m_Tree.MoveMouse(300, 200);
    EXPECT_TRUE(m_Tree.Type(27));
    EXPECT_EQ(slider->GetCancelledButtons(), 1u);
    EXPECT_EQ(slider->GetCapturedButtons(), 0u);
    CPoint pointer = GetMouseState().GetPosition();
    EXPECT_EQ(pointer.x, 10);
    EXPECT_EQ(pointer.y, 20);
    // Without a capture Escape travels on.
    EXPECT_FALSE(m_Tree.Type(27));
}

TEST_F(WindowRouting, TabMovesTheFocusOnlyWhileTheLevelEditorIsOpen)
{
    CProbeWindow* dialog = m_Tree.AddProbe(&m_Tree.Root(), "dialog", {0, 0, 300, 300});
    CProbeWindow* first = m_Tree.AddProbe(dialog, "first", {0, 0, 10, 10});
    CProbeWindow* second = m_Tree.AddProbe(dialog, "second", {0, 20, 10, 30});
    CProbeWindow* third = m_Tree.AddProbe(dialog, "third", {0, 40, 10, 50});
    for (CProbeWindow* stop : {first, second, third})
        stop->SetTabStop(true);
    m_Tree.AddProbe(&m_Tree.Root(), "other", {400, 0, 410, 10});
    ASSERT_TRUE(first->IsFocused());

    EXPECT_FALSE(m_Tree.Type(9));
    EXPECT_TRUE(first->IsFocused());

    m_Tree.SetLevelEditorOpen(true);
    EXPECT_TRUE(m_Tree.Type(9));
    EXPECT_TRUE(second->IsFocused());
    EXPECT_TRUE(GetToolkitState().m_FocusOutline);
    m_Tree.HoldKey(SCAN_SHIFT);
    EXPECT_TRUE(m_Tree.Type(9));
    EXPECT_TRUE(first->IsFocused());
    EXPECT_TRUE(m_Tree.Type(9));
    EXPECT_TRUE(third->IsFocused());
    m_Tree.ReleaseKey(SCAN_SHIFT);
    // A press turns the outline off again.
    m_Tree.Press(0, 5, 5);
    EXPECT_FALSE(GetToolkitState().m_FocusOutline);
}

TEST_F(WindowRouting, KeysFollowTheFocusChain)
{
    CProbeWindow* dialog = m_Tree.AddProbe(&m_Tree.Root(), "dialog", {0, 0, 300, 300});
    m_Tree.AddProbe(dialog, "edit", {0, 0, 10, 10});
    m_Tree.AddProbe(dialog, "other", {0, 20, 10, 30});
    m_Tree.AddProbe(&m_Tree.Root(), "unfocused", {400, 0, 410, 10});
    m_Tree.ClearLog();
    m_Tree.Type('q');
    EXPECT_EQ(m_Tree.Log(), (CallLog{"dialog.KeyDown(113)", "edit.KeyDown(113)"}));
}

TEST_F(WindowRouting, AltLetterOfALabelActivatesTheControlAfterIt)
{
    CProbeWindow* dialog = m_Tree.AddProbe(&m_Tree.Root(), "dialog", {0, 0, 300, 300});
    CProbeWindow* button = m_Tree.AddProbe(dialog, "button", {0, 0, 10, 10}, "OK");
    button->SetTabStop(true);
    m_Tree.AddProbe(dialog, "label", {0, 20, 10, 30}, "&Name");
    CProbeWindow* edit = m_Tree.AddProbe(dialog, "edit", {0, 40, 10, 50});
    edit->SetTabStop(true);
    m_Tree.ClearLog();
    m_Tree.HoldKey(SCAN_ALT);
    EXPECT_TRUE(m_Tree.Type('n'));
    m_Tree.ReleaseKey(SCAN_ALT);
    EXPECT_EQ(dialog->GetFrontChild(), edit);
    EXPECT_EQ(Only(m_Tree.Log(), "Activate"), (CallLog{"edit.ActivateByHotkey"}));
}

TEST_F(WindowRouting, AHotkeyMatchingOnlyADisabledWindowSoundsTheRefusalOnce)
{
    CProbeWindow* button = m_Tree.AddProbe(&m_Tree.Root(), "button", {0, 0, 10, 10}, "&Save");
    button->SetOwnHotkey(true);
    button->SetEnabled(false);
    m_Tree.HoldKey(SCAN_ALT);
    EXPECT_TRUE(m_Tree.Type('s'));
    EXPECT_FALSE(m_Tree.Type('z'));
    EXPECT_EQ(m_Tree.Sounds(), (std::vector<std::string>{"Player Error.wav"}));
    EXPECT_EQ(Only(m_Tree.Log(), "Activate"), (CallLog{}));
}

TEST_F(WindowRouting, HiddenWindowsNeitherSearchNorMatchHotkeys)
{
    CProbeWindow* page = m_Tree.AddProbe(&m_Tree.Root(), "page", {0, 0, 300, 300});
    CProbeWindow* button = m_Tree.AddProbe(page, "button", {0, 0, 10, 10}, "&Go");
    button->SetTabStop(true);
    CProbeWindow* hiddenMatch = m_Tree.AddProbe(&m_Tree.Root(), "hiddenMatch", {0, 0, 10, 10}, "&Go");
    hiddenMatch->SetOwnHotkey(true);
    hiddenMatch->Show(false, false);
    page->Show(false, false);
    m_Tree.ClearLog();
    CDeferredDestroyScope scope;
    EXPECT_FALSE(m_Tree.Root().Hotkey('g'));
    EXPECT_EQ(m_Tree.Log(), (CallLog{}));
    EXPECT_TRUE(m_Tree.Sounds().empty());
}

TEST_F(WindowRouting, TheWheelGoesToTheHitOrFocusedChild)
{
    m_Tree.AddProbe(&m_Tree.Root(), "focused", {0, 0, 10, 10});
    CProbeWindow* list = m_Tree.AddProbe(&m_Tree.Root(), "list", {100, 100, 200, 200});
    list->Answer(ProbeCall::MouseWheel, true);
    m_Tree.MoveMouse(500, 500);
    m_Tree.ClearLog();
    m_Tree.Wheel(2);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"focused.MouseWheel(2)"}));
    m_Tree.MoveMouse(150, 150);
    m_Tree.ClearLog();
    m_Tree.Wheel(-1);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"focused.MouseWheel(-1)", "list.MouseWheel(-1)"}));
}

TEST_F(WindowRouting, ClipboardOperationsAskVisibleChildrenUntilOneAnswers)
{
    CProbeWindow* hidden = m_Tree.AddProbe(&m_Tree.Root(), "hidden", {0, 0, 10, 10});
    hidden->Show(false, false);
    m_Tree.AddProbe(&m_Tree.Root(), "plain", {0, 0, 10, 10});
    CProbeWindow* edit = m_Tree.AddProbe(&m_Tree.Root(), "edit", {0, 0, 10, 10});
    edit->Answer(ProbeCall::Paste, true);
    m_Tree.AddProbe(&m_Tree.Root(), "after", {0, 0, 10, 10});
    m_Tree.ClearLog();
    EXPECT_TRUE(m_Tree.Root().Paste(false));
    EXPECT_EQ(m_Tree.Log(), (CallLog{"plain.Paste(0)", "edit.Paste(0)"}));
    EXPECT_FALSE(m_Tree.Root().Cut(true));
}

struct DragCase
{
    CPoint point;
    CPoint movement;
    bool dragged;
    CPoint reported;
};

TEST_F(WindowRouting, HasDraggedBeyondReportsTheWholeOffsetOncePastTheThreshold)
{
    CProbeWindow* handle = m_Tree.AddProbe(&m_Tree.Root(), "handle", {0, 0, 200, 200});
    m_Tree.Press(0, 100, 100);
    const DragCase cases[] = {
        {{103, 100}, {3, 0}, false, {0, 0}}, {{100, 102}, {-3, 2}, false, {0, 0}}, {{104, 100}, {4, -2}, true, {4, 0}},
        {{105, 100}, {1, 0}, true, {1, 0}},  {{105, 100}, {0, 0}, false, {0, 0}},
    };
    for (const DragCase& c : cases)
    {
        CPoint reported = {-7, -7};
        EXPECT_EQ(handle->HasDraggedBeyond(c.point, c.movement, reported, 16), c.dragged) << c.point.x;
        EXPECT_EQ(reported.x, c.reported.x) << c.point.x;
        EXPECT_EQ(reported.y, c.reported.y) << c.point.x;
    }
}

TEST_F(WindowRouting, HotkeyHelpersFindAndMakeLetters)
{
    CProbeWindow* save = m_Tree.AddProbe(&m_Tree.Root(), "save", {0, 0, 10, 10}, "Save");
    CProbeWindow* set = m_Tree.AddProbe(&m_Tree.Root(), "set", {0, 0, 10, 10}, "Set");
    CProbeWindow* label = m_Tree.AddProbe(&m_Tree.Root(), "label", {0, 0, 10, 10}, "Label");
    save->SetWantsAutoHotkey(true);
    set->SetWantsAutoHotkey(true);
    m_Tree.Root().AssignAutoHotkeys();
    EXPECT_EQ(save->GetHotkeyChar(), 'S');
    EXPECT_EQ(save->GetHotkeyPosition(), 0);
    EXPECT_EQ(set->GetHotkeyChar(), 'E');
    EXPECT_EQ(set->GetHotkeyPosition(), 1);
    EXPECT_EQ(label->GetHotkeyChar(), 0);

    CProbeWindow* erase = m_Tree.AddProbe(&m_Tree.Root(), "erase", {0, 0, 10, 10}, "Erase");
    erase->SetHotkeyWithKeyName(17);
    EXPECT_STREQ(erase->GetText().GetText(), "Erase (Delete)");
    EXPECT_EQ(erase->GetHotkeyPosition(), 7);
    EXPECT_EQ(erase->GetHotkeyLength(), 6);
    EXPECT_EQ(erase->GetHotkeyChar(), 17);

    CProbeWindow* open = m_Tree.AddProbe(&m_Tree.Root(), "open", {0, 0, 10, 10}, "Open");
    open->SetHotkeyWithKeyName('p');
    EXPECT_STREQ(open->GetText().GetText(), "Open");
    EXPECT_EQ(open->GetHotkeyPosition(), 1);
    EXPECT_EQ(open->GetHotkeyChar(), 'P');

    CProbeWindow* cancel = m_Tree.AddProbe(&m_Tree.Root(), "cancel", {0, 0, 10, 10}, "Cancel");
    EXPECT_EQ(cancel->FindHotkeyInText('n'), 2);
    EXPECT_EQ(cancel->GetHotkeyChar(), 'N');
    EXPECT_EQ(label->FindHotkeyInText('z'), -1);
}
} // namespace
