#pragma once

#include <cstdint>

#include "game/playfield/shot_ai.h"

// A shot that flies straight up at its speed and dies above the field.
class CShotBasic : public CShotAI
{
    VP_DECLARE_CLASS(CShotBasic)
public:
    CShotBasic();
    ~CShotBasic() override;

    void Update(CSprite* sprite, int32_t argument) override;
    void Launch(CSprite* sprite) override;
    bool HitBrick(CBrickBase* brick) override;

    int32_t m_ShotSequence;
    float m_ShotSpeed;
};

// The laser gun's shot: with "Shots Hit Ball" it turns the balls it meets
// and dies; without, it flies through them.
class CShotGunLaser : public CShotBasic
{
    VP_DECLARE_CLASS(CShotGunLaser)
public:
    CShotGunLaser();
    ~CShotGunLaser() override;

    void HitBall(CBallAI* ball) override;

    bool m_ShotsHitBall;
};

// The big gun's missile: the brick it touches is destroyed whatever its
// strength, and the bricks round it are damaged.
class CShotBigGunMissile : public CShotBasic
{
    VP_DECLARE_CLASS(CShotBigGunMissile)
public:
    CShotBigGunMissile();
    ~CShotBigGunMissile() override;

    static constexpr float kExplosionFactor = 1.1f;
    static constexpr float kExplosionDelay = 0.01f;

    bool HitBrick(CBrickBase* brick) override;
    void HitBall(CBallAI*) override {}
};

// Shots above this line have left the field.
bool KillShotAboveField(CSprite* sprite);
