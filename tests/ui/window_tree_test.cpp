#include <gtest/gtest.h>

#include <string>

#include "engine/ui/deferred_destroy.h"
#include "engine/ui/skin_theme.h"
#include "tests/support/window_test_tree.h"

// The child list, focus along the front children, showing, the deferred
// close and destruction, over probe windows under a real root.

namespace {
std::string Order(const CJWindow* parent)
{
    std::string order;
    for (CJWindow* child = parent->GetFrontChild(); child != nullptr; child = child->GetNextSibling())
    {
        const CProbeWindow* probe = dynamic_cast<const CProbeWindow*>(child);
        order += order.empty() ? "" : ",";
        order += probe != nullptr ? probe->GetName() : "?";
    }
    return order;
}

class WindowTree : public testing::Test
{
protected:
    CWindowTestTree m_Tree;
};

TEST_F(WindowTree, FirstChildOfAFocusedWindowTakesTheFocusAndLaterOnesDoNot)
{
    CProbeWindow* a = m_Tree.AddProbe(&m_Tree.Root(), "a", {0, 0, 10, 10});
    CProbeWindow* b = m_Tree.AddProbe(&m_Tree.Root(), "b", {0, 0, 10, 10});
    EXPECT_TRUE(a->IsFocused());
    EXPECT_FALSE(b->IsFocused());

    m_Tree.ClearLog();
    CProbeWindow* c = new CProbeWindow(&m_Tree.Root(), "c", m_Tree.Log());
    m_Tree.Root().AddChildFront(c);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"a.SetFocused(0)", "c.SetFocused(1)"}));
    EXPECT_EQ(Order(&m_Tree.Root()), "c,a,b");
}

TEST_F(WindowTree, BringToFrontRotatesKeepingTheCyclicOrder)
{
    CProbeWindow* panel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 100, 100});
    m_Tree.AddProbe(panel, "a", {0, 0, 10, 10});
    m_Tree.AddProbe(panel, "b", {0, 0, 10, 10});
    CProbeWindow* c = m_Tree.AddProbe(panel, "c", {0, 0, 10, 10});
    m_Tree.AddProbe(panel, "d", {0, 0, 10, 10});
    panel->BringToFront(c);
    EXPECT_EQ(Order(panel), "c,d,a,b");
    EXPECT_TRUE(c->IsFocused());
    EXPECT_EQ(c->GetPrevSibling(), nullptr);
    EXPECT_EQ(panel->GetBackChild()->GetNextSibling(), nullptr);
}

TEST_F(WindowTree, RemovingTheFocusedChildFocusesTheNewFront)
{
    CProbeWindow* a = m_Tree.AddProbe(&m_Tree.Root(), "a", {0, 0, 10, 10});
    m_Tree.AddProbe(&m_Tree.Root(), "b", {0, 0, 10, 10});
    m_Tree.ClearLog();
    m_Tree.Root().RemoveChild(a);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"b.SetFocused(1)", "a.SetFocused(0)"}));
    EXPECT_EQ(a->GetParent(), nullptr);
    EXPECT_EQ(Order(&m_Tree.Root()), "b");
    a->Destroy();
}

TEST_F(WindowTree, ADialogWithALabelInFrontIsAddedWithItsFirstTabStopInFront)
{
    CProbeWindow* dialog = new CProbeWindow(nullptr, "dialog", m_Tree.Log());
    CProbeWindow* label = m_Tree.AddProbe(dialog, "label", {0, 0, 10, 10});
    CProbeWindow* edit = m_Tree.AddProbe(dialog, "edit", {0, 20, 10, 30});
    edit->SetTabStop(true);
    ASSERT_EQ(Order(dialog), "label,edit");
    m_Tree.Root().AddChildFront(dialog);
    EXPECT_EQ(Order(dialog), "edit,label");
    EXPECT_TRUE(edit->IsFocused());
    EXPECT_FALSE(label->IsFocused());
}

