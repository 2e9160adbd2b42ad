#include "game/bricks/brick_coin.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/polygon_property.h"
#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_shape_defaults.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"
#include "game/playfield/tutorial.h"

VP_IMPLEMENT_CLASS(CBrickCoin, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetCoin, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextCoin("Coin", "The kind of brick that is a ring the ball collects by flying through it");

void AddSound(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member)
{
    classInfo->AddProperty(
        new LibraryItemProperty(name, member, &GetSoundList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

void AddTutorial(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member)
{
    classInfo->AddProperty(
        new LibraryItemProperty(name, member, &GetTutorialLibrary(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

// Every ring counted up or down is a queued step that the next pickup may
// fire all at once, so amounts of rings stay within what one frame can
// fire; the other counts have no range.
constexpr uint32_t kMostRingsPerSeries = 1000;

void AddCount(CClassInfo* classInfo, const char* name, CPropertyMember<uint32_t> member, const char* unit,
              uint32_t initial, uint32_t maximum = 0)
{
    classInfo->AddProperty(
        new UnsignedIntProperty(name, unit, member, EDITOR_EDITABLE, initial, nullptr, 0, maximum));
}

void AddSeconds(CClassInfo* classInfo, const char* name, CPropertyMember<float> member)
{
    classInfo->AddProperty(
        new FloatProperty(name, "Seconds", member, EDITOR_EDITABLE, 1.0f, nullptr, 0.0f, 0.0f, 0.0f));
}

void AddText(CClassInfo* classInfo, const char* name, CPropertyMember<CStringPair> member, const char* initial)
{
    classInfo->AddProperty(new TextProperty(name, member, EDITOR_EDITABLE, initial));
}

} // namespace

void CBrickCoin::RegisterProperties(CClassInfo*)
{
}

CBrickCoin::CBrickCoin()
    : m_Collected(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickCoin::~CBrickCoin()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickCoin::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickCoin::GetTypeDisplayName() const
{
    return s_TextCoin.GetText();
}

bool CBrickCoin::LetsBallPassThrough(CHitterOfBricks*) const
{
    return true;
}

bool CBrickCoin::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickCoin::GetStyleSheetClass() const
{
    return CBrickStyleSheetCoin::SGetClassInfo();
}

void CBrickCoin::ApplyStyleSheet()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetCoin>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_PrimarySequence)));
    GetFirstPart(*this)->RandomizeProgress();
}

void CBrickCoin::UpdateAppearance()
{
    if (CSpritePart* part = GetFirstPart(*this))
        part->AdvanceLooping();
}

int32_t CBrickCoin::OnHit(CHitterOfBricks*, const Vector2&)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetCoin>(*this);
    CGameSprite* sprite = GetSprite();
    if (styleSheet == nullptr || sprite == nullptr)
        return 2;
    styleSheet->OnCoinCollected(sprite->m_Position);
    PlaySpriteSound(styleSheet->m_PickupSound);
    if (CPlayfield* playfield = GetPlayfield())
    {
        if (styleSheet->m_PickupSequence != 0)
            playfield->SpawnEffectAtSprite(sprite, styleSheet->m_PickupSequence);
        if (styleSheet->m_PickupParticleGenerator != 0)
            playfield->SpawnBreakParticles(sprite, styleSheet->m_PickupParticleGenerator, nullptr);
    }
    m_Collected = true;
    Destroy(BrickDestroyInfo{nullptr, false});
    return 2;
}

bool CBrickCoin::BlocksBricks() const
{
    return false;
}

int32_t CBrickCoin::OnDestroyed(const BrickDestroyInfo&)
{
    return m_Collected ? 0 : 2;
}

void CBrickStyleSheetCoin::RegisterProperties(CClassInfo* classInfo)
{
    // A ring is smaller than a brick and snaps to a wider grid, so rings
    // placed side by side leave room for a ball between them.
    SetRectangleShapeDefaults(classInfo, 12.0f, 11.0f, 21.0f, 20.0f);

    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    AddSound(classInfo, "Pickup Sound", VP_MEMBER(m_PickupSound));
    classInfo->AddProperty(new LibraryItemProperty("Pickup Seq", VP_MEMBER(m_PickupSequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, "!None", nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Pickup Particle Gen", VP_MEMBER(m_PickupParticleGenerator),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));

    AddCount(classInfo, "Got All On Level/Coins Per Level", VP_MEMBER(m_CoinsPerLevel), "Coins", 5);
    AddCount(classInfo, "Got All On Level/Got All Coins Bonus Coins", VP_MEMBER(m_BonusCoins), "Coins", 5,
             kMostRingsPerSeries);
    AddSeconds(classInfo, "Got All On Level/Time Between Bonus Coin Count Up", VP_MEMBER(m_BonusCountUpSeconds));
    AddSound(classInfo, "Got All On Level/Bonus Count Up Sound", VP_MEMBER(m_BonusCountUpSound));
    AddCount(classInfo, "Got All On Level/Got All Coins Bonus Points", VP_MEMBER(m_BonusPoints), "Points", 5000);
    AddText(classInfo, "Got All On Level/Got All Coins On Level Message 1", VP_MEMBER(m_AllCoinsMessage1),
            "All Rings Collected");
    AddText(classInfo, "Got All On Level/Got All Coins On Level Message 2", VP_MEMBER(m_AllCoinsMessage2),
            "%d[BonusAmount] bonus rings awarded");
    AddSound(classInfo, "Got All On Level/Got All Coins On Level Sound", VP_MEMBER(m_AllCoinsSound));
    AddTutorial(classInfo, "Got All On Level/Got All Coins On Level Tutorial", VP_MEMBER(m_AllCoinsTutorial));

    AddCount(classInfo, "Extra Life/Coins Needed For Extra Life", VP_MEMBER(m_CoinsForExtraLife), "Coins", 25,
             kMostRingsPerSeries);
    AddText(classInfo, "Extra Life/Extra Life Message 1", VP_MEMBER(m_ExtraLifeMessage1), "Quellorb");
    AddText(classInfo, "Extra Life/Extra Life Message 2", VP_MEMBER(m_ExtraLifeMessage2),
            "%d[Quantity] Rings Redeemed for Additional Quellorb");
    AddSound(classInfo, "Extra Life/Extra Life Sound", VP_MEMBER(m_ExtraLifeSound));
    AddTutorial(classInfo, "Extra Life/Earned Extra Life Tutorial", VP_MEMBER(m_ExtraLifeTutorial));
    AddSeconds(classInfo, "Extra Life/Time Between Redeem Coins Count Down", VP_MEMBER(m_RedeemCountDownSeconds));
    AddSound(classInfo, "Extra Life/Redeem Coins Count Down Sound", VP_MEMBER(m_RedeemCountDownSound));
    AddSound(classInfo, "Extra Life/Received Extra Life Sound", VP_MEMBER(m_ReceivedExtraLifeSound));
}

CBrickStyleSheetCoin::CBrickStyleSheetCoin()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetCoin::~CBrickStyleSheetCoin()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetCoin::GetBrickClass() const
{
    return CBrickCoin::SGetClassInfo();
}
