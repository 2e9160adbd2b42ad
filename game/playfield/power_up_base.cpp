#include "game/playfield/power_up_base.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/ball_plug_in.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/print_power_up_text_ai.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"
#include "game/playfield/tessivue_display.h"
#include "game/playfield/tutorial.h"

VP_IMPLEMENT_CLASS(CPowerUpBase, CSpriteAI, 0.0f)

namespace {

CLocalizedString s_PowerUpLine("Power Up");

// Capsules below this line have left the field.
constexpr float kFieldBottom = 600.0f;
// How long the kind's name stays in the text box, in seconds.
constexpr float kNameTimeout = 4.0f;

} // namespace

void CPowerUpBase::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(new TextProperty("Description", VP_MEMBER(m_Description), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(
        new BoolProperty("Is A Level Breaker", VP_MEMBER(m_IsALevelBreaker), EDITOR_EDITABLE, false, nullptr));
    classInfo->GetLastProperty()->SetHelpText(
        "Level Breakers are power-ups suck as Big Missiles, Fire Ball, Rail Ball, Bomb Ball, or anything that can "
        "destroy otherwise indestructible bricks. Or it could be anything else what has a high chance of running a "
        "carefully planned level.");
    classInfo->AddProperty(new TextProperty("Force Feedback Effect Name", VP_MEMBER(m_ForceFeedbackEffectName),
                                            EDITOR_EDITABLE, "PowerUp"));
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Activation Sound", VP_MEMBER(m_ActivationSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new BoolProperty("Call a Power-up in HUD", VP_MEMBER(m_CallAPowerUpInHUD), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(new LibraryItemProperty("Tutorial", VP_MEMBER(m_Tutorial), &GetTutorialLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Karma Type", VP_MEMBER(m_KarmaType), &GetPowerUpKarmaTable(),
                                                   EDITOR_EDITABLE, "Neutral Effect", nullptr, false));
    classInfo->AddProperty(
        new IntProperty("Collection Score", VP_MEMBER(m_CollectionScore), EDITOR_EDITABLE, 100, nullptr, 0, 0));
    classInfo->AddProperty(new FloatProperty("Drop Speed", "Pixels/Sec", VP_MEMBER(m_DropSpeed), EDITOR_EDITABLE,
                                             100.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new UnsignedIntProperty("Occurrence Frequency Weighting",
                                                   VP_MEMBER(m_OccurrenceFrequencyWeighting), EDITOR_EDITABLE, 10,
                                                   nullptr, 0, 0));
}

CPowerUpBase::CPowerUpBase()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpBase::~CPowerUpBase()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpBase::Update(CSprite* sprite, int32_t)
{
    if (m_pSprite != nullptr)
        m_pSprite->GetPart(0)->AdvanceLooping();
    // The end of a cleared round waits for the falling capsules: one that
    // does not fall (a drop speed of 0 or less) would hold it for ever.
    const CPlayfield* playfield = GetPlayfield();
    const bool stalled = !(m_DropSpeed > 0.0f) && playfield != nullptr && playfield->m_RoundCleared;
    if (sprite->m_Position.y > kFieldBottom || stalled)
        sprite->Kill();
}

void CPowerUpBase::Launch(CGameSprite* sprite)
{
    m_pSprite = sprite;
    sprite->AddAI(this);
    sprite->m_Velocity = Vector2{0.0f, m_DropSpeed * 0.016666668f};
    // The fall keeps its speed.
    sprite->m_Damping = 1.0f;
    sprite->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(m_PrimarySequence)));
}

void CPowerUpBase::CollectByShip(CSprite* shipSprite)
{
    const PowerUpCollectContext context{shipSprite, false};
    // Attract play behind the menus teaches nobody.
    if (!GetPlayfield()->IsNonGameRound())
        GetPlayfieldHooks().ShowTutorial(m_Tutorial, false);
    Activate(context);
    if (m_pSprite != nullptr)
        m_pSprite->Kill();
}

void CPowerUpBase::HitByBall(CBallAI*)
{
}

void CPowerUpBase::Activate(const PowerUpCollectContext& context)
{
    GiveFeedback(context, kActivationSound);
}

void CPowerUpBase::DrawIcon(int32_t x, int32_t y, CFrameInterface* frame)
{
    DrawSequenceOverlay(frame, m_PrimarySequence, x, y);
}

int32_t CPowerUpBase::GetKarmaType() const
{
    return m_KarmaType;
}

void CPowerUpBase::GiveFeedback(const PowerUpCollectContext& context, int32_t soundMode)
{
    if (context.quiet)
        return;
    if (CTessivueDisplay* display = GetHudDisplay())
    {
        display->ShowText(m_Name.m_Shown, CTessivueDisplay::kAlternateFont, kNameTimeout, false);
        if (m_CallAPowerUpInHUD)
            display->AddText(s_PowerUpLine.GetText(), CTessivueDisplay::kNormalFont);
    }
    CPlayfield* playfield = GetPlayfield();
    playfield->AddScore(m_CollectionScore);
    if (soundMode == kActivationSound)
        PlaySpriteSound(m_ActivationSound);
    else if (soundMode == kScoreSound)
        PlaySpriteSound("Score.wav");
    if (!m_CallAPowerUpInHUD)
        return;
    // A library item activated directly has no capsule: its name rises
    // from the ship, and with no ship (menus, demos) nowhere.
    const CSprite* origin = m_pSprite != nullptr ? m_pSprite : playfield->GetShipSprite();
    if (origin != nullptr)
        SpawnFloatingText(origin->m_Position, m_Name.m_Shown);
}

CNamedValueList& GetPowerUpKarmaTable()
{
    static CNamedValueList* table = [] {
        CNamedValueList* made = new CNamedValueList;
        made->Add("Neutral Effect", POWER_UP_KARMA_NEUTRAL);
        made->Add("Good Effect", POWER_UP_KARMA_GOOD);
        made->Add("Bad Effect", POWER_UP_KARMA_BAD);
        return made;
    }();
    return *table;
}

CResourceLibrary<CPowerUpBase>& GetPowerUpLibrary()
{
    static CResourceLibrary<CPowerUpBase> library(LIBRARY_POWER_UP);
    return library;
}