TEST_F(WindowTree, ConstructionInheritsTransparencyOnlyAtThatMoment)
{
    CProbeWindow* parent = m_Tree.AddProbe(&m_Tree.Root(), "parent", {0, 0, 100, 100});
    parent->SetTransparent(true);
    CProbeWindow* child = new CProbeWindow(parent, "child", m_Tree.Log());
    parent->AddChild(child);
    EXPECT_TRUE(child->IsTransparent());
    CProbeWindow* later = new CProbeWindow(nullptr, "later", m_Tree.Log());
    parent->AddChild(later);
    EXPECT_FALSE(later->IsTransparent());
    parent->SetTransparent(false);
    EXPECT_FALSE(child->IsTransparent());
}

TEST_F(WindowTree, SetRectRecomputesScreenAndVisibleRectanglesOfTheSubtree)
{
    CProbeWindow* panel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {100, 50, 200, 150});
    CProbeWindow* inside = m_Tree.AddProbe(panel, "inside", {90, 90, 120, 120});
    CProbeWindow* outside = m_Tree.AddProbe(panel, "outside", {150, 10, 170, 30});
    EXPECT_EQ(RectText(inside->GetScreenRect()), "(190,140,220,170)");
    EXPECT_EQ(RectText(inside->GetVisibleRect()), "(190,140,200,150)");
    EXPECT_EQ(RectText(inside->GetClipRect()), "(0,0,10,10)");
    EXPECT_EQ(RectText(outside->GetVisibleRect()), "(0,0,0,0)");

    panel->MoveTo(0, 0);
    EXPECT_EQ(RectText(inside->GetScreenRect()), "(90,90,120,120)");

    // Outside the visible rect nothing reaches the window.
    m_Tree.ClearLog();
    m_Tree.Press(0, 160, 20);
    for (const std::string& entry : m_Tree.Log())
        EXPECT_EQ(entry.find("MouseDown"), std::string::npos) << entry;
}

TEST_F(WindowTree, ShowingActivatesAndHidingHandsTheFrontToTheNextSibling)
{
    CProbeWindow* a = m_Tree.AddProbe(&m_Tree.Root(), "a", {0, 0, 10, 10});
    CProbeWindow* b = m_Tree.AddProbe(&m_Tree.Root(), "b", {0, 0, 10, 10});
    a->Show(false, true);
    EXPECT_EQ(Order(&m_Tree.Root()), "b,a");
    EXPECT_TRUE(b->IsFocused());
    m_Tree.ClearLog();
    a->Show(false, true);
    EXPECT_EQ(m_Tree.Log(), (CallLog{}));
    a->Show(true, true);
    EXPECT_EQ(Order(&m_Tree.Root()), "a,b");
    EXPECT_EQ(m_Tree.Log().front(), "a.OnShowChanged(1)");
}

TEST_F(WindowTree, RequestCloseWaitsForTheWindowsOwnNextUpdate)
{
    CProbeWindow* a = m_Tree.AddProbe(&m_Tree.Root(), "a", {0, 0, 10, 10});
    m_Tree.AddProbe(a, "child", {0, 0, 5, 5});
    a->RequestClose();
    a->SetText("still here");
    m_Tree.Press(0, 5, 5);
    EXPECT_EQ(m_Tree.Root().GetFrontChild(), a);
    m_Tree.ClearLog();
    m_Tree.UpdateTree();
    EXPECT_EQ(m_Tree.Log(),
              (CallLog{"a.Update", "child.Update", "child.SetFocused(0)", "child.~", "a.SetFocused(0)", "a.~"}));
    EXPECT_EQ(m_Tree.Root().GetFrontChild(), nullptr);
}

TEST_F(WindowTree, DestructionSavesThePlacementThenDestroysTheChildrenFrontFirst)
{
    CProbeWindow* a = m_Tree.AddProbe(&m_Tree.Root(), "a", {0, 0, 50, 50}, "Window A");
    a->LoadPlacement(nullptr, false);
    m_Tree.AddProbe(a, "first", {0, 0, 5, 5});
    m_Tree.AddProbe(a, "second", {0, 0, 5, 5});
    m_Tree.ClearLog();
    a->Destroy();
    // Each child is unlinked with the focus rule before it goes.
    EXPECT_EQ(m_Tree.Log(), (CallLog{"a.SavePlacement(Window A)", "second.SetFocused(1)", "first.SetFocused(0)",
                                     "first.~", "second.SetFocused(0)", "second.~", "a.SetFocused(0)", "a.~"}));
}

