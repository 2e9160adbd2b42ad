#include "game/playfield/power_up_base.h"

#include "engine/object/properties/bool_property.h"
#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_CLASS(CPowerUpBase, CSpriteAI, 0.0f)

void CPowerUpBase::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new BoolProperty("Is A Level Breaker", VP_MEMBER(m_IsALevelBreaker), EDITOR_EDITABLE, false, nullptr));
    classInfo->GetLastProperty()->SetHelpText(
        "Level Breakers are power-ups suck as Big Missiles, Fire Ball, Rail Ball, Bomb Ball, or anything that can "
        "destroy otherwise indestructible bricks. Or it could be anything else what has a high chance of running a "
        "carefully planned level.");
}

CPowerUpBase::CPowerUpBase()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpBase::~CPowerUpBase()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpBase::Update(CSprite*, int32_t)
{
}

void CPowerUpBase::CollectByShip(CSprite*)
{
}

void CPowerUpBase::HitByBall(CBallAI*)
{
}

void CPowerUpBase::Launch(CGameSprite* sprite)
{
    sprite->AddAI(this);
    // The fall keeps its speed.
    sprite->m_Damping = 1.0f;
}

CResourceLibrary<CPowerUpBase>& GetPowerUpLibrary()
{
    static CResourceLibrary<CPowerUpBase> library(LIBRARY_POWER_UP);
    return library;
}
