#pragma once

#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CGameSprite;
class CSpritePart;

// The weapon mounted on the player's ship. It owns the look of the ship's
// three gun parts, animates their recoil and launches shots when the player
// fires. Accessories are data: the ship works on a copy of a configured one.
class CShipAccessory : public CObject
{
    VP_DECLARE_CLASS(CShipAccessory)
public:
    static constexpr int32_t LEFT_GUN_PART = 4;
    static constexpr int32_t RIGHT_GUN_PART = 5;
    static constexpr int32_t TOP_GUN_PART = 6;

    CShipAccessory();
    ~CShipAccessory() override;

    // Once, after the ship mounts it.
    virtual void AttachToShip(CGameSprite* shipSprite) = 0;
    // Every ship update with 1 - the ship's tilt.
    virtual void Update(float tilt) = 0;
    // Every ship update while Shoot is down and no bomb ball went off.
    virtual void Fire() = 0;
    // The same kind was collected again.
    virtual void Upgrade() = 0;

protected:
    void BindShip(CGameSprite* shipSprite);

    CGameSprite* m_pShip;
    CSpritePart* m_pLeftGun;
    CSpritePart* m_pRightGun;
    CSpritePart* m_pTopGun;
};
