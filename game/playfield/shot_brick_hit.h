#pragma once

#include "engine/core/geometry/vector2d.h"

class CBrickBase;
class CShotAI;

// The plain hit of a shot: a brick that lets it pass is left alone (true);
// otherwise the brick is hit with the normal and the shot dies, answering
// the hit's answer. No brick (another kind of sprite) is passed.
bool HitBrickAndDie(CShotAI* shot, CBrickBase* brick, const Vector2& normal);
