#pragma once

#include "engine/core/geometry/polygon_collision.h"

class CSprite;

// One sweep's answer as the sprite passes see it. Time and normal are the
// polygon test's; the sweep replaces the offset with how far the mover's own
// move got (time x its move, also when the obstacle moved), the contact
// point with the mover's position plus that, and remembers the obstacle.
// The resolution adds the mover's velocity after every bounce of the step.
struct CollisionContact : CollisionResult
{
    Vector2 m_ResolvedVelocity = {0.0f, 0.0f};
    CSprite* m_pObstacle = nullptr;
};
