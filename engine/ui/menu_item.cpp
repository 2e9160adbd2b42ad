#include "engine/ui/menu_item.h"

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/bevel.h"
#include "engine/ui/command_callback.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/menu_bar.h"
#include "engine/ui/toolkit_state.h"

namespace {
constexpr char16_t SUBMENU_ARROW[] = {0x25BA, 0};
constexpr int32_t LEFT_BUTTON = 0;
constexpr int32_t RIGHT_BUTTON = 1;
} // namespace

CJMenuItem::CJMenuItem(CJMenuBar* menu, const char* text, CCommandCallback* command, int32_t keyCode)
    : CJWindow(menu)
    , m_pCommand(command)
{
    SetText(CString(text));
    SetTabStop(true);
    SetEnabled(true);
    SetMovesWhenDisabled(true);
    if (keyCode != 0)
        SetHotkeyWithKeyName(keyCode);
}

CJMenuItem::CJMenuItem()
    : CJWindow(nullptr)
{
    SetMovesWhenDisabled(true);
}

CJMenuItem::~CJMenuItem()
{
    // The open popup belongs to the tree; it only loses its way back.
    if (m_pOpenSubmenu != nullptr)
        m_pOpenSubmenu->SetOwnerItem(nullptr);
    if (m_pSubmenu != nullptr)
        m_pSubmenu->Destroy();
    delete m_pCommand;
}

CJMenuBar* CJMenuItem::GetMenu() const
{
    return dynamic_cast<CJMenuBar*>(m_pParent);
}

bool CJMenuItem::CloseMenus()
{
    CJMenuBar* menu = GetMenu();
    return menu != nullptr && menu->CloseChain();
}

bool CJMenuItem::IsSeparator() const
{
    return false;
}

void CJMenuItem::SetSubmenu(CJPopupMenu* popup, bool showsArrow)
{
    if (m_pSubmenu != nullptr && m_pSubmenu != popup)
        m_pSubmenu->Destroy();
    m_pSubmenu = popup;
    m_ShowsArrow = showsArrow;
}

void CJMenuItem::TakeBackSubmenu(CJPopupMenu* popup)
{
    if (m_pSubmenu != nullptr && m_pSubmenu != popup)
        m_pSubmenu->Destroy();
    m_pSubmenu = popup;
    m_pOpenSubmenu = nullptr;
}

void CJMenuItem::Activate()
{
    // The command may close the window holding the menus; everything this
    // call touches stays alive until it returns.
    CDeferredDestroyScope scope;
    CJMenuBar* menu = GetMenu();
    if (m_pSubmenu != nullptr)
    {
        // A menu that is itself closed (detached) has nowhere to open a
        // popup: the item stays as it is.
        if (menu == nullptr || menu->GetParent() == nullptr)
            return;
        CJPopupMenu* popup = m_pSubmenu;
        m_pSubmenu = nullptr;
        m_pOpenSubmenu = popup;
        popup->SetOwnerItem(this);
        popup->Show(true, false);
        menu->OpenSubmenu(this, popup);
        return;
    }
    if (m_pOpenSubmenu != nullptr)
        return;
    if (menu != nullptr)
        menu->HideMenu();
    if (m_pCommand != nullptr && m_pCommand->IsEnabled())
        m_pCommand->Execute();
    CloseMenus();
}

bool CJMenuItem::MouseMove(CPoint point, CPoint, const CSequence*&)
{
    if (RectContains(m_VisibleRect, point) && IsTabStop())
    {
        m_Highlighted = true;
        if (m_pParent != nullptr && m_pParent->GetFrontChild() != this)
            m_pParent->BringToFront(this);
        return true;
    }
    m_Highlighted = false;
    return false;
}

bool CJMenuItem::IsChosenBy(int32_t button, CPoint point) const
{
    return (button == LEFT_BUTTON || button == RIGHT_BUTTON) && m_Focused && IsTabStop() && IsEnabled() &&
           RectContains(m_VisibleRect, point);
}

bool CJMenuItem::MouseDown(int32_t button, CPoint point)
{
    if (CJWindow::MouseDown(button, point))
        return true;
    if (m_pSubmenu == nullptr || !IsChosenBy(button, point))
        return false;
    Activate();
    return true;
}

bool CJMenuItem::MouseUp(int32_t button, CPoint point)
{
    if (CJWindow::MouseUp(button, point))
        return true;
    if (!IsChosenBy(button, point))
        return false;
    Activate();
    return true;
}

bool CJMenuItem::Hotkey(int32_t key)
{
    if (CJWindow::Hotkey(key))
        return true;
    if (m_pSubmenu == nullptr)
        return false;
    m_pSubmenu->RefreshState();
    return m_pSubmenu->Hotkey(key);
}

bool CJMenuItem::ActivateByHotkey()
{
    Activate();
    return true;
}

void CJMenuItem::RefreshState()
{
    if (m_pCommand != nullptr && m_pCommand->HasEnableQuery())
        SetEnabled(m_pCommand->IsEnabled());
    CJWindow::RefreshState();
}

void CJMenuItem::SetText(const CString& text)
{
    CJWindow::SetText(text);
    if (m_pFont != nullptr)
        SetSize(m_pFont->GetTextWidth(m_Text) + 2 * m_BevelWidth, m_pFont->GetHeight() + 2 * m_BevelWidth);
}

void CJMenuItem::Draw(CFrameInterface& frame)
{
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    if (m_Focused && m_Highlighted)
    {
        CRect content{0, 0, width, height};
        // As the bevels: frames are served at 16 bits whatever depth the
        // display asks, so the frame says whether it holds palette indices.
        if (frame.GetBitsPerPixel() == 8)
        {
            const std::vector<uint8_t>& table = GetToolkitState().m_BevelShades.m_RemapTables[BEVEL_SHADE_DARK];
            // Without a palette there is no table and nothing darkens.
            if (!table.empty())
                frame.RemapRect(content, table.data());
        }
        else
            frame.FillRect(content, CColor(0, 0, 0, 128));
    }
    DrawText(frame, m_BevelWidth, m_BevelWidth, 0);
    CJWindow::Draw(frame);
    if (m_ShowsArrow && m_pFont != nullptr)
        m_pFont->DrawText(frame, width - m_BevelWidth, m_BevelWidth, CString(SUBMENU_ARROW), JUSTIFY_RIGHT);
}

CJMenuSeparator::CJMenuSeparator()
{
    SetTabStop(false);
    SetEnabled(false);
    SetSize(1, 4);
}

bool CJMenuSeparator::IsSeparator() const
{
    return true;
}

void CJMenuSeparator::Draw(CFrameInterface& frame)
{
    DrawBevel(m_pFont, frame, CRect{0, 0, GetWidth(), GetHeight()}, m_HighlightColor, m_TextColor, false,
              BEVEL_ALL_EDGES, false);
}
