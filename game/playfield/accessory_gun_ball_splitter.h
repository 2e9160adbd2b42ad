#pragma once

#include <cstdint>

#include "game/playfield/accessory_gun_basic_dual.h"

// A dual gun that also fires, with each gun's shots, one splitter shot
// carrying these settings.
class CAccessoryGunBallSplitter : public CAccessoryGunBasicDual
{
    VP_DECLARE_CLASS(CAccessoryGunBallSplitter)
public:
    CAccessoryGunBallSplitter();
    ~CAccessoryGunBallSplitter() override;

    void SpawnShot(int32_t dx, int32_t dy) override;

    int32_t m_SplitterShotSequence;
    float m_SplitterShotSpeed;
    bool m_LargeBallsToSmall;
    uint32_t m_LargeSplitCount;
    float m_LargeSpeedFactor;
    uint32_t m_SmallSplitCount;
    float m_SmallSpeedFactor;
    float m_TrailSeconds;
    int32_t m_TrailGenerator;
};
