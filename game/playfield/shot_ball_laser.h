#pragma once

#include "game/playfield/shot_ai.h"

// The shot a laser ball fires: it flies in any direction, dies at the
// field's edges and hits bricks only.
class CShotBallLaser : public CShotAI
{
    VP_DECLARE_CLASS(CShotBallLaser)
public:
    CShotBallLaser();
    ~CShotBallLaser() override;

    void Update(CSprite* sprite, int32_t argument) override;
    bool HitBrick(CBrickBase* brick) override;
    void HitBall(CBallAI*) override {}
};
