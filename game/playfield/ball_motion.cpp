// The ball's speed rules and its answers to contacts: the timed speed
// change, the bookkeeping of every bounce (the gain in speed and the turn
// of a ball that flies too flat for too long), the ship's aim rule, the
// split and the push of a shot.
//
// Speeds are pixels per step. Every "direction times speed" keeps a zero
// velocity zero: a ball held by the ship or stopped at the round's end must
// not be given a direction it never had.

#include <algorithm>
#include <cmath>

#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/platform/tick_counter.h"
#include "game/playfield/ball_ai.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ball_plug_in_type1.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/rotate_vector.h"
#include "game/playfield/sprite_sound.h"

namespace {

const float HALF_PI = 1.5707964f;
const float PI = 3.1415927f;
const float QUARTER_PI = 0.7853982f;
const float THREE_QUARTER_PI = 2.3561945f;
const float STEPS_PER_SECOND = 60.0f;
const float SHIP_AIM_PER_PIXEL = 0.012667713f;
const float SHIP_SIDE_ZONE_Y = 546.0f;
const float FLAT_BAND = 0.17453294f;
const float FLAT_BAND_FAR_END = 6.1086526f;
const float LOW_BALL_Y = 466.0f;
const uint32_t STALL_MILLISECONDS = 2000;
const uint32_t LOW_STALL_MILLISECONDS = 8000;
const float STALL_TURN = 0.13962634f;
const float LOW_STALL_TURN = 0.034906585f;
const uint32_t RANDOM_TURN_ONE_IN = 10;
const uint32_t RANDOM_TURN_DRAW = 3;
const float SLOWEST_SPLIT_SPEED = 0.1f;
const float SPLIT_STANDSTILL_SPEED = 5.4166665f;
const float TWO_PI = 6.2831855f;
const float SHOT_PUSH_SHARE = 0.6f;
const float SLOWEST_MEASURED_SPEED = 1.0f;

bool IsZero(const Vector2& v)
{
    return v.x == 0.0f && v.y == 0.0f;
}

float ShieldCentreX(CSprite* shipSprite)
{
    CPlayerShipAI* ship = dynamic_cast<CPlayerShipAI*>(shipSprite->GetAI());
    return ship != nullptr ? ship->GetShieldCentreX(shipSprite) : shipSprite->m_Position.x;
}

} // namespace

void CBallAI::SetSpeedChange(float factor, int32_t steps)
{
    m_SpeedChangeLeft = steps;
    m_SpeedChangeLength = steps;
    m_SpeedChangeFactor = factor;
    m_pSprite->m_Velocity = WithLength(m_pSprite->m_Velocity, factor * m_BaseSpeed);
}

void CBallAI::UpdateSpeedChange()
{
    if (m_Loose)
        return;
    Vector2& velocity = m_pSprite->m_Velocity;
    if (m_SpeedChangeLeft <= 0)
    {
        const float measured = Vector2Length(velocity);
        if (measured * STEPS_PER_SECOND > SLOWEST_MEASURED_SPEED)
        {
            m_BaseSpeed = measured;
            GetPlayfield()->AddSpeedSample(measured * STEPS_PER_SECOND);
        }
        return;
    }
    if (IsZero(velocity))
        return;
    m_SpeedChangeLeft--;
    const float speed = m_SpeedChangeLeft > 0
                            ? m_BaseSpeed * (1.0f + (m_SpeedChangeFactor - 1.0f) * static_cast<float>(m_SpeedChangeLeft) /
                                                        static_cast<float>(m_SpeedChangeLength))
                            : m_BaseSpeed;
    velocity = WithLength(velocity, speed);
}

// Refused from 25 px per step as before; the product is also held at the
// ceiling, since one multiplication just below 25 could reach 250.
void CBallAI::MultiplySpeed(float factor)
{
    if (m_BaseSpeed >= kMultiplyRefusedFrom)
        return;
    Vector2& velocity = m_pSprite->m_Velocity;
    velocity = Vector2Scale(velocity, factor);
    if (Vector2Length(velocity) > kSpeedCeiling)
        velocity = WithLength(velocity, kSpeedCeiling);
    m_BaseSpeed = std::fmin(m_BaseSpeed * factor, kSpeedCeiling);
    GetPlayfield()->AddSpeedSample(m_BaseSpeed * STEPS_PER_SECOND);
}

