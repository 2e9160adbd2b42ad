#pragma once

#include <cstdint>

#include "game/playfield/power_up_base.h"

class CBallPlugIn;

// Power-ups that change the balls in play.

// Slows every ball by a factor.
class CPowerUpSlow : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpSlow)
public:
    CPowerUpSlow();
    ~CPowerUpSlow() override;
    void Activate(const PowerUpCollectContext& context) override;

    float m_NewSpeed;
};

// Speeds every ball up by a factor, up to the balls' own limit.
class CPowerUpFast : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpFast)
public:
    CPowerUpFast();
    ~CPowerUpFast() override;
    void Activate(const PowerUpCollectContext& context) override;

    float m_NewSpeed;
};

// Splits the first ball in play into several.
class CPowerUpSplitBall : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpSplitBall)
public:
    CPowerUpSplitBall();
    ~CPowerUpSplitBall() override;
    void Activate(const PowerUpCollectContext& context) override;

    uint32_t m_NewBallCount;
};

// Every ball back to normal size without plug-ins.
class CPowerUpNormalBall : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpNormalBall)
public:
    CPowerUpNormalBall();
    ~CPowerUpNormalBall() override;
    void Activate(const PowerUpCollectContext& context) override;
};

// Every ball made small.
class CPowerUpSmallBall : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpSmallBall)
public:
    CPowerUpSmallBall();
    ~CPowerUpSmallBall() override;
    void Activate(const PowerUpCollectContext& context) override;
};

// Gives every ball its own copy of a plug-in (fire, rail, acid, ...).
class CPowerUpAddPlugInToBall : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpAddPlugInToBall)
public:
    CPowerUpAddPlugInToBall();
    ~CPowerUpAddPlugInToBall() override;
    void Activate(const PowerUpCollectContext& context) override;

    // Owned; none gives the balls nothing.
    CBallPlugIn* m_pPlugInToAdd;
};

// Every ball in play gets its own copy of the plug-in; none adds nothing.
void AddPlugInCopyToEveryBall(const CBallPlugIn* plugIn);
