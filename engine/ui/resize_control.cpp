#include "engine/ui/resize_control.h"

#include "engine/graphics/fonts/font.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/dialog.h"

namespace {
constexpr char16_t GRIP_GLYPH[] = {0x2044, 0};
constexpr int32_t CAN_RESIZE_CURSOR = 11;
constexpr int32_t RESIZING_CURSOR = 12;
} // namespace

CJResizeControl::CJResizeControl(CJWindow* parent)
    : CJWindow(parent, "Resize Control")
{
    int32_t size = m_pFont != nullptr ? m_pFont->GetCharWidth(GRIP_GLYPH[0]) : 0;
    SetSize(size, size);
}

void CJResizeControl::Draw(CFrameInterface& frame)
{
    if (m_pFont != nullptr)
        m_pFont->DrawText(frame, 0, 0, CString(GRIP_GLYPH));
    CJWindow::Draw(frame);
}

bool CJResizeControl::TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor)
{
    if ((buttons & 1) == 0)
        return false;
    cursor = GetCursorFromTable(RESIZING_CURSOR);
    CJDialog* dialog = dynamic_cast<CJDialog*>(m_pParent);
    if (dialog == nullptr)
        return true;
    m_EdgeMask = EDGE_RIGHT | EDGE_BOTTOM;
    CRect rect = dialog->GetRect();
    rect.right += movement.x;
    rect.bottom += movement.y;
    dialog->ResizeTo(rect, m_EdgeMask, point);
    return true;
}

const CSequence* CJResizeControl::GetCursor(CPoint)
{
    return GetCursorFromTable(CAN_RESIZE_CURSOR);
}