// Real milliseconds time a flat run, not steps, so the rule measures what
// the player waits even when the game slows down. The turn keeps the ball
// going up or down as it was, and a run is not restarted by its own turn:
// every further flat bounce of it turns again at once.
void CBallAI::PreventStall(bool check)
{
    m_HasBounced = true;
    Vector2& velocity = m_pSprite->m_Velocity;
    if (check)
    {
        CRandom& random = GameRandom();
        if (random.Below(RANDOM_TURN_ONE_IN) == RANDOM_TURN_DRAW)
            velocity = RotateVector(velocity, random.BetweenFloat(-FLAT_BAND, FLAT_BAND));
        const float heading = WrapAngle(FastAtan2(velocity.y, velocity.x));
        if (heading < FLAT_BAND || heading > FLAT_BAND_FAR_END || std::fabs(heading - PI) < FLAT_BAND)
        {
            const uint32_t now = GetTickCount();
            if (m_StallStart == 0)
                m_StallStart = now;
            const bool low = m_pSprite->m_Position.y > LOW_BALL_Y;
            const uint32_t limit = low ? LOW_STALL_MILLISECONDS : STALL_MILLISECONDS;
            const float turn = low ? LOW_STALL_TURN : STALL_TURN;
            if (now - m_StallStart > limit)
            {
                const bool up = velocity.y < 0.0f;
                const bool rightward = velocity.x >= 0.0f;
                velocity = RotateVector(velocity, up == rightward ? -turn : turn);
            }
        }
        else
            m_StallStart = 0;
    }
    // Bounces speed the ball up no further than the ceiling the sweeps and
    // the ship's pixel test are sure of: a long round would otherwise carry
    // it through bricks and the ship.
    if (m_Loose)
        return;
    const float speed = Vector2Length(velocity);
    if (speed < kSpeedCeiling)
        velocity =
            WithLength(velocity, std::min(speed + BallBounceIncrease(GetPlayfield()->GetDifficulty()), kSpeedCeiling));
}

float CBallAI::ShipAngle(CSprite* shipSprite) const
{
    return (m_pSprite->m_Position.x - ShieldCentreX(shipSprite)) * SHIP_AIM_PER_PIXEL;
}

float CBallAI::LaunchFromShip(CSprite* shipSprite)
{
    const float angle = ShipAngle(shipSprite);
    m_pSprite->m_Velocity = RotateVector(Vector2{0.0f, -m_BaseSpeed}, angle);
    return angle;
}

void CBallAI::HitShip(CSprite* ballSprite, CSprite* shipSprite)
{
    if (m_Loose)
    {
        // A loose ball that reaches the ship joins play as a plain ball at
        // the speed of the balls already in play.
        m_Loose = false;
        CPlayfield* playfield = GetPlayfield();
        CGameSprite* sprite = new CGameSprite;
        sprite->SetPosition(ballSprite->m_Position);
        Vector2 velocity = ballSprite->m_Velocity;
        if (CSprite* first = playfield->m_pBallsInPlay->GetHead())
        {
            CBallAI* firstBall = dynamic_cast<CBallAI*>(first->GetAI());
            if (firstBall != nullptr && firstBall->m_BaseSpeed > SLOWEST_SPLIT_SPEED)
                velocity = WithLength(velocity, firstBall->m_BaseSpeed);
        }
        CBallAI* ball = new CBallAI;
        ball->Launch(sprite, nullptr, false);
        sprite->m_Velocity = velocity;
        playfield->m_pBallsInPlay->Append(sprite);
        ballSprite->Kill();
        return;
    }
    Vector2& velocity = ballSprite->m_Velocity;
    if (velocity.y <= 0.0f)
        return;
    const float centre = ShieldCentreX(shipSprite);
    if (ballSprite->m_Position.y > SHIP_SIDE_ZONE_Y)
    {
        const float speed = Vector2Length(velocity);
        const float angle = ballSprite->m_Position.x > centre ? QUARTER_PI : THREE_QUARTER_PI;
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(angle, sine, cosine);
        velocity = Vector2{speed * cosine, -(speed * sine)};
        PlaySpriteSound("Bounce.wav");
        return;
    }
    const float angle = (ballSprite->m_Position.x - centre) * SHIP_AIM_PER_PIXEL;
    velocity = RotateVector(Vector2{0.0f, -m_BaseSpeed}, angle);
    ballSprite->SetPosition(ballSprite->GetPreviousPosition());
    SpawnHitSparksNamed("Ball Hit Ship", "Ball Hit Ship Small", angle - HALF_PI);
    PreventStall(false);
    if (CPlayerShipAI* ship = dynamic_cast<CPlayerShipAI*>(shipSprite->GetAI()))
        ship->Recoil(shipSprite, ballSprite);
    PlaySpriteSound("Bounce.wav");
}

