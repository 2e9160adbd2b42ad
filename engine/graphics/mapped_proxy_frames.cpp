#include "engine/graphics/mapped_proxy_frames.h"

#include "engine/core/color/color.h"
#include "engine/graphics/frame_clipping.h"

VP_IMPLEMENT_CLASS(CClippedProxyFrame, CProxyFrame, 1.0f)
VP_IMPLEMENT_CLASS(COffsetProxyFrame, CProxyFrame, 1.0f)
VP_IMPLEMENT_CLASS(COffsetClippedProxyFrame, CProxyFrame, 1.0f)

void CClippedProxyFrame::RegisterProperties(CClassInfo*)
{
}

void COffsetProxyFrame::RegisterProperties(CClassInfo*)
{
}

void COffsetClippedProxyFrame::RegisterProperties(CClassInfo*)
{
}

namespace {

// Coordinates far out wrap instead of overflowing; the clip or the target
// rejects them.
int32_t Moved(int32_t value, int32_t offset)
{
    return static_cast<int32_t>(static_cast<int64_t>(value) - offset);
}

bool Inside(const CRect& clip, int32_t x, int32_t y)
{
    return clip.left <= x && x < clip.right && clip.top <= y && y < clip.bottom;
}

CRect MovedRect(const CRect& rect, int32_t x, int32_t y)
{
    return CRect{Moved(rect.left, x), Moved(rect.top, y), Moved(rect.right, x), Moved(rect.bottom, y)};
}

} // namespace

// ---- the shared mapping

bool CMappedProxyFrame::MapPoint(int32_t& x, int32_t& y) const
{
    const Mapping mapping = GetMapping();
    x = Moved(x, mapping.offsetX);
    y = Moved(y, mapping.offsetY);
    return !mapping.clipped || Inside(mapping.clip, x, y);
}

bool CMappedProxyFrame::MapRect(CRect& rect) const
{
    const Mapping mapping = GetMapping();
    rect = MovedRect(rect, mapping.offsetX, mapping.offsetY);
    return !mapping.clipped || ClipRect(mapping.clip, rect);
}

bool CMappedProxyFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    if (m_pTarget == nullptr)
        return false;
    const Mapping mapping = GetMapping();
    destinationRect = MovedRect(destinationRect, mapping.offsetX, mapping.offsetY);
    if (mapping.clipped && !ClipBlitRectsFor(blitType, mapping.clip, sourceRect, destinationRect))
        return false;
    return m_pTarget->Blit(source, sourceRect, destinationRect, blitType);
}

void CMappedProxyFrame::FillRect(const CRect& rect, const CColor& colour)
{
    CRect mapped = rect;
    if (m_pTarget && MapRect(mapped))
        m_pTarget->FillRect(mapped, colour);
}

void CMappedProxyFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    if (m_pTarget == nullptr)
        return;
    const Mapping mapping = GetMapping();
    x0 = Moved(x0, mapping.offsetX);
    x1 = Moved(x1, mapping.offsetX);
    y0 = Moved(y0, mapping.offsetY);
    y1 = Moved(y1, mapping.offsetY);
    if (mapping.clipped && !ClipLine(mapping.clip, x0, y0, x1, y1))
        return;
    m_pTarget->DrawLine(x0, y0, x1, y1, colour);
}

void CMappedProxyFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    if (m_pTarget == nullptr)
        return;
    const Mapping mapping = GetMapping();
    x0 -= static_cast<float>(mapping.offsetX);
    x1 -= static_cast<float>(mapping.offsetX);
    y0 -= static_cast<float>(mapping.offsetY);
    y1 -= static_cast<float>(mapping.offsetY);
    const CRectF clip{static_cast<float>(mapping.clip.left), static_cast<float>(mapping.clip.top),
                      static_cast<float>(mapping.clip.right), static_cast<float>(mapping.clip.bottom)};
    if (mapping.clipped && !ClipLineF(clip, x0, y0, x1, y1))
        return;
    m_pTarget->DrawLineAA(x0, y0, x1, y1, colour);
}

bool CMappedProxyFrame::GetPixel(int32_t x, int32_t y, CColor& colour) const
{
    if (m_pTarget && MapPoint(x, y))
        return m_pTarget->GetPixel(x, y, colour);
    colour = ColorTransparent;
    return false;
}

uint32_t CMappedProxyFrame::GetPixelValue(int32_t x, int32_t y) const
{
    return m_pTarget && MapPoint(x, y) ? m_pTarget->GetPixelValue(x, y) : 0;
}

void CMappedProxyFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    if (m_pTarget && MapPoint(x, y))
        m_pTarget->SetPixel(x, y, colour);
}

bool CMappedProxyFrame::HitTestPixel(int32_t x, int32_t y) const
{
    return m_pTarget && MapPoint(x, y) && m_pTarget->HitTestPixel(x, y);
}

void CMappedProxyFrame::RemapRect(const CRect& rect, const uint8_t* map)
{
    CRect mapped = rect;
    if (m_pTarget && MapRect(mapped))
        m_pTarget->RemapRect(mapped, map);
}

