#include "game/playfield/shot_ai.h"

#include "game/bricks/brick_base.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"

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

void CShotAI::Update(CSprite* sprite, int32_t argument)
{
    if (CSpriteAI* next = GetNext())
        next->Update(sprite, argument);
}

void CShotAI::Launch(CSprite* sprite)
{
    m_pSprite = sprite;
    sprite->AddAI(this);
    sprite->SetLifetimeAndAdd(GetPlayfield()->m_pShots, kLifetimeSteps);
}

CBrickBase* AsBrick(CSpriteAI* behaviour)
{
    return behaviour != nullptr && behaviour->IsKindOf(CBrickBase::SGetClassInfo())
               ? static_cast<CBrickBase*>(behaviour)
               : nullptr;
}
