#pragma once

#include <cstdint>

#include "game/playfield/hitter_of_bricks.h"

class CGameSprite;
struct CollisionContact;

// A ball's behaviour. It is bound to its sprite by Launch; the playfield
// hands it the brick and ship contacts of its passes.
class CBallAI : public CHitterOfBricks
{
    VP_DECLARE_CLASS(CBallAI)
public:
    CBallAI();
    ~CBallAI() override;

    void Update(CSprite* sprite, int32_t argument) override;
    CSprite* GetSprite() const override;

    // Binds the behaviour to a ball sprite without parts yet.
    void Launch(CGameSprite* sprite, const CBallAI* plugInsToCopy, bool small);
    // True when the hit damaged or destroyed the brick.
    virtual bool HitBrick(CSprite* ballSprite, CSprite* brickSprite, int32_t passesThrough,
                          const CollisionContact& contact);
    virtual void HitShip(CSprite* ballSprite, CSprite* shipSprite);

    void MakeSmall() { m_Small = true; }
    bool IsSmall() const { return m_Small; }
    // A small ball or one carrying plug-ins: worth more in the round's tally.
    bool IsSpecial() const { return m_Small; }

    // The velocity becomes factor times the ball's speed and eases back to
    // it over the steps.
    void SetSpeedChange(float factor, int32_t steps);
    float GetSpeedChangeFactor() const { return m_SpeedChangeFactor; }
    int32_t GetSpeedChangeSteps() const { return m_SpeedChangeSteps; }

    // Set when the round is complete: the ball no longer moves.
    bool m_Stopped;

private:
    CGameSprite* m_pSprite;
    bool m_Small;
    float m_SpeedChangeFactor;
    int32_t m_SpeedChangeSteps;
};
