#pragma once

#include <cstdint>

// An integer rectangle. Drawing treats it as half-open (right and bottom
// lie just outside); polygon bounds keep right > left and bottom > top.
struct CRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// The part both rectangles cover; false when it is empty (rectangles that
// only share an edge do not overlap).
inline bool IntersectRects(const CRect& a, const CRect& b, CRect& out)
{
    out.left = a.left > b.left ? a.left : b.left;
    out.top = a.top > b.top ? a.top : b.top;
    out.right = a.right < b.right ? a.right : b.right;
    out.bottom = a.bottom < b.bottom ? a.bottom : b.bottom;
    return out.left < out.right && out.top < out.bottom;
}

// Moved by (dx, dy); sides beyond the 32-bit range stop at its ends, so a
// far-flung position never overflows.
inline CRect OffsetRect(const CRect& rect, int32_t dx, int32_t dy)
{
    auto move = [](int32_t side, int32_t by) {
        const int64_t moved = static_cast<int64_t>(side) + by;
        return static_cast<int32_t>(moved < INT32_MIN ? INT32_MIN : moved > INT32_MAX ? INT32_MAX : moved);
    };
    return CRect{move(rect.left, dx), move(rect.top, dy), move(rect.right, dx), move(rect.bottom, dy)};
}
