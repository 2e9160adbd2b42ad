#include "game/playfield/shot_brick_hit.h"

#include "game/bricks/brick_base.h"
#include "game/playfield/shot_ai.h"
#include "game/playfield/sprite.h"

bool HitBrickAndDie(CShotAI* shot, CBrickBase* brick, const Vector2& normal)
{
    if (brick == nullptr || brick->LetsBallPassThrough(shot))
        return true;
    const bool result = brick->HitByBallOrShot(shot, normal);
    shot->GetSprite()->Kill();
    return result;
}
