// The polygon pass. Each mover's move of the step runs from where it was
// before the step (its previous position) along what it moved; every sweep
// looks for the earliest contact over the whole obstacle list, moves the
// mover there and bounces the rest of the move and the velocity off the
// contact's normal, up to five times. A mover wedged so tightly that all
// five sweeps still hit goes back to its start with the velocity as the
// bounces left it.
//
// Obstacles move too: the sweep runs the mover's move relative to each
// obstacle's own move of the step, from the obstacle's previous position.
// Sprites whose previous position was never set (made this step) and
// obstacles that jumped 400 pixels or more (teleported, respawned) take no
// part, so nothing is struck by a move that never happened.

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/program/profiler.h"
#include "game/playfield/bounce_rule.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_list.h"

namespace {

CProfileSection g_AutoCollideSection("AutoCollidePolygons");
CProfileSection g_SweepSection("PolygonCheckCollide");

const int32_t MAXIMUM_SWEEPS = 5;
const float TELEPORT_DISTANCE_SQUARED = 400.0f * 400.0f;

bool IsSet(const Vector2& position)
{
    return !(position.x == UNSET_POSITION && position.y == UNSET_POSITION);
}

} // namespace

void CSpriteList::AutoCollidePolygons(SpriteContactCallback callback, CSpriteList& movers)
{
    CProfileScope scope(g_AutoCollideSection);
    for (CSprite* mover = movers.m_pHead; mover != nullptr; mover = mover->m_pNext)
    {
        if (!mover->IsActive() || mover->IsDead())
            continue;
        CollisionMotion motion;
        mover->GetMotion(motion);
        Vector2 position = mover->GetPreviousPosition();
        CollisionContact contact;
        if (!Resolve(mover, position, motion, contact, callback))
            continue;
        mover->SetVelocityFromContact(contact);
        mover->SetPosition(position);
        if (callback != nullptr)
            callback(mover, contact.m_pObstacle, 0, contact);
    }
}

bool CSpriteList::Resolve(CSprite* mover, Vector2& position, const CollisionMotion& motion, CollisionContact& result,
                          SpriteContactCallback callback)
{
    const Vector2 start = position;
    Vector2 velocity = motion.m_Velocity;
    CollisionMotion remaining = motion;
    int32_t hits = 0;
    while (hits < MAXIMUM_SWEEPS)
    {
        CollisionContact contact;
        if (!SweepAgainstList(mover, position, remaining, contact, callback))
        {
            position = Vector2Add(position, remaining.m_Vector);
            break;
        }
        hits++;
        position = Vector2Add(position, contact.m_Offset);
        Vector2 rest = Vector2Subtract(remaining.m_Vector, contact.m_Offset);
        BounceOffNormal(rest, contact.m_Normal, motion.m_BounceFactor, motion.m_MinimumBounceSpeed, motion.m_Friction,
                        motion.m_StopSpeed);
        BounceOffNormal(velocity, contact.m_Normal, motion.m_BounceFactor, motion.m_MinimumBounceSpeed,
                        motion.m_Friction, motion.m_StopSpeed);
        remaining.SetVector(rest);
        result = contact;
        if (remaining.m_Length == 0.0f)
            break;
    }
    if (hits == 0)
        return false;
    result.m_ResolvedVelocity = velocity;
    if (hits == MAXIMUM_SWEEPS && remaining.m_Length != 0.0f)
    {
        result.m_Time = 0.0f;
        result.m_Offset = Vector2{0.0f, 0.0f};
        result.m_Contact = start;
        position = start;
    }
    return true;
}

bool CSpriteList::SweepAgainstList(CSprite* mover, const Vector2& start, const CollisionMotion& motion,
                                   CollisionContact& contact, SpriteContactCallback callback)
{
    CProfileScope scope(g_SweepSection);
    const Polygon2D* polygon = mover->GetCollisionPolygon();
    if (polygon == nullptr || !IsSet(start))
        return false;
    CollisionContact best = contact;
    bool blocked = false;
    for (CSprite* obstacle = m_pHead; obstacle != nullptr; obstacle = obstacle->m_pNext)
    {
        if (!obstacle->IsLiveAndCollidable() || obstacle == mover)
            continue;
        const Polygon2D* obstaclePolygon = obstacle->GetCollisionPolygon();
        if (obstaclePolygon == nullptr)
            continue;
        const Vector2 obstacleStart = obstacle->GetPreviousPosition();
        // The mover's own polygon where the mover starts is the mover itself
        // seen through another sprite that shares it.
        if (obstaclePolygon == polygon && obstacleStart.x == start.x && obstacleStart.y == start.y)
            continue;
        if (!IsSet(obstacleStart))
            continue;
        const Vector2 obstacleMove = Vector2Subtract(obstacle->m_Position, obstacleStart);
        if (!(Vector2Dot(obstacleMove, obstacleMove) < TELEPORT_DISTANCE_SQUARED))
            continue;
        CollisionMotion relative = motion;
        if (!relative.SetVector(Vector2Subtract(motion.m_Vector, obstacleMove)))
            continue;

        CollisionContact trial = best;
        if (!polygon->Collide(start, *obstaclePolygon, obstacleStart, relative, trial))
            continue;
        trial.m_Time = trial.m_Time < 0.0f ? 0.0f : trial.m_Time > 1.0f ? 1.0f : trial.m_Time;
        trial.m_Offset = Vector2Scale(motion.m_Vector, trial.m_Time);
        trial.m_Contact = Vector2Add(mover->m_Position, trial.m_Offset);
        trial.m_pObstacle = obstacle;
        if (mover->PassesThrough(obstacle, motion))
        {
            if (callback != nullptr)
                callback(mover, obstacle, 1, trial);
            continue;
        }
        best = trial;
        blocked = true;
    }
    if (blocked)
        contact = best;
    return blocked;
}
