#include "game/bricks/brick_on_off.h"

#include <algorithm>
#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_references.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickOnOff, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetOnOff, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextOnOff("On/Off Detonator",
                             "The kind of brick that hits switch on and off and that explodes once all are on");


} // namespace

void CBrickOnOff::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new BoolProperty("Activated", VP_MEMBER(m_Activated), EDITOR_EDITABLE, false, nullptr));
}

CBrickOnOff::CBrickOnOff()
    : m_Detonated(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickOnOff::~CBrickOnOff()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickOnOff::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickOnOff::GetTypeDisplayName() const
{
    return s_TextOnOff.GetText();
}

void CBrickOnOff::OnRoundStart()
{
    DetonateWhenAllOn(nullptr);
}

bool CBrickOnOff::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickOnOff::GetStyleSheetClass() const
{
    return CBrickStyleSheetOnOff::SGetClassInfo();
}

void CBrickOnOff::ApplyStyleSheet()
{
    m_Detonated = false;
    CBrickBasicDestructible::ApplyStyleSheet();
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetOnOff>(*this);
    if (m_Activated && styleSheet != nullptr)
        ShowOnFirstPart(*this, styleSheet->m_ActivatedSequence, PartStart::Kept);
}

int32_t CBrickOnOff::OnHit(CHitterOfBricks*, const Vector2&)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetOnOff>(*this);
    m_Activated = !m_Activated;
    if (styleSheet != nullptr)
    {
        ShowOnFirstPart(*this, m_Activated ? styleSheet->m_ActivatedSequence : styleSheet->m_PrimarySequence,
                        PartStart::Kept);
        PlaySpriteSound(m_Activated ? styleSheet->m_ActivatedSound : styleSheet->m_DeactivatedSound);
    }
    if (m_Activated)
        DetonateWhenAllOn(nullptr);
    return 1;
}

int32_t CBrickOnOff::OnDestroyed(const BrickDestroyInfo& info)
{
    CBrickBasicDestructible::OnDestroyed(info);
    m_Activated = true;
    if (!m_Detonated)
    {
        m_Detonated = true;
        DetonateWhenAllOn(this);
    }
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetOnOff>(*this);
    if (styleSheet == nullptr || !(styleSheet->m_ExplosionXRadius > 0.0f && styleSheet->m_ExplosionYRadius > 0.0f))
        return 0;
    DamageAreaAround(styleSheet->m_ExplosionXRadius, styleSheet->m_ExplosionYRadius, styleSheet->m_ExplosionDelay);
    return 1;
}

void CBrickOnOff::DetonateWhenAllOn(const CBrickOnOff* except)
{
    const CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return;
    std::vector<CBrickOnOff*> switchedOn;
    for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickOnOff* detonator = FirstBehaviourAs<CBrickOnOff>(sprite);
        if (detonator == nullptr || detonator == except || detonator->IsDestroyed() || detonator->m_Detonated)
            continue;
        if (!detonator->m_Activated)
            return;
        switchedOn.push_back(detonator);
    }
    for (CBrickOnOff* detonator : switchedOn)
        detonator->m_Detonated = true;
    for (CBrickOnOff* detonator : switchedOn)
        detonator->Destroy(BrickDestroyInfo{nullptr, false});
}

void CBrickStyleSheetOnOff::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Activated Sequence", VP_MEMBER(m_ActivatedSequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    AddListReference(classInfo, "Activated Sound", VP_MEMBER(m_ActivatedSound), &GetSoundList(), "Played when a Detonator is turned on");
    AddListReference(classInfo, "Deactivated Sound", VP_MEMBER(m_DeactivatedSound), &GetSoundList(), "Played when a Detonator is turned off");
    classInfo->AddProperty(new FloatProperty("Explosion/X Radius", "pixels", VP_MEMBER(m_ExplosionXRadius),
                                             EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Explosion/Y Radius", "pixels", VP_MEMBER(m_ExplosionYRadius),
                                             EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Explosion/Delay", "seconds", VP_MEMBER(m_ExplosionDelay),
                                             EDITOR_EDITABLE, 0.1f, nullptr, 0.0f, 0.0f, 0.1f));
}

CBrickStyleSheetOnOff::CBrickStyleSheetOnOff()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetOnOff::~CBrickStyleSheetOnOff()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetOnOff::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_OFF_ON && info.m_BrickType != BRICK_TYPE_ON_OFF)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    m_ActivatedSequence = info.m_Sequence2;
    // A sound missing from the list stays silent rather than keeping an
    // index that names nothing.
    auto soundNamed = [](const char* name) { return std::max(GetSoundList().FindSound(name, 0), 0); };
    m_ActivatedSound = soundNamed("Brick Turned On.wav");
    m_DeactivatedSound = soundNamed("Brick Turned Off.wav");
    return true;
}

CClassInfo* CBrickStyleSheetOnOff::GetBrickClass() const
{
    return CBrickOnOff::SGetClassInfo();
}
