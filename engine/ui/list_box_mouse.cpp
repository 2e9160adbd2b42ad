// Pressing, dragging, double-clicking, the wheel and tooltips of the list.

#include <algorithm>

#include "engine/core/lists/tree_source.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/ui/column_header.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/list_box.h"
#include "engine/ui/scroll_bar.h"
#include "engine/ui/window_font.h"

namespace {
constexpr uint32_t LEFT_BUTTON_MASK = 1;
constexpr int32_t LEFT_BUTTON = 0;
} // namespace

int32_t CJListBox::RowAtScreenY(int32_t y) const
{
    int32_t offset = m_ScrollPosition + y - m_ScreenRect.top - GetDisplayUnit();
    if (offset < 0)
        return -1;
    int32_t row = offset / GetRowHeight();
    return row < GetRowCount() ? row : -1;
}

uint32_t CJListBox::ColumnAtScreenX(int32_t x) const
{
    const CJHeader* header = m_Header.Get();
    return header != nullptr ? header->ColumnAt(x - m_ScreenRect.left - GetDisplayUnit() - 1) : 0;
}

bool CJListBox::TrackMouse(CPoint point, CPoint, uint32_t buttons, const CSequence*&)
{
    if ((buttons & LEFT_BUTTON_MASK) == 0 || m_RoutingDoubleClick)
        return false;
    if (RectContains(m_VisibleRect, point))
    {
        int32_t row = RowAtScreenY(point.y);
        bool keep = m_VisibleRows < 2 && m_Selection >= 0;
        if (row >= 0 && !keep)
            Select(row, false);
    }
    return true;
}

bool CJListBox::DoubleClick(int32_t button, CPoint point, bool& continueAsPress)
{
    if (button != LEFT_BUTTON)
        return CJWindow::DoubleClick(button, point, continueAsPress);
    m_RoutingDoubleClick = true;
    bool taken = CJWindow::DoubleClick(button, point, continueAsPress);
    m_RoutingDoubleClick = false;
    if (taken)
    {
        continueAsPress = true;
        return true;
    }
    if (m_Selection < 0)
        return true;
    if (m_Rows[static_cast<size_t>(m_Selection)].m_Expanded)
        Collapse(m_Selection);
    else
        Expand(m_Selection);
    // Last: the parent may close the dialog this list is in.
    SendCommand(0);
    return true;
}

bool CJListBox::MouseWheel(int32_t steps, CPoint)
{
    if (m_VisibleRows < 2)
        return KeyDown(steps <= 0 ? KEY_DOWN : KEY_UP);
    m_ScrollTarget = std::clamp(m_ScrollTarget - steps * GetRowHeight(), 0, GetMaximumScroll());
    return true;
}

bool CJListBox::OnHover(CPoint point)
{
    if (!m_Tooltips || m_pSource == nullptr)
        return CJWindow::OnHover(point);
    int32_t row = m_SingleRowDisplay ? m_Selection : RowAtScreenY(point.y);
    if (row < 0)
        return CJWindow::OnHover(point);
    int32_t id = m_Rows[static_cast<size_t>(row)].m_Id;
    VirtualArray* list = m_pSource->GetList();
    if (list != nullptr && id >= 0 && static_cast<uint32_t>(id) < list->GetCount())
    {
        CString description = list->GetItemDescription(static_cast<uint32_t>(id));
        if (description.HasText())
        {
            ShowTooltip(false, description, -1, -1);
            return true;
        }
    }
    CString text;
    GetRowText(text, row);
    uint32_t column = ColumnAtScreenX(point.x);
    int32_t unit = GetDisplayUnit();
    int32_t columnLeft = 0;
    int32_t available = GetWidth() - (m_pScrollBar != nullptr ? m_pScrollBar->GetWidth() : 0);
    const CJHeader* header = m_Header.Get();
    if (header != nullptr && header->GetColumnCount() > 1)
    {
        text = Field(text, column);
        columnLeft = header->GetColumnOffset(column);
        available = header->GetColumnWidth(column);
    }
    if (GetFontTextWidth(m_pFont, text) + 2 * unit + 2 <= available)
        return CJWindow::OnHover(point);
    int32_t rowTop = unit + row * GetRowHeight() - m_ScrollPosition;
    ShowTooltip(true, text, m_ScreenRect.left + unit + columnLeft + 1, m_ScreenRect.top + rowTop + 3);
    return true;
}
