#pragma once

#include "engine/core/geometry/vector2d.h"

class CBallAI;
class CBrickBase;
class CHitterOfBricks;

// The speed a released ball takes after: the hitter when it is a ball,
// else the first ball in play; none when no ball is in play.
CBallAI* GetReleaseSpeedSource(CHitterOfBricks* hitter);

// A new ball in play at the brick's place, which does not sweep there from
// elsewhere. A velocity of (0, 0) sends it straight up at its own speed;
// any other makes its speed the velocity's length.
void ReleaseBallAt(const CBrickBase& brick, const Vector2& velocity);