TEST_F(WindowTree, SendToBackKeepsTheRectAndTheParentsSize)
{
    CProbeWindow* panel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 50, 50});
    CProbeWindow* a = m_Tree.AddProbe(panel, "a", {40, 40, 90, 90});
    m_Tree.AddProbe(panel, "b", {0, 0, 5, 5});
    panel->SendToBack(a);
    EXPECT_EQ(Order(panel), "b,a");
    EXPECT_EQ(RectText(a->GetRect()), "(40,40,90,90)");
    EXPECT_EQ(RectText(panel->GetRect()), "(0,0,50,50)");
}

TEST_F(WindowTree, CommandsClimbExceptTheFirstShownNotice)
{
    CProbeWindow* top = m_Tree.AddProbe(&m_Tree.Root(), "top", {0, 0, 50, 50});
    CProbeWindow* middle = m_Tree.AddProbe(top, "middle", {0, 0, 50, 50});
    CProbeWindow* button = m_Tree.AddProbe(middle, "button", {0, 0, 5, 5});
    m_Tree.ClearLog();
    button->SendCommand(1);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"middle.OnCommand(button,1)", "top.OnCommand(button,1)"}));
    m_Tree.ClearLog();
    button->SendCommand(2);
    EXPECT_EQ(m_Tree.Log(), (CallLog{"middle.OnCommand(button,2)"}));
}

struct SetTextCase
{
    const char* input;
    bool parseAmpersand;
    const char* text;
    int32_t position;
    int32_t length;
    int32_t letter;
};

TEST_F(WindowTree, SetTextReadsTheAmpersandConvention)
{
    const SetTextCase cases[] = {
        {"&Options", true, "Options", 0, 1, 'O'},  {"Copy &Ctrl+C&", true, "Copy Ctrl+C", 5, 6, 0},
        {"A && B", true, "A  B", 2, 0, 0},         {"Options&", true, "Options", 7, 1, 0},
        {"&\x01X", true, "X", 0, 1, 'X'},          {"&options", true, "options", 0, 1, 'O'},
        {"&Options", false, "&Options", -1, 0, 0}, {"", true, "", -1, 0, 0},
    };
    for (const SetTextCase& c : cases)
    {
        CJWindow* window = new CJWindow(nullptr);
        window->SetParseAmpersand(c.parseAmpersand);
        window->SetText(c.input);
        EXPECT_STREQ(window->GetText().GetText(), c.text) << c.input;
        EXPECT_EQ(window->GetHotkeyPosition(), c.position) << c.input;
        EXPECT_EQ(window->GetHotkeyLength(), c.length) << c.input;
        EXPECT_EQ(window->GetHotkeyChar(), c.letter) << c.input;
        window->Destroy();
    }
}

TEST_F(WindowTree, AnAmpersandFarIntoALongTextKeepsItsPosition)
{
    std::string text(300, 'x');
    text[280] = '&';
    CJWindow* window = new CJWindow(nullptr);
    window->SetText(text.c_str());
    EXPECT_EQ(window->GetHotkeyPosition(), 280);
    EXPECT_EQ(window->GetText().GetLength(), 299u);
    window->Destroy();
}