// The ball's plug-ins choose the road: an acid ball dissolves the brick
// unless the brick refuses, a rail ball asks for the brick's destruction
// and then hits it as any ball does, a fire ball explodes it instead of
// hitting it. The plug-ins hear of a brick destroyed or dissolving; any
// other contact only sparks.
bool CBallAI::HitBrick(CSprite*, CSprite* brickSprite, int32_t passesThrough, const CollisionContact& contact)
{
    if (passesThrough == 0)
        PreventStall(true);
    if (m_Loose)
        return true;
    CBrickBase* brick = FirstBehaviourAs<CBrickBase>(brickSprite);
    if (brick == nullptr)
        return false;
    const bool fire = FindPlugIn(CBallPlugInFireBall::SGetClassInfo()) != nullptr;
    const bool rail = FindPlugIn(CBallPlugInRailBall::SGetClassInfo()) != nullptr;
    CBallPlugInAcidBall* acid = nullptr;
    for (CBallPlugIn* plugIn : m_PlugIns)
        if (plugIn->IsKindOf(CBallPlugInAcidBall::SGetClassInfo()))
            acid = static_cast<CBallPlugInAcidBall*>(plugIn);

    bool result = false;
    bool dissolving = false;
    if (acid != nullptr)
    {
        AcidHitQuery query{this, false};
        brick->OnAcidHit(query);
        if (!brick->IsDestroyed() && !query.refuse)
        {
            acid->AttachAcid(brick);
            dissolving = true;
        }
        result = dissolving || brick->IsDestroyed();
    }
    if (!result)
    {
        if (rail)
            brick->Destroy(BrickDestroyInfo{this, false});
        result = fire ? brick->DestroyByExplosion(m_Small ? kSmallFireFactor : kFireFactor, 0.0f)
                      : brick->HitByBallOrShot(this, contact.m_Normal);
    }
    if (brick->IsDestroyed() || dissolving)
    {
        for (uint32_t i = 0; i < m_PlugIns.GetCount(); i++)
            m_PlugIns[i]->OnBrickHit(brick);
    }
    else
        SpawnHitSparksNamed("Ball Hit Brick", "Ball Hit Brick Small",
                            WrapAngle(FastAtan2(contact.m_Normal.y, contact.m_Normal.x)));
    return result;
}

bool CBallAI::PassesThrough(CSprite* sprite, CSprite* other, const CollisionMotion& motion)
{
    const BallPassQuery query{other, &motion};
    for (CBallPlugIn* plugIn : m_PlugIns)
        if (plugIn->PassesThrough(query))
            return true;
    if (CBrickBase* brick = FirstBehaviourAs<CBrickBase>(other))
        return brick->LetsBallPassThrough(this);
    return CSpriteAI::PassesThrough(sprite, other, motion);
}

// The copies fan out over the full circle at the ball's speed; the count
// is not cut to the limit, which only stops splits from starting.
void CBallAI::SplitBall(uint32_t count, int32_t trailGenerator, int32_t trailSteps)
{
    CPlayfield* playfield = GetPlayfield();
    if (static_cast<uint32_t>(playfield->m_pBallsInPlay->Count()) >= kMostBallsBeforeSplit ||
        playfield->m_RoundCleared)
        return;
    Vector2 velocity = m_pSprite->m_Velocity;
    if (Vector2Length(velocity) < SLOWEST_SPLIT_SPEED)
        velocity = Vector2{0.0f, -SPLIT_STANDSTILL_SPEED};
    for (uint32_t i = 1; i < count; i++)
    {
        CGameSprite* sprite = new CGameSprite;
        sprite->SetPosition(m_pSprite->m_Position);
        sprite->StorePreviousPosition();
        sprite->m_Velocity =
            RotateVector(velocity, static_cast<float>(i) * TWO_PI / static_cast<float>(count));
        CBallAI* ball = new CBallAI;
        ball->Launch(sprite, this, m_Small);
        if (trailSteps != 0)
            ball->SetTrailParticles(trailGenerator, trailSteps);
        playfield->m_pBallsInPlay->Append(sprite);
    }
    if (trailSteps != 0)
        SetTrailParticles(trailGenerator, trailSteps);
}

// A push that cancels the velocity leaves the ball as it was: there is no
// direction to keep the speed along.
void CBallAI::PushedByShot(CSprite* shotSprite)
{
    Vector2& velocity = m_pSprite->m_Velocity;
    const float oldSpeed = Vector2Length(velocity);
    const Vector2 pushed = Vector2Add(velocity, Vector2Scale(shotSprite->m_Velocity, SHOT_PUSH_SHARE));
    const Vector2 towardShot = Vector2Subtract(shotSprite->m_Position, m_pSprite->m_Position);
    SpawnHitSparksNamed("Ball Hit Wall", "Ball Hit Wall Small", WrapAngle(FastAtan2(towardShot.y, towardShot.x)));
    if (IsZero(pushed))
        return;
    velocity = WithLength(pushed, oldSpeed);
}
