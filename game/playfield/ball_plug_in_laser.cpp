#include "game/playfield/ball_plug_in_laser.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/rotate_vector.h"
#include "game/playfield/shot_ball_laser.h"
#include "game/playfield/sprite_sound.h"

namespace {

const float STEPS_PER_SECOND = 60.0f;
const float STEP_SECONDS = 0.016666668f;
const float RADIANS_PER_DEGREE = 0.017453292f;
// The laser's picture turns with the shot: one turn over the sequence.
const float TURNS_PER_RADIAN = 0.15918498f;
const float SLOWEST_FIRING_SPEED = 1.0f;

} // namespace

VP_IMPLEMENT_CLASS(CBallPlugInBallLaser, CBallPlugInType1, 0.0f)

void CBallPlugInBallLaser::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Laser Shot Sequence", VP_MEMBER(m_LaserShotSequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Average Shot Delay", "Seconds", VP_MEMBER(m_AverageShotDelay),
                                             EDITOR_EDITABLE, 1.0f, nullptr, 0.1f, 60.0f, 0.1f));
    classInfo->AddProperty(new LibraryItemProperty("Shot Sound", VP_MEMBER(m_ShotSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Shot Speed", "Pixels/Sec", VP_MEMBER(m_ShotSpeed), EDITOR_EDITABLE,
                                             500.0f, nullptr, 1.0f, 6000.0f, 10.0f));
    classInfo->AddProperty(new FloatProperty("Cone Center Off Ball Dir", "Degrees", VP_MEMBER(m_ConeCenterOffBallDir),
                                             EDITOR_EDITABLE, 180.0f, nullptr, -360.0f, 360.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Shot Cone Range (+|-)", "Degrees", VP_MEMBER(m_ShotConeRange),
                                             EDITOR_EDITABLE, 135.0f, nullptr, 0.0f, 180.0f, 1.0f));
}

CBallPlugInBallLaser::CBallPlugInBallLaser()
    : m_FireChance(0.0f)
    , m_ShotSpeedPerStep(0.0f)
    , m_ConeLow(0.0f)
    , m_ConeHigh(0.0f)
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInBallLaser::~CBallPlugInBallLaser()
{
    DestroyProperties(SGetClassInfo());
}

void CBallPlugInBallLaser::OnAttached()
{
    m_FireChance = 1.0f / (m_AverageShotDelay * STEPS_PER_SECOND);
    m_ShotSpeedPerStep = m_ShotSpeed * STEP_SECONDS;
    m_ConeLow = m_ConeCenterOffBallDir - m_ShotConeRange;
    m_ConeHigh = m_ConeCenterOffBallDir + m_ShotConeRange;
}

void CBallPlugInBallLaser::OnAddedAgain()
{
    m_FireChance *= 2.0f;
}

// A held or stopped ball does not fire.
void CBallPlugInBallLaser::Update()
{
    CBallPlugInType1::Update();
    const Vector2 velocity = GetBall()->GetSprite()->m_Velocity;
    if (Vector2Length(velocity) * STEPS_PER_SECOND > SLOWEST_FIRING_SPEED &&
        GameRandom().BetweenFloat(0.0f, 1.0f) < m_FireChance)
        FireShot();
}

void CBallPlugInBallLaser::FireShot()
{
    CSprite* ballSprite = GetBall()->GetSprite();
    PlaySpriteSound(m_ShotSound);
    const float angle = GameRandom().BetweenFloat(m_ConeLow, m_ConeHigh) * RADIANS_PER_DEGREE;
    const Vector2 velocity =
        Vector2Scale(RotateVector(WithLength(ballSprite->m_Velocity, 1.0f), angle), m_ShotSpeedPerStep);
    CGameSprite* sprite = new CGameSprite;
    sprite->SetPosition(ballSprite->m_Position);
    CShotBallLaser* shot = new CShotBallLaser;
    shot->Launch(sprite);
    sprite->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(m_LaserShotSequence)));
    const float heading = WrapAngle(FastAtan2(velocity.y, velocity.x));
    sprite->GetPart(0)->SetProgress(1.0f - heading * TURNS_PER_RADIAN);
    sprite->m_Velocity = velocity;
    sprite->m_Damping = 1.0f;
}
