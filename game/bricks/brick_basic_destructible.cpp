#include "game/bricks/brick_basic_destructible.h"

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_info.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickStyleSheetBasicDestructible, CBrickStyleSheet, 0.0f)
VP_IMPLEMENT_ABSTRACT_CLASS(CBrickBasicDestructible, CBrickBase, 0.0f)

void CBrickStyleSheetBasicDestructible::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Destroyed Seq", VP_MEMBER(m_DestroyedSeq), &GetSequenceList(),
                                                   EDITOR_EDITABLE, "!None", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Destroyed Sound", VP_MEMBER(m_DestroyedSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, "Pop Brick.wav", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Particles/Break Particle Gen", VP_MEMBER(m_BreakParticleGen),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, "!None", nullptr,
                                                   false));
}

CBrickStyleSheetBasicDestructible::CBrickStyleSheetBasicDestructible()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetBasicDestructible::~CBrickStyleSheetBasicDestructible()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(const CBrickInfo& info)
{
    CBrickStyleSheet::ConvertFromBrickInfo(info);
    m_PrimarySequence = info.m_PrimarySequence;
    m_DestroyedSeq = info.m_DestroyedSequence;
    m_DestroyedSound = info.m_DestroyedSound;
    m_BreakParticleGen = info.m_BreakParticleGen;
    return false;
}

void CBrickBasicDestructible::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new BoolProperty("Should Be Destroyed If Hit By Player Ship",
                                            VP_MEMBER(m_ShouldBeDestroyedIfHitByPlayerShip), EDITOR_EDITABLE, true,
                                            nullptr));
}

CBrickBasicDestructible::CBrickBasicDestructible()
    : m_pAppearance(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickBasicDestructible::~CBrickBasicDestructible()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickBasicDestructible::AcceptsStyleChange() const
{
    return true;
}

bool CBrickBasicDestructible::DestroyedByShip() const
{
    return m_ShouldBeDestroyedIfHitByPlayerShip;
}

CClassInfo* CBrickBasicDestructible::GetStyleSheetClass() const
{
    return CBrickStyleSheetBasicDestructible::SGetClassInfo();
}

CBrickStyleSheetBasicDestructible* CBrickBasicDestructible::GetDestructibleStyle() const
{
    CBrickStyleSheet* styleSheet = GetStyleSheet();
    return styleSheet != nullptr && styleSheet->IsKindOf(CBrickStyleSheetBasicDestructible::SGetClassInfo())
               ? static_cast<CBrickStyleSheetBasicDestructible*>(styleSheet)
               : nullptr;
}

void CBrickBasicDestructible::ApplyStyleSheet()
{
    m_pAppearance = nullptr;
    const CBrickStyleSheetBasicDestructible* styleSheet = GetDestructibleStyle();
    CGameSprite* sprite = GetSprite();
    if (styleSheet == nullptr || sprite == nullptr)
        return;
    sprite->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_PrimarySequence)));
    m_pAppearance = sprite->GetPart(sprite->GetPartCount() - 1);
    m_pAppearance->RandomizeProgress();
}

void CBrickBasicDestructible::UpdateAppearance()
{
    if (m_pAppearance != nullptr)
        m_pAppearance->AdvanceLooping();
}

int32_t CBrickBasicDestructible::OnDestroyed(const BrickDestroyInfo& info)
{
    const CBrickStyleSheetBasicDestructible* styleSheet = GetDestructibleStyle();
    CGameSprite* sprite = GetSprite();
    if (styleSheet == nullptr || sprite == nullptr || info.quiet)
        return 0;
    PlaySpriteSound(styleSheet->m_DestroyedSound);
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return 0;
    if (styleSheet->m_DestroyedSeq != 0)
        playfield->SpawnEffectAtSprite(sprite, styleSheet->m_DestroyedSeq);
    if (styleSheet->m_BreakParticleGen != 0)
        playfield->SpawnBreakParticles(sprite, styleSheet->m_BreakParticleGen, &styleSheet->m_BreakParticleTypes);
    return 0;
}
