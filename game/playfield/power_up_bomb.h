#pragma once

#include <cstdint>

#include "engine/object/properties/string_pair.h"
#include "game/playfield/power_up_base.h"

class CSound;

// A bad capsule: a bomb that blows up the ship that catches it. A ball can
// shoot it down for points, though not in its first steps, so the ball that
// broke its brick does not destroy it at once.
class CPowerUpBomb : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpBomb)
public:
    // Steps after launch during which balls pass the bomb by.
    static constexpr uint32_t kSafeSteps = 12;

    CPowerUpBomb();
    ~CPowerUpBomb() override;

    void Update(CSprite* sprite, int32_t argument) override;
    void Launch(CGameSprite* sprite) override;
    void CollectByShip(CSprite* shipSprite) override;
    void HitByBall(CBallAI* ball) override;

    CSound* GetDroppedSound() const { return m_pDroppedSound; }

    int32_t m_DroppedSound;
    int32_t m_DestroyedByBallParticleGen;
    int32_t m_DestroyedByBallSound;
    int32_t m_DestroyedByBallScore;
    CStringPair m_DestroyedByBallString;
    int32_t m_ShipExplodeParticleGen;
    int32_t m_ShipExplodeSequence;

private:
    // Stops and gives back the falling sound, if one plays.
    void ReleaseDroppedSound();

    CSound* m_pDroppedSound = nullptr;
    uint32_t m_Age = 0;
};
