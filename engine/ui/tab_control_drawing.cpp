// How a tab control draws: the tabs from first to last, each raised on
// three sides, then the visible page, then a frame around the page area
// whose top edge stays open under the current tab, so the current tab
// reads as part of its page. Tabs behind the current one sit a pixel
// lower, their captions faded, and are clipped where a later tab covers
// them; the current tab covers its right neighbour.

#include <algorithm>
#include <optional>

#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/bevel.h"
#include "engine/ui/tab_control.h"

namespace {
constexpr float INACTIVE_TAB_OPACITY = 0.8f;

CRect Intersect(const CRect& a, const CRect& b)
{
    return CRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
}

// Narrows the proxy's clip for the guard's life; a plain frame (a control
// drawn outside a tree) is drawn unclipped.
class CScopedTabClip
{
public:
    CScopedTabClip(CFrameInterface& frame, const CRect& clip)
    {
        if (!frame.IsKindOf(COffsetClippedProxyFrame::SGetClassInfo()))
            return;
        m_pProxy = static_cast<COffsetClippedProxyFrame*>(&frame);
        m_Saved = m_pProxy->GetClipRect();
        m_pProxy->SetClipRect(Intersect(clip, m_Saved));
    }
    ~CScopedTabClip()
    {
        if (m_pProxy != nullptr)
            m_pProxy->SetClipRect(m_Saved);
    }

    CScopedTabClip(const CScopedTabClip&) = delete;
    CScopedTabClip& operator=(const CScopedTabClip&) = delete;

private:
    COffsetClippedProxyFrame* m_pProxy = nullptr;
    CRect m_Saved{0, 0, 0, 0};
};
} // namespace

void CJTabControl::Draw(CFrameInterface& frame)
{
    if (m_TabsShown)
    {
        for (int32_t i = 0; i < static_cast<int32_t>(m_TabRects.GetCount()); ++i)
            DrawTab(frame, i);
    }
    CJWindow::Draw(frame);
    if (m_TabsShown)
        DrawPageFrame(frame);
}

void CJTabControl::DrawTab(CFrameInterface& frame, int32_t index)
{
    const bool current = index == m_CurrentPage;
    CRect tab = GetTabRect(index);
    CRect clip = tab;
    int32_t inset = m_BevelWidth;
    std::optional<CScopedBlitOpacity> fade;
    if (!current)
    {
        tab.top += 1;
        clip.top += 1;
        fade.emplace(GetBlitTransparentMask(), INACTIVE_TAB_OPACITY);
        inset = std::max(m_BevelWidth - m_Overlap, 0);
        if (index + 1 < static_cast<int32_t>(m_TabRects.GetCount()))
            clip.right = GetTabRect(index + 1).left;
    }
    if (index == m_CurrentPage + 1 && m_CurrentPage >= 0)
        clip.left = GetTabRect(m_CurrentPage).right;
    CScopedTabClip scopedClip(frame, clip);
    DrawBevel(m_pFont, frame, tab, m_HighlightColor, m_TextColor, true, BEVEL_LEFT | BEVEL_TOP | BEVEL_RIGHT, current);
    if (m_pFont != nullptr)
        m_pFont->DrawText(frame, tab.left + inset + 1, tab.top + m_BevelWidth + 1,
                          m_Pages[static_cast<uint32_t>(index)]->GetText(), JUSTIFY_LEFT);
}

void CJTabControl::DrawPageFrame(CFrameInterface& frame)
{
    const int32_t width = GetWidth();
    const int32_t height = GetHeight();
    const int32_t top = m_TabRowHeight;
    DrawBevel(m_pFont, frame, CRect{0, top, width, height}, m_HighlightColor, m_TextColor, true,
              BEVEL_LEFT | BEVEL_RIGHT | BEVEL_BOTTOM, true);
    if (!IsPageIndex(m_CurrentPage))
        return;
    const CRect& tab = GetTabRect(m_CurrentPage);
    if (m_CurrentPage != 0)
        DrawBevel(m_pFont, frame, CRect{0, top, tab.left, height}, m_HighlightColor, m_TextColor, true, BEVEL_TOP,
                  true);
    if (width >= tab.right)
        DrawBevel(m_pFont, frame, CRect{tab.right, top, width, height}, m_HighlightColor, m_TextColor, true, BEVEL_TOP,
                  true);
}
