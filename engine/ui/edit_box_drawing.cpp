// How an edit box draws: the sunken background, the selection, the text
// scrolled so that the caret stays in view, and the blinking caret, a line
// while typing inserts and a block over the character it would overwrite.

#include <algorithm>
#include <optional>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/platform/tick_counter.h"
#include "engine/ui/bevel.h"
#include "engine/ui/edit_box.h"

namespace {
constexpr float DISABLED_TEXT_OPACITY = 0.4f;
constexpr float DISABLED_SHADE_OPACITY = 0.6f;
// The caret shows for 256 ms, then hides for as long.
constexpr uint32_t CARET_BLINK_BIT = 256;
} // namespace

CRect CJEditBox::TextArea() const
{
    int32_t left = GetLeftInset();
    int32_t top = GetTitleHeight();
    CRect client{left, top, left + GetClientWidth(), top + GetClientHeight()};
    CRect area{0, 0, 0, 0};
    if (!IntersectRects(client, m_ClipRect, area))
        return CRect{0, 0, 0, 0};
    return area;
}

void CJEditBox::KeepCaretVisible(int32_t caretWidth, int32_t areaWidth)
{
    int32_t caret = TextWidth(m_Caret);
    int32_t text = TextWidth(-1);
    int32_t total = std::max(text, caret + caretWidth);
    if (m_ScrollOffset != 0 && total - m_ScrollOffset < areaWidth)
        m_ScrollOffset = total - areaWidth;
    if (caret < m_ScrollOffset)
        m_ScrollOffset = caret;
    if (caret + 1 - m_ScrollOffset >= areaWidth)
        m_ScrollOffset = caret + 1 - areaWidth + 1;
    if (text < areaWidth)
        m_ScrollOffset = 0;
}

void CJEditBox::DrawVisibleText(CFrameInterface& frame, const CRect& area)
{
    // Only the characters that reach into the area are drawn: a long text
    // scrolled aside would otherwise blit thousands of clipped glyphs.
    int32_t x = area.left - m_ScrollOffset;
    int32_t first = 0;
    for (; first < Length(); ++first)
    {
        int32_t width = m_pFont->GetCharWidth(m_Text.GetAt(static_cast<uint32_t>(first)));
        if (x + width > area.left)
            break;
        x += width;
    }
    int32_t end = first;
    for (int32_t right = x; end < Length() && right < area.right; ++end)
        right += m_pFont->GetCharWidth(m_Text.GetAt(static_cast<uint32_t>(end)));
    CString visible;
    m_Text.Mid(visible, static_cast<uint32_t>(first), static_cast<uint32_t>(end - first));
    m_pFont->DrawText(frame, x, area.top + m_BevelWidth, visible);
}

void CJEditBox::Draw(CFrameInterface& frame)
{
    bool enabled = IsEnabledInTree();
    std::optional<CScopedBlitOpacity> textFade;
    std::optional<CScopedBlitOpacity> shadeFade;
    if (!enabled)
    {
        textFade.emplace(GetBlitTransparentMask(), DISABLED_TEXT_OPACITY);
        shadeFade.emplace(GetBlitBlendBlackBias(), DISABLED_SHADE_OPACITY);
    }
    if (m_SunkenBackground)
        DrawBevel(m_pFont, frame, CRect{0, 0, GetWidth(), GetHeight()}, m_HighlightColor, m_TextColor, false,
                  BEVEL_ALL_EDGES, false);
    CRect area = TextArea();
    if (area.right <= area.left || area.bottom <= area.top || m_pFont == nullptr)
    {
        CJWindow::Draw(frame);
        return;
    }
    bool showCaret = enabled && m_Focused && m_ShowCaretAndSelection;
    if (showCaret && HasSelection())
        frame.FillRect(area.left + TextWidth(SelectionStart()) - m_ScrollOffset, area.top,
                       area.left + TextWidth(SelectionStop()) - m_ScrollOffset, area.bottom, m_FifthColor);
    DrawVisibleText(frame, area);
    if (showCaret)
    {
        int32_t areaWidth = area.right - area.left;
        KeepCaretVisible(1, areaWidth);
        if ((GetTickCount() & CARET_BLINK_BIT) != 0)
        {
            int32_t width = 1;
            if (!IsInsertMode() && m_Caret < Length())
            {
                width = m_pFont->GetCharWidth(m_Text.GetAt(static_cast<uint32_t>(m_Caret)));
                KeepCaretVisible(width, areaWidth);
            }
            int32_t x = area.left + TextWidth(m_Caret) - m_ScrollOffset;
            frame.FillRect(x, area.top, x + width, area.bottom, m_HighlightColor);
        }
    }
    CJWindow::Draw(frame);
}
