#pragma once

#include <cstdint>

#include "engine/object/libraries/resource_library.h"
#include "game/playfield/sprite_ai.h"

class CBallAI;
class CGameSprite;

// A falling power-up capsule's behaviour: the ship collects it, a ball may
// hit it.
class CPowerUpBase : public CSpriteAI
{
    VP_DECLARE_CLASS(CPowerUpBase)
public:
    CPowerUpBase();
    ~CPowerUpBase() override;

    void Update(CSprite* sprite, int32_t argument) override;

    virtual void CollectByShip(CSprite* shipSprite);
    // The ball behaviour, or none when the ball's sprite has no ball
    // behaviour first.
    virtual void HitByBall(CBallAI* ball);
    // Joins a fresh capsule sprite, which owns it from then on, and starts
    // its fall.
    virtual void Launch(CGameSprite* sprite);

    // A kind that can destroy bricks that are otherwise indestructible.
    bool m_IsALevelBreaker;
    // The "PowerUp" entry a capsule's copy was made from; -1 for none.
    int32_t m_LibraryIndex = -1;
};

// "PowerUp": every power-up kind; entry 0 ("!None", alias "No Power-Up")
// is no power-up.
CResourceLibrary<CPowerUpBase>& GetPowerUpLibrary();
