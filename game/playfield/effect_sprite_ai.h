#pragma once

#include <cstdint>

#include "game/playfield/animate_sprite_ai.h"

// The animation of a short-lived effect (an animated effect sprite or one
// particle of a burst). Every one alive counts towards the live effect
// count, by which bursts are thinned when the playfield fills up.
class CEffectSpriteAI : public CAnimateSpriteAI
{
    VP_DECLARE_CLASS(CEffectSpriteAI)
public:
    explicit CEffectSpriteAI(float speed);
    ~CEffectSpriteAI() override;
};

// The number of effect behaviours alive.
uint32_t GetLiveEffectCount();
