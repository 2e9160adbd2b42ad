#include "game/playfield/player_ship_ai.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CPlayerShipAI, CSpriteAI, 0.0f)

void CPlayerShipAI::RegisterProperties(CClassInfo*)
{
}

CPlayerShipAI::CPlayerShipAI(CSprite*, CPlayerControls* controls, int32_t shipArt)
    : m_pControls(controls)
    , m_ShipArt(shipArt)
    , m_pHeldBall(nullptr)
    , m_PendingStarfish(0)
{
    ConstructProperties(SGetClassInfo());
}

CPlayerShipAI::~CPlayerShipAI()
{
    DestroyProperties(SGetClassInfo());
}

void CPlayerShipAI::Update(CSprite*, int32_t)
{
}

void CPlayerShipAI::Reset(CSprite*, bool keepBall)
{
    if (!keepBall)
        m_pHeldBall = nullptr;
}

void CPlayerShipAI::HoldBall(CSprite*, CSprite* ballSprite, bool)
{
    m_pHeldBall = ballSprite;
}

void CPlayerShipAI::ReleaseBall(CSprite*)
{
    m_pHeldBall = nullptr;
}

bool CPlayerShipAI::TryCatch(CSprite*, CSprite*)
{
    return false;
}
