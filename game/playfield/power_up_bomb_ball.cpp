#include "game/playfield/power_up_bomb_ball.h"

#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/color_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_ball_kinds.h"
#include "game/playfield/power_up_targets.h"

VP_IMPLEMENT_CLASS(CPowerUpBombBall, CPowerUpBase, 0.0f)

void CPowerUpBombBall::RegisterProperties(CClassInfo* classInfo)
{
    ObjectPointerProperty* plugIn = new ObjectPointerProperty(
        "Ball Plug-In", VP_MEMBER(m_pBallPlugIn), CBallPlugInBombBall::SGetClassInfo(), EDITOR_EDITABLE, nullptr);
    plugIn->SetAllowNone(true);
    classInfo->AddProperty(plugIn);
    classInfo->AddProperty(new LibraryItemProperty("Charger Overlay For Ship", VP_MEMBER(m_ChargerOverlayForShip),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new PointProperty("Ship Overlay Position", VP_MEMBER(m_ShipOverlayPosition), EDITOR_EDITABLE, 0, 0, nullptr));
    classInfo->AddProperty(
        new ColorProperty("Charging Effect Color", VP_MEMBER(m_ChargingEffectColor), EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new UnsignedIntProperty("Charging Effect Lines", "lines", VP_MEMBER(m_ChargingEffectLines),
                                                   EDITOR_EDITABLE, 4, nullptr, 0, 0));
    classInfo->AddProperty(new FloatProperty("Charging Effect Length", "pixels", VP_MEMBER(m_ChargingEffectLength),
                                             EDITOR_EDITABLE, 100.0f, nullptr, 0.0f, 0.0f, 1.0f));
}

CPowerUpBombBall::CPowerUpBombBall()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpBombBall::~CPowerUpBombBall()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpBombBall::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    if (IsRoundCleared())
        return;
    AddPlugInCopyToEveryBall(m_pBallPlugIn);
    if (CPlayerShipAI* ship = ShipBehaviourOf(context))
        ship->SetBombCharge(FindBombBallItem());
}

CBallPlugInBombBall* CPowerUpBombBall::ArmBall(CBallAI* ball)
{
    CBallPlugInBombBall* bomb =
        static_cast<CBallPlugInBombBall*>(ball->FindPlugIn(CBallPlugInBombBall::SGetClassInfo()));
    if (bomb != nullptr)
        bomb->Arm();
    return bomb;
}

int32_t FindBombBallItem()
{
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    const int32_t index = library.Find("Bomb Ball", -1);
    if (index < 0)
        return -1;
    // The ship reads the charger's look from this item: another kind of
    // item under the name has none to give.
    const CPowerUpBase* item = library.GetItemObject(static_cast<uint32_t>(index));
    return item != nullptr && item->IsKindOf(CPowerUpBombBall::SGetClassInfo()) ? index : -1;
}
