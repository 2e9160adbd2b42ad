#include "game/bricks/brick_magnetic.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/text_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_style_references.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickMagnetic, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetMagnetic, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextMagnetic("Magnetic Brick",
                                "The kind of brick that a hit switches on and that flies to or from another magnet");

constexpr float kStepsPerSecond = 60.0f;


} // namespace

void CBrickMagnetic::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Move Speed", "pixels per second", VP_MEMBER(m_MoveSpeed),
                                             EDITOR_EDITABLE, 840.0f, nullptr, 0.0f, 0.0f, 10.0f));
    classInfo->AddProperty(new BoolProperty("Activated", VP_MEMBER(m_Activated), EDITOR_EDITABLE, false, nullptr));
}

CBrickMagnetic::CBrickMagnetic()
    : m_State(OFF)
    , m_FlightVelocity{0.0f, 0.0f}
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickMagnetic::~CBrickMagnetic()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickMagnetic::GetTypeDisplayName() const
{
    return s_TextMagnetic.GetText();
}

bool CBrickMagnetic::CanBeMovedByPlugIns() const
{
    return !IsFlying();
}

bool CBrickMagnetic::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickMagnetic::GetStyleSheetClass() const
{
    return CBrickStyleSheetMagnetic::SGetClassInfo();
}

void CBrickMagnetic::ApplyStyleSheet()
{
    CBrickBasicDestructible::ApplyStyleSheet();
    m_State = OFF;
    if (!m_Activated)
        return;
    m_State = SWITCHED_ON;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetMagnetic>(*this))
        ShowOnFirstPart(*this, styleSheet->m_ActivatedSequence, PartStart::Kept);
}

void CBrickMagnetic::UpdateAppearance()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetMagnetic>(*this);
    if (IsFlying() && !IsDestroyed())
    {
        Move(m_FlightVelocity, true, true);
        if (m_State == ATTRACTING)
            m_FlightVelocity = Vector2Scale(m_FlightVelocity, kAttractGrowth);
        CPlayfield* playfield = GetPlayfield();
        if (styleSheet != nullptr && styleSheet->m_MovingParticleGen != 0 && playfield != nullptr && !IsDestroyed())
            playfield->SpawnBreakParticles(GetSprite(), styleSheet->m_MovingParticleGen, nullptr);
    }
    CBrickBasicDestructible::UpdateAppearance();
    if (m_State == SWITCHED_ON && !IsDestroyed() && IsLastMagnet())
        Destroy(BrickDestroyInfo{nullptr, false});
}

int32_t CBrickMagnetic::OnHit(CHitterOfBricks*, const Vector2&)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetMagnetic>(*this);
    switch (m_State)
    {
    case OFF:
    {
        m_State = SWITCHED_ON;
        CBrickMagnetic* partner = FindPartner();
        if (partner != nullptr)
        {
            const auto* partnerStyle = GetStyleSheetAs<CBrickStyleSheetMagnetic>(*partner);
            const bool sameGroup = styleSheet != nullptr && partnerStyle != nullptr &&
                                   styleSheet->m_MagneticGroupName.CompareNoCase(partnerStyle->m_MagneticGroupName) == 0;
            const State flight = sameGroup ? ATTRACTING : REPELLING;
            const Vector2 here = GetSprite()->m_Position;
            SetState(flight, partner->GetSprite()->m_Position);
            partner->SetState(flight, here);
            return 1;
        }
        if (styleSheet != nullptr)
        {
            ShowOnFirstPart(*this, styleSheet->m_ActivatedSequence, PartStart::Kept);
            PlaySpriteSound(styleSheet->m_ActivatedSound);
        }
        return 1;
    }
    case SWITCHED_ON:
        m_State = OFF;
        if (styleSheet != nullptr)
        {
            ShowOnFirstPart(*this, styleSheet->m_PrimarySequence, PartStart::Kept);
            PlaySpriteSound(styleSheet->m_DeactivatedSound);
        }
        return 1;
    default:
        return 0;
    }
}

