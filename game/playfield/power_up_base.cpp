#include "game/playfield/power_up_base.h"

VP_IMPLEMENT_CLASS(CPowerUpBase, CSpriteAI, 0.0f)

void CPowerUpBase::RegisterProperties(CClassInfo*)
{
}

CPowerUpBase::CPowerUpBase()
{
    ConstructProperties(SGetClassInfo());
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
