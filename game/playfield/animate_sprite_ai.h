#pragma once

#include <cstdint>

#include "game/playfield/sprite_ai.h"

// Plays the sprite's sequence once, forwards or backwards (a negative
// speed), and kills the sprite when the animation runs off either end. A
// speed of exactly one frame per step counts whole frames; any other speed
// moves a fractional frame position.
class CAnimateSpriteAI : public CSpriteAI
{
    VP_DECLARE_CLASS(CAnimateSpriteAI)
public:
    // Frames per step.
    explicit CAnimateSpriteAI(float speed = 1.0f);
    ~CAnimateSpriteAI() override;

    void Update(CSprite* sprite, int32_t argument) override;

    float GetSpeed() const { return m_Speed; }

private:
    float m_Speed;
    bool m_UnitSpeed;
};
