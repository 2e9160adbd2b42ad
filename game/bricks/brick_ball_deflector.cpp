#include "game/bricks/brick_ball_deflector.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickBallDeflector, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetBallDeflector, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextBallDeflector("Ball Deflector",
                                     "The kind of brick that balls bounce off and that never breaks");

} // namespace

void CBrickBallDeflector::RegisterProperties(CClassInfo*)
{
}

CBrickBallDeflector::CBrickBallDeflector()
{
    ConstructProperties(SGetClassInfo());
}

CBrickBallDeflector::~CBrickBallDeflector()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickBallDeflector::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickBallDeflector::GetTypeDisplayName() const
{
    return s_TextBallDeflector.GetText();
}

bool CBrickBallDeflector::IsIndestructible() const
{
    return true;
}

bool CBrickBallDeflector::AppearsWithoutBrickLayer() const
{
    return true;
}

bool CBrickBallDeflector::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickBallDeflector::GetStyleSheetClass() const
{
    return CBrickStyleSheetBallDeflector::SGetClassInfo();
}

void CBrickBallDeflector::ApplyStyleSheet()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetBallDeflector>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_PrimarySequence)));
    GetFirstPart(*this)->RandomizeProgress();
}

void CBrickBallDeflector::UpdateAppearance()
{
    if (CSpritePart* part = GetFirstPart(*this))
        part->AdvanceLooping();
}

int32_t CBrickBallDeflector::OnHit(CHitterOfBricks*, const Vector2&)
{
    if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetBallDeflector>(*this))
        PlaySpriteSound(styleSheet->m_IndestructibleSound);
    return 0;
}

void CBrickBallDeflector::OnPushedByBrick(CBrickBase* pusher, const Vector2&, bool hard)
{
    if (hard)
        pusher->Destroy(BrickDestroyInfo{this, false});
}

int32_t CBrickBallDeflector::OnDestroyed(const BrickDestroyInfo&)
{
    return 2;
}

void CBrickStyleSheetBallDeflector::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Indestructible Sound", VP_MEMBER(m_IndestructibleSound),
                                                   &GetSoundList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetBallDeflector::CBrickStyleSheetBallDeflector()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetBallDeflector::~CBrickStyleSheetBallDeflector()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetBallDeflector::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_OBSTACLE)
        return false;
    CBrickStyleSheet::ConvertFromBrickInfo(info);
    m_PrimarySequence = info.m_PrimarySequence;
    m_IndestructibleSound = info.m_IndestructibleSound;
    return true;
}

CClassInfo* CBrickStyleSheetBallDeflector::GetBrickClass() const
{
    return CBrickBallDeflector::SGetClassInfo();
}
