#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"

class CBlitType;

struct CRectF
{
    float left;
    float top;
    float right;
    float bottom;
};

// Clips the destination rectangle to the bounds, edge by edge (top,
// bottom, left, right), moving the same edges of the source rectangle by
// the same amounts. False as soon as nothing is left.
bool ClipBlitRects(const CRect& bounds, CRect& source, CRect& destination);
// The same for a source drawn scaled to the destination's size: each cut
// moves the source edge by floor(cut x source size / destination size), so
// the ratio of the two stays and the source never turns inside out. False
// for an empty rectangle and when nothing is left.
bool ClipScaledBlitRects(const CRect& bounds, CRect& source, CRect& destination);
// ClipBlitRects, or ClipScaledBlitRects for a blit type that scales.
bool ClipBlitRectsFor(const CBlitType* blitType, const CRect& bounds, CRect& source, CRect& destination);
// Intersects the rectangle with the bounds; false when nothing is left.
bool ClipRect(const CRect& bounds, CRect& rect);
// Moves line end points outside the rectangle onto its edges. True, with
// both points written back, when the clipped line lies inside; otherwise
// the points stay as they were.
bool ClipLine(const CRect& rect, int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1);
bool ClipLineF(const CRectF& rect, float& x0, float& y0, float& x1, float& y1);
