#include "engine/ui/drop_down.h"

#include <algorithm>

#include "engine/core/lists/tree_source.h"
#include "engine/ui/arrow_glyphs.h"
#include "engine/ui/button.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/list_box.h"
#include "engine/ui/popup_list.h"
#include "engine/ui/window_font.h"

namespace {
constexpr int32_t LEFT_BUTTON = 0;
constexpr int32_t PLACE_RIGHT_AT_TOP = 13;
} // namespace

CJDropDown::CJDropDown(CJWindow* parent, VirtualArray* list, int32_t widthUnits, CListFilter* filter)
    : CJWindow(parent)
{
    StartArrowAndWidth(widthUnits);
    Assemble(new CJListBox(this, list, filter, DisplayWidthUnits(), true));
}

CJDropDown::CJDropDown(CJWindow* parent, CTreeSource* source, int32_t widthUnits, CListFilter* filter)
    : CJWindow(parent)
{
    StartArrowAndWidth(widthUnits);
    Assemble(new CJListBox(this, source, filter, DisplayWidthUnits(), true));
}

CJDropDown::~CJDropDown()
{
    ClosePopup();
}

int32_t CJDropDown::GetDisplayUnit() const
{
    // Fonts under 5 pixels give a unit of 0, which the widths divide by.
    return std::max(1, GetFontHeight(m_pFont) / 5);
}

void CJDropDown::StartArrowAndWidth(int32_t widthUnits)
{
    m_pDisplay = nullptr;
    m_pPopup = nullptr;
    m_ClickOpens = false;
    m_EnterConfirms = false;
    m_RememberedId = -1;
    m_Width = widthUnits * (GetFontHeight(m_pFont) / 5);
    SetSpacing(0);
    SetTabStop(true);
    SetAlwaysOutlined(true);
    m_pArrowButton = CreateArrowButton(this);
}

int32_t CJDropDown::DisplayWidthUnits() const
{
    return (m_Width - m_pArrowButton->GetWidth()) / GetDisplayUnit();
}

void CJDropDown::Assemble(CJListBox* display)
{
    m_pDisplay = display;
    display->SetTabStop(false);
    display->SetAlwaysOutlined(false);
    display->SetTypingCaret(true);
    display->SetSingleRowDisplay(true);
    display->SetVisibleRows(1);
    AddChild(display, 0);
    AddChild(m_pArrowButton, PLACE_RIGHT_AT_TOP, display, -1, 0);
    int32_t unit = GetFontHeight(m_pFont) / 5;
    display->SetWidth(std::min(display->GetWidestText(), display->GetMaximumWidth()) + 2 * unit + 3);
    m_pArrowButton->Place(PLACE_RIGHT_AT_TOP, display, -1, 0, 0);
    // As high as the one row shown: the arrow takes that height, and the
    // popup opens right under the row.
    SetSize(m_pArrowButton->GetRect().right, display->GetHeight());
    BringToFront(display);
}

CJButton* CJDropDown::CreateArrowButton(CJWindow* parent)
{
    CJButton* arrow = new CJButton(parent, CString(DOWN_TRIANGLE));
    arrow->SetTabStop(false);
    arrow->SetAlwaysOutlined(false);
    return arrow;
}

void CJDropDown::SetRect(const CRect& rect)
{
    CJWindow::SetRect(rect);
    if (m_pDisplay == nullptr)
        return;
    int32_t arrowWidth = m_pArrowButton->GetWidth();
    int32_t width = GetWidth();
    int32_t unit = GetFontHeight(m_pFont) / 5;
    int32_t displayWidth = width - arrowWidth + 1;
    CRect display = m_pDisplay->GetRect();
    if (displayWidth > 4)
        display.right = display.left + displayWidth;
    display.bottom = display.top + m_pDisplay->GetRowHeight() + 2 * unit + 2;
    m_pDisplay->SetRect(display);
    m_pArrowButton->SetRect(CRect{width - arrowWidth, 0, width, GetHeight()});
}

int32_t CJDropDown::GetSelectedId() const
{
    return m_pDisplay->GetSelectedId();
}

void CJDropDown::GetSelectedText(CString& out)
{
    m_pDisplay->GetSelectedText(out);
}

void CJDropDown::SetText(const CString& text)
{
    m_pDisplay->SetText(text);
}

const CString& CJDropDown::GetText() const
{
    return m_pDisplay->GetText();
}

