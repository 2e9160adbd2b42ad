#pragma once

#include "game/playfield/sprite_ai.h"

class CSprite;

// A behaviour that hits bricks: the balls' and the shots'. Bricks ask it for
// its sprite and how hard it hits.
class CHitterOfBricks : public CSpriteAI
{
    VP_DECLARE_CLASS(CHitterOfBricks)
public:
    CHitterOfBricks();
    ~CHitterOfBricks() override;

    virtual CSprite* GetSprite() const = 0;
    virtual float GetHitStrength() const;
};
