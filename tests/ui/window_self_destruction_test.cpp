#include <gtest/gtest.h>

#include <functional>

#include "engine/ui/button.h"
#include "engine/ui/dialog.h"
#include "engine/ui/input_capture_window.h"
#include "engine/ui/member_command.h"
#include "engine/ui/menu_bar.h"
#include "engine/ui/menu_item.h"
#include "engine/ui/message_box.h"
#include "tests/support/window_test_tree.h"

// Controls that close the windows holding them while their own handlers
// run. Each case acts through the harness's input, which routes inside a
// deferred-destroy scope as the root does; the sanitized build shows that
// nothing touches freed memory. Each case ends with the probe "gone"
// destroyed exactly once.

namespace {
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESCAPE = 27;

CPoint Centre(const CJWindow* window)
{
    const CRect& rect = window->GetScreenRect();
    return CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickOn(CWindowTestTree& tree, const CJWindow* window)
{
    CPoint centre = Centre(window);
    tree.Press(0, centre.x, centre.y);
    tree.Release(0, centre.x, centre.y);
}

CJDialog* AddDialog(CWindowTestTree& tree)
{
    CJDialog* dialog = new CJDialog(&tree.Root(), "Dialog");
    tree.Root().AddChildFront(dialog);
    dialog->SetRect({100, 100, 400, 300});
    tree.AddProbe(dialog, "gone", {0, 0, 1, 1});
    return dialog;
}

void ButtonClosingItsDialog(CWindowTestTree& tree)
{
    CJDialog* dialog = AddDialog(tree);
    CJButton* button = new CJButton(dialog, "Close");
    dialog->AddChild(button, 1);
    button->SetCommand(new CMemberCommand([dialog] { dialog->Close(); }));
    ClickOn(tree, button);
}

void MessageBoxKey(CWindowTestTree& tree, int32_t key)
{
    CJMessageBox* box = new CJMessageBox(&tree.Root(), CString("Box"), CString("Text"), &tree.Root(), nullptr, nullptr);
    tree.AddProbe(box, "gone", {0, 0, 1, 1});
    tree.Type(key);
}

void CompositeClosingTheBoxOwner(CWindowTestTree& tree)
{
    CJDialog* owner = AddDialog(tree);
    CJMessageBox* box = new CJMessageBox(owner, CString("Box"), CString("Text"), owner, nullptr, nullptr);
    CJButton* button = box->AddButton(CString("Leave"), new CMemberCommand([owner] { owner->Close(); }));
    ClickOn(tree, button);
}

void PassReturnWindowFromAButton(CWindowTestTree& tree)
{
    CJInputCaptureWindow* first = new CJInputCaptureWindow(&tree.Root(), "First");
    tree.Root().AddChildFront(first);
    CJInputCaptureWindow* second = new CJInputCaptureWindow(&tree.Root(), "Second");
    first->OpenOver(second, true);
    tree.AddProbe(second, "gone", {0, 0, 1, 1});
    CJButton* next = new CJButton(second, "Next");
    second->AddChild(next, 1);
    CJInputCaptureWindow* third = new CJInputCaptureWindow(&tree.Root(), "Third");
    next->SetCommand(new CMemberCommand([second, third] { second->PassReturnWindowTo(third, true); }));
    ClickOn(tree, next);
}

// A bar in the dialog whose "File" popup holds one item, which is answered.
CJMenuItem* AddFileMenu(CJDialog* dialog, const char* text, CCommandCallback* command, CJMenuItem*& file)
{
    CJHorizontalMenuBar* bar = new CJHorizontalMenuBar(dialog);
    dialog->AddChild(bar, 1);
    file = new CJMenuItem(bar, "File", nullptr, 0);
    bar->AddItem(file);
    CJPopupMenu* popup = new CJPopupMenu(bar);
    CJMenuItem* item = new CJMenuItem(popup, text, command, 0);
    popup->AddItem(item);
    file->SetSubmenu(popup, false);
    return item;
}

void MenuCommandClosingTheBarsWindow(CWindowTestTree& tree)
{
    CJDialog* dialog = AddDialog(tree);
    CJMenuItem* file = nullptr;
    CJMenuItem* quit = AddFileMenu(dialog, "Quit", new CMemberCommand([dialog] { dialog->Close(); }), file);
    ClickOn(tree, file);
    ClickOn(tree, quit);
}

void RootTornDownWithTwoPopupsOpen(CWindowTestTree& tree)
{
    CJMenuItem* file = nullptr;
    CJMenuItem* more = AddFileMenu(AddDialog(tree), "More", nullptr, file);
    CJPopupMenu* sub = new CJPopupMenu(more->GetParent());
    sub->AddItem(new CJMenuItem(sub, "Deep", nullptr, 0));
    more->SetSubmenu(sub, true);
    ClickOn(tree, file);
    ClickOn(tree, more);
    ASSERT_EQ(more->GetOpenSubmenu(), sub);
}

struct Case
{
    const char* name;
    std::function<void(CWindowTestTree&)> act;
    // Only the root's own teardown destroys the windows.
    bool atTeardown;
};
} // namespace

TEST(WindowSelfDestruction, WindowsClosedFromTheirOwnHandlersGoOnceAndSafely)
{
    const Case cases[] = {
        {"button closing its dialog", ButtonClosingItsDialog, false},
        {"Enter in a message box", [](CWindowTestTree& t) { MessageBoxKey(t, KEY_ENTER); }, false},
        {"Escape in a message box", [](CWindowTestTree& t) { MessageBoxKey(t, KEY_ESCAPE); }, false},
        {"composite closing the box's owner", CompositeClosingTheBoxOwner, false},
        {"return window passed from a button", PassReturnWindowFromAButton, false},
        {"menu command closing the bar's window", MenuCommandClosingTheBarsWindow, false},
        {"root torn down with two popups open", RootTornDownWithTwoPopupsOpen, true},
    };
    for (const Case& c : cases)
    {
        // The tree's end destroys whatever is left, the open popups of the
        // last case among them.
        CWindowTestTree tree;
        c.act(tree);
        tree.UpdateTree();
        EXPECT_EQ(std::count(tree.Log().begin(), tree.Log().end(), "gone.~"), c.atTeardown ? 0 : 1) << c.name;
    }
}
