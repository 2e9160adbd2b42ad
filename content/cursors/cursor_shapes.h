#pragma once

#include <cstddef>
#include <vector>

#include "content/images/picture.h"

// Pointer shapes: convex polygons around the centre of a 32 x 32 picture,
// turned into place by one of a few fixed turns, drawn with a one-pixel
// dark outline under a light fill.
using CursorShape = std::vector<std::vector<double>>;

enum class ECursorTurn
{
    Right,
    Down,
    Left,
    Up,
    // Along the diagonals: top left to bottom right, bottom left to top right.
    Falling,
    Rising
};

constexpr int kCursorSize = 32;

// An arrow pointing right: a shaft and a head.
CursorShape ArrowShape(ECursorTurn turn);
// Heads at both ends of one shaft.
CursorShape DoubleArrowShape(ECursorTurn turn);
// Adds the polygons of one shape to another.
CursorShape Join(CursorShape a, const CursorShape& b);

// Draws the shape centred, or with its own coordinates when centred is
// false.
CPicture DrawCursor(const CursorShape& shape, CPictureColor fill, bool centred = true);

inline constexpr CPictureColor kCursorFill = {250, 250, 250};
// The fill of a pointer while it drags something.
inline constexpr CPictureColor kCursorActiveFill = {255, 214, 64};
