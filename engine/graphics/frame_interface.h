#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"
#include "engine/core/geometry/vector2d.h"
#include "engine/object/object.h"

class CBlitType;
class CColor;
class CColorTable;

// The drawing surface that every image is drawn on and drawn with: loaded
// pictures, animation frames, glyphs, the back buffer, a window's clipped
// view of the screen. Public operations take hot-spot coordinates, in which
// the surface's pixel (0, 0) lies at its upper-left offset; rectangles are
// half-open. Whatever lies outside the surface is clipped.
//
// The order of the virtual operations is part of the design: proxies and
// recorders forward them one by one.
class CFrameInterface : public CObject
{
    VP_DECLARE_CLASS(CFrameInterface)
public:
    CFrameInterface() { ConstructProperties(SGetClassInfo()); }
    ~CFrameInterface() override { DestroyProperties(SGetClassInfo()); }

    uint32_t GetInstanceSize() const override = 0;

    // Clips both rectangles (source rectangle in the source's hot-spot
    // coordinates, destination rectangle in this one's) and draws; the
    // rectangles come back clipped, in pixel coordinates. False when
    // nothing was drawn.
    virtual bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) = 0;
    virtual int32_t ReservedA(int32_t) { return 0; }
    virtual void ClearRect(const CRect& rect) = 0;
    virtual void Clear() = 0;
    virtual void Fill(const CColor& colour) = 0;
    virtual void FillBytes(uint8_t value) = 0;
    // 16-bit frames blend a colour whose alpha is below 255.
    virtual void FillRect(const CRect& rect, const CColor& colour) = 0;
    virtual int32_t GetBitsPerPixel() const = 0;
    virtual int32_t GetBytesPerPixel() const = 0;
    virtual uint8_t* GetPixels() const = 0;
    // The rectangle announces a write, for frames that track changes.
    virtual uint8_t* GetPixelsForRect(const CRect& rect) = 0;
    virtual uint8_t* GetStream1Data() const = 0;
    virtual uint8_t* GetStream2Data() const = 0;
    virtual uint8_t* GetStream3Data() const = 0;
    virtual uint8_t* GetStream4Data() const = 0;
    virtual void GetBounds(CRect& bounds) const = 0;
    // The frame holding the pixels: itself, or the target of a proxy.
    virtual CFrameInterface* GetRealFrame() { return this; }
    virtual uint32_t GetFormat() const = 0;
    virtual int32_t GetHeight() const = 0;
    // Pixels from one row to the next.
    virtual int32_t GetPitch() const = 0;
    virtual int32_t GetWidthShift() const = 0;
    virtual int32_t GetHeightShift() const = 0;
    virtual int32_t GetUpperLeftXOffset() const = 0;
    virtual int32_t GetUpperLeftYOffset() const = 0;
    virtual int32_t GetWidth() const = 0;
    // Plain pixels: row starts in pixels. Run-length streams: byte offsets
    // of each row's first code.
    virtual const int32_t* GetRowOffsets() const = 0;
    virtual const int32_t* GetStream1RowOffsets() const = 0;
    virtual const int32_t* GetStream2RowOffsets() const = 0;
    virtual const int32_t* GetStream3RowOffsets() const = 0;
    virtual const int32_t* GetStream4RowOffsets() const = 0;
    // One-pixel line; both end points are drawn.
    virtual void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) = 0;
    // Anti-aliased line between float end points; nothing on a frame
    // without pixels.
    virtual void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) = 0;
    // Outside, the colour becomes transparent black and the answer false.
    virtual bool GetPixel(int32_t x, int32_t y, CColor& colour) const = 0;
    virtual uint32_t GetPixelValue(int32_t x, int32_t y) const = 0;
    virtual void SetPixel(int32_t x, int32_t y, const CColor& colour) = 0;
    // The pixel is not transparent.
    virtual bool HitTestPixel(int32_t x, int32_t y) const = 0;
    // Darkens or lightens the rectangle through a map of palette indices.
    virtual void RemapRect(const CRect& rect, const uint8_t* map) = 0;
    virtual CColorTable* GetPalette() const { return nullptr; }
    virtual bool HasOwnPalette() const { return false; }
    virtual int32_t ReservedB() { return 0; }
    virtual int32_t ReservedC() { return 0; }

    // Draws the whole source with its hot spot at (x, y).
    bool BlitAt(CFrameInterface* source, int32_t x, int32_t y, CBlitType* blitType);
    // The outline of the half-open rectangle: its right and bottom sides lie
    // at right - 1 and bottom - 1.
    void DrawRectOutline(const CRect& rect, const CColor& colour);
    void DrawRectOutline(int32_t left, int32_t top, int32_t right, int32_t bottom, const CColor& colour);
    // The same outline, top and left in one colour, bottom and right in the
    // other.
    void DrawBevelRect(const CRect& rect, const CColor& topLeft, const CColor& bottomRight);
    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const CColor& colour);
    void DrawLineAA(const Vector2& from, const Vector2& to, const CColor& colour);
    // Nothing for a rectangle turned inside out.
    void RemapRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const uint8_t* map);
};
