#include "engine/ui/popup_list.h"

#include <algorithm>

#include "engine/core/lists/tree_source.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/drop_down.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/texture_tiling.h"
#include "engine/ui/window_font.h"

namespace {
constexpr int32_t LEFT_BUTTON = 0;
constexpr int32_t UNLIMITED_WIDTH_UNITS = 999999;
constexpr uint32_t MOST_ROWS = 20;
// Trees this short open completely, so they need no room to grow.
constexpr uint32_t SMALL_TREE_ITEMS = 15;
constexpr uint32_t TREE_GROWTH_ROWS = 30;
} // namespace

CJPopupList::CJPopupList(CJDropDown* owner)
    : CJListBox(owner, owner->GetSource(), nullptr, UNLIMITED_WIDTH_UNITS, true)
    , m_pOwner(owner)
    , m_Expanding(false)
    , m_PressedInside(false)
{
    SetModal(true);
    SetTransparent(false);
    uint32_t rows = static_cast<uint32_t>(GetRowCount());
    VirtualArray* list = m_pSource != nullptr ? m_pSource->GetList() : nullptr;
    if (m_TreeMode && !(list != nullptr && list->GetCount() < SMALL_TREE_ITEMS))
        rows += TREE_GROWTH_ROWS;
    SetVisibleRows(std::min(rows, MOST_ROWS));

    CJWindow* root = owner->GetRootWindow();
    root->AddChild(this, 0);
    const CRect& ownerRect = owner->GetScreenRect();
    const CRect& rootRect = root->GetScreenRect();
    int32_t height = GetHeight();
    int32_t top = ownerRect.bottom;
    if (top + height > rootRect.bottom)
        top = ownerRect.top - height;
    if (top < 0)
        top = rootRect.bottom - height;
    MoveTo(ownerRect.left - rootRect.left, top - rootRect.top);
    root->BringToFront(this);
}

CJPopupList::~CJPopupList()
{
    LetGoOfOwner();
}

void CJPopupList::TearDown()
{
    // Torn down with the root before its owner: the owner must neither
    // delete it again nor close it when unlinking takes its focus.
    LetGoOfOwner();
    CJListBox::TearDown();
}

void CJPopupList::LetGoOfOwner()
{
    if (m_pOwner != nullptr)
        m_pOwner->ForgetPopup();
    m_pOwner = nullptr;
}

void CJPopupList::CentreSelection()
{
    int32_t visible = static_cast<int32_t>(m_VisibleRows);
    int32_t first = std::max(0, m_Selection - visible / 2);
    int32_t rows = GetRowCount();
    int32_t scroll = GetRowHeight() * (rows < visible + first ? rows - visible : first);
    scroll = std::clamp(scroll, 0, GetMaximumScroll());
    m_ScrollTarget = scroll;
    JumpScroll(scroll);
}

void CJPopupList::Draw(CFrameInterface& frame)
{
    if (!IsTransparent())
        TileTexture(frame, GetWindowTexture(), CRect{0, 0, GetWidth(), GetHeight()});
    DrawRows(frame, true);
    StepScroll();
}

void CJPopupList::SendCommand(int32_t code)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnCommand(this, code);
}

bool CJPopupList::MouseDown(int32_t button, CPoint point)
{
    if (!RectContains(m_ScreenRect, point))
    {
        m_PressedInside = false;
        if (CJDropDown* owner = m_pOwner)
            owner->FinishPopup(false);
        return true;
    }
    m_PressedInside = button == LEFT_BUTTON;
    return CJListBox::MouseDown(button, point);
}

bool CJPopupList::MouseUp(int32_t button, CPoint point)
{
    bool released = button == LEFT_BUTTON && m_PressedInside && RectContains(m_ScreenRect, point);
    if (button == LEFT_BUTTON)
        m_PressedInside = false;
    bool handled = CJListBox::MouseUp(button, point);
    if (!released || m_Selection < 0)
        return handled;
    const CListRow& row = m_Rows[static_cast<size_t>(m_Selection)];
    if (row.m_HasChildren)
    {
        if (row.m_Expanded)
            Collapse(m_Selection);
        else
            Expand(m_Selection);
        return true;
    }
    if (CJDropDown* owner = m_pOwner)
        owner->FinishPopup(true);
    return true;
}

bool CJPopupList::KeyDown(int32_t key)
{
    CJDropDown* owner = m_pOwner;
    if (owner != nullptr && (key == KEY_ENTER || key == CJDropDown::KEY_F4) && m_Selection >= 0)
    {
        owner->FinishPopup(true);
        return true;
    }
    if (owner != nullptr && key == KEY_ESCAPE)
    {
        owner->FinishPopup(false);
        return true;
    }
    return CJListBox::KeyDown(key);
}

void CJPopupList::SetFocused(bool focused)
{
    CJListBox::SetFocused(focused);
    if (focused || m_Expanding || m_pOwner == nullptr || IsDying())
        return;
    m_pOwner->ClosePopup();
}

void CJPopupList::Expand(int32_t row)
{
    m_Expanding = true;
    CJListBox::Expand(row);
    m_Expanding = false;
    MeasureWidestText();
    int32_t unit = GetFontHeight(m_pFont) / 5;
    SetWidth(std::min(m_WidestText, m_MaximumWidth) + 2 * unit + 3);
    CJWindow* root = GetRootWindow();
    if (root != nullptr && m_ScreenRect.right > root->GetScreenRect().right)
        MoveTo(m_Rect.left - (m_ScreenRect.right - root->GetScreenRect().right), m_Rect.top);
}