void CMappedProxyFrame::ClearRectMapped(const CRect& rect)
{
    CRect mapped = rect;
    if (m_pTarget && MapRect(mapped))
        m_pTarget->ClearRect(mapped);
}

// ---- clipped

CClippedProxyFrame::CClippedProxyFrame()
    : CClippedProxyFrame(nullptr)
{
}

CClippedProxyFrame::CClippedProxyFrame(CFrameInterface* target)
    : CMappedProxyFrame(target)
    , m_ClipRect{0, 0, 0, 0}
{
    if (target)
        target->GetBounds(m_ClipRect);
    ConstructProperties(SGetClassInfo());
}

CClippedProxyFrame::~CClippedProxyFrame()
{
    DestroyProperties(SGetClassInfo());
}

void CClippedProxyFrame::GetBounds(CRect& bounds) const
{
    CRect target;
    CProxyFrame::GetBounds(target);
    bounds = m_ClipRect;
    if (!ClipRect(target, bounds))
    {
        bounds.right = bounds.left;
        bounds.bottom = bounds.top;
    }
}

int32_t CClippedProxyFrame::GetHeight() const
{
    CRect bounds;
    GetBounds(bounds);
    return bounds.bottom - bounds.top;
}

int32_t CClippedProxyFrame::GetWidth() const
{
    CRect bounds;
    GetBounds(bounds);
    return bounds.right - bounds.left;
}

void CClippedProxyFrame::SetTarget(CFrameInterface* target)
{
    m_ClipRect = CRect{0, 0, 0, 0};
    if (target)
        target->GetBounds(m_ClipRect);
    CProxyFrame::SetTarget(target);
}

CMappedProxyFrame::Mapping CClippedProxyFrame::GetMapping() const
{
    Mapping mapping{0, 0, true, {}};
    GetBounds(mapping.clip);
    return mapping;
}

// ---- offset

COffsetProxyFrame::COffsetProxyFrame()
    : COffsetProxyFrame(nullptr)
{
}

COffsetProxyFrame::COffsetProxyFrame(CFrameInterface* target)
    : CMappedProxyFrame(target)
    , m_OffsetX(0)
    , m_OffsetY(0)
{
    ConstructProperties(SGetClassInfo());
}

COffsetProxyFrame::~COffsetProxyFrame()
{
    DestroyProperties(SGetClassInfo());
}

void COffsetProxyFrame::GetBounds(CRect& bounds) const
{
    CProxyFrame::GetBounds(bounds);
    if (m_pTarget)
        bounds = MovedRect(bounds, -m_OffsetX, -m_OffsetY);
}

CMappedProxyFrame::Mapping COffsetProxyFrame::GetMapping() const
{
    return Mapping{m_OffsetX, m_OffsetY, false, {}};
}

// ---- offset and clipped

COffsetClippedProxyFrame::COffsetClippedProxyFrame()
    : COffsetClippedProxyFrame(nullptr)
{
}

COffsetClippedProxyFrame::COffsetClippedProxyFrame(CFrameInterface* target)
    : CMappedProxyFrame(target)
    , m_Offset(&m_Clipped)
    , m_Clipped(target)
{
    ConstructProperties(SGetClassInfo());
}

COffsetClippedProxyFrame::~COffsetClippedProxyFrame()
{
    DestroyProperties(SGetClassInfo());
}

void COffsetClippedProxyFrame::GetBounds(CRect& bounds) const
{
    m_Clipped.GetBounds(bounds);
    bounds = MovedRect(bounds, -m_Offset.GetUpperLeftXOffset(), -m_Offset.GetUpperLeftYOffset());
}

int32_t COffsetClippedProxyFrame::GetHeight() const
{
    return m_Clipped.GetHeight();
}

int32_t COffsetClippedProxyFrame::GetWidth() const
{
    return m_Clipped.GetWidth();
}

int32_t COffsetClippedProxyFrame::GetUpperLeftXOffset() const
{
    return CProxyFrame::GetUpperLeftXOffset() + m_Offset.GetUpperLeftXOffset();
}

int32_t COffsetClippedProxyFrame::GetUpperLeftYOffset() const
{
    return CProxyFrame::GetUpperLeftYOffset() + m_Offset.GetUpperLeftYOffset();
}

void COffsetClippedProxyFrame::SetTarget(CFrameInterface* target)
{
    m_Clipped.SetTarget(target);
    m_Offset.SetTarget(&m_Clipped);
    CProxyFrame::SetTarget(target);
}

void COffsetClippedProxyFrame::SetClipRect(const CRect& clip)
{
    m_Clipped.SetClipRect(MovedRect(clip, m_Offset.GetUpperLeftXOffset(), m_Offset.GetUpperLeftYOffset()));
}

CRect COffsetClippedProxyFrame::GetClipRect() const
{
    return MovedRect(m_Clipped.GetClipRect(), -m_Offset.GetUpperLeftXOffset(), -m_Offset.GetUpperLeftYOffset());
}

CMappedProxyFrame::Mapping COffsetClippedProxyFrame::GetMapping() const
{
    Mapping mapping{m_Offset.GetUpperLeftXOffset(), m_Offset.GetUpperLeftYOffset(), true, {}};
    m_Clipped.GetBounds(mapping.clip);
    return mapping;
}