void CBrickMagnetic::SetState(State state, const Vector2& target)
{
    m_State = state;
    const CGameSprite* sprite = GetSprite();
    if (sprite == nullptr)
        return;
    Vector2 direction = Vector2Subtract(target, sprite->m_Position);
    const float length = Vector2Length(direction);
    if (length != 0.0f)
        direction = Vector2Scale(direction, 1.0f / length);
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetMagnetic>(*this);
    if (state == ATTRACTING)
    {
        direction = Vector2Scale(direction, kAttractShare);
        if (styleSheet != nullptr)
        {
            ShowOnFirstPart(*this, styleSheet->m_AttractingSequence, PartStart::AtRandom);
            PlaySpriteSound(styleSheet->m_StartAttractingSound);
        }
    }
    else
    {
        direction = Vector2Scale(direction, -1.0f);
        if (styleSheet != nullptr)
        {
            ShowOnFirstPart(*this, styleSheet->m_RepellingSequence, PartStart::AtRandom);
            PlaySpriteSound(styleSheet->m_StartRepellingSound);
        }
    }
    m_FlightVelocity = Vector2Scale(direction, m_MoveSpeed / kStepsPerSecond);
}

CBrickMagnetic* CBrickMagnetic::FindPartner() const
{
    const CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return nullptr;
    for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickMagnetic* magnet = FirstBehaviourAs<CBrickMagnetic>(sprite);
        if (magnet != nullptr && magnet != this && !magnet->IsDestroyed() && magnet->m_State == SWITCHED_ON)
            return magnet;
    }
    return nullptr;
}

bool CBrickMagnetic::IsLastMagnet() const
{
    const CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return false;
    for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const CBrickMagnetic* magnet = FirstBehaviourAs<CBrickMagnetic>(sprite);
        if (magnet != nullptr && magnet != this && !magnet->IsDestroyed())
            return false;
    }
    return true;
}

void CBrickMagnetic::OnPushedByBrick(CBrickBase* pusher, const Vector2&, bool hard)
{
    if (!hard || !pusher->IsKindOf(CBrickMagnetic::SGetClassInfo()))
        return;
    pusher->Destroy(BrickDestroyInfo{nullptr, false});
    Destroy(BrickDestroyInfo{nullptr, false});
}

void CBrickMagnetic::PushBrick(CBrickBase* other, Vector2& allowed, bool hard)
{
    if (IsFlying())
        other->Destroy(BrickDestroyInfo{nullptr, false});
    else
        CBrickBasicDestructible::PushBrick(other, allowed, hard);
}

void CBrickMagnetic::OnCountdownExpired()
{
    if (!IsFlying())
        CBrickBasicDestructible::OnCountdownExpired();
}

int32_t CBrickMagnetic::OnDestroyed(const BrickDestroyInfo&)
{
    return 0;
}

void CBrickStyleSheetMagnetic::RegisterProperties(CClassInfo* classInfo)
{
    AddListReference(classInfo, "Activated Sequence", VP_MEMBER(m_ActivatedSequence), &GetSequenceList());
    AddListReference(classInfo, "Activated Sound", VP_MEMBER(m_ActivatedSound), &GetSoundList(),
                 "Played when a magnet is turned on");
    AddListReference(classInfo, "Start Attracting Sound", VP_MEMBER(m_StartAttractingSound), &GetSoundList());
    AddListReference(classInfo, "Attracting Sequence", VP_MEMBER(m_AttractingSequence), &GetSequenceList());
    AddListReference(classInfo, "Start Repelling Sound", VP_MEMBER(m_StartRepellingSound), &GetSoundList());
    AddListReference(classInfo, "Repelling Sequence", VP_MEMBER(m_RepellingSequence), &GetSequenceList());
    classInfo->AddProperty(new LibraryItemProperty("Particles/Moving Particle Gen", VP_MEMBER(m_MovingParticleGen),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, "!None", nullptr,
                                                   false));
    AddListReference(classInfo, "Deactivated Sound", VP_MEMBER(m_DeactivatedSound), &GetSoundList(),
                 "Played when a magnet is turned off");
    classInfo->AddProperty(
        new TextProperty("Magnetic Group Name", VP_MEMBER(m_MagneticGroupName), EDITOR_EDITABLE, ""));
}

CBrickStyleSheetMagnetic::CBrickStyleSheetMagnetic()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetMagnetic::~CBrickStyleSheetMagnetic()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetMagnetic::GetBrickClass() const
{
    return CBrickMagnetic::SGetClassInfo();
}
