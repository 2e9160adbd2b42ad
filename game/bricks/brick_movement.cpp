#include "game/bricks/brick_base.h"

#include <algorithm>
#include <cmath>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/geometry/rect.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"

namespace {

// Where a brick may stand: the integer bounds of its collision polygon at
// its rounded position. A left edge of 10 is outside, a top edge of 10
// inside.
constexpr int32_t kPlayAreaLeft = 11;
constexpr int32_t kPlayAreaTop = 10;
constexpr int32_t kPlayAreaRight = 626;
constexpr int32_t kPlayAreaBottom = 600;

constexpr float kSoftPushShare = 0.6f;
constexpr float kMotionDecay = 0.7f;
// A length of 0.01 pixel a frame, squared: below it the motion stops.
constexpr float kRestingMotionSquared = 0.0001f;

Vector2 DrawnPointOf(const CSprite& sprite)
{
    return {static_cast<float>(sprite.m_DrawnPosition.x), static_cast<float>(sprite.m_DrawnPosition.y)};
}

bool InsidePlayArea(const Polygon2D& polygon, const CSprite& sprite)
{
    CRect bounds;
    polygon.GetBoundsAt(DrawnPointOf(sprite), bounds);
    return bounds.left >= kPlayAreaLeft && bounds.top >= kPlayAreaTop && bounds.right <= kPlayAreaRight &&
           bounds.bottom <= kPlayAreaBottom;
}

float Sign(float value)
{
    return value > 0.0f ? 1.0f : (value < 0.0f ? -1.0f : 0.0f);
}

float CombineComponent(float motion, float push)
{
    if (Sign(motion) != Sign(push))
        return motion + push;
    return Sign(motion) * std::max(std::fabs(motion), std::fabs(push));
}

} // namespace

void CBrickBase::Move(const Vector2& delta, bool hard, bool collide, bool* movedInFull)
{
    if (movedInFull != nullptr)
        *movedInFull = true;
    if (m_MoveGuard)
        return;
    m_MoveGuard = true;
    CGameSprite* sprite = m_pSprite;
    if (sprite == nullptr)
    {
        m_MoveGuard = false;
        return;
    }
    const Vector2 start = sprite->m_Position;
    sprite->SetPosition(Vector2Add(start, delta));
    if (!collide)
    {
        m_MoveGuard = false;
        return;
    }

    // From here on a kind may destroy this brick; a dead brick's move ends
    // at once and keeps its guard, so it never moves again.
    Vector2 allowed = delta;
    const Polygon2D* polygon = GetCollisionPolygon(sprite);
    if (polygon != nullptr && !InsidePlayArea(*polygon, *sprite) && OnLeftPlayArea(hard))
        allowed = {0.0f, 0.0f};
    if (IsDestroyed())
        return;

    const CPlayfield* playfield = GetPlayfield();
    if (BlocksBricks() && playfield != nullptr && polygon != nullptr)
    {
        for (CSprite* otherSprite = playfield->m_pBricks->GetHead(); otherSprite != nullptr;
             otherSprite = otherSprite->GetNext())
        {
            CBrickBase* other = FirstBehaviourAs<CBrickBase>(otherSprite);
            if (other == nullptr || otherSprite == sprite || otherSprite->IsDead() || !other->BlocksBricks())
                continue;
            if (Vector2Dot(Vector2Subtract(otherSprite->m_Position, start), delta) < 0.0f)
                continue;
            const Polygon2D* otherPolygon = other->GetCollisionPolygon(otherSprite);
            if (otherPolygon == nullptr ||
                !polygon->Overlaps(sprite->m_Position, otherPolygon, otherSprite->m_Position))
                continue;
            other->OnPushedByBrick(this, delta, hard);
            if (IsDestroyed())
                return;
            if (otherSprite->IsDead())
                continue;
            PushBrick(other, allowed, hard);
            if (IsDestroyed())
                return;
        }
    }

    if (allowed.x != delta.x || allowed.y != delta.y)
    {
        sprite->SetPosition(Vector2Add(start, allowed));
        if (movedInFull != nullptr)
            *movedInFull = false;
    }
    m_MoveGuard = false;
}

void CBrickBase::MoveTo(const Vector2& point, bool hard, bool collide, bool* movedInFull)
{
    if (m_pSprite == nullptr)
    {
        if (movedInFull != nullptr)
            *movedInFull = true;
        return;
    }
    Move(Vector2Subtract(point, m_pSprite->m_Position), hard, collide, movedInFull);
}

void CBrickBase::PushBrick(CBrickBase* other, Vector2& allowed, bool hard)
{
    if (hard)
    {
        other->Move(allowed, true, true);
        return;
    }
    allowed = Vector2Scale(allowed, kSoftPushShare);
    CombineMotion(other, allowed);
}

bool CBrickBase::OnLeftPlayArea(bool hard)
{
    if (hard)
        Destroy(BrickDestroyInfo{nullptr, false});
    return true;
}

void CBrickBase::ApplyMotion(Vector2& motion)
{
    motion = Vector2Scale(motion, kMotionDecay);
    if (motion.x * motion.x + motion.y * motion.y <= kRestingMotionSquared)
    {
        motion = {0.0f, 0.0f};
        return;
    }
    // The move may change the motion (a push back); it moves by a copy.
    const Vector2 step = motion;
    Move(step, false, true);
}

void CombineMotion(CBrickBase* brick, const Vector2& push)
{
    brick->m_Motion.x = CombineComponent(brick->m_Motion.x, push.x);
    brick->m_Motion.y = CombineComponent(brick->m_Motion.y, push.y);
}
