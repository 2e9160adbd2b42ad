// How a window draws itself and its children.
//
// The root draws the whole tree every frame through one offset-and-clip
// proxy: before each child draws, the proxy is moved to the child's screen
// corner and clipped to the child's visible part, so every window draws in
// plain local coordinates. A child whose opacity is not 1.0 gets an
// opacity proxy in front of the proxy's target for its whole subtree;
// nested fades multiply along that chain.
//
// Aiming the proxy at a new target resets its clip to the new target's
// bounds, so the target changes first and the child's offset and clip are
// set after it: the other order lets a faded window draw over the whole
// frame. The proxy's offset and clip are saved and restored as a pair in
// the proxy's own coordinates, which makes them the same clip again.

#include <optional>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/opacity_proxy_frame.h"
#include "engine/ui/scroll_bar_layout.h"
#include "engine/ui/skin_theme.h"
#include "engine/ui/texture_tiling.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"

namespace {
constexpr float DISABLED_TEXT_OPACITY = 0.4f;
constexpr float DISABLED_SHADE_OPACITY = 0.6f;

// The proxy's offset and clip, taken and put back as one.
class CSavedProxyView
{
public:
    explicit CSavedProxyView(COffsetClippedProxyFrame& proxy)
        : m_Proxy(proxy)
        , m_Offset(proxy.GetOffset())
        , m_Clip(proxy.GetClipRect())
    {
    }
    ~CSavedProxyView()
    {
        m_Proxy.SetOffset(m_Offset.x, m_Offset.y);
        m_Proxy.SetClipRect(m_Clip);
    }

    CSavedProxyView(const CSavedProxyView&) = delete;
    CSavedProxyView& operator=(const CSavedProxyView&) = delete;

private:
    COffsetClippedProxyFrame& m_Proxy;
    CPoint m_Offset;
    CRect m_Clip;
};

// Moves the proxy to a window's own coordinates and clips it to what of the
// window shows.
void ViewWindow(COffsetClippedProxyFrame& proxy, const CJWindow& window)
{
    const CWindowScrollState* scroll = window.FindScrollState();
    int32_t scrollX = scroll != nullptr ? scroll->m_ScrollX : 0;
    int32_t scrollY = scroll != nullptr ? scroll->m_ScrollY : 0;
    proxy.SetOffset(scrollX - window.GetScreenRect().left, scrollY - window.GetScreenRect().top);
    proxy.SetClipRect(window.GetClipRect());
}

void DrawArrowPixels(CFrameInterface& frame, int32_t x, int32_t y, int32_t wingY, const CColor& colour)
{
    for (int32_t dy = -2; dy <= 1; ++dy)
        frame.SetPixel(x, y + dy, colour);
    frame.SetPixel(x - 1, wingY, colour);
    frame.SetPixel(x + 1, wingY, colour);
}
} // namespace

bool RectsIntersect(const CRect& a, const CRect& b)
{
    int32_t left = a.left > b.left ? a.left : b.left;
    int32_t right = a.right < b.right ? a.right : b.right;
    int32_t top = a.top > b.top ? a.top : b.top;
    int32_t bottom = a.bottom < b.bottom ? a.bottom : b.bottom;
    return left < right && top < bottom;
}

void CJWindow::Draw(CFrameInterface& frame)
{
    if (frame.IsKindOf(COffsetClippedProxyFrame::SGetClassInfo()))
    {
        COffsetClippedProxyFrame& proxy = static_cast<COffsetClippedProxyFrame&>(frame);
        DrawLayer(proxy, 0);
        DrawLayer(proxy, 1);
        DrawScrollCorner(frame);
        return;
    }
    // A plain frame (a preview drawing one window): the children still need
    // a proxy to be moved and clipped by.
    COffsetClippedProxyFrame proxy(&frame);
    ViewWindow(proxy, *this);
    DrawLayer(proxy, 0);
    DrawLayer(proxy, 1);
    DrawScrollCorner(proxy);
}

void CJWindow::DrawScrollCorner(CFrameInterface& frame)
{
    if (m_pScrollState == nullptr || m_pScrollState->m_pVerticalBar == nullptr ||
        m_pScrollState->m_pHorizontalBar == nullptr)
        return;
    CRect corner = OffsetRect(
        CRect{GetWidth() - SCROLL_BAR_THICKNESS, GetHeight() - SCROLL_BAR_THICKNESS, GetWidth(), GetHeight()},
        m_pScrollState->m_ScrollX, m_pScrollState->m_ScrollY);
    TileTexture(frame, GetWindowTexture(), corner);
}

