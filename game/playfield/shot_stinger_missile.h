#pragma once

#include <cstdint>

#include "game/playfield/shot_basic.h"

class Polygon2D;

// A homing missile. It picks the required brick it has to turn least
// toward, that no other missile has taken and that it can reach without
// meeting another brick first, turns toward it at its turn speed and
// thrusts. A brick that goes while targeted nulls the target (a weak
// reference) and the missile searches again. Each brick counts the
// missiles after it in "Targeted By Count".
class CShotStingerMissile : public CShotBasic
{
    VP_DECLARE_CLASS(CShotStingerMissile)
public:
    static constexpr int32_t kLifeSteps = 300;
    // 600 degrees a second.
    static constexpr float kDefaultTurnSpeed = 10.471976f;

    CShotStingerMissile();
    ~CShotStingerMissile() override;

    void Update(CSprite* sprite, int32_t argument) override;
    Polygon2D* GetCollisionPolygon(CSprite* sprite) override;
    void Launch(CSprite* sprite) override;
    bool HitBrick(CBrickBase* brick) override;
    void HitBall(CBallAI*) override {}

    void SetTarget(CSprite* brickSprite);
    CSprite* FindTarget();
    CSprite* GetTarget() const { return m_pTarget; }

    int32_t m_ThrustParticles;
    float m_Acceleration;
    float m_Friction;
    // Radians per second.
    float m_TurnSpeed;

private:
    void Steer(CSprite* sprite);
    bool PathIsClear(CSprite* brickSprite);

    CSprite* m_pTarget;
    float m_Heading;
    int32_t m_Life;
    int32_t m_RetargetWait;
};

// How many stinger missiles are after the brick.
int32_t GetTargetedByCount(const CBrickBase* brick);
