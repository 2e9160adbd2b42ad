#pragma once

#include <cstdint>

#include "game/playfield/sprite_ai.h"

class CPlayerControls;

// The player's ship: it follows the player's controls and holds a served
// ball until the player lets it go.
class CPlayerShipAI : public CSpriteAI
{
    VP_DECLARE_CLASS(CPlayerShipAI)
public:
    // The controls may be none; the art is an index into "Sequences".
    CPlayerShipAI(CSprite* sprite, CPlayerControls* controls, int32_t shipArt);
    ~CPlayerShipAI() override;

    void Update(CSprite* sprite, int32_t argument) override;

    // Without keep ball the held ball is let go of (not launched).
    void Reset(CSprite* shipSprite, bool keepBall);
    void HoldBall(CSprite* shipSprite, CSprite* ballSprite, bool onTop);
    // Launches the held ball, if any.
    void ReleaseBall(CSprite* shipSprite);
    // Whether the ship catches the ball now.
    bool TryCatch(CSprite* shipSprite, CSprite* ballSprite);
    CSprite* GetHeldBall() const { return m_pHeldBall; }

    void ClearPendingStarfish() { m_PendingStarfish = 0; }
    void AddPendingStarfish() { m_PendingStarfish++; }
    int32_t GetPendingStarfish() const { return m_PendingStarfish; }

    CPlayerControls* GetControls() const { return m_pControls; }

private:
    CPlayerControls* m_pControls;
    int32_t m_ShipArt;
    CSprite* m_pHeldBall;
    int32_t m_PendingStarfish;
};
