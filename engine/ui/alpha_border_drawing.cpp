// How an alpha skin draws a border. The background may be shaped by alpha
// corner masks: each mask is painted with the texture as it lies under its
// corner of the window and then drawn, so the window's outline follows the
// mask while the texture stays aligned with the window's top-left corner.
// Bands of plain texture fill what the corners leave, and side offsets let
// the background reach past the window's edges (for shadows or rims). The
// frame is a ring of corner highlights joined by strips repeated along the
// edges, with decals at the edges' middles.
//
// Because a border may reach outside its window, both steps draw with the
// clip widened to what shows of the parent's client area, and give the
// previous clip back afterwards. Values from the file enter every sum in 64
// bits and are bounded, so extreme offsets cannot overflow.

#include <cstdint>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_tiling.h"
#include "engine/core/maths/bounded_coordinate.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/texture_tiling.h"
#include "engine/ui/window.h"

namespace {
CRect Intersection(const CRect& a, const CRect& b)
{
    return CRect{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                 a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// The parent's client area in the window's coordinates, cut to what of it
// shows: a border of a control in a panel scrolled half out of view stops
// where the panel does. A window without parent keeps its own clip.
CRect ParentClip(const CJWindow& window, const CRect& current)
{
    const CJWindow* parent = window.GetParent();
    if (parent == nullptr)
        return current;
    const CWindowScrollState* parentScroll = parent->FindScrollState();
    int64_t left = int64_t{parentScroll != nullptr ? parentScroll->m_ScrollX : 0} - window.GetRect().left;
    int64_t top = int64_t{parentScroll != nullptr ? parentScroll->m_ScrollY : 0} - window.GetRect().top;
    CRect area{BoundedCoordinate(left), BoundedCoordinate(top), BoundedCoordinate(left + parent->GetWidth()),
               BoundedCoordinate(top + parent->GetHeight())};

    const CWindowScrollState* ownScroll = window.FindScrollState();
    int64_t dx = int64_t{ownScroll != nullptr ? ownScroll->m_ScrollX : 0} - window.GetScreenRect().left;
    int64_t dy = int64_t{ownScroll != nullptr ? ownScroll->m_ScrollY : 0} - window.GetScreenRect().top;
    const CRect& visible = parent->GetVisibleRect();
    CRect shown{BoundedCoordinate(visible.left + dx), BoundedCoordinate(visible.top + dy),
                BoundedCoordinate(visible.right + dx), BoundedCoordinate(visible.bottom + dy)};
    return Intersection(area, shown);
}

// Sets the parent clip on the proxy for the guard's life.
class CParentClip
{
public:
    CParentClip(const CJWindow& window, COffsetClippedProxyFrame& proxy)
        : m_Proxy(proxy)
        , m_Saved(proxy.GetClipRect())
    {
        proxy.SetClipRect(ParentClip(window, m_Saved));
    }
    ~CParentClip() { m_Proxy.SetClipRect(m_Saved); }

    CParentClip(const CParentClip&) = delete;
    CParentClip& operator=(const CParentClip&) = delete;

private:
    COffsetClippedProxyFrame& m_Proxy;
    CRect m_Saved;
};

// Windows draw through a clipping proxy; a plain frame (a picture drawn
// outside the tree) gets one of its own so the clip can be widened alike.
template <typename Draw>
void DrawWithParentClip(const CJWindow& window, CFrameInterface& frame, Draw draw)
{
    if (frame.IsKindOf(COffsetClippedProxyFrame::SGetClassInfo()))
    {
        COffsetClippedProxyFrame& proxy = static_cast<COffsetClippedProxyFrame&>(frame);
        CParentClip clip(window, proxy);
        draw(static_cast<CFrameInterface&>(proxy));
        return;
    }
    COffsetClippedProxyFrame proxy(&frame);
    CParentClip clip(window, proxy);
    draw(static_cast<CFrameInterface&>(proxy));
}

CRect BoundsOf(const CFrame* frame)
{
    CRect bounds{0, 0, 0, 0};
    if (frame != nullptr)
        frame->GetBounds(bounds);
    return bounds;
}

CRect Moved(const CRect& rect, int64_t x, int64_t y)
{
    return CRect{BoundedCoordinate(rect.left + x), BoundedCoordinate(rect.top + y), BoundedCoordinate(rect.right + x),
                 BoundedCoordinate(rect.bottom + y)};
}

void Repeat(CFrameInterface& frame, CFrame* piece, CRect source, CRect destination)
{
    if (piece != nullptr && destination.right > destination.left && destination.bottom > destination.top)
        frame.Blit(piece, source, destination, &GetBlitRepeat());
}

void DrawAt(CFrameInterface& frame, CFrame* piece, int32_t x, int32_t y)
{
    if (piece != nullptr)
        frame.BlitAt(piece, x, y, &GetBlitNormal());
}

void DrawClassicBackground(CFrameInterface& frame, const CRect& rect, const CClassicSkinBorder& border)
{
    int64_t margin = border.m_TextureMargin;
    CRect inner{BoundedCoordinate(rect.left + margin), BoundedCoordinate(rect.top + margin),
                BoundedCoordinate(rect.right - margin), BoundedCoordinate(rect.bottom - margin)};
    if (CFrame* texture = FindSkinFrame(border.m_BackgroundTexture))
        TileTexture(frame, texture, inner);
    else
        frame.FillRect(inner, border.m_BackgroundColor);
}

struct CCorner
{
    CFrame* mask;
    int32_t x;
    int32_t y;
    CRect bounds;
};

void DrawAlphaBackground(CFrameInterface& frame, int32_t width, int32_t height, const CAlphaSkinBorder& border)
{
    CFrame* texture = FindSkinFrame(border.m_BackgroundTexture);
    CCorner corners[4] = {{FindSkinFrame(border.m_TopLeftAlpha), 0, 0, {}},
                          {FindSkinFrame(border.m_TopRightAlpha), width, 0, {}},
                          {FindSkinFrame(border.m_BottomLeftAlpha), 0, height, {}},
                          {FindSkinFrame(border.m_BottomRightAlpha), width, height, {}}};
    CRect whole{0, 0, width, height};
    bool anyCorner = false;
    for (const CCorner& corner : corners)
        anyCorner = anyCorner || corner.mask != nullptr;
    if (texture == nullptr || !anyCorner)
    {
        if (texture != nullptr)
            TileTexture(frame, texture, whole);
        else
            frame.FillRect(whole, border.m_BackgroundColor);
        return;
    }
    for (CCorner& corner : corners)
    {
        corner.bounds = BoundsOf(corner.mask);
        if (corner.mask == nullptr)
            continue;
        // The shared mask takes the texture under this corner, then shows it.
        TileTexture(*corner.mask, texture, Moved(corner.bounds, corner.x, corner.y), corner.bounds);
        DrawAt(frame, corner.mask, corner.x, corner.y);
    }
    const CCorner& topLeft = corners[0];
    const CCorner& topRight = corners[1];
    const CCorner& bottomLeft = corners[2];
    const CCorner& bottomRight = corners[3];

    int32_t top = 0;
    if (topLeft.mask != nullptr && topLeft.bounds.bottom > top)
        top = topLeft.bounds.bottom;
    if (topRight.mask != nullptr && topRight.bounds.bottom > top)
        top = topRight.bounds.bottom;
    int32_t bottom = height;
    for (const CCorner* corner : {&bottomLeft, &bottomRight})
        if (corner->mask != nullptr && BoundedCoordinate(int64_t{height} + corner->bounds.top) < bottom)
            bottom = BoundedCoordinate(int64_t{height} + corner->bounds.top);

    CRect middle{BoundedCoordinate(-int64_t{border.m_LeftSideOffset}), top,
                 BoundedCoordinate(int64_t{width} + border.m_RightSideOffset), bottom};
    if (middle.bottom > middle.top && middle.right > middle.left)
        TileTexture(frame, texture, middle);

    CRect upper{topLeft.mask != nullptr ? topLeft.bounds.right : 0, BoundedCoordinate(-int64_t{border.m_TopSideOffset}),
                BoundedCoordinate(int64_t{width} + (topRight.mask != nullptr ? topRight.bounds.left : 0)), top};
    if (upper.bottom > upper.top && upper.right > upper.left)
        TileTexture(frame, texture, upper);

    CRect lower{bottomLeft.mask != nullptr ? bottomLeft.bounds.right : 0, bottom,
                BoundedCoordinate(int64_t{width} + (bottomRight.mask != nullptr ? bottomRight.bounds.left : 0)),
                BoundedCoordinate(int64_t{height} + border.m_BottomSideOffset)};
    if (lower.bottom > lower.top && lower.right > lower.left)
        TileTexture(frame, texture, lower);
}

void DrawClassicFrame(CFrameInterface& frame, int32_t w, int32_t h, const CClassicSkinBorder& border)
{
    const CColor& topOuter = border.m_TopOuterColor;
    const CColor& bottomOuter = border.m_BottomOuterColor;
    const CColor& topInner = border.m_TopInnerColor;
    const CColor& bottomInner = border.m_BottomInnerColor;
    frame.FillRect(CRect{0, 0, w, 1}, topOuter);
    frame.FillRect(CRect{0, 0, 1, h}, topOuter);
    frame.FillRect(CRect{w - 1, 1, w, h - 1}, bottomOuter);
    frame.FillRect(CRect{1, h - 1, w, h}, bottomOuter);
    frame.FillRect(CRect{1, 1, w - 1, 2}, topInner);
    frame.FillRect(CRect{1, 1, 2, h - 1}, topInner);
    frame.FillRect(CRect{w - 2, 2, w - 1, h - 2}, bottomInner);
    frame.FillRect(CRect{2, h - 2, w - 1, h - 1}, bottomInner);
}

void DrawAlphaFrame(CFrameInterface& frame, int32_t width, int32_t height, const CAlphaSkinBorder& border,
                    bool closeBox)
{
    CFrame* topLeft = FindSkinFrame(border.m_TopLeftHighlight);
    if (topLeft == nullptr)
        return;
    bool special = closeBox && border.m_SpecialTopRightHighlight != 0;
    CFrame* topRight = FindSkinFrame(special ? border.m_SpecialTopRightHighlight : border.m_TopRightHighlight);
    CFrame* topCentre = FindSkinFrame(border.m_TopCenterHighlight);
    CFrame* bottomLeft = FindSkinFrame(border.m_BottomLeftHighlight);
    CFrame* bottomCentre = FindSkinFrame(border.m_BottomCenterHighlight);
    CFrame* bottomRight = FindSkinFrame(border.m_BottomRightHighlight);
    CFrame* centreLeft = FindSkinFrame(border.m_CenterLeftHighlight);
    CFrame* centreRight = FindSkinFrame(border.m_CenterRightHighlight);
    CRect tl = BoundsOf(topLeft), tc = BoundsOf(topCentre), tr = BoundsOf(topRight);
    CRect bl = BoundsOf(bottomLeft), bc = BoundsOf(bottomCentre), br = BoundsOf(bottomRight);
    CRect cl = BoundsOf(centreLeft), cr = BoundsOf(centreRight);
    bool overlap = border.m_OverlapCorners;
    int64_t amount = border.m_TopOverlapAmount;
    int64_t w = width;
    int64_t h = height;

    CRect strip{BoundedCoordinate((overlap ? 0 : int64_t{tl.right} - 1) - amount), tc.top,
                BoundedCoordinate(w + (overlap ? 0 : tr.left) + amount), tc.bottom};
    Repeat(frame, topCentre, strip, strip);

    strip = CRect{BoundedCoordinate(overlap ? 0 : int64_t{bl.right} - 1), BoundedCoordinate(h + bc.top),
                  BoundedCoordinate(w + (overlap ? 0 : br.left)), BoundedCoordinate(h + bc.bottom)};
    Repeat(frame, bottomCentre, CRect{strip.left, bc.top, strip.right, bc.bottom}, strip);

    strip = CRect{cl.left, BoundedCoordinate(overlap ? 0 : int64_t{tl.bottom} - 1), cl.right,
                  BoundedCoordinate(h + (overlap ? 0 : bl.top))};
    Repeat(frame, centreLeft, strip, strip);

    strip = CRect{BoundedCoordinate(w + cr.left - 1), BoundedCoordinate(overlap ? 0 : int64_t{tr.bottom} - 1),
                  BoundedCoordinate(w + cr.right), BoundedCoordinate(h + (overlap ? 0 : br.top))};
    Repeat(frame, centreRight, CRect{BoundedCoordinate(int64_t{cr.left} - 1), strip.top, cr.right, strip.bottom},
           strip);

    DrawAt(frame, topLeft, 0, 0);
    DrawAt(frame, topRight, width, 0);
    DrawAt(frame, bottomLeft, 0, height);
    DrawAt(frame, bottomRight, width, height);

    // Halves rounded down, as the decals' hot spots are placed.
    int32_t halfWidth = static_cast<int32_t>(w >> 1);
    int32_t halfHeight = static_cast<int32_t>(h >> 1);
    DrawAt(frame, FindSkinFrame(border.m_TopCenterDecal), halfWidth, 0);
    DrawAt(frame, FindSkinFrame(border.m_BottomCenterDecal), halfWidth, height);
    DrawAt(frame, FindSkinFrame(border.m_LeftCenterDecal), 0, halfHeight);
    DrawAt(frame, FindSkinFrame(border.m_RightCenterDecal), width, halfHeight);
}

const CAlphaSkinBorder* AsAlpha(const CSkinBorder* border)
{
    return border != nullptr && border->IsKindOf(CAlphaSkinBorder::SGetClassInfo())
               ? static_cast<const CAlphaSkinBorder*>(border)
               : nullptr;
}

const CClassicSkinBorder* AsClassic(const CSkinBorder* border)
{
    return border != nullptr && border->IsKindOf(CClassicSkinBorder::SGetClassInfo())
               ? static_cast<const CClassicSkinBorder*>(border)
               : nullptr;
}
} // namespace

void CJWindowAlphaTheme::DrawBorder(CJWindow* window, CFrameInterface& frame, const CRect& rect,
                                    const CSkinBorder* border, bool drawBackground, bool closeBox)
{
    if (drawBackground)
        DrawBorderBackground(window, frame, rect, border);
    DrawBorderFrame(window, frame, rect, border, closeBox);
}

void CJWindowAlphaTheme::DrawBorderBackground(CJWindow* window, CFrameInterface& frame, const CRect& rect,
                                              const CSkinBorder* border)
{
    if (const CClassicSkinBorder* classic = AsClassic(border))
        DrawClassicBackground(frame, rect, *classic);
    else if (const CAlphaSkinBorder* alpha = AsAlpha(border))
        DrawWithParentClip(*window, frame, [&](CFrameInterface& clipped) {
            DrawAlphaBackground(clipped, rect.right, rect.bottom, *alpha);
        });
}

void CJWindowAlphaTheme::DrawBorderFrame(CJWindow* window, CFrameInterface& frame, const CRect& rect,
                                         const CSkinBorder* border, bool closeBox)
{
    if (const CClassicSkinBorder* classic = AsClassic(border))
        DrawClassicFrame(frame, rect.right, rect.bottom, *classic);
    else if (const CAlphaSkinBorder* alpha = AsAlpha(border))
        DrawWithParentClip(*window, frame, [&](CFrameInterface& clipped) {
            DrawAlphaFrame(clipped, rect.right, rect.bottom, *alpha, closeBox);
        });
}
