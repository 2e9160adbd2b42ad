#pragma once

#include "game/playfield/power_up_base.h"

class CAccessoryGunBallSplitter;
class CShipAccessory;

// Power-ups that change the ship or the player's reserve. With no ship they
// act on nothing.

class CPowerUpExtraBall : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpExtraBall)
public:
    CPowerUpExtraBall();
    ~CPowerUpExtraBall() override;
    void Activate(const PowerUpCollectContext& context) override;
};

class CPowerUpShrinkPaddle : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpShrinkPaddle)
public:
    CPowerUpShrinkPaddle();
    ~CPowerUpShrinkPaddle() override;
    void Activate(const PowerUpCollectContext& context) override;
};

class CPowerUpExpandPaddle : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpExpandPaddle)
public:
    CPowerUpExpandPaddle();
    ~CPowerUpExpandPaddle() override;
    void Activate(const PowerUpCollectContext& context) override;
};

// Launches a held ball and takes the ship back to its normal look: no
// catching, normal shield, no accessory. A pending bomb charge stays.
class CPowerUpNormalShip : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpNormalShip)
public:
    CPowerUpNormalShip();
    ~CPowerUpNormalShip() override;
    void Activate(const PowerUpCollectContext& context) override;
};

class CPowerUpBallCatcher : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpBallCatcher)
public:
    CPowerUpBallCatcher();
    ~CPowerUpBallCatcher() override;
    void Activate(const PowerUpCollectContext& context) override;
};

// Feedback only.
class CPowerUpBigGun : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpBigGun)
public:
    CPowerUpBigGun();
    ~CPowerUpBigGun() override;
};

// Mounts a copy of its accessory on the ship; the same accessory class
// again upgrades the mounted one instead.
class CPowerUpAddAccessoryToShip : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpAddAccessoryToShip)
public:
    CPowerUpAddAccessoryToShip();
    ~CPowerUpAddAccessoryToShip() override;
    void Activate(const PowerUpCollectContext& context) override;

    // Owned; none mounts nothing.
    CShipAccessory* m_pShipAccessory;
};

// As the accessory kind for the splitter gun, except that any splitter gun
// mounted, of a derived class too, is upgraded.
class CPowerUpGunBallSplitter : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpGunBallSplitter)
public:
    CPowerUpGunBallSplitter();
    ~CPowerUpGunBallSplitter() override;
    void Activate(const PowerUpCollectContext& context) override;

    // Owned; none mounts nothing.
    CAccessoryGunBallSplitter* m_pBallSplitterGun;
};
