#include "game/bricks/brick_base.h"

#include <cmath>

#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"

namespace {

constexpr float kFramesPerSecond = 60.0f;
constexpr uint32_t kLongestCountdown = 99;

} // namespace

// Worked out before any conversion, so no value (NaN, huge, negative)
// reaches an undefined float-to-integer conversion.
uint32_t CountdownFrames(float seconds)
{
    const float frames = seconds * kFramesPerSecond;
    if (!(frames > -1.0f && frames < static_cast<float>(kLongestCountdown + 1)))
        return kLongestCountdown;
    const int64_t whole = static_cast<int64_t>(frames);
    return whole == 0 ? 1 : static_cast<uint32_t>(whole);
}

void ForEachBrickInEllipse(CSprite* centre, float radiusX, float radiusY, const BrickInEllipseVisit& visit)
{
    const CPlayfield* playfield = GetPlayfield();
    // A radius of 0 would divide by zero below, and a negative one names no
    // area: neither reaches anything.
    if (playfield == nullptr || centre == nullptr || !(radiusX > 0.0f) || !(radiusY > 0.0f))
        return;
    const float stretch = radiusX / radiusY;
    for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick == nullptr || brick->IsDestroyed())
            continue;
        const Vector2 offset{sprite->m_Position.x - centre->m_Position.x,
                             sprite->m_Position.y - centre->m_Position.y};
        const float stretchedY = stretch * offset.y;
        const float reachSquared = offset.x * offset.x + stretchedY * stretchedY;
        if (reachSquared <= radiusX * radiusX)
            visit(*brick, offset, reachSquared);
    }
}

void DamageArea(CSprite* centre, float radiusX, float radiusY, float delay)
{
    ForEachBrickInEllipse(centre, radiusX, radiusY, [delay](CBrickBase& brick, const Vector2&, float) {
        if (delay == 0.0f)
            brick.Destroy(BrickDestroyInfo{nullptr, false});
        else
            brick.ArmCountdown(delay);
    });
}

void CBrickBase::DamageAreaAround(float radiusX, float radiusY, float delay)
{
    DamageArea(m_pSprite, radiusX, radiusY, delay);
}

void CBrickBase::ArmCountdown(float seconds)
{
    if (!IsIndestructible())
        m_DestructionCountdown = CountdownFrames(seconds);
}

void CBrickBase::OnCountdownExpired()
{
    Destroy(BrickDestroyInfo{nullptr, false});
}
