#pragma once

#include <cstdint>

class CColor;

// The drawing surface that every image is drawn on through. Coordinates are
// relative to the surface's hot spot; whatever lies outside it is clipped.
class CFrameInterface {
public:
    virtual ~CFrameInterface() = default;

    // One-pixel line; both end points are drawn.
    virtual void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) = 0;
    // Anti-aliased line between float end points; nothing on a frame
    // without pixels.
    virtual void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) = 0;
    virtual void SetPixel(int32_t x, int32_t y, const CColor& colour) = 0;

    // The outline of the half-open rectangle: its right and bottom sides lie
    // at right - 1 and bottom - 1.
    void DrawRectOutline(int32_t left, int32_t top, int32_t right, int32_t bottom, const CColor& colour);
};
