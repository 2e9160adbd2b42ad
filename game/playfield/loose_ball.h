#pragma once

#include "engine/core/geometry/vector2d.h"

class CBallAI;

// A small ball without plug-ins that is not yet in play, at the point and
// moving at the velocity, appended to the playfield's loose balls. It
// starts where it is made: its previous position is the point, so it
// sweeps from nowhere else.
CBallAI* AddLooseSmallBall(const Vector2& at, const Vector2& velocity);