void CJDropDown::BringToFront(CJWindow* child)
{
    CJWindow::BringToFront(m_pDisplay != nullptr ? m_pDisplay : child);
}

void CJDropDown::SetSourceWithOwner(VirtualArray* list, CListFilter* filter)
{
    m_pDisplay->SetSourceWithOwner(list, filter);
    if (m_pPopup != nullptr)
        m_pPopup->SetSourceWithOwner(list, filter);
}

CTreeSource* CJDropDown::GetSource() const
{
    return m_pDisplay->GetSource();
}

void CJDropDown::SelectItem(int32_t id, bool silent)
{
    m_pDisplay->SelectId(id, silent);
}

void CJDropDown::Refresh()
{
    m_pDisplay->SetSource(m_pDisplay->GetSource(), m_pDisplay->GetFilter(), false);
}

void CJDropDown::SetSorted(bool sorted)
{
    m_pDisplay->SetSorted(sorted);
    if (m_pPopup != nullptr)
        m_pPopup->SetSorted(sorted);
}

void CJDropDown::OpenPopup()
{
    if (m_pPopup != nullptr || GetRootWindow() == nullptr || m_pDisplay->GetSource() == nullptr)
        return;
    m_RememberedId = m_pDisplay->GetSelectedId();
    CJPopupList* popup = new CJPopupList(this);
    m_pPopup = popup;
    popup->SetSorted(m_pDisplay->IsSorted());
    popup->SetSource(m_pDisplay->GetSource(), m_pDisplay->GetFilter(), false);
    popup->SelectId(m_RememberedId, true);
    popup->CentreSelection();
}

void CJDropDown::ClosePopup()
{
    CJPopupList* popup = m_pPopup;
    if (popup == nullptr)
        return;
    m_pPopup = nullptr;
    popup->ForgetOwner();
    popup->Destroy();
}

void CJDropDown::BringOwnerToFront()
{
    if (m_pParent != nullptr)
        m_pParent->BringToFront(this);
}

void CJDropDown::FinishPopup(bool confirm)
{
    ClosePopup();
    if (!confirm)
        m_pDisplay->SelectId(m_RememberedId, false);
    BringOwnerToFront();
    if (confirm)
        SendCommand(0);
}

bool CJDropDown::MouseDown(int32_t button, CPoint point)
{
    if (button == LEFT_BUTTON && m_ClickOpens && RectContains(m_pDisplay->GetVisibleRect(), point))
    {
        OpenPopup();
        return true;
    }
    return CJWindow::MouseDown(button, point);
}

bool CJDropDown::MouseUp(int32_t button, CPoint point)
{
    bool handled = CJWindow::MouseUp(button, point);
    if (m_pArrowButton->TakeClicked() && RectContains(m_VisibleRect, point))
        OpenPopup();
    return handled;
}

bool CJDropDown::KeyDown(int32_t key)
{
    if (m_pPopup != nullptr)
    {
        if (key != KEY_ENTER)
            return CJWindow::KeyDown(key);
        ClosePopup();
        CJWindow::BringToFront(m_pDisplay);
        return true;
    }
    switch (key)
    {
    case KEY_UP:
    case KEY_DOWN:
        OpenPopup();
        return m_pPopup != nullptr && m_pPopup->KeyDown(key);
    case KEY_F4:
        OpenPopup();
        return true;
    case KEY_ENTER:
        if (!m_EnterConfirms)
            break;
        SendCommand(0);
        return true;
    default:
        break;
    }
    return CJWindow::KeyDown(key);
}

void CJDropDown::OnCommand(CJWindow* source, int32_t code)
{
    if (source == m_pArrowButton)
        return;
    if (source != nullptr && source == m_pPopup)
    {
        if (code == 0)
        {
            FinishPopup(true);
            return;
        }
        m_pDisplay->SelectId(m_pPopup->GetSelectedId(), false);
        return;
    }
    SendCommand(code);
}

CJDropDownList::CJDropDownList(CJWindow* parent, VirtualArray* list, int32_t widthUnits, CListFilter* filter)
    : CJDropDown(parent, list, widthUnits, filter)
{
    m_ClickOpens = true;
    m_pDisplay->SetTypingCaret(false);
}

CJDropDownList::CJDropDownList(CJWindow* parent, CTreeSource* source, int32_t widthUnits, CListFilter* filter)
    : CJDropDown(parent, source, widthUnits, filter)
{
    m_ClickOpens = true;
    m_pDisplay->SetTypingCaret(false);
}
