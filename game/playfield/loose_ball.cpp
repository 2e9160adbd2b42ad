#include "game/playfield/loose_ball.h"

#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"

CBallAI* AddLooseSmallBall(const Vector2& at, const Vector2& velocity)
{
    CGameSprite* sprite = new CGameSprite;
    sprite->SetPosition(at);
    sprite->StorePreviousPosition();
    sprite->m_Velocity = velocity;
    CBallAI* ball = new CBallAI;
    ball->Launch(sprite, nullptr, true);
    ball->SetLoose(true);
    ball->MakeSmall();
    GetPlayfield()->m_pLooseBalls->Append(sprite);
    return ball;
}
