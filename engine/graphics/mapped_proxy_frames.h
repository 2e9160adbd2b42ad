#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/graphics/proxy_frame.h"

// The proxies that move and clip: a point (x, y) given to them is the
// target point (x - offset x, y - offset y), and with a clip only points
// inside the clip bounds (target coordinates) reach the target. The three
// kinds differ only in which of the two they apply, so their drawing and
// pixel operations are written once here, over the mapping each kind
// answers; bounds, sizes and offsets are each kind's own.
//
// Clipping happens once, at the proxy: a scaled blit is cut in proportion
// (ClipBlitRectsFor), so the target finds nothing more to cut.
class CMappedProxyFrame : public CProxyFrame
{
public:
    struct Mapping
    {
        int32_t offsetX;
        int32_t offsetY;
        bool clipped;
        // Target coordinates.
        CRect clip;
    };

    using CProxyFrame::CProxyFrame;

    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    bool GetPixel(int32_t x, int32_t y, CColor& colour) const override;
    uint32_t GetPixelValue(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;
    bool HitTestPixel(int32_t x, int32_t y) const override;
    void RemapRect(const CRect& rect, const uint8_t* map) override;
    using CFrameInterface::RemapRect;

    // The target's ClearRect of the rectangle moved and clipped; nothing
    // when nothing is left.
    virtual void ClearRectMapped(const CRect& rect);

protected:
    virtual Mapping GetMapping() const = 0;

private:
    // The mapped point, false when it lies outside the clip.
    bool MapPoint(int32_t& x, int32_t& y) const;
    // The mapped rectangle, false when nothing of it lies inside the clip.
    bool MapRect(CRect& rect) const;
};

// Clips to a rectangle in target coordinates.
class CClippedProxyFrame : public CMappedProxyFrame
{
    VP_DECLARE_CLASS(CClippedProxyFrame)
public:
    CClippedProxyFrame();
    // The clip is the target's bounds.
    explicit CClippedProxyFrame(CFrameInterface* target);
    ~CClippedProxyFrame() override;

    // The clip rectangle within the target's bounds; a clip outside them
    // answers a rectangle of no width and height at its corner.
    void GetBounds(CRect& bounds) const override;
    int32_t GetHeight() const override;
    int32_t GetWidth() const override;
    // The clip becomes the new target's bounds.
    void SetTarget(CFrameInterface* target) override;

    void SetClipRect(const CRect& clip) { m_ClipRect = clip; }
    const CRect& GetClipRect() const { return m_ClipRect; }

protected:
    Mapping GetMapping() const override;

private:
    CRect m_ClipRect;
};

// Moves coordinates: its bounds are the target's moved by the offset.
class COffsetProxyFrame : public CMappedProxyFrame
{
    VP_DECLARE_CLASS(COffsetProxyFrame)
public:
    COffsetProxyFrame();
    explicit COffsetProxyFrame(CFrameInterface* target);
    ~COffsetProxyFrame() override;

    void GetBounds(CRect& bounds) const override;
    int32_t GetUpperLeftXOffset() const override { return m_OffsetX; }
    int32_t GetUpperLeftYOffset() const override { return m_OffsetY; }

    void SetOffset(int32_t x, int32_t y)
    {
        m_OffsetX = x;
        m_OffsetY = y;
    }

protected:
    Mapping GetMapping() const override;

private:
    int32_t m_OffsetX;
    int32_t m_OffsetY;
};

// Moves, then clips: a window's view of the frame below it. The offset
// turns window coordinates into the coordinates of the frame below and the
// clip is the window's rectangle. An embedded offset proxy (aimed at the
// embedded clipped proxy, which is aimed at the target) holds the offset,
// the clipped proxy the clip; this proxy reads both and calls the target
// itself.
class COffsetClippedProxyFrame : public CMappedProxyFrame
{
    VP_DECLARE_CLASS(COffsetClippedProxyFrame)
public:
    COffsetClippedProxyFrame();
    explicit COffsetClippedProxyFrame(CFrameInterface* target);
    ~COffsetClippedProxyFrame() override;

    // The clip bounds moved by the offset.
    void GetBounds(CRect& bounds) const override;
    int32_t GetHeight() const override;
    int32_t GetWidth() const override;
    int32_t GetUpperLeftXOffset() const override;
    int32_t GetUpperLeftYOffset() const override;
    // The chain is aimed anew and the clip becomes the target's bounds; the
    // offset stays.
    void SetTarget(CFrameInterface* target) override;

    void SetOffset(int32_t x, int32_t y) { m_Offset.SetOffset(x, y); }
    CPoint GetOffset() const { return CPoint{m_Offset.GetUpperLeftXOffset(), m_Offset.GetUpperLeftYOffset()}; }
    // A rectangle in this proxy's coordinates: set the offset first.
    void SetClipRect(const CRect& clip);
    // The clip as set, in this proxy's coordinates at the current offset;
    // set back after the same offset it is the same clip again.
    CRect GetClipRect() const;

protected:
    Mapping GetMapping() const override;

private:
    COffsetProxyFrame m_Offset;
    CClippedProxyFrame m_Clipped;
};
