#pragma once

#include "engine/core/geometry/vector2d.h"

// Kinds that carry a brick a set distance (a factory moving out what it
// made, a nudged brick) go a few pixels a frame and count what is left.

// The vector with each axis limited to -limit..limit.
Vector2 LimitPerAxis(const Vector2& vector, float limit);
// What is left after the step, with an axis below a tenth of a pixel in
// magnitude taken as done, so that float remainders end the move.
Vector2 RemainingAfterStep(const Vector2& leftOver, const Vector2& step);
