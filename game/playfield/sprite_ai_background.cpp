#include "game/playfield/sprite_ai_background.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CSpriteAIBackground, CSpriteAI, 1.0f)

void CSpriteAIBackground::RegisterProperties(CClassInfo*)
{
}

CSpriteAIBackground::CSpriteAIBackground()
{
    ConstructProperties(SGetClassInfo());
}

CSpriteAIBackground::~CSpriteAIBackground()
{
    DestroyProperties(SGetClassInfo());
}
