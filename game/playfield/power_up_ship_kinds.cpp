#include "game/playfield/power_up_ship_kinds.h"

#include "engine/object/properties/object_pointer_property.h"
#include "game/playfield/accessory_gun_ball_splitter.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_targets.h"
#include "game/playfield/ship_accessory.h"

VP_IMPLEMENT_CLASS(CPowerUpExtraBall, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpShrinkPaddle, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpExpandPaddle, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpNormalShip, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpBallCatcher, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpBigGun, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpAddAccessoryToShip, CPowerUpBase, 0.0f)
VP_IMPLEMENT_CLASS(CPowerUpGunBallSplitter, CPowerUpBase, 0.0f)

namespace {

// Runs the action on the collector's ship behaviour, when there is one.
template <typename Action>
void WithShip(const PowerUpCollectContext& context, Action action)
{
    if (CPlayerShipAI* ship = ShipBehaviourOf(context))
        action(ship);
}

// Upgrades the mounted accessory when the test says it is of the kind, else
// mounts a copy of the configured one.
template <typename SameKind>
void MountOrUpgrade(const PowerUpCollectContext& context, const CShipAccessory* configured, SameKind sameKind)
{
    CPlayerShipAI* ship = ShipBehaviourOf(context);
    if (configured == nullptr || ship == nullptr)
        return;
    CShipAccessory* mounted = ship->GetAccessory();
    if (mounted != nullptr && sameKind(mounted))
    {
        mounted->Upgrade();
        return;
    }
    CShipAccessory* copy = static_cast<CShipAccessory*>(configured->CreateSameClass());
    ship->SetAccessory(copy);
    copy->AttachToShip(static_cast<CGameSprite*>(context.pCollector));
}

template <typename T>
ObjectPointerProperty* AccessoryProperty(const char* name, CPropertyMember<T*> member)
{
    ObjectPointerProperty* property =
        new ObjectPointerProperty(name, member, T::SGetClassInfo(), EDITOR_EDITABLE, nullptr);
    property->SetAllowNone(true);
    return property;
}

} // namespace

void CPowerUpExtraBall::RegisterProperties(CClassInfo*)
{
}

CPowerUpExtraBall::CPowerUpExtraBall()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpExtraBall::~CPowerUpExtraBall()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpExtraBall::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    GetPlayfield()->AddLife();
}

void CPowerUpShrinkPaddle::RegisterProperties(CClassInfo*)
{
}

CPowerUpShrinkPaddle::CPowerUpShrinkPaddle()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpShrinkPaddle::~CPowerUpShrinkPaddle()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpShrinkPaddle::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    WithShip(context, [](CPlayerShipAI* ship) { ship->ShrinkShield(); });
}

void CPowerUpExpandPaddle::RegisterProperties(CClassInfo*)
{
}

CPowerUpExpandPaddle::CPowerUpExpandPaddle()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpExpandPaddle::~CPowerUpExpandPaddle()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpExpandPaddle::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    WithShip(context, [](CPlayerShipAI* ship) { ship->GrowShield(); });
}

void CPowerUpNormalShip::RegisterProperties(CClassInfo*)
{
}

CPowerUpNormalShip::CPowerUpNormalShip()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpNormalShip::~CPowerUpNormalShip()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpNormalShip::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    if (IsRoundCleared())
        return;
    WithShip(context, [&context](CPlayerShipAI* ship) {
        ship->ReleaseBall(context.pCollector);
        ship->Reset(context.pCollector, true);
    });
}

void CPowerUpBallCatcher::RegisterProperties(CClassInfo*)
{
}

CPowerUpBallCatcher::CPowerUpBallCatcher()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpBallCatcher::~CPowerUpBallCatcher()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpBallCatcher::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    WithShip(context, [](CPlayerShipAI* ship) { ship->EnableCatch(); });
}

void CPowerUpBigGun::RegisterProperties(CClassInfo*)
{
}

CPowerUpBigGun::CPowerUpBigGun()
{
    ConstructProperties(SGetClassInfo());
}

CPowerUpBigGun::~CPowerUpBigGun()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpAddAccessoryToShip::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(AccessoryProperty("Ship Accessory", VP_MEMBER(m_pShipAccessory)));
}

CPowerUpAddAccessoryToShip::CPowerUpAddAccessoryToShip()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpAddAccessoryToShip::~CPowerUpAddAccessoryToShip()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpAddAccessoryToShip::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    // Exactly the same class: a derived accessory is another weapon.
    MountOrUpgrade(context, m_pShipAccessory, [this](const CShipAccessory* mounted) {
        return mounted->GetClassInfo() == m_pShipAccessory->GetClassInfo();
    });
}

void CPowerUpGunBallSplitter::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(AccessoryProperty("Ball Splitter Gun", VP_MEMBER(m_pBallSplitterGun)));
}

CPowerUpGunBallSplitter::CPowerUpGunBallSplitter()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpGunBallSplitter::~CPowerUpGunBallSplitter()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpGunBallSplitter::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    MountOrUpgrade(context, m_pBallSplitterGun, [](const CShipAccessory* mounted) {
        return mounted->IsKindOf(CAccessoryGunBallSplitter::SGetClassInfo());
    });
}
