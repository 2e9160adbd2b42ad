#include "game/playfield/shot_ball_laser.h"

#include "game/bricks/brick_base.h"
#include "game/playfield/rotate_vector.h"
#include "game/playfield/shot_brick_hit.h"
#include "game/playfield/sprite.h"

namespace {

const float TOP = 10.0f;
const float BOTTOM = 600.0f;
const float LEFT = 11.0f;
const float RIGHT = 626.0f;

} // namespace

VP_IMPLEMENT_CLASS(CShotBallLaser, CShotAI, 0.0f)

void CShotBallLaser::RegisterProperties(CClassInfo*)
{
}

CShotBallLaser::CShotBallLaser()
{
    ConstructProperties(SGetClassInfo());
}

CShotBallLaser::~CShotBallLaser()
{
    DestroyProperties(SGetClassInfo());
}

void CShotBallLaser::Update(CSprite* sprite, int32_t)
{
    const Vector2& at = sprite->m_Position;
    if (at.y < TOP || at.y > BOTTOM || at.x < LEFT || at.x > RIGHT)
        sprite->Kill();
}

// The shot meets the brick head on: the normal faces back along its flight.
bool CShotBallLaser::HitBrick(CBrickBase* brick)
{
    const Vector2 back = WithLength(Vector2Scale(GetSprite()->m_Velocity, -1.0f), 1.0f);
    return HitBrickAndDie(this, brick, back);
}
