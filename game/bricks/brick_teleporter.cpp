#include "game/bricks/brick_teleporter.h"

#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/core/lists/named_value_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/text_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_shape_defaults.h"
#include "game/bricks/brick_style_references.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/hitter_of_bricks.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickTeleporter, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetTeleporter, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextTeleporter("Teleporter", "The kind of brick that sends a ball to another teleporter");

CNamedValueList& GetTeleporterTypeNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Entrance", CBrickStyleSheetTeleporter::ENTRANCE);
        names.Add("Exit", CBrickStyleSheetTeleporter::EXIT);
    }
    return names;
}

// Live Exit teleporters in the brick list's order, of the group when one
// is given; a random one of them, drawn from the round's generator.
CGameSprite* PickExit(const CString* group)
{
    const CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return nullptr;
    std::vector<CGameSprite*> exits;
    for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const CBrickTeleporter* teleporter = FirstBehaviourAs<CBrickTeleporter>(sprite);
        if (teleporter == nullptr || teleporter->IsDestroyed())
            continue;
        const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*teleporter);
        if (styleSheet == nullptr || styleSheet->m_Type != CBrickStyleSheetTeleporter::EXIT)
            continue;
        if (group != nullptr && styleSheet->m_TeleporterGroupName.CompareNoCase(*group) != 0)
            continue;
        exits.push_back(teleporter->GetSprite());
    }
    if (exits.empty())
        return nullptr;
    return exits[GameRandom().Below(static_cast<uint32_t>(exits.size()))];
}

} // namespace

void CBrickTeleporter::RegisterProperties(CClassInfo*)
{
}

CBrickTeleporter::CBrickTeleporter()
    : m_Activated(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickTeleporter::~CBrickTeleporter()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickTeleporter::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickTeleporter::GetTypeDisplayName() const
{
    return s_TextTeleporter.GetText();
}

bool CBrickTeleporter::LetsBallPassThrough(CHitterOfBricks*) const
{
    return true;
}

bool CBrickTeleporter::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickTeleporter::GetStyleSheetClass() const
{
    return CBrickStyleSheetTeleporter::SGetClassInfo();
}

void CBrickTeleporter::ApplyStyleSheet()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_PrimarySequence)));
    GetFirstPart(*this)->RandomizeProgress();
}

void CBrickTeleporter::UpdateAppearance()
{
    CSpritePart* part = GetFirstPart(*this);
    if (part == nullptr)
        return;
    if (!m_Activated)
    {
        part->AdvanceLooping();
        return;
    }
    if (!part->AdvanceOnce())
        return;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*this))
        ShowOnFirstPart(*this, styleSheet->m_PrimarySequence, PartStart::FromStart);
    m_Activated = false;
}

// The hitter is moved, not bounced: it keeps its velocity exactly and only
// its position jumps by the distance between the teleporters. An Exit the
// ball then overlaps does nothing, so it cannot be sent straight back.
int32_t CBrickTeleporter::OnHit(CHitterOfBricks* hitter, const Vector2&)
{
    if (hitter == nullptr || IsExit())
        return 0;
    CGameSprite* exit = PickExitInGroup();
    CSprite* hitterSprite = hitter->GetSprite();
    if (exit == nullptr || hitterSprite == nullptr)
        return 0;
    const Vector2 jump = Vector2Subtract(exit->m_Position, GetSprite()->m_Position);
    hitterSprite->SetPosition(Vector2Add(hitterSprite->m_Position, jump));
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*this))
        PlaySpriteSound(styleSheet->m_TeleportSound);
    FirstBehaviourAs<CBrickTeleporter>(exit)->ShowActivated();
    return 0;
}

bool CBrickTeleporter::BlocksBricks() const
{
    return false;
}

int32_t CBrickTeleporter::OnDestroyed(const BrickDestroyInfo&)
{
    return 2;
}

CGameSprite* CBrickTeleporter::PickExitInGroup() const
{
    const CString* group = GetGroupName();
    return group != nullptr ? PickExit(group) : nullptr;
}

CGameSprite* CBrickTeleporter::PickAnyExit()
{
    return PickExit(nullptr);
}

void CBrickTeleporter::ShowActivated()
{
    m_Activated = true;
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*this))
        ShowOnFirstPart(*this, styleSheet->m_ActivatedSequence, PartStart::FromStart);
}

bool CBrickTeleporter::IsExit() const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*this);
    return styleSheet != nullptr && styleSheet->m_Type == CBrickStyleSheetTeleporter::EXIT;
}

const CString* CBrickTeleporter::GetGroupName() const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTeleporter>(*this);
    return styleSheet != nullptr ? &styleSheet->m_TeleporterGroupName : nullptr;
}

void CBrickStyleSheetTeleporter::RegisterProperties(CClassInfo* classInfo)
{
    SetRectangleShapeDefaults(classInfo, 10.875f, 11.0f, 11.0f, 20.0f);
    classInfo->AddProperty(new LibraryItemProperty("Type", VP_MEMBER(m_Type), &GetTeleporterTypeNames(),
                                                   EDITOR_EDITABLE, "Entrance", nullptr, false));
    classInfo->AddProperty(
        new TextProperty("Teleporter Group Name", VP_MEMBER(m_TeleporterGroupName), EDITOR_EDITABLE, ""));
    AddListReference(classInfo, "Primary Sequence", VP_MEMBER(m_PrimarySequence), &GetSequenceList());
    AddListReference(classInfo, "Activated Sequence", VP_MEMBER(m_ActivatedSequence), &GetSequenceList(),
                     "Played once on an Exit when a ball arrives");
    AddListReference(classInfo, "Teleport Sound", VP_MEMBER(m_TeleportSound), &GetSoundList(),
                     "Played by the Entrance a ball goes into");
    AddListReference(classInfo, "Teleport Particle Gen", VP_MEMBER(m_TeleportParticleGen), &GetParticleGeneratorList());
}

CBrickStyleSheetTeleporter::CBrickStyleSheetTeleporter()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetTeleporter::~CBrickStyleSheetTeleporter()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetTeleporter::GetBrickClass() const
{
    return CBrickTeleporter::SGetClassInfo();
}