TEST_F(WindowTree, ThemeAndFontComeFromTheParentOrTheDefaults)
{
    CJWindow* orphan = new CJWindow(nullptr);
    EXPECT_EQ(orphan->GetTheme(), CSkinTheme::GetDefaultTheme());
    EXPECT_EQ(orphan->GetFont(), m_Tree.Font());
    EXPECT_EQ(orphan->GetMargin(), 12);
    EXPECT_EQ(orphan->GetSpacing(), 12);
    EXPECT_EQ(orphan->GetBevelWidth(), m_Tree.Root().GetBevelWidth());
    orphan->Destroy();
}
TEST_F(WindowTree, ScrollingShiftsTheChildrenAndClampsToTheContent)
{
    CProbeWindow* view = m_Tree.AddProbe(&m_Tree.Root(), "view", {10, 10, 110, 60});
    CProbeWindow* item = m_Tree.AddProbe(view, "item", {0, 0, 20, 20});
    view->SetContentSize(300, 200);
    EXPECT_EQ(view->GetContentWidth(), 300);
    view->SetScrollPosition(500, 30);
    ASSERT_NE(view->FindScrollState(), nullptr);
    EXPECT_EQ(view->FindScrollState()->m_ScrollX, 200);
    EXPECT_EQ(view->FindScrollState()->m_ScrollY, 30);
    EXPECT_EQ(RectText(item->GetScreenRect()), "(-190,-20,-170,0)");
    EXPECT_EQ(RectText(item->GetVisibleRect()), "(0,0,0,0)");
    EXPECT_EQ(RectText(view->GetClipRect()), "(200,30,300,80)");
    view->SetScrollY(-5);
    EXPECT_EQ(view->FindScrollState()->m_ScrollY, 0);
    // All back to zero frees the state.
    view->SetScrollX(0);
    view->SetContentSize(0, 0);
    EXPECT_EQ(view->FindScrollState(), nullptr);
    EXPECT_EQ(view->GetContentWidth(), 100);
    view->EnableScrollBars(true);
    ASSERT_NE(view->FindScrollState(), nullptr);
    view->EnableScrollBars(false);
    EXPECT_EQ(view->FindScrollState(), nullptr);
}

TEST_F(WindowTree, GeometryHelpersEndInSetRect)
{
    CProbeWindow* parent = m_Tree.AddProbe(&m_Tree.Root(), "parent", {0, 0, 200, 100});
    CProbeWindow* window = m_Tree.AddProbe(parent, "window", {5, 5, 45, 25}, "Hello");
    window->CentreHorizontallyInParent();
    EXPECT_EQ(RectText(window->GetRect()), "(80,5,120,25)");
    window->AlignRightInParent();
    EXPECT_EQ(RectText(window->GetRect()), "(148,5,188,25)");
    window->SetRectXYWH(1, 2, 100, 10);
    window->SetHeight(30);
    EXPECT_EQ(RectText(window->GetRect()), "(1,2,101,32)");
    // Five characters of 8 pixels: a wider window narrows, a narrower stays.
    window->FitWidthToText(window->GetText());
    EXPECT_EQ(window->GetWidth(), 40);
    window->SetWidth(30);
    window->FitWidthToText(window->GetText());
    EXPECT_EQ(window->GetWidth(), 30);
    EXPECT_EQ(parent->FindVisibleChildAt({10, 10}), window);
    EXPECT_EQ(parent->FindVisibleChildAt({50, 10}), nullptr);
    EXPECT_EQ(parent->FindChildByText(CString("Hello")), window);
    EXPECT_EQ(window->GetClientWidth(), 30);
}

TEST_F(WindowTree, EnabledActiveAndVisibleAskTheParents)
{
    CProbeWindow* parent = m_Tree.AddProbe(&m_Tree.Root(), "parent", {0, 0, 200, 100});
    CProbeWindow* child = m_Tree.AddProbe(parent, "child", {0, 0, 10, 10});
    parent->SetEnabled(false);
    EXPECT_FALSE(child->IsEnabledInTree());
    parent->Show(false, false);
    EXPECT_TRUE(child->IsVisible());
    EXPECT_FALSE(child->IsVisibleInTree());
    EXPECT_TRUE(child->IsActive());
    EXPECT_EQ(GetScreenWindowOf(child), &m_Tree.Root());

    CProbeWindow* box = new CProbeWindow(nullptr, "box", m_Tree.Log());
    child->OpenModalWindow(box, 0);
    EXPECT_EQ(parent->GetFrontChild(), box);
    EXPECT_TRUE(box->IsModal());
    EXPECT_TRUE(box->IsFocused());
}
} // namespace
