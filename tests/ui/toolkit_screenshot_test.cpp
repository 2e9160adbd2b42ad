#include <gtest/gtest.h>

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame.h"
#include "engine/ui/button.h"
#include "engine/ui/check_box.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/dialog.h"
#include "engine/ui/drop_down.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/list_box.h"
#include "engine/ui/menu_bar.h"
#include "engine/ui/menu_item.h"
#include "engine/ui/message_box.h"
#include "engine/ui/scroll_bar.h"
#include "engine/ui/slider.h"
#include "engine/ui/static_text.h"
#include "engine/ui/toolkit_state.h"
#include "engine/core/lists/list_folder_tree.h"
#include "tests/support/test_name_list.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/window_test_tree.h"

// Whole scenes of the classic look drawn into small 16-bit frames, checked
// by the CRC of the screenshot file. The captions use DejaVu Sans, which
// also holds the grip and submenu glyphs. A scene that differs is kept in
// build/test-out for a look.

namespace {
class ToolkitScreenshots : public FontTestFolder
{
protected:
    void SetUp() override { FontTestFolder::SetUp(); }
    void TearDown() override
    {
        m_pTree.reset();
        FontTestFolder::TearDown();
    }

    CWindowTestTree& Tree(int32_t width, int32_t height)
    {
        m_pTree = std::make_unique<CWindowTestTree>(width, height);
        return *m_pTree;
    }

    // A grey holder over the whole frame whose children take DejaVu: the
    // translucent bevel shades show on it.
    CProbeWindow* Holder(CWindowTestTree& tree)
    {
        CProbeWindow* holder = tree.AddProbe(&tree.Root(), "holder", tree.Root().GetRect());
        holder->SetFont(&m_Font);
        holder->Paint().fills = true;
        holder->Paint().fill = CColor(120, 120, 120, 255);
        return holder;
    }

    std::unique_ptr<CWindowTestTree> m_pTree;
    CFont m_Font;
};
} // namespace

TEST_F(ToolkitScreenshots, ClassicDialog)
{
    CWindowTestTree& tree = Tree(200, 120);
    CJDialog* dialog = new CJDialog(Holder(tree), "Options");
    dialog->SetWidth(140);
    dialog->AddChild(new CJStaticText(dialog, "Volume"), 1);
    dialog->AddChild(new CJButton(dialog, "OK"), 12);
    dialog->AddCloseBox();
    dialog->AddTransparencyToggle();
    dialog->AddResizeGrip();
    tree.Root().AddChildFront(dialog, 6);
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "classic_dialog", 26982455u), 26982455u);
}

TEST_F(ToolkitScreenshots, ButtonStates)
{
    CWindowTestTree& tree = Tree(160, 60);
    CProbeWindow* holder = Holder(tree);
    CJButton* normal = new CJButton(holder, "Up");
    CJToggleButton* checked = new CJToggleButton(holder, "On", nullptr);
    CJButton* disabled = new CJButton(holder, "Off");
    CJButton* held = new CJButton(holder, "Held");
    CJCheckBox* box = new CJCheckBox(holder, "Box");
    CJButton* buttons[] = {normal, checked, disabled, held, box};
    int32_t x = 4;
    for (CJButton* button : buttons)
    {
        holder->AddChild(button);
        button->MoveTo(x, button == box ? 34 : 4);
        x = button == held ? 4 : x + button->GetWidth() + 4;
    }
    checked->SetChecked(1);
    disabled->SetEnabled(false);
    box->SetChecked(1);
    CPoint centre{(held->GetScreenRect().left + held->GetScreenRect().right) / 2, 10};
    tree.Press(0, centre.x, centre.y);
    tree.DrawTree();
    tree.Release(0, centre.x, centre.y);
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "button_states", 2310422352u), 2310422352u);
}

TEST_F(ToolkitScreenshots, ThreeButtonMessageBox)
{
    CWindowTestTree& tree = Tree(240, 100);
    CJMessageBox* box =
        new CJMessageBox(Holder(tree), CString("Save"), CString("Save the round?"), &tree.Root(), nullptr, nullptr);
    box->AddButton(CString("No"), nullptr);
    box->AddButton(CString("Cancel"), nullptr);
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "message_box", 1252475283u), 1252475283u);
}

TEST_F(ToolkitScreenshots, BarWithTwoOpenPopups)
{
    CWindowTestTree& tree = Tree(200, 120);
    CProbeWindow* holder = Holder(tree);
    CJHorizontalMenuBar* bar = new CJHorizontalMenuBar(holder);
    holder->AddChild(bar);
    CJMenuItem* file = new CJMenuItem(bar, "&File", nullptr, 0);
    bar->AddItem(file);
    bar->AddItem(new CJMenuItem(bar, "&Edit", nullptr, 0));
    CJPopupMenu* popup = new CJPopupMenu(bar);
    popup->AddItem(new CJMenuItem(popup, "&Open", nullptr, 0));
    popup->AddSeparator();
    CJMenuItem* recent = new CJMenuItem(popup, "&Recent", nullptr, 0);
    popup->AddItem(recent);
    popup->AddItem(new CJMenuItem(popup, "Erase", nullptr, 17));
    CJPopupMenu* sub = new CJPopupMenu(popup);
    sub->AddItem(new CJMenuItem(sub, "First", nullptr, 0));
    sub->AddItem(new CJMenuItem(sub, "Second", nullptr, 0));
    recent->SetSubmenu(sub, true);
    file->SetSubmenu(popup, false);
    {
        CDeferredDestroyScope scope;
        file->Activate();
        recent->Activate();
    }
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "menu_popups", 2308573164u), 2308573164u);
}

