#include "engine/graphics/frame_clipping.h"

#include <algorithm>
#include <type_traits>

#include "engine/blit/blit_type.h"

bool ClipBlitRects(const CRect& bounds, CRect& source, CRect& destination)
{
    if (destination.top < bounds.top)
    {
        source.top += bounds.top - destination.top;
        destination.top = bounds.top;
        if (destination.top >= destination.bottom)
            return false;
    }
    if (bounds.bottom < destination.bottom)
    {
        source.bottom += bounds.bottom - destination.bottom;
        destination.bottom = bounds.bottom;
        if (destination.top >= destination.bottom)
            return false;
    }
    if (destination.left < bounds.left)
    {
        source.left += bounds.left - destination.left;
        destination.left = bounds.left;
        if (destination.left >= destination.right)
            return false;
    }
    if (bounds.right < destination.right)
    {
        source.right += bounds.right - destination.right;
        destination.right = bounds.right;
        if (destination.left >= destination.right)
            return false;
    }
    return true;
}

namespace {

// Cuts one edge pair by the part of the destination past the bound: the
// destination edge moves onto the bound and the source edge by floor(cut x
// source size / destination size). False when the cut takes the whole
// destination.
bool CutScaledEdge(int64_t cut, int64_t sourceSize, int64_t destinationSize, int32_t& sourceEdge,
                   int32_t& destinationEdge, int32_t bound, int32_t sign)
{
    if (cut <= 0)
        return true;
    if (cut >= destinationSize)
        return false;
    // Both factors are below 2^32, so the product fits 64 unsigned bits.
    const uint64_t moved =
        static_cast<uint64_t>(cut) * static_cast<uint64_t>(sourceSize) / static_cast<uint64_t>(destinationSize);
    sourceEdge = static_cast<int32_t>(sourceEdge + sign * static_cast<int64_t>(moved));
    destinationEdge = bound;
    return true;
}

} // namespace

bool ClipScaledBlitRects(const CRect& bounds, CRect& source, CRect& destination)
{
    const int64_t sourceWidth = int64_t{source.right} - source.left;
    const int64_t sourceHeight = int64_t{source.bottom} - source.top;
    const int64_t width = int64_t{destination.right} - destination.left;
    const int64_t height = int64_t{destination.bottom} - destination.top;
    if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0)
        return false;
    const bool inside = CutScaledEdge(int64_t{bounds.top} - destination.top, sourceHeight, height, source.top,
                                      destination.top, bounds.top, 1) &&
                        CutScaledEdge(int64_t{destination.bottom} - bounds.bottom, sourceHeight, height, source.bottom,
                                      destination.bottom, bounds.bottom, -1) &&
                        CutScaledEdge(int64_t{bounds.left} - destination.left, sourceWidth, width, source.left,
                                      destination.left, bounds.left, 1) &&
                        CutScaledEdge(int64_t{destination.right} - bounds.right, sourceWidth, width, source.right,
                                      destination.right, bounds.right, -1);
    return inside && destination.left < destination.right && destination.top < destination.bottom &&
           source.left < source.right && source.top < source.bottom;
}

bool ClipBlitRectsFor(const CBlitType* blitType, const CRect& bounds, CRect& source, CRect& destination)
{
    if (blitType->GetKind() == CBlitType::SCALES)
        return ClipScaledBlitRects(bounds, source, destination);
    return ClipBlitRects(bounds, source, destination);
}

bool ClipRect(const CRect& bounds, CRect& rect)
{
    CRect ignored = rect;
    return ClipBlitRects(bounds, ignored, rect) && rect.left < rect.right && rect.top < rect.bottom;
}

namespace {

// The clipping rule for integer and float coordinates alike; only the
// conversion of a computed coordinate differs (integers truncate).
template <typename T, typename Rect>
struct LineClipper
{
    const Rect& rect;
    T lastColumn;
    T lastRow;

    int32_t OutCode(T x, T y) const
    {
        int32_t code = 0;
        if (y < rect.top)
            code |= 1;
        if (x >= rect.right)
            code |= 2;
        if (y >= rect.bottom)
            code |= 4;
        if (x < rect.left)
            code |= 8;
        return code;
    }

    // Integers truncate toward zero; a point far off a nearly flat line is
    // held within what an integer can take.
    static T FromFloat(float value)
    {
        if constexpr (std::is_integral_v<T>)
            return static_cast<T>(std::clamp(value, -1.0e9f, 1.0e9f));
        else
            return value;
    }

    void MoveAlongLine(T& x, T& y, int32_t code, T otherX, T otherY) const
    {
        const float slope =
            (static_cast<float>(y) - static_cast<float>(otherY)) / (static_cast<float>(x) - static_cast<float>(otherX));
        const float intercept = static_cast<float>(y) - static_cast<float>(x) * slope;
        if (code & 1)
        {
            y = rect.top;
            x = FromFloat((static_cast<float>(rect.top) - intercept) / slope);
            if (OutCode(x, y) == 0)
                return;
        }
        if (code & 2)
        {
            x = lastColumn;
            y = FromFloat(intercept + slope * static_cast<float>(lastColumn));
            if (OutCode(x, y) == 0)
                return;
        }
        if (code & 4)
        {
            y = lastRow;
            x = FromFloat((static_cast<float>(lastRow) - intercept) / slope);
            if (OutCode(x, y) == 0)
                return;
        }
        if (code & 8)
        {
            x = rect.left;
            y = FromFloat(intercept + slope * static_cast<float>(rect.left));
        }
    }

    void MoveOntoEdge(T& x, T& y, int32_t code, T otherX, T otherY) const
    {
        if (x == otherX)
            y = y < rect.top ? static_cast<T>(rect.top) : lastRow;
        else if (y == otherY)
            x = x < rect.left ? static_cast<T>(rect.left) : lastColumn;
        else
            MoveAlongLine(x, y, code, otherX, otherY);
    }

    bool Clip(T& x0, T& y0, T& x1, T& y1) const
    {
        const int32_t code0 = OutCode(x0, y0);
        const int32_t code1 = OutCode(x1, y1);
        if ((code0 | code1) == 0)
            return true;
        if (code0 & code1)
            return false;
        T nx0 = x0, ny0 = y0, nx1 = x1, ny1 = y1;
        if (code0)
            MoveOntoEdge(nx0, ny0, code0, x1, y1);
        if (code1)
            MoveOntoEdge(nx1, ny1, code1, x0, y0);
        if (OutCode(nx0, ny0) != 0 || OutCode(nx1, ny1) != 0)
            return false;
        x0 = nx0;
        y0 = ny0;
        x1 = nx1;
        y1 = ny1;
        return true;
    }
};

} // namespace

bool ClipLine(const CRect& rect, int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1)
{
    const LineClipper<int32_t, CRect> clipper{rect, rect.right - 1, rect.bottom - 1};
    return clipper.Clip(x0, y0, x1, y1);
}

bool ClipLineF(const CRectF& rect, float& x0, float& y0, float& x1, float& y1)
{
    const LineClipper<float, CRectF> clipper{rect, rect.right - 1.0f, rect.bottom - 1.0f};
    return clipper.Clip(x0, y0, x1, y1);
}
