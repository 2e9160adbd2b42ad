#include "game/bricks/brick_starfish_goal.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/ball_plug_in_starfish.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickStarfishGoal, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetStarfishGoal, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextStarfishGoal("Starfish Goal", "The kind of brick that only a ball bringing a starfish breaks");

} // namespace

void CBrickStarfishGoal::RegisterProperties(CClassInfo*)
{
}

CBrickStarfishGoal::CBrickStarfishGoal()
    : m_Completed(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickStarfishGoal::~CBrickStarfishGoal()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickStarfishGoal::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickStarfishGoal::GetTypeDisplayName() const
{
    return s_TextStarfishGoal.GetText();
}

bool CBrickStarfishGoal::AppearsWithoutBrickLayer() const
{
    return true;
}

bool CBrickStarfishGoal::MustBeDestroyedToFinish() const
{
    return true;
}

bool CBrickStarfishGoal::IsVulnerableFrom(const Vector2&) const
{
    return false;
}

CClassInfo* CBrickStarfishGoal::GetStyleSheetClass() const
{
    return CBrickStyleSheetStarfishGoal::SGetClassInfo();
}

void CBrickStarfishGoal::ApplyStyleSheet()
{
    m_CountedHits.Reset();
    m_Completed = false;
    CBrickBasicDestructible::ApplyStyleSheet();
}

int32_t CBrickStarfishGoal::OnHit(CHitterOfBricks* hitter, const Vector2&)
{
    CBallAI* ball =
        hitter != nullptr && hitter->IsKindOf(CBallAI::SGetClassInfo()) ? static_cast<CBallAI*>(hitter) : nullptr;
    CBallPlugIn* starfish = ball != nullptr ? ball->FindPlugIn(CBallPlugInStarFish::SGetClassInfo()) : nullptr;
    if (starfish == nullptr)
        return m_CountedHits.TakeWithSoundOf<CBrickStyleSheetStarfishGoal>(*this);
    m_Completed = true;
    const CBrickStyleSheet* styleSheet = GetStyleSheet();
    if (styleSheet != nullptr && styleSheet->IsKindOf(CBrickStyleSheetStarfishGoal::SGetClassInfo()))
        PlaySpriteSound(static_cast<const CBrickStyleSheetStarfishGoal*>(styleSheet)->m_CompletedSound);
    ball->RemovePlugIn(starfish);
    return 2;
}

int32_t CBrickStarfishGoal::OnDestroyed(const BrickDestroyInfo& info)
{
    if (!m_Completed)
        return 2;
    return CBrickBasicDestructible::OnDestroyed(info);
}

void CBrickStyleSheetStarfishGoal::RegisterProperties(CClassInfo* classInfo)
{
    RegisterIndestructibleSound(classInfo, VP_MEMBER(m_IndestructibleSound));
    classInfo->AddProperty(new LibraryItemProperty("Completed Sound", VP_MEMBER(m_CompletedSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetStarfishGoal::CBrickStyleSheetStarfishGoal()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetStarfishGoal::~CBrickStyleSheetStarfishGoal()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetStarfishGoal::GetBrickClass() const
{
    return CBrickStarfishGoal::SGetClassInfo();
}
