#pragma once

#include "game/playfield/hitter_of_bricks.h"

class CBallAI;
class CBrickBase;

// A shot of the ship's weapons, in the playfield's shot list.
class CShotAI : public CHitterOfBricks
{
    VP_DECLARE_CLASS(CShotAI)
public:
    CShotAI();
    ~CShotAI() override;

    CSprite* GetSprite() const override { return m_pSprite; }

    void Launch(CSprite* sprite) { m_pSprite = sprite; }
    // The brick or ball behaviour it touched; none when the other sprite's
    // first behaviour is not one.
    virtual bool HitBrick(CBrickBase* brick) = 0;
    virtual void HitBall(CBallAI* ball) = 0;

private:
    CSprite* m_pSprite;
};
