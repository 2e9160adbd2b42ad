#pragma once

#include <cstdint>

#include "engine/core/color/color.h"
#include "engine/core/geometry/point.h"
#include "game/playfield/power_up_base.h"

class CBallAI;
class CBallPlugInBombBall;

// Gives every ball a bomb plug-in and charges the ship: while the charge is
// pending the ship shows a charger and arms each bomb ball that touches it.
// The charger's look always comes from the item named "Bomb Ball", whatever
// item was collected.
class CPowerUpBombBall : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpBombBall)
public:
    CPowerUpBombBall();
    ~CPowerUpBombBall() override;
    void Activate(const PowerUpCollectContext& context) override;

    // Arms the ball's bomb plug-in, if it has one, and answers it.
    static CBallPlugInBombBall* ArmBall(CBallAI* ball);

    // Owned; none gives the balls nothing.
    CBallPlugInBombBall* m_pBallPlugIn;
    int32_t m_ChargerOverlayForShip;
    // From the ship's position and its shield's offset.
    CPoint m_ShipOverlayPosition;
    CColor m_ChargingEffectColor;
    uint32_t m_ChargingEffectLines;
    // Balls farther from the ship than this get no charging arc.
    float m_ChargingEffectLength;
};

// The library index of "Bomb Ball" (by name or alias); -1 without one or
// when that item is not a bomb-ball kind.
int32_t FindBombBallItem();
