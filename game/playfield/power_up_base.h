#pragma once

#include "game/playfield/sprite_ai.h"

class CBallAI;

// A falling power-up capsule's behaviour: the ship collects it, a ball may
// hit it.
class CPowerUpBase : public CSpriteAI
{
    VP_DECLARE_CLASS(CPowerUpBase)
public:
    CPowerUpBase();
    ~CPowerUpBase() override;

    void Update(CSprite* sprite, int32_t argument) override;

    virtual void CollectByShip(CSprite* shipSprite);
    // The ball behaviour, or none when the ball's sprite has no ball
    // behaviour first.
    virtual void HitByBall(CBallAI* ball);
};
