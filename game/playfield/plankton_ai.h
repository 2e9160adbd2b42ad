#pragma once

#include <cstdint>

#include "game/playfield/sprite_ai_background.h"

class CSpritePart;

// Plankton drifting in one direction for ever: its speeds never change, and
// leaving the ambient area on the right or at the bottom brings it back on
// the opposite side at a random place. The round logic's generator places
// it.
class CPlanktonAI : public CSpriteAIBackground
{
    VP_DECLARE_CLASS(CPlanktonAI)
public:
    CPlanktonAI();
    ~CPlanktonAI() override;

    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;

    int32_t m_Sequence;
    float m_MinSpeed;
    float m_MaxSpeed;

private:
    // Part 0 of the sprite, which owns it.
    CSpritePart* m_pPart;
};
