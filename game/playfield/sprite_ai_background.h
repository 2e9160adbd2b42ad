#pragma once

#include "game/playfield/sprite_ai.h"

// The base of every behaviour that brings a background to life (fish,
// plankton, debris, flocks, seaweed, smoke, pictures that animate now and
// then). A background's sprite generators hold prototypes of this class;
// each ambient sprite gets its own copy.
class CSpriteAIBackground : public CSpriteAI
{
    VP_DECLARE_CLASS(CSpriteAIBackground)
public:
    CSpriteAIBackground();
    ~CSpriteAIBackground() override;
};