void CJWindow::DrawLayer(COffsetClippedProxyFrame& proxy, int32_t layer)
{
    // The previous sibling is taken before the call: a preview may link and
    // unlink windows while it draws.
    for (CJWindow* child = m_pBackChild; child != nullptr;)
    {
        CJWindow* previous = child->m_pPrevSibling;
        if (child->m_Layer == layer)
            DrawChild(proxy, child);
        child = previous;
    }
}

void CJWindow::DrawChild(COffsetClippedProxyFrame& proxy, CJWindow* child)
{
    if (!child->m_FirstShown)
    {
        child->m_FirstShown = true;
        child->OnCommand(nullptr, 2);
    }
    if (child->m_VisibleRect.right <= 0 || child->m_VisibleRect.bottom <= 0 || !child->m_Visible)
        return;
    CSavedProxyView saved(proxy);
    {
        std::optional<COpacityProxyFrame> fade;
        CFrameInterface* target = proxy.GetTarget();
        if (child->m_Opacity != 1.0f)
        {
            fade.emplace();
            fade->SetTarget(target);
            fade->SetOpacity(child->m_Opacity);
            proxy.SetTarget(&*fade);
        }
        ViewWindow(proxy, *child);
        child->Draw(proxy);
        if (fade)
            proxy.SetTarget(target);
    }
    if (!child->m_TabStop && !child->m_AlwaysOutlined)
        return;
    ViewWindow(proxy, *this);
    if (child->m_Focused && GetToolkitState().m_FocusOutline)
        child->DrawOutline(proxy, m_FocusOutlineColor);
    else if (child->m_AlwaysOutlined)
        child->DrawOutline(proxy, m_OutlineColor);
}

void CJWindow::DrawOutline(CFrameInterface& frame, const CColor& colour)
{
    frame.DrawRectOutline(m_Rect.left - 1, m_Rect.top - 1, m_Rect.right + 1, m_Rect.bottom + 1, colour);
}

void CJWindow::DrawText(CFrameInterface& frame, int32_t x, int32_t y, int32_t justification)
{
    bool faded = !m_Enabled || (m_pParent != nullptr && !m_pParent->m_Enabled) || IsGreyed();
    std::optional<CScopedBlitOpacity> textFade;
    std::optional<CScopedBlitOpacity> shadeFade;
    if (faded)
    {
        textFade.emplace(GetBlitTransparentMask(), DISABLED_TEXT_OPACITY);
        shadeFade.emplace(GetBlitBlendBlackBias(), DISABLED_SHADE_OPACITY);
    }
    if (m_Text.IsEmpty())
        return;
    if (m_Text.Compare("/\\") == 0)
    {
        DrawArrowPixels(frame, x, y, y - 1, m_HighlightColor);
        return;
    }
    if (m_Text.Compare("\\/") == 0)
    {
        DrawArrowPixels(frame, x, y, y, m_HighlightColor);
        return;
    }
    if (m_Text.Compare("><") == 0)
    {
        frame.DrawLine(x - 3, y - 2, x + 1, y + 2, m_HighlightColor);
        frame.DrawLine(x + 1, y - 2, x - 3, y + 2, m_HighlightColor);
        return;
    }
    if (m_pFont == nullptr)
        return;
    if (justification == 1)
        x -= m_pFont->GetMultiLineWidth(m_Text) / 2;
    else if (justification == 2)
        x -= m_pFont->GetTextWidth(m_Text);
    if (m_HotkeyPosition != NO_HOTKEY_POSITION && !faded)
    {
        int32_t before = m_pFont->GetTextWidth(m_Text, m_HotkeyPosition);
        int32_t span = m_pFont->GetTextWidth(m_Text, m_HotkeyPosition + m_HotkeyLength) - before;
        int32_t top = y + m_pFont->GetLineHeight() + m_BevelWidth / 2;
        if (top > GetHeight() - 1)
            top = GetHeight() - 1;
        int32_t alpha = static_cast<int32_t>(GetBlitTransparentMask().GetOpacity() * 255.0f);
        CColor underline(m_HighlightColor.m_Red, m_HighlightColor.m_Green, m_HighlightColor.m_Blue,
                         static_cast<uint8_t>(alpha));
        frame.FillRect(x + before + 1, top, x + before + span - 1, top + 1, underline);
    }
    m_pFont->DrawMultiLineText(frame, x, y, m_Text, 0, 0);
}

CFrameInterface* CJWindow::GetWindowTexture()
{
    if (m_pTheme != nullptr)
        if (CFrameInterface* texture = m_pTheme->GetWindowTexture())
            return texture;
    CToolkitState& toolkit = GetToolkitState();
    return IsActive() ? toolkit.m_pWindowTexture : toolkit.m_pInactiveWindowTexture;
}
