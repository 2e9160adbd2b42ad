#include "game/playfield/ball_ai.h"

#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_CLASS(CBallAI, CHitterOfBricks, 0.0f)

void CBallAI::RegisterProperties(CClassInfo*)
{
}

CBallAI::CBallAI()
    : m_Stopped(false)
    , m_pSprite(nullptr)
    , m_Small(false)
    , m_SpeedChangeFactor(1.0f)
    , m_SpeedChangeSteps(0)
{
    ConstructProperties(SGetClassInfo());
}

CBallAI::~CBallAI()
{
    DestroyProperties(SGetClassInfo());
}

void CBallAI::Update(CSprite*, int32_t)
{
}

CSprite* CBallAI::GetSprite() const
{
    return m_pSprite;
}

void CBallAI::Launch(CGameSprite* sprite, const CBallAI*, bool small)
{
    m_pSprite = sprite;
    m_Small = small;
}

bool CBallAI::HitBrick(CSprite*, CSprite*, int32_t, const CollisionContact&)
{
    return false;
}

void CBallAI::HitShip(CSprite*, CSprite*)
{
}

void CBallAI::SetSpeedChange(float factor, int32_t steps)
{
    m_SpeedChangeFactor = factor;
    m_SpeedChangeSteps = steps;
}
