#pragma once

#include "game/playfield/hitter_of_bricks.h"

class CBallAI;
class CBrickBase;

// A shot: a sprite of the playfield's shot list whose first behaviour this
// is. It lives at most 1800 steps; the collision passes hand it the bricks
// and balls it touches.
class CShotAI : public CHitterOfBricks
{
    VP_DECLARE_CLASS(CShotAI)
public:
    static constexpr uint32_t kLifetimeSteps = 1800;

    CShotAI();
    ~CShotAI() override;

    // Passes the step on to the next behaviour.
    void Update(CSprite* sprite, int32_t argument) override;
    CSprite* GetSprite() const override { return m_pSprite; }

    // Joins the sprite and puts it into the shot list.
    virtual void Launch(CSprite* sprite);
    // The brick or ball behaviour it touched; none when the other sprite's
    // first behaviour is not one.
    virtual bool HitBrick(CBrickBase* brick) = 0;
    virtual void HitBall(CBallAI* ball) = 0;

private:
    CSprite* m_pSprite;
};

// The behaviour when it is a brick, else none.
CBrickBase* AsBrick(CSpriteAI* behaviour);
