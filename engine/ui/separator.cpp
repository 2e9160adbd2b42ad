#include "engine/ui/bevel.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/static_text.h"

CJSeparator::CJSeparator(CJWindow* parent, int32_t width, int32_t height)
    : CJWindow(parent)
    , m_RequestedWidth(width)
    , m_RequestedHeight(height)
{
    if (width != 0 && height != 0)
        SetSize(width, height);
    else
        SetRect(m_Rect);
}

CRect CJSeparator::LaidOut(const CRect& rect) const
{
    CRect laid = rect;
    if (m_RequestedWidth == 0)
    {
        laid.left = 1;
        laid.right = 1 + (m_pParent != nullptr ? m_pParent->GetWidth() - 2 : 2);
    }
    else
        laid.right = laid.left + m_RequestedWidth;
    if (m_RequestedHeight == 0)
    {
        laid.top = 1;
        laid.bottom = 1 + (m_pParent != nullptr ? m_pParent->GetHeight() - 2 : 2);
    }
    else
        laid.bottom = laid.top + m_RequestedHeight;
    return laid;
}

void CJSeparator::SetRect(const CRect& rect)
{
    if (m_RequestedWidth != 0 && m_RequestedHeight != 0)
        CJWindow::SetRect(rect);
    else
        CJWindow::SetRect(LaidOut(rect));
}

void CJSeparator::Draw(CFrameInterface& frame)
{
    CJWindow::Draw(frame);
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    if (width == 1 || height == 1)
        frame.DrawLine(0, 0, width - 1, height - 1, m_FocusOutlineColor);
    else
        DrawBevel(m_pFont, frame, CRect{0, 0, width, height}, m_HighlightColor, m_FocusOutlineColor, false,
                  BEVEL_ALL_EDGES, false);
}
