#pragma once

#include <cstdint>

#include "game/playfield/sprite_ai_background.h"

class CSequence;
class CSpritePart;

// A fish that swims straight across the background at a random height and
// speed and comes back from a random side once it has left. The first
// placement spreads fish over the whole screen so that a round does not
// start with an empty sea.
class CFishAI : public CSpriteAIBackground
{
    VP_DECLARE_CLASS(CFishAI)
public:
    CFishAI();
    ~CFishAI() override;

    // The sprite must be a multi-part game sprite.
    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;
    virtual void Respawn(CSprite* sprite, bool firstPlacement);

    int32_t m_LeftSequence;
    int32_t m_RightSequence;
    float m_MinimumSpeed;
    float m_MaximumSpeed;
    float m_MinDistanceFromBottom;

private:
    CSequence* m_pLeftImages;
    CSequence* m_pRightImages;
    // Part 0 of the sprite, which owns it.
    CSpritePart* m_pPart;
};
