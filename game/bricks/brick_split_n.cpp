#include "game/bricks/brick_split_n.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_shape_defaults.h"
#include "game/bricks/brick_split_n_child.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickSplitN, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetSplitN, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextSplitN("Splitter", "The kind of brick that breaks into several smaller bricks");

} // namespace

void CBrickSplitN::RegisterProperties(CClassInfo*)
{
}

CBrickSplitN::CBrickSplitN()
    : m_SplitState(WHOLE)
{
    ConstructProperties(SGetClassInfo());
}

CBrickSplitN::~CBrickSplitN()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickSplitN::GetTypeDisplayName() const
{
    return s_TextSplitN.GetText();
}

bool CBrickSplitN::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickSplitN::GetStyleSheetClass() const
{
    return CBrickStyleSheetSplitN::SGetClassInfo();
}

void CBrickSplitN::ApplyStyleSheet()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSplitN>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_PrimarySequence)));
    GetFirstPart(*this)->RandomizeProgress();
}

void CBrickSplitN::UpdateAppearance()
{
    if (GetSprite() == nullptr)
        return;
    CSpritePart* part = GetFirstPart(*this);
    switch (m_SplitState)
    {
    case SPLITTING:
        if (part == nullptr || part->AdvanceOnce())
            m_SplitState = READY_TO_SPLIT;
        break;
    case READY_TO_SPLIT:
        Destroy(BrickDestroyInfo{this, false});
        break;
    case WHOLE:
        if (part != nullptr)
            part->AdvanceLooping();
        break;
    }
}

int32_t CBrickSplitN::OnDestroyed(const BrickDestroyInfo&)
{
    if (m_SplitState == WHOLE)
        StartSplitting();
    if (m_SplitState == SPLITTING)
        return 2;
    SpawnChildren();
    return 0;
}

void CBrickSplitN::StartSplitting()
{
    m_SplitState = READY_TO_SPLIT;
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSplitN>(*this);
    CGameSprite* sprite = GetSprite();
    if (styleSheet == nullptr || sprite == nullptr)
        return;
    PlaySpriteSound(styleSheet->m_SplitSound);
    if (styleSheet->m_SplittingSeq != 0)
    {
        ShowOnFirstPart(*this, styleSheet->m_SplittingSeq, PartStart::FromStart);
        m_SplitState = SPLITTING;
    }
    CPlayfield* playfield = GetPlayfield();
    if (styleSheet->m_BreakParticleGen != 0 && playfield != nullptr)
        playfield->SpawnBreakParticles(sprite, styleSheet->m_BreakParticleGen, nullptr);
}

void CBrickSplitN::SpawnChildren()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetSplitN>(*this);
    CPlayfield* playfield = GetPlayfield();
    CGameSprite* sprite = GetSprite();
    if (styleSheet == nullptr || playfield == nullptr || sprite == nullptr)
        return;
    const Vector2 place = sprite->m_Position;
    for (uint32_t i = 0; i < styleSheet->m_ChildCount; i++)
    {
        const CBrickSplitNChild* entry = styleSheet->m_pChildren[i];
        if (entry == nullptr || entry->m_pChildBrick == nullptr)
            continue;
        CObject* copy = entry->m_pChildBrick->CreateSameClass();
        if (copy == nullptr || !copy->IsKindOf(CBrickBase::SGetClassInfo()))
        {
            delete copy;
            continue;
        }
        auto* child = static_cast<CBrickBase*>(copy);
        auto* childSprite = new CGameSprite;
        child->AttachToSprite(childSprite);
        childSprite->SetPosition(Vector2Add(place, child->m_StartPosition));
        childSprite->SetActive(true);
        CombineMotion(child, entry->m_DriftVelocity);
        playfield->m_pBricks->Append(childSprite);
    }
}

void CBrickStyleSheetSplitN::RegisterProperties(CClassInfo* classInfo)
{
    SetRectangleShapeDefaults(classInfo, 39.5f, 22.0f, 40.0f, 40.0f);
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Splitting Seq", VP_MEMBER(m_SplittingSeq), &GetSequenceList(),
                                                   EDITOR_EDITABLE, "!None", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Split Sound", VP_MEMBER(m_SplitSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, "Pop Brick.wav", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Particles/Break Particle Gen", VP_MEMBER(m_BreakParticleGen),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, "!None", nullptr,
                                                   false));
    classInfo->AddProperty(new ArrayProperty(
        "Split Into/Children", VP_MEMBER(m_ChildCount), VP_MEMBER(m_ChildCapacity), VP_MEMBER(m_pChildren),
        "m_ChildSplitList", true,
        new ObjectPointerProperty("Child to Spawn", ArrayElementMember<CBrickSplitNChild*>(),
                                  CBrickSplitNChild::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
        EDITOR_EDITABLE));
}

CBrickStyleSheetSplitN::CBrickStyleSheetSplitN()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetSplitN::~CBrickStyleSheetSplitN()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetSplitN::GetBrickClass() const
{
    return CBrickSplitN::SGetClassInfo();
}
