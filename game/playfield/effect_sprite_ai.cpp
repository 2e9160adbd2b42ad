#include "game/playfield/effect_sprite_ai.h"

// Made by the spawners with their speed, never by name.
VP_IMPLEMENT_ABSTRACT_CLASS(CEffectSpriteAI, CAnimateSpriteAI, 1.0f)

namespace {

// Main thread only, like every sprite.
uint32_t g_LiveEffects = 0;

} // namespace

void CEffectSpriteAI::RegisterProperties(CClassInfo*)
{
}

CEffectSpriteAI::CEffectSpriteAI(float speed)
    : CAnimateSpriteAI(speed)
{
    ConstructProperties(SGetClassInfo());
    g_LiveEffects++;
}

CEffectSpriteAI::~CEffectSpriteAI()
{
    g_LiveEffects--;
    DestroyProperties(SGetClassInfo());
}

uint32_t GetLiveEffectCount()
{
    return g_LiveEffects;
}
