#include "engine/ui/menu_bar.h"

#include "engine/blit/blit_tiling.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/bevel.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/menu_item.h"
#include "engine/ui/screen_window.h"

namespace {
// At a point of the parent, in pixels and clamped into it.
constexpr int32_t PLACE_AT_POINT = 5;
constexpr int32_t POPUP_FLAGS = CJWindow::PLACE_GAPS_IN_PIXELS | CJWindow::PLACE_CLAMP_INTO_PARENT;
constexpr int32_t MENU_MARGIN = 2;
} // namespace

CJMenuBar::CJMenuBar(CJWindow* parent)
    : CJPanel(parent, "Menu")
{
    SetMargin(MENU_MARGIN);
    SetSpacing(0);
    m_BevelWidth = 0;
}

void CJMenuBar::OpenSubmenu(CJMenuItem* item, CJPopupMenu* popup)
{
    const CRect& itemRect = item->GetVisibleRect();
    int32_t x = itemRect.right;
    int32_t y = itemRect.top;
    if (CScreenWindow* root = GetScreenWindowOf(this))
    {
        if (root->GetWidth() - x < popup->GetWidth() && x - (GetWidth() + popup->GetWidth()) >= 0)
            x -= GetWidth() + popup->GetWidth();
        int32_t raised = y - (popup->GetHeight() - (itemRect.bottom - itemRect.top));
        if (root->GetHeight() - y < popup->GetHeight() && raised >= 0)
            y = raised;
    }
    m_pParent->AddChildFront(popup, PLACE_AT_POINT, nullptr, x, y, POPUP_FLAGS);
}

bool CJMenuBar::CloseChain()
{
    if (m_pParent == nullptr)
        return false;
    // Read first: closing gives this menu back to its item and unlinks it.
    CJMenuItem* owner = m_pOwnerItem;
    if (!Close())
        return false;
    return owner != nullptr ? owner->CloseMenus() : true;
}

void CJMenuBar::HideMenu()
{
}

void CJMenuBar::AddSeparator()
{
    CJMenuItem* last = dynamic_cast<CJMenuItem*>(m_pBackChild);
    if (last == nullptr || last->IsSeparator())
        return;
    AddItem(new CJMenuSeparator());
}

bool CJMenuBar::ActivateFrontItem()
{
    CJMenuItem* item = dynamic_cast<CJMenuItem*>(m_pFrontChild);
    if (item == nullptr)
        return false;
    item->Activate();
    return true;
}

void CJMenuBar::SetFocused(bool focused)
{
    RefreshState();
    CJPanel::SetFocused(focused);
}

bool CJMenuBar::KeyDown(int32_t key)
{
    if (key == KEY_ENTER && ActivateFrontItem())
        return true;
    return CJPanel::KeyDown(key);
}

bool CJMenuBar::Close()
{
    CJMenuItem* owner = m_pOwnerItem;
    if (owner == nullptr)
        return CJPanel::Close();
    if (IsDying())
        return true;
    m_pOwnerItem = nullptr;
    owner->TakeBackSubmenu(static_cast<CJPopupMenu*>(this));
    if (m_pParent != nullptr)
        m_pParent->RemoveChild(this);
    return true;
}

void CJMenuBar::Draw(CFrameInterface& frame)
{
    CRect content{0, 0, GetWidth(), GetHeight()};
    if (!IsTransparent())
        if (CFrameInterface* texture = GetWindowTexture())
        {
            CRect source = content;
            CRect destination = content;
            frame.Blit(texture, source, destination, &GetBlitTile());
        }
    DrawBevel(m_pFont, frame, content, m_HighlightColor, m_TextColor, true, BEVEL_ALL_EDGES, false);
    CJPanel::Draw(frame);
}

CJHorizontalMenuBar::CJHorizontalMenuBar(CJWindow* parent)
    : CJMenuBar(parent)
{
}

void CJHorizontalMenuBar::OpenSubmenu(CJMenuItem* item, CJPopupMenu* popup)
{
    CScreenWindow* root = GetScreenWindowOf(this);
    if (root == nullptr)
    {
        // Outside the tree there is nowhere to show it.
        popup->Close();
        return;
    }
    const CRect& itemRect = item->GetVisibleRect();
    int32_t y = itemRect.bottom;
    if (root->GetHeight() < y + popup->GetHeight())
        y = itemRect.top - popup->GetHeight();
    root->AddChildFront(popup, PLACE_AT_POINT, nullptr, itemRect.left, y, POPUP_FLAGS);
}

void CJHorizontalMenuBar::AddItem(CJMenuItem* item)
{
    AddChild(item, HasChildren() ? 14 : 1, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
}

bool CJHorizontalMenuBar::KeyDown(int32_t key)
{
    if (key == KEY_LEFT)
        return FocusPrevTabStop();
    if (key == KEY_RIGHT)
        return FocusNextTabStop();
    return CJMenuBar::KeyDown(key);
}

bool CJHorizontalMenuBar::Close()
{
    return false;
}

bool CJHorizontalMenuBar::MouseDown(int32_t button, CPoint point)
{
    CJMenuBar::MouseDown(button, point);
    return true;
}

CJPopupMenu::CJPopupMenu(CJWindow* parent)
    : CJMenuBar(parent)
{
    SetModal(true);
}

CJPopupMenu::~CJPopupMenu()
{
    // Destroyed while open (the tree torn down): the item must not keep a
    // pointer to it.
    if (m_pOwnerItem != nullptr)
        m_pOwnerItem->ForgetOpenSubmenu();
}

void CJPopupMenu::AddItem(CJMenuItem* item)
{
    AddChild(item, HasChildren() ? 8 : 1, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
    EqualizeWidths(m_pFrontChild, m_pBackChild, 0);
}

void CJPopupMenu::HideMenu()
{
    Show(false, true);
}

bool CJPopupMenu::KeyDown(int32_t key)
{
    if (key == KEY_UP)
        return FocusPrevTabStop();
    if (key == KEY_DOWN)
        return FocusNextTabStop();
    if (key == KEY_ESCAPE)
        return Close();
    return CJMenuBar::KeyDown(key);
}

bool CJPopupMenu::MouseDown(int32_t button, CPoint point)
{
    if (CJMenuBar::MouseDown(button, point))
        return true;
    if (!RectContains(m_VisibleRect, point))
        CloseChain();
    return true;
}
