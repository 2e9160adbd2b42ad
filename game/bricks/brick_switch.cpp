#include "game/bricks/brick_switch.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/messages/message_type.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_style_references.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickSwitch, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetSwitch, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextSwitch("Switch", "The kind of brick that animates when its hit trigger fires");


} // namespace

void CBrickSwitch::RegisterProperties(CClassInfo*)
{
}

CBrickSwitch::CBrickSwitch()
    : m_Switching(false)
    , m_JustSwitched(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickSwitch::~CBrickSwitch()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickSwitch::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

void CBrickSwitch::SendToPlugIns(CMessage& message)
{
    if (message.GetTypeId() != GetTriggeredMessageId() || m_Switching)
    {
        CBrickBase::SendToPlugIns(message);
        return;
    }
    m_Switching = true;
    m_JustSwitched = true;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSwitch>(*this))
    {
        PlaySpriteSound(styleSheet->m_SwitchingSound);
        ShowOnFirstPart(*this, styleSheet->m_SwitchingSequence, PartStart::FromStart);
    }
}

const CString& CBrickSwitch::GetTypeDisplayName() const
{
    return s_TextSwitch.GetText();
}

bool CBrickSwitch::IsIndestructible() const
{
    return true;
}

bool CBrickSwitch::AppearsWithoutBrickLayer() const
{
    return true;
}

bool CBrickSwitch::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickSwitch::GetStyleSheetClass() const
{
    return CBrickStyleSheetSwitch::SGetClassInfo();
}

void CBrickSwitch::ApplyStyleSheet()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSwitch>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_IdleSequence)));
    GetFirstPart(*this)->RandomizeProgress();
}

void CBrickSwitch::UpdateAppearance()
{
    CSpritePart* part = GetFirstPart(*this);
    if (part == nullptr)
        return;
    if (!m_Switching)
    {
        part->AdvanceLooping();
        return;
    }
    if (!part->AdvanceOnce())
        return;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSwitch>(*this))
        ShowOnFirstPart(*this, styleSheet->m_IdleSequence, PartStart::FromStart);
    m_Switching = false;
}

int32_t CBrickSwitch::OnHit(CHitterOfBricks*, const Vector2&)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSwitch>(*this);
    if (!m_JustSwitched && styleSheet != nullptr)
        PlaySpriteSound(styleSheet->m_IndestructibleSound);
    m_JustSwitched = false;
    return 0;
}

void CBrickSwitch::OnPushedByBrick(CBrickBase* pusher, const Vector2&, bool hard)
{
    if (hard)
        pusher->Destroy(BrickDestroyInfo{this, false});
}

int32_t CBrickSwitch::OnDestroyed(const BrickDestroyInfo&)
{
    return 2;
}

void CBrickStyleSheetSwitch::RegisterProperties(CClassInfo* classInfo)
{
    AddListReference(classInfo, "Idle Sequence", VP_MEMBER(m_IdleSequence), &GetSequenceList());
    AddListReference(classInfo, "Switching Sequence", VP_MEMBER(m_SwitchingSequence), &GetSequenceList());
    AddListReference(classInfo, "Switching Sound", VP_MEMBER(m_SwitchingSound), &GetSoundList());
    AddListReference(classInfo, "Indestructible Sound", VP_MEMBER(m_IndestructibleSound), &GetSoundList());
}

CBrickStyleSheetSwitch::CBrickStyleSheetSwitch()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetSwitch::~CBrickStyleSheetSwitch()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetSwitch::GetBrickClass() const
{
    return CBrickSwitch::SGetClassInfo();
}
