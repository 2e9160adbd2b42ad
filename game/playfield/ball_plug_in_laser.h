#pragma once

#include <cstdint>

#include "game/playfield/ball_plug_in_type1.h"

// A ball that fires laser shots on its own while it moves, at random moments
// (on average one shot per "Average Shot Delay") into a cone off its
// heading. Adding it again doubles the rate.
class CBallPlugInBallLaser : public CBallPlugInType1
{
    VP_DECLARE_CLASS(CBallPlugInBallLaser)
public:
    CBallPlugInBallLaser();
    ~CBallPlugInBallLaser() override;

    void OnAttached() override;
    void OnAddedAgain() override;
    void Update() override;

    float GetFireChance() const { return m_FireChance; }

    int32_t m_LaserShotSequence;
    float m_AverageShotDelay;
    int32_t m_ShotSound;
    float m_ShotSpeed;
    float m_ConeCenterOffBallDir;
    float m_ShotConeRange;

private:
    void FireShot();

    float m_FireChance;
    float m_ShotSpeedPerStep;
    float m_ConeLow;
    float m_ConeHigh;
};
