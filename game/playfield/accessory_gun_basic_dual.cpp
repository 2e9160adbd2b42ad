#include "game/playfield/accessory_gun_basic_dual.h"

#include <cmath>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/shot_ai.h"
#include "game/playfield/sprite_sound.h"

namespace {

const float STEPS_PER_SECOND = 60.0f;

void Recover(CSpritePart* gun, float step)
{
    const float recoil = gun->GetOffset().y;
    if (recoil > 0.0f)
        gun->SetOffset(gun->GetOffset().x, recoil > step ? recoil - step : 0.0f);
}

void Kick(CSpritePart* gun, float distance)
{
    gun->SetOffset(gun->GetOffset().x, distance);
}

} // namespace

VP_IMPLEMENT_ABSTRACT_CLASS(CAccessoryGunBasicDual, CShipAccessory, 1.0f)

void CAccessoryGunBasicDual::RegisterProperties(CClassInfo* classInfo)
{
    for (auto [name, member] : {std::pair{"Left Gun Sequence", VP_MEMBER(m_LeftGunSequence)},
                                {"Right Gun Sequence", VP_MEMBER(m_RightGunSequence)},
                                {"Top Gun Sequence", VP_MEMBER(m_TopGunSequence)}})
        classInfo->AddProperty(
            new LibraryItemProperty(name, member, &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Min Time Between Shots", "Seconds", VP_MEMBER(m_MinTimeBetweenShots),
                                             EDITOR_EDITABLE, 0.15f, nullptr, 0.0f, 600.0f, 0.01f));
    ObjectPointerProperty* shotType =
        new ObjectPointerProperty("Shot Type", VP_MEMBER(m_pShotType), CShotAI::SGetClassInfo(), EDITOR_EDITABLE,
                                  nullptr);
    shotType->SetAllowNone(true);
    classInfo->AddProperty(shotType);
    classInfo->AddProperty(new FloatProperty("Recoil Recover Speed", "Pixels/Sec", VP_MEMBER(m_RecoilRecoverSpeed),
                                             EDITOR_EDITABLE, 10.0f, nullptr, 0.0f, 6000.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Recoil Distance", "Pixels", VP_MEMBER(m_RecoilDistance),
                                             EDITOR_EDITABLE, 3.5f, nullptr, -100.0f, 100.0f, 0.5f));
    classInfo->AddProperty(new IntProperty("Shot Origin X", "Pixel Offset", VP_MEMBER(m_ShotOriginX), EDITOR_EDITABLE,
                                           33, nullptr, 0, 200));
    classInfo->AddProperty(new IntProperty("Shot Origin y", "Pixel Offset", VP_MEMBER(m_ShotOriginY), EDITOR_EDITABLE,
                                           -8, nullptr, -100, 100));
    classInfo->AddProperty(new LibraryItemProperty("Shot Sound", VP_MEMBER(m_ShotSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
}

CAccessoryGunBasicDual::CAccessoryGunBasicDual()
    : m_NextGun(NEXT_RIGHT)
    , m_ShotsPerGun(1)
    , m_Cooldown(1)
{
    ConstructProperties(SGetClassInfo());
}

CAccessoryGunBasicDual::~CAccessoryGunBasicDual()
{
    DestroyProperties(SGetClassInfo());
}

void CAccessoryGunBasicDual::AttachToShip(CGameSprite* shipSprite)
{
    BindShip(shipSprite);
    CSequenceList& sequences = GetSequenceList();
    for (auto [gun, sequence] : {std::pair{m_pLeftGun, m_LeftGunSequence},
                                 {m_pRightGun, m_RightGunSequence},
                                 {m_pTopGun, m_TopGunSequence}})
    {
        gun->m_Flags |= PART_VISIBLE;
        gun->SetSequence(sequences.GetItemObject(static_cast<uint32_t>(sequence)));
    }
    m_NextGun = NEXT_RIGHT;
    m_Cooldown = 1;
    m_ShotsPerGun = 1;
}

// The guns turn with the ship's tilt.
void CAccessoryGunBasicDual::Update(float tilt)
{
    for (CSpritePart* gun : {m_pLeftGun, m_pRightGun, m_pTopGun})
        gun->SetProgress(tilt);
    const float step = m_RecoilRecoverSpeed / STEPS_PER_SECOND;
    Recover(m_pLeftGun, step);
    Recover(m_pRightGun, step);
    if (m_Cooldown > 0)
        m_Cooldown--;
}

void CAccessoryGunBasicDual::Fire()
{
    if (m_Cooldown > 0)
        return;
    if (m_NextGun == NEXT_LEFT || m_NextGun == NEXT_BOTH)
    {
        Kick(m_pLeftGun, m_RecoilDistance);
        SpawnShot(-m_ShotOriginX, m_ShotOriginY);
    }
    if (m_NextGun == NEXT_RIGHT || m_NextGun == NEXT_BOTH)
    {
        Kick(m_pRightGun, m_RecoilDistance);
        SpawnShot(m_ShotOriginX, m_ShotOriginY);
    }
    if (m_NextGun != NEXT_BOTH)
        m_NextGun = m_NextGun == NEXT_LEFT ? NEXT_RIGHT : NEXT_LEFT;
    m_Cooldown = static_cast<int32_t>(std::nearbyint(m_MinTimeBetweenShots * STEPS_PER_SECOND));
    PlaySpriteSound(m_ShotSound);
}

void CAccessoryGunBasicDual::Upgrade()
{
    m_NextGun = NEXT_BOTH;
}

Vector2 CAccessoryGunBasicDual::ShotOrigin(int32_t dx, int32_t dy) const
{
    return Vector2{m_pShip->m_Position.x + static_cast<float>(dx), m_pShip->m_Position.y + static_cast<float>(dy)};
}

// Every shot of one call starts at the same point with the same motion.
void CAccessoryGunBasicDual::SpawnShot(int32_t dx, int32_t dy)
{
    if (m_pShotType == nullptr)
        return;
    for (int32_t i = 0; i < m_ShotsPerGun; i++)
    {
        CSprite* sprite = new CSprite;
        sprite->SetPosition(ShotOrigin(dx, dy));
        static_cast<CShotAI*>(m_pShotType->CreateSameClass())->Launch(sprite);
    }
}

VP_IMPLEMENT_CLASS(CAccessoryGunLaser, CAccessoryGunBasicDual, 1.0f)

void CAccessoryGunLaser::RegisterProperties(CClassInfo*)
{
}

CAccessoryGunLaser::CAccessoryGunLaser()
{
    ConstructProperties(SGetClassInfo());
}

CAccessoryGunLaser::~CAccessoryGunLaser()
{
    DestroyProperties(SGetClassInfo());
}

VP_IMPLEMENT_CLASS(CAccessoryBigGun, CAccessoryGunBasicDual, 1.0f)

void CAccessoryBigGun::RegisterProperties(CClassInfo*)
{
}

CAccessoryBigGun::CAccessoryBigGun()
{
    ConstructProperties(SGetClassInfo());
}

CAccessoryBigGun::~CAccessoryBigGun()
{
    DestroyProperties(SGetClassInfo());
}

VP_IMPLEMENT_CLASS(CAccessoryStingerMissileGun, CAccessoryGunBasicDual, 1.0f)

void CAccessoryStingerMissileGun::RegisterProperties(CClassInfo*)
{
}

CAccessoryStingerMissileGun::CAccessoryStingerMissileGun()
{
    ConstructProperties(SGetClassInfo());
}

CAccessoryStingerMissileGun::~CAccessoryStingerMissileGun()
{
    DestroyProperties(SGetClassInfo());
}

void CAccessoryStingerMissileGun::Upgrade()
{
    if (m_NextGun != NEXT_BOTH)
        m_NextGun = NEXT_BOTH;
    else
        m_ShotsPerGun++;
}
