#include <gtest/gtest.h>

#include "engine/graphics/frame.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/member_command.h"
#include "engine/ui/menu_bar.h"
#include "engine/ui/menu_item.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/grey_palette.h"
#include "tests/support/window_test_tree.h"

// Menu bars and popups. A holder probe carries a bar with "File" (a popup
// with "Open", "Save" and "More", whose popup holds "Deep") and "Edit".

namespace {
constexpr int32_t SCAN_ALT = 56;

size_t Count(const CallLog& log, const std::string& entry)
{
    return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
}

CPoint Centre(const CJWindow* window)
{
    const CRect& rect = window->GetScreenRect();
    return CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class Menus : public testing::Test
{
protected:
    Menus() { Build({0, 0, 400, 300}); }

    void Build(CRect holderRect)
    {
        m_pHolder = m_Tree.AddProbe(&m_Tree.Root(), "holder", holderRect);
        m_pBar = new CJHorizontalMenuBar(m_pHolder);
        m_pHolder->AddChild(m_pBar, 0);
        m_pFile = new CJMenuItem(m_pBar, "&File", nullptr, 0);
        m_pBar->AddItem(m_pFile);
        m_pEdit = new CJMenuItem(m_pBar, "&Edit", nullptr, 0);
        m_pBar->AddItem(m_pEdit);
        m_pFilePopup = new CJPopupMenu(m_pBar);
        m_pOpen = new CJMenuItem(m_pFilePopup, "&Open", Counter(m_Opened), 0);
        m_pFilePopup->AddItem(m_pOpen);
        m_pSave = new CJMenuItem(m_pFilePopup, "&Save", new CMemberCommand([] {}, [this] { return m_CanSave; }), 0);
        m_pFilePopup->AddItem(m_pSave);
        m_pMore = new CJMenuItem(m_pFilePopup, "&More things", nullptr, 0);
        m_pFilePopup->AddItem(m_pMore);
        m_pMorePopup = new CJPopupMenu(m_pFilePopup);
        m_pDeep = new CJMenuItem(m_pMorePopup, "&Deep", Counter(m_Deep), 0);
        m_pMorePopup->AddItem(m_pDeep);
        m_pMore->SetSubmenu(m_pMorePopup, true);
        m_pFile->SetSubmenu(m_pFilePopup, false);
    }

    CCommandCallback* Counter(int32_t& count)
    {
        return new CMemberCommand([&count] { ++count; });
    }

    void ClickOn(const CJWindow* window)
    {
        CPoint centre = Centre(window);
        m_Tree.Press(0, centre.x, centre.y);
        m_Tree.Release(0, centre.x, centre.y);
    }

    // Opens "File", then "More".
    void OpenBoth()
    {
        ClickOn(m_pFile);
        ASSERT_EQ(m_pFile->GetOpenSubmenu(), m_pFilePopup);
        ClickOn(m_pMore);
        ASSERT_EQ(m_pMore->GetOpenSubmenu(), m_pMorePopup);
    }

    bool IsStored(CJMenuItem* item, CJPopupMenu* popup) const
    {
        return item->GetStoredSubmenu() == popup && item->GetOpenSubmenu() == nullptr && popup->GetParent() == nullptr;
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pHolder;
    CJHorizontalMenuBar* m_pBar;
    CJMenuItem* m_pFile;
    CJMenuItem* m_pEdit;
    CJPopupMenu* m_pFilePopup;
    CJMenuItem* m_pOpen;
    CJMenuItem* m_pSave;
    CJMenuItem* m_pMore;
    CJPopupMenu* m_pMorePopup;
    CJMenuItem* m_pDeep;
    int32_t m_Opened = 0;
    int32_t m_Deep = 0;
    bool m_CanSave = true;
};
} // namespace

TEST_F(Menus, ACommandInASecondLevelPopupClosesBothAndTheBarStays)
{
    OpenBoth();
    EXPECT_EQ(m_pFilePopup->GetParent(), &m_Tree.Root());
    EXPECT_EQ(m_pMorePopup->GetParent(), &m_Tree.Root());
    ClickOn(m_pDeep);
    EXPECT_EQ(m_Deep, 1);
    EXPECT_TRUE(IsStored(m_pFile, m_pFilePopup));
    EXPECT_TRUE(IsStored(m_pMore, m_pMorePopup));
    EXPECT_EQ(m_pBar->GetParent(), m_pHolder);
    EXPECT_FALSE(m_pBar->Close());
}

TEST_F(Menus, APressOutsideClosesEveryPopupAndReachesNothingBehind)
{
    OpenBoth();
    m_Tree.ClearLog();
    m_Tree.Press(0, 390, 290);
    m_Tree.Release(0, 390, 290);
    EXPECT_TRUE(IsStored(m_pFile, m_pFilePopup));
    EXPECT_TRUE(IsStored(m_pMore, m_pMorePopup));
    EXPECT_EQ(Count(m_Tree.Log(), "holder.MouseDown(0)"), 0u);
}

TEST_F(Menus, EscapeClosesTheFrontPopupOnly)
{
    OpenBoth();
    m_Tree.Type(27);
    EXPECT_TRUE(IsStored(m_pMore, m_pMorePopup));
    EXPECT_EQ(m_pFile->GetOpenSubmenu(), m_pFilePopup);
}

TEST_F(Menus, AnItemWhoseQuerySaysNoIsGreyedWhenItsMenuTakesTheFocusAndItsHotkeyIsRefused)
{
    m_CanSave = false;
    ClickOn(m_pFile);
    EXPECT_FALSE(m_pSave->IsEnabled());
    EXPECT_TRUE(m_pOpen->IsEnabled());
    m_Tree.HoldKey(SCAN_ALT);
    m_Tree.Type('s');
    m_Tree.ReleaseKey(SCAN_ALT);
    EXPECT_EQ(m_Tree.Sounds(), (std::vector<std::string>{"Player Error.wav"}));
}

TEST_F(Menus, AltHotkeysReachCommandsInClosedPopupsButASubmenuThereOpensNothing)
{
    m_Tree.HoldKey(SCAN_ALT);
    m_Tree.Type('o');
    EXPECT_EQ(m_Opened, 1);
    EXPECT_TRUE(IsStored(m_pFile, m_pFilePopup));
    // "More" lies in the closed "File" popup: it has nowhere to open.
    m_Tree.Type('m');
    m_Tree.ReleaseKey(SCAN_ALT);
    EXPECT_TRUE(IsStored(m_pMore, m_pMorePopup));
    EXPECT_TRUE(IsStored(m_pFile, m_pFilePopup));
}

TEST_F(Menus, PopupItemsShareOneWidthAndSeparatorsNeverDouble)
{
    EXPECT_EQ(m_pOpen->GetWidth(), m_pMore->GetWidth());
    EXPECT_EQ(m_pSave->GetWidth(), m_pMore->GetWidth());
    CJPopupMenu* empty = new CJPopupMenu(m_pBar);
    empty->AddSeparator();
    EXPECT_FALSE(empty->HasChildren());
    empty->AddItem(new CJMenuItem(empty, "One", nullptr, 0));
    empty->AddSeparator();
    empty->AddSeparator();
    int32_t separators = 0;
    for (CJWindow* child = empty->GetFrontChild(); child != nullptr; child = child->GetNextSibling())
        separators += static_cast<CJMenuItem*>(child)->IsSeparator() ? 1 : 0;
    EXPECT_EQ(separators, 1);
    empty->Destroy();
}

TEST_F(Menus, AKeyCodeAppendsTheKeysNameUnderlined)
{
    CJMenuItem* erase = new CJMenuItem(m_pFilePopup, "Erase", nullptr, 17);
    EXPECT_EQ(erase->GetText().Compare("Erase (Delete)"), 0);
    EXPECT_EQ(erase->GetHotkeyPosition(), 7);
    EXPECT_EQ(erase->GetHotkeyLength(), 6);
    EXPECT_EQ(erase->GetWidth(), 14 * 8 + 2 * erase->GetBevelWidth());
    erase->Destroy();
}

TEST_F(Menus, APopupDestroyedWhileOpenUnlinksItsItem)
{
    OpenBoth();
    {
        CDeferredDestroyScope scope;
        m_pMorePopup->Destroy();
    }
    EXPECT_EQ(m_pMore->GetOpenSubmenu(), nullptr);
    EXPECT_EQ(m_pMore->GetStoredSubmenu(), nullptr);
}

TEST_F(Menus, AnItemDestroyedWhileItsPopupIsOpenLeavesThePopupToTheTree)
{
    OpenBoth();
    {
        CDeferredDestroyScope scope;
        m_pMore->Destroy();
    }
    EXPECT_EQ(m_pMorePopup->GetOwnerItem(), nullptr);
    // Closing it now destroys it.
    m_Tree.Type(27);
    EXPECT_EQ(m_pFile->GetOpenSubmenu(), m_pFilePopup);
}

TEST(MenuPlacement, APopupNearTheRightEdgeOpensLeftAndABarPopupOpensAboveWithoutRoomBelow)
{
    CWindowTestTree tree;
    CProbeWindow* holder = tree.AddProbe(&tree.Root(), "holder", {700, 570, 800, 600});
    CJHorizontalMenuBar* bar = new CJHorizontalMenuBar(holder);
    holder->AddChild(bar, 0);
    CJMenuItem* file = new CJMenuItem(bar, "&File", nullptr, 0);
    bar->AddItem(file);
    CJPopupMenu* popup = new CJPopupMenu(bar);
    CJMenuItem* more = new CJMenuItem(popup, "&More", nullptr, 0);
    popup->AddItem(more);
    CJPopupMenu* sub = new CJPopupMenu(popup);
    sub->AddItem(new CJMenuItem(sub, "A long item", nullptr, 0));
    more->SetSubmenu(sub, true);
    file->SetSubmenu(popup, false);
    {
        CDeferredDestroyScope scope;
        file->Activate();
    }
    EXPECT_EQ(popup->GetRect().bottom, file->GetScreenRect().top);
    {
        CDeferredDestroyScope scope;
        more->Activate();
    }
    // Left of the whole menu: the item's right edge less both widths.
    EXPECT_EQ(sub->GetRect().left, more->GetScreenRect().right - popup->GetWidth() - sub->GetWidth());
    EXPECT_LT(sub->GetRect().right, popup->GetRect().left);
}

TEST_F(Menus, OnAnEightBitDisplayTheHighlightDarkensThroughThePalette)
{
    ClickOn(m_pFile);
    ASSERT_EQ(m_pFile->GetOpenSubmenu(), m_pFilePopup);
    const CPoint centre = Centre(m_pOpen);
    m_Tree.MoveMouse(centre.x, centre.y);
    m_pOpen->SetFocused(true);

    ScopedGreyPalette grey;
    const std::vector<uint8_t>& dark = GetToolkitState().m_BevelShades.m_RemapTables[BEVEL_SHADE_DARK];
    ASSERT_EQ(dark.size(), 256u);
    ASSERT_NE(dark[100], 100);
    CFrame frame;
    frame.Create(m_pOpen->GetWidth(), m_pOpen->GetHeight(), 8);
    frame.FillBytes(100);
    m_pOpen->Draw(frame);
    // The bottom-right corner holds no text: only the highlight reaches it.
    EXPECT_EQ(ReadPixel(frame, frame.GetWidth() - 1, frame.GetHeight() - 1), dark[100]);

    m_pOpen->SetFocused(false);
    frame.FillBytes(100);
    m_pOpen->Draw(frame);
    EXPECT_EQ(ReadPixel(frame, frame.GetWidth() - 1, frame.GetHeight() - 1), 100u);
}
