#pragma once

#include "engine/core/geometry/vector2d.h"

// Bounces a vector off a surface of unit normal n. A vector moving away
// from the surface or along it is kept. Otherwise the part along the
// surface keeps 1 - friction of itself, or stops when slower than the stop
// speed; the part into the surface comes back scaled by the bounce factor,
// or is absorbed when the bounce would be no faster than the minimum
// bounce speed.
void BounceOffNormal(Vector2& v, const Vector2& n, float bounceFactor, float minimumBounceSpeed, float friction,
                     float stopSpeed);
