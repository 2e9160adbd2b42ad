#include "game/playfield/shot_gun_ball_splitter.h"

#include "engine/core/maths/random_r250.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/shot_basic.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CShotGunBallSplitter, CShotAI, 0.0f)

void CShotGunBallSplitter::RegisterProperties(CClassInfo*)
{
}

CShotGunBallSplitter::CShotGunBallSplitter()
    : m_LargeSplitCount(3)
    , m_LargeSpeedFactor(1.0f)
    , m_LargeToSmall(true)
    , m_SmallSplitCount(1)
    , m_SmallSpeedFactor(1.0f)
    , m_TrailGenerator(0)
    , m_TrailSteps(0)
{
    ConstructProperties(SGetClassInfo());
}

CShotGunBallSplitter::~CShotGunBallSplitter()
{
    DestroyProperties(SGetClassInfo());
}

void CShotGunBallSplitter::Update(CSprite* sprite, int32_t)
{
    KillShotAboveField(sprite);
}

bool CShotGunBallSplitter::HitBrick(CBrickBase* brick)
{
    if (brick == nullptr || brick->LetsBallPassThrough(this))
        return true;
    CRandom& random = GameRandom();
    const float x = random.BetweenFloat(-kLargestShove, kLargestShove);
    const float y = random.BetweenFloat(-kLargestShove, kLargestShove);
    CombineMotion(brick, Vector2{x, y});
    GetSprite()->Kill();
    return false;
}

void CShotGunBallSplitter::HitBall(CBallAI* ball)
{
    if (ball == nullptr)
        return;
    const bool wasSmall = ball->IsSmall();
    if (!wasSmall && m_LargeToSmall)
        ball->MakeSmall();
    const int32_t count = wasSmall ? m_SmallSplitCount : m_LargeSplitCount;
    const float factor = wasSmall ? m_SmallSpeedFactor : m_LargeSpeedFactor;
    if (factor != 1.0f)
        ball->MultiplySpeed(factor);
    if (count < 2)
        ball->PushedByShot(GetSprite());
    else
        ball->SplitBall(static_cast<uint32_t>(count), m_TrailGenerator, m_TrailSteps);
    GetSprite()->Kill();
}