TEST_F(ToolkitScreenshots, EditBoxWithSelectionAndCaret)
{
    CWindowTestTree& tree = Tree(160, 40);
    CProbeWindow* holder = Holder(tree);
    CJEditBox* box = new CJEditBox(holder, "Round 12");
    holder->AddChild(box);
    box->MoveTo(6, 6);
    holder->BringToFront(box);
    // "un" selected leftwards: the caret stands before it.
    tree.Type(KEY_HOME);
    for (int32_t step = 0; step < 4; ++step)
        tree.Type(KEY_RIGHT);
    tree.HoldKey(42);
    tree.Type(KEY_LEFT);
    tree.Type(KEY_LEFT);
    tree.ReleaseKey(42);
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "edit_box", 2103005805u), 2103005805u);
}

TEST_F(ToolkitScreenshots, SliderAndScrollBars)
{
    CWindowTestTree& tree = Tree(160, 120);
    CProbeWindow* holder = Holder(tree);
    CJSlider* slider = new CJSlider(holder, 10, 0);
    holder->AddChild(slider);
    slider->SetRectXYWH(6, 6, 120, slider->GetHeight());
    slider->SetValue(3, true);
    CJScrollBar* vertical = new CJScrollBar(holder, CJScrollBar::VERTICAL);
    holder->AddChild(vertical);
    vertical->SetRectXYWH(140, 4, 15, 110);
    vertical->SetValue(400.0f, true);
    CJScrollBar* horizontal = new CJScrollBar(holder, CJScrollBar::HORIZONTAL);
    holder->AddChild(horizontal);
    horizontal->SetRectXYWH(6, 90, 120, 15);
    horizontal->SetRange(0.0f, 50.0f);
    horizontal->SetValue(50.0f, true);
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "slider_and_bars", 2851421414u), 2851421414u);
}

namespace {
// An icon of one colour with a dark border, so its place shows.
void MakeIcon(CFrame& icon, const CColor& colour)
{
    icon.Create(9, 9, 16);
    icon.FillRect(CRect{0, 0, 9, 9}, CColor(20, 20, 20, 255));
    icon.FillRect(CRect{1, 1, 8, 8}, colour);
}
} // namespace

TEST_F(ToolkitScreenshots, TreeListWithIconsLinesSelectionAndSearch)
{
    CWindowTestTree& tree = Tree(200, 140);
    CFrame open;
    CFrame closed;
    CFrame file;
    MakeIcon(open, CColor(240, 200, 60, 255));
    MakeIcon(closed, CColor(160, 110, 20, 255));
    MakeIcon(file, CColor(230, 230, 230, 255));
    CToolkitState& state = GetToolkitState();
    state.m_pFolderOpenIcon = &open;
    state.m_pFolderClosedIcon = &closed;
    state.m_pFileIcon = &file;
    CTestNameList names({"Rounds/Easy/One", "Rounds/Easy/Two", "Rounds/Hard/Three", "Sounds/Bounce"});
    CListFolderTree folders(&names);
    CProbeWindow* holder = Holder(tree);
    CJListBox* list = new CJListBox(holder, &folders, nullptr, 60, true);
    holder->AddChild(list);
    list->SetRectXYWH(6, 6, 180, 126);
    list->SetBackgroundColorRGB(40, 40, 40);
    holder->BringToFront(list);
    tree.Type('t');
    tree.Type('w');
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "tree_list", 3749046479u), 3749046479u);
    state.m_pFolderOpenIcon = nullptr;
    state.m_pFolderClosedIcon = nullptr;
    state.m_pFileIcon = nullptr;
}

TEST_F(ToolkitScreenshots, OpenDropDown)
{
    CWindowTestTree& tree = Tree(160, 120);
    CTestNameList names({"Bounce", "Crash", "Ping", "Whoosh", "Zap"});
    CProbeWindow* holder = Holder(tree);
    CJDropDown* dropDown = new CJDropDown(holder, static_cast<VirtualArray*>(&names), 30, nullptr);
    holder->AddChild(dropDown);
    dropDown->MoveTo(6, 6);
    dropDown->SelectItem(2, true);
    holder->BringToFront(dropDown);
    tree.Type(KEY_DOWN);
    tree.DrawTree();
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "drop_down", 3024315493u), 3024315493u);
}
