#include "game/bricks/brick_ball_release.h"

#include "game/bricks/brick_base.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"

CBallAI* GetReleaseSpeedSource(CHitterOfBricks* hitter)
{
    if (hitter != nullptr && hitter->IsKindOf(CBallAI::SGetClassInfo()))
        return static_cast<CBallAI*>(hitter);
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || playfield->m_pBallsInPlay->GetHead() == nullptr)
        return nullptr;
    return FirstBehaviourAs<CBallAI>(playfield->m_pBallsInPlay->GetHead());
}

void ReleaseBallAt(const CBrickBase& brick, const Vector2& velocity)
{
    CPlayfield* playfield = GetPlayfield();
    const CGameSprite* brickSprite = brick.GetSprite();
    if (playfield == nullptr || brickSprite == nullptr)
        return;
    CBallAI* ball = playfield->AddBall();
    auto* sprite = static_cast<CGameSprite*>(ball->GetSprite());
    sprite->SetPosition(brickSprite->m_Position);
    sprite->StorePreviousPosition();
    if (velocity.x != 0.0f || velocity.y != 0.0f)
    {
        ball->SetBaseSpeed(Vector2Length(velocity));
        sprite->m_Velocity = velocity;
    }
    else
    {
        sprite->m_Velocity = {0.0f, -ball->GetBaseSpeed()};
    }
}
