#include "game/playfield/power_up_bomb.h"

#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/text_property.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_burst.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_targets.h"
#include "game/playfield/sprite_sound.h"
#include "game/playfield/tessivue_display.h"

VP_IMPLEMENT_CLASS(CPowerUpBomb, CPowerUpBase, 0.0f)

namespace {

constexpr float kShotDownTimeout = 4.0f;
constexpr float kShotDownBurstSizeA = 10.0f;
constexpr float kShotDownBurstSizeB = 40.0f;
constexpr float kShipBurstSizeA = 50.0f;
constexpr float kShipBurstSizeB = 90.0f;

LibraryItemProperty* ItemProperty(const char* name, CPropertyMember<int32_t> member, VirtualArray* list)
{
    return new LibraryItemProperty(name, member, list, EDITOR_EDITABLE, nullptr, nullptr, false);
}

void Burst(const Vector2& at, int32_t generator, float sizeA, float sizeB)
{
    GetPlayfield()->SpawnSparks(at, BURST_DISC, sizeA, sizeB, 0.0f, generator, nullptr, nullptr);
}

} // namespace

void CPowerUpBomb::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(ItemProperty("Dropped Sound", VP_MEMBER(m_DroppedSound), &GetSoundList()));
    classInfo->AddProperty(ItemProperty("Destroyed By Ball Particle Gen", VP_MEMBER(m_DestroyedByBallParticleGen),
                                        &GetParticleGeneratorList()));
    classInfo->AddProperty(ItemProperty("Destroyed By Ball Sound", VP_MEMBER(m_DestroyedByBallSound), &GetSoundList()));
    classInfo->AddProperty(new IntProperty("Destroyed By Ball score", VP_MEMBER(m_DestroyedByBallScore),
                                           EDITOR_EDITABLE, 1000, nullptr, 0, 0));
    classInfo->AddProperty(
        new TextProperty("Destroyed By Ball String", VP_MEMBER(m_DestroyedByBallString), EDITOR_EDITABLE, ""));
    classInfo->AddProperty(
        ItemProperty("Ship Explode Particle Gen", VP_MEMBER(m_ShipExplodeParticleGen), &GetParticleGeneratorList()));
    classInfo->AddProperty(ItemProperty("Ship Explode Sequence", VP_MEMBER(m_ShipExplodeSequence), &GetSequenceList()));
}

CPowerUpBomb::CPowerUpBomb()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpBomb::~CPowerUpBomb()
{
    ReleaseDroppedSound();
    DestroyProperties(SGetClassInfo());
}

void CPowerUpBomb::ReleaseDroppedSound()
{
    if (m_pDroppedSound == nullptr)
        return;
    m_pDroppedSound->StopBuffer();
    GetSoundList().ReleaseInstance(m_DroppedSound);
    GetSoundManager().DeleteSound(m_pDroppedSound);
    m_pDroppedSound = nullptr;
}

void CPowerUpBomb::Update(CSprite* sprite, int32_t argument)
{
    CPowerUpBase::Update(sprite, argument);
    m_Age++;
}

void CPowerUpBomb::Launch(CGameSprite* sprite)
{
    CPowerUpBase::Launch(sprite);
    ReleaseDroppedSound();
    m_pDroppedSound = GetSoundList().CreateInstance(m_DroppedSound);
    if (m_pDroppedSound != nullptr)
        m_pDroppedSound->PlayBuffer(0);
    m_Age = 0;
}

void CPowerUpBomb::CollectByShip(CSprite* shipSprite)
{
    CPowerUpBase::CollectByShip(shipSprite);
    CPlayfield* playfield = GetPlayfield();
    Burst(shipSprite->m_Position, m_ShipExplodeParticleGen, kShipBurstSizeA, kShipBurstSizeB);
    playfield->SpawnEffectAtSprite(shipSprite, m_ShipExplodeSequence);
    // Gone until the next ball is served, which brings the ship back.
    shipSprite->SetActive(false);
    if (CPlayerShipAI* ship = ShipBehaviourOf(PowerUpCollectContext{shipSprite, false}))
        ship->ReleaseBall(shipSprite);
}

void CPowerUpBomb::HitByBall(CBallAI*)
{
    if (m_Age <= kSafeSteps || m_pSprite == nullptr)
        return;
    m_pSprite->Kill();
    if (CTessivueDisplay* display = GetHudDisplay())
        display->ShowText(m_DestroyedByBallString.m_Shown, CTessivueDisplay::kAlternateFont, kShotDownTimeout, false);
    GetPlayfield()->AddScore(m_DestroyedByBallScore);
    PlaySpriteSound(m_DestroyedByBallSound);
    Burst(m_pSprite->m_Position, m_DestroyedByBallParticleGen, kShotDownBurstSizeA, kShotDownBurstSizeB);
}
