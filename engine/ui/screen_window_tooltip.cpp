// The one tooltip box of the tree. A window asks for its tooltip from its
// hover (or on purpose); the box takes the window's font and colours, is
// wrapped to 0.8 of the screen's width, and is kept on screen. A status
// line set as the target shows the texts instead.

#include "engine/app/input/mouse_state.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/sequence.h"
#include "engine/object/editor_hooks.h"
#include "engine/ui/screen_window.h"

namespace {
constexpr int32_t TOOLTIP_LINE_GAP = 2;
constexpr int32_t POINTER_HEIGHT_WITHOUT_CURSOR = 20;
constexpr int32_t SCREEN_EDGE_RIGHT_BOTTOM = 3;
constexpr int32_t SCREEN_EDGE_LEFT = 2;

CRect Grown(const CRect& rect, int32_t by)
{
    return CRect{rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

void MoveRect(CRect& rect, int32_t dx, int32_t dy)
{
    rect = CRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}
} // namespace

void CScreenWindow::SetTooltip(bool fromHover, CJWindow* window, int32_t hotkeyPosition, const CString& text, int32_t x,
                               int32_t y, int32_t hotkeyLength)
{
    if (m_pTooltipTarget != nullptr && (!fromHover || m_TargetTakesHoverTexts) &&
        (m_pTooltipTarget->IsVisibleInTree() || !GetEditorHooks().IsLevelEditorOpen()))
    {
        m_pTooltipTarget->SetText(text);
        m_TooltipText.Empty();
        m_WrappedTooltip.Empty();
        return;
    }
    if (!text.IsEmpty() && text.Compare(m_TooltipText) == 0)
        return;
    m_Underline = false;
    m_TooltipText.Empty();
    m_WrappedTooltip.Empty();
    m_pTooltipWindow = nullptr;
    if (text.IsEmpty() || window == nullptr || window->GetFont() == nullptr)
        return;
    m_pTooltipWindow = window;

    CFont* font = window->GetFont();
    m_pTooltipFont = font;
    m_TooltipBoxColour = window->GetTextColor();
    if (m_TooltipBoxColour.m_Alpha == 0)
        m_TooltipBoxColour.SetRGBA(m_TooltipBoxColour.m_Red, m_TooltipBoxColour.m_Green, m_TooltipBoxColour.m_Blue,
                                   255);
    m_TooltipOutlineColour = window->GetHighlightColor();
    m_TooltipText = text;

    if (x == -1)
    {
        CMouseState& mouse = GetMouseState();
        CPoint pointer = mouse.GetPosition();
        x = pointer.x;
        y = pointer.y;
        if (const CSequence* cursor = mouse.GetCursorSequence())
        {
            CRect bounds;
            cursor->GetBounds(bounds);
            y += bounds.bottom - bounds.top;
        }
        else
        {
            y += POINTER_HEIGHT_WITHOUT_CURSOR;
        }
    }

    m_WrappedTooltip = font->WrapText(text, static_cast<int32_t>(static_cast<float>(GetWidth()) * 0.8f));
    m_TooltipBox = CRect{x, y, x + font->GetMultiLineWidth(m_WrappedTooltip),
                         y + font->GetTextBlockHeight(m_WrappedTooltip, TOOLTIP_LINE_GAP)};
    if (hotkeyPosition != NO_HOTKEY_POSITION)
    {
        m_Underline = true;
        m_UnderlineY = font->GetHeight() + 1;
        m_UnderlineLeft = font->GetTextWidth(text, hotkeyPosition);
        m_UnderlineRight = font->GetTextWidth(text, hotkeyPosition + hotkeyLength);
        if (m_TooltipBox.bottom < m_TooltipBox.top + m_UnderlineY + 2)
            m_TooltipBox.bottom = m_TooltipBox.top + m_UnderlineY + 2;
    }

    if (m_TooltipBox.right > GetWidth() - SCREEN_EDGE_RIGHT_BOTTOM)
        MoveRect(m_TooltipBox, GetWidth() - SCREEN_EDGE_RIGHT_BOTTOM - m_TooltipBox.right, 0);
    if (m_TooltipBox.left < SCREEN_EDGE_LEFT)
        MoveRect(m_TooltipBox, SCREEN_EDGE_LEFT - m_TooltipBox.left, 0);
    if (m_TooltipBox.bottom > GetHeight() - SCREEN_EDGE_RIGHT_BOTTOM)
        MoveRect(m_TooltipBox, 0, GetHeight() - SCREEN_EDGE_RIGHT_BOTTOM - m_TooltipBox.bottom);
}

void CScreenWindow::ClearTooltip()
{
    SetTooltip(false, nullptr, NO_HOTKEY_POSITION, CString(), -1, -1, 1);
}

void CScreenWindow::ForgetTooltipOf(const CJWindow* window)
{
    if (window != nullptr && window == m_pTooltipWindow)
        ClearTooltip();
}

void CScreenWindow::SetTooltipTarget(CJWindow* window, bool takesHoverTexts)
{
    m_pTooltipTarget = window;
    m_TargetTakesHoverTexts = takesHoverTexts;
}

void CScreenWindow::DrawTooltip()
{
    if (m_TooltipText.IsEmpty() || m_pTooltipFont == nullptr)
        return;
    COffsetClippedProxyFrame& frame = *m_pProxy;
    frame.FillRect(Grown(m_TooltipBox, 1), m_TooltipBoxColour);
    frame.DrawRectOutline(Grown(m_TooltipBox, 2), m_TooltipOutlineColour);
    m_pTooltipFont->DrawMultiLineText(frame, m_TooltipBox.left, m_TooltipBox.top, m_WrappedTooltip, TOOLTIP_LINE_GAP,
                                      0);
    if (m_Underline)
    {
        int32_t lineY = m_TooltipBox.top + m_UnderlineY;
        frame.DrawLine(m_TooltipBox.left + m_UnderlineLeft, lineY, m_TooltipBox.left + m_UnderlineRight, lineY,
                       m_HighlightColor);
    }
}
