#include "game/playfield/shot_ai.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CShotAI, CHitterOfBricks, 0.0f)

void CShotAI::RegisterProperties(CClassInfo*)
{
}

CShotAI::CShotAI()
    : m_pSprite(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CShotAI::~CShotAI()
{
    DestroyProperties(SGetClassInfo());
}
