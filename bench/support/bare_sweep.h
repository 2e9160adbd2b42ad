#pragma once

// Header-only: every bench/*_bench.cpp is its own executable and none links
// another source file.

#include <vector>

#include "engine/core/geometry/polygon_collision.h"
#include "game/playfield/bounce_rule.h"

// An obstacle of the bare sweeps: its polygon where it stands.
struct SweptObstacle
{
    const Polygon2D* polygon;
    Vector2 position;
};

// One step of balls without the sprite lists, the peer of the playfield's
// polygon pass: each ball's polygon swept along its velocity against every
// obstacle, the earliest hit taken and bounced once.
inline void SweepAndBounceOnce(const Polygon2D& ball, const std::vector<SweptObstacle>& obstacles,
                               std::vector<Vector2>& positions, std::vector<Vector2>& velocities)
{
    for (size_t i = 0; i < positions.size(); i++)
    {
        CollisionMotion motion;
        motion.SetVector(velocities[i]);
        CollisionResult earliest;
        bool hit = false;
        for (const SweptObstacle& obstacle : obstacles)
            hit |= ball.Collide(positions[i], *obstacle.polygon, obstacle.position, motion, earliest);
        if (!hit)
        {
            positions[i] = Vector2Add(positions[i], velocities[i]);
            continue;
        }
        const float time = earliest.m_Time < 0.0f ? 0.0f : earliest.m_Time;
        const Vector2 travelled = Vector2Scale(velocities[i], time);
        Vector2 rest = Vector2Subtract(velocities[i], travelled);
        BounceOffNormal(rest, earliest.m_Normal, 1.0f, 0.1f, 0.0f, 0.1f);
        BounceOffNormal(velocities[i], earliest.m_Normal, 1.0f, 0.1f, 0.0f, 0.1f);
        positions[i] = Vector2Add(Vector2Add(positions[i], travelled), rest);
    }
}
