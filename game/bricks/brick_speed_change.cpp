#include "game/bricks/brick_speed_change.h"

#include <cmath>

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_shape_defaults.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickSpeedChange, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetSpeedChange, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextSpeedChange("Speed Changer",
                                   "The kind of brick that balls pass through and that changes their speed");

constexpr float kFramesPerSecond = 60.0f;

} // namespace

void CBrickSpeedChange::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Speed Boost Time", "seconds", VP_MEMBER(m_SpeedBoostTime),
                                             EDITOR_EDITABLE, 2.0f, nullptr, 0.0f, 0.0f, 0.1f));
}

CBrickSpeedChange::CBrickSpeedChange()
    : m_Cooldown(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickSpeedChange::~CBrickSpeedChange()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickSpeedChange::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickSpeedChange::GetTypeDisplayName() const
{
    return s_TextSpeedChange.GetText();
}

bool CBrickSpeedChange::AppearsWithoutBrickLayer() const
{
    return true;
}

bool CBrickSpeedChange::LetsBallPassThrough(CHitterOfBricks*) const
{
    return true;
}

bool CBrickSpeedChange::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickSpeedChange::GetStyleSheetClass() const
{
    return CBrickStyleSheetSpeedChange::SGetClassInfo();
}

void CBrickSpeedChange::ApplyStyleSheet()
{
    m_Cooldown = 0;
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSpeedChange>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_PrimarySequence)));
    GetFirstPart(*this)->RandomizeProgress();
}

void CBrickSpeedChange::UpdateAppearance()
{
    if (m_Cooldown != 0)
        m_Cooldown--;
    if (CSpritePart* part = GetFirstPart(*this))
        part->AdvanceLooping();
}

int32_t CBrickSpeedChange::GetBoostFrames() const
{
    // Compared as floats first, so a huge or broken time cannot overflow.
    const float frames = std::trunc(m_SpeedBoostTime) * kFramesPerSecond;
    if (frames >= static_cast<float>(kLongestBoostFrames))
        return kLongestBoostFrames;
    return frames >= 1.0f ? static_cast<int32_t>(frames) : 1;
}

int32_t CBrickSpeedChange::OnHit(CHitterOfBricks* hitter, const Vector2&)
{
    auto* ball = dynamic_cast<CBallAI*>(hitter);
    if (m_Cooldown != 0 || ball == nullptr)
        return 0;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSpeedChange>(*this))
    {
        const int32_t frames = GetBoostFrames();
        ball->SetSpeedChange(styleSheet->m_Multiplier, frames);
        if (styleSheet->m_BallTrailParticleGen != 0)
            ball->SetTrailParticles(styleSheet->m_BallTrailParticleGen, frames / 2);
        else
            ball->SetTrailParticles(0, 0);
        CPlayfield* playfield = GetPlayfield();
        if (GetSprite() != nullptr)
        {
            PlaySpriteSound(styleSheet->m_Sound);
            if (styleSheet->m_ActivationParticleGen != 0 && playfield != nullptr)
                playfield->SpawnBreakParticles(GetSprite(), styleSheet->m_ActivationParticleGen, nullptr);
        }
    }
    m_Cooldown = kCooldownFrames;
    return 0;
}

bool CBrickSpeedChange::BlocksBricks() const
{
    return false;
}

int32_t CBrickSpeedChange::OnDestroyed(const BrickDestroyInfo&)
{
    return 2;
}

void CBrickStyleSheetSpeedChange::RegisterProperties(CClassInfo* classInfo)
{
    SetRectangleShapeDefaults(classInfo, 10.875f, 11.0f, 11.0f, 20.0f);
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Speed Change/Sound", VP_MEMBER(m_Sound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Speed Change/Multiplier", "X", VP_MEMBER(m_Multiplier),
                                             EDITOR_EDITABLE, 1.0f, nullptr, 0.0f, 0.0f, 0.1f));
    classInfo->AddProperty(new LibraryItemProperty("Speed Change/Particle Gen To Give To Ball",
                                                   VP_MEMBER(m_BallTrailParticleGen), &GetParticleGeneratorList(),
                                                   EDITOR_EDITABLE, "!None", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Particles/Activation Particle Gen",
                                                   VP_MEMBER(m_ActivationParticleGen), &GetParticleGeneratorList(),
                                                   EDITOR_EDITABLE, "!None", nullptr, false));
}

CBrickStyleSheetSpeedChange::CBrickStyleSheetSpeedChange()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetSpeedChange::~CBrickStyleSheetSpeedChange()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetSpeedChange::GetBrickClass() const
{
    return CBrickSpeedChange::SGetClassInfo();
}
