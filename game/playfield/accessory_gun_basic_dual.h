#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "game/playfield/ship_accessory.h"

class CShotAI;

// Two guns on the ship's sides that fire copies of "Shot Type", one gun
// after the other every "Min Time Between Shots" while Shoot is held, or
// both at once after an upgrade. A gun kicks back by its recoil when it
// fires and recovers at its own speed.
class CAccessoryGunBasicDual : public CShipAccessory
{
    VP_DECLARE_CLASS(CAccessoryGunBasicDual)
public:
    enum ENextGun
    {
        NEXT_LEFT = 0,
        NEXT_RIGHT = 1,
        NEXT_BOTH = 2
    };

    CAccessoryGunBasicDual();
    ~CAccessoryGunBasicDual() override;

    void AttachToShip(CGameSprite* shipSprite) override;
    void Update(float tilt) override;
    void Fire() override;
    void Upgrade() override;
    // Launches the shots of one gun at that offset from the ship.
    virtual void SpawnShot(int32_t dx, int32_t dy);

    int32_t GetNextGun() const { return m_NextGun; }
    int32_t GetShotsPerGun() const { return m_ShotsPerGun; }
    int32_t GetCooldown() const { return m_Cooldown; }

    int32_t m_LeftGunSequence;
    int32_t m_RightGunSequence;
    int32_t m_TopGunSequence;
    float m_MinTimeBetweenShots;
    CShotAI* m_pShotType;
    float m_RecoilRecoverSpeed;
    float m_RecoilDistance;
    int32_t m_ShotOriginX;
    int32_t m_ShotOriginY;
    int32_t m_ShotSound;

protected:
    // Where a gun at that offset from the ship fires from.
    Vector2 ShotOrigin(int32_t dx, int32_t dy) const;

    int32_t m_NextGun;
    int32_t m_ShotsPerGun;
    int32_t m_Cooldown;
};

// Fires what its "Shot Type" holds: laser shots.
class CAccessoryGunLaser : public CAccessoryGunBasicDual
{
    VP_DECLARE_CLASS(CAccessoryGunLaser)
public:
    CAccessoryGunLaser();
    ~CAccessoryGunLaser() override;
};

// Fires what its "Shot Type" holds: missiles that blow bricks up.
class CAccessoryBigGun : public CAccessoryGunBasicDual
{
    VP_DECLARE_CLASS(CAccessoryBigGun)
public:
    CAccessoryBigGun();
    ~CAccessoryBigGun() override;
};

// Homing missiles: the first upgrade makes both guns fire, every further
// one adds a missile to each gun.
class CAccessoryStingerMissileGun : public CAccessoryGunBasicDual
{
    VP_DECLARE_CLASS(CAccessoryStingerMissileGun)
public:
    CAccessoryStingerMissileGun();
    ~CAccessoryStingerMissileGun() override;

    void Upgrade() override;
};
