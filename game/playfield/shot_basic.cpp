#include "game/playfield/shot_basic.h"

#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/shot_brick_hit.h"
#include "game/playfield/sprite.h"

namespace {

const float FIELD_TOP = 10.0f;
const float STEP_SECONDS = 0.016666668f;

} // namespace

bool KillShotAboveField(CSprite* sprite)
{
    if (sprite->m_Position.y >= FIELD_TOP)
        return false;
    sprite->Kill();
    return true;
}

VP_IMPLEMENT_ABSTRACT_CLASS(CShotBasic, CShotAI, 0.0f)

void CShotBasic::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Shot Sequence", VP_MEMBER(m_ShotSequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Shot Speed", "Pixels/Sec", VP_MEMBER(m_ShotSpeed), EDITOR_EDITABLE,
                                             500.0f, nullptr, 1.0f, 6000.0f, 10.0f));
}

CShotBasic::CShotBasic()
{
    ConstructProperties(SGetClassInfo());
}

CShotBasic::~CShotBasic()
{
    DestroyProperties(SGetClassInfo());
}

void CShotBasic::Update(CSprite* sprite, int32_t)
{
    KillShotAboveField(sprite);
}

void CShotBasic::Launch(CSprite* sprite)
{
    CShotAI::Launch(sprite);
    sprite->SetSequence(GetSequenceList().GetItemObject(static_cast<uint32_t>(m_ShotSequence)));
    sprite->m_Velocity = Vector2{0.0f, -(m_ShotSpeed * STEP_SECONDS)};
    sprite->m_Damping = 1.0f;
}

bool CShotBasic::HitBrick(CBrickBase* brick)
{
    return HitBrickAndDie(this, brick, Vector2{0.0f, 1.0f});
}

VP_IMPLEMENT_CLASS(CShotGunLaser, CShotBasic, 0.0f)

void CShotGunLaser::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new BoolProperty("Shots Hit Ball", VP_MEMBER(m_ShotsHitBall), EDITOR_EDITABLE, false, nullptr));
}

CShotGunLaser::CShotGunLaser()
{
    ConstructProperties(SGetClassInfo());
}

CShotGunLaser::~CShotGunLaser()
{
    DestroyProperties(SGetClassInfo());
}

void CShotGunLaser::HitBall(CBallAI* ball)
{
    if (!m_ShotsHitBall || ball == nullptr)
        return;
    ball->PushedByShot(GetSprite());
    GetSprite()->Kill();
}

VP_IMPLEMENT_CLASS(CShotBigGunMissile, CShotBasic, 0.0f)

void CShotBigGunMissile::RegisterProperties(CClassInfo*)
{
}

CShotBigGunMissile::CShotBigGunMissile()
{
    ConstructProperties(SGetClassInfo());
}

CShotBigGunMissile::~CShotBigGunMissile()
{
    DestroyProperties(SGetClassInfo());
}

bool CShotBigGunMissile::HitBrick(CBrickBase* brick)
{
    if (brick == nullptr || brick->LetsBallPassThrough(this))
        return true;
    const bool result = brick->DestroyByExplosion(kExplosionFactor, kExplosionDelay);
    GetSprite()->Kill();
    return result;
}
