#pragma once

#include "engine/core/geometry/vector2d.h"

// Gives a new starfish to the live ball in play nearest the point that
// carries none yet (of equally near balls, the earlier in the list); false
// when no ball qualifies.
bool AttachStarfishToNearestBall(const Vector2& point);

// A starfish leaving a brick or a lost ball at the point: to the nearest
// ball that can take it, else it waits with the ship, which hands it on as
// soon as a ball can take it.
void HandOverStarfish(const Vector2& point);
