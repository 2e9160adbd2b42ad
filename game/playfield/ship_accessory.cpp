#include "game/playfield/ship_accessory.h"

#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CShipAccessory, CObject, 1.0f)

void CShipAccessory::RegisterProperties(CClassInfo*)
{
}

CShipAccessory::CShipAccessory()
    : m_pShip(nullptr)
    , m_pLeftGun(nullptr)
    , m_pRightGun(nullptr)
    , m_pTopGun(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CShipAccessory::~CShipAccessory()
{
    DestroyProperties(SGetClassInfo());
}

void CShipAccessory::BindShip(CGameSprite* shipSprite)
{
    m_pShip = shipSprite;
    m_pLeftGun = shipSprite->GetPart(LEFT_GUN_PART);
    m_pRightGun = shipSprite->GetPart(RIGHT_GUN_PART);
    m_pTopGun = shipSprite->GetPart(TOP_GUN_PART);
}
