#pragma once

#include <cstdint>

#include "game/playfield/shot_ai.h"

// The splitter gun's extra shot: it splits the balls it meets (a normal
// ball may first become small) and shoves the bricks it meets without
// hitting them. Its settings are copied from its gun.
class CShotGunBallSplitter : public CShotAI
{
    VP_DECLARE_CLASS(CShotGunBallSplitter)
public:
    // A brick it meets is shoved by up to this many pixels a step each way.
    static constexpr float kLargestShove = 2.0f;

    CShotGunBallSplitter();
    ~CShotGunBallSplitter() override;

    void Update(CSprite* sprite, int32_t argument) override;
    bool HitBrick(CBrickBase* brick) override;
    void HitBall(CBallAI* ball) override;

    int32_t m_LargeSplitCount;
    float m_LargeSpeedFactor;
    bool m_LargeToSmall;
    int32_t m_SmallSplitCount;
    float m_SmallSpeedFactor;
    int32_t m_TrailGenerator;
    int32_t m_TrailSteps;
};
