#include "game/playfield/shot_stinger_missile.h"

#include <cmath>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/sequence.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/pointer_to_be_nulled_array.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/rotate_vector.h"
#include "game/playfield/sprite.h"

namespace {

const float PI = 3.1415927f;
const float TWO_PI = 6.2831855f;
const float STRAIGHT_UP = 4.712389f;
const float STEPS_PER_SECOND = 60.0f;
const float SEARCHING_THRUST_SHARE = 0.6f;
const int32_t STEPS_BETWEEN_SEARCHES = 3;
const float EXHAUST_SIZE = 2.0f;
const float NO_TURN_YET = 9999999.0f;
const float HEADING_TO_FRAMES = 0.15915494f;

// Kept by address: dynamic properties are not among the ones a class
// finds by name.
IntProperty* s_pTargetedByCount =
    new IntProperty("Targeted By Count", DynamicValueMember<int32_t>(), EDITOR_HIDDEN, 0, nullptr, 0, 0);
AttachDynamicProperty s_AttachTargetedByCount(s_pTargetedByCount, CBrickBase::SGetClassInfo(), 0, nullptr);

const Property* TargetedByCountProperty()
{
    return s_pTargetedByCount;
}

void AddToTargetedByCount(CBrickBase* brick, int32_t change)
{
    // A fresh value starts at the property's default: plain construction
    // leaves an integer unset.
    void* value = brick->GetDynamicValue(TargetedByCountProperty());
    if (value == nullptr)
        value = brick->AddDefaultDynamicValue(TargetedByCountProperty());
    int32_t* count = static_cast<int32_t*>(value);
    *count += change;
}

// Into [-pi, pi].
float Turn(float angle)
{
    while (angle > PI)
        angle -= TWO_PI;
    while (angle < -PI)
        angle += TWO_PI;
    return angle;
}

Polygon2D MakeSquare()
{
    Polygon2D square;
    for (auto [x, y] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}})
        square.InsertPoint(x, y, -1);
    square.Close();
    return square;
}

bool OverlapsStrictly(const CRect& a, const CRect& b)
{
    return a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
}

} // namespace

int32_t GetTargetedByCount(const CBrickBase* brick)
{
    const int32_t* count = static_cast<const int32_t*>(brick->GetDynamicValue(TargetedByCountProperty()));
    return count != nullptr ? *count : 0;
}

VP_IMPLEMENT_CLASS(CShotStingerMissile, CShotBasic, 0.0f)

void CShotStingerMissile::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Thrust Particles", VP_MEMBER(m_ThrustParticles),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));
    classInfo->AddProperty(new FloatProperty("Acceleration", VP_MEMBER(m_Acceleration), EDITOR_EDITABLE, 10.0f,
                                             nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(
        new FloatProperty("Friction", VP_MEMBER(m_Friction), EDITOR_EDITABLE, 0.8f, nullptr, 0.0f, 0.0f, 0.01f));
    classInfo->AddProperty(new FloatProperty("Turn Speed", "Deg per Sec", VP_MEMBER(m_TurnSpeed), EDITOR_EDITABLE,
                                             kDefaultTurnSpeed, nullptr, 0.0f, 0.0f, 0.1f));
}

CShotStingerMissile::CShotStingerMissile()
    : m_pTarget(nullptr)
    , m_Heading(STRAIGHT_UP)
    , m_Life(kLifeSteps)
    , m_RetargetWait(0)
{
    ConstructProperties(SGetClassInfo());
}

CShotStingerMissile::~CShotStingerMissile()
{
    SetTarget(nullptr);
    DestroyProperties(SGetClassInfo());
}

Polygon2D* CShotStingerMissile::GetCollisionPolygon(CSprite*)
{
    static Polygon2D square = MakeSquare();
    return &square;
}

void CShotStingerMissile::Launch(CSprite* sprite)
{
    CShotBasic::Launch(sprite);
    sprite->m_Damping = m_Friction;
    sprite->m_FramePosition = 0.0f;
    sprite->m_FrameIndex = 0;
    m_Heading = STRAIGHT_UP;
    m_RetargetWait = 0;
}

void CShotStingerMissile::Update(CSprite* sprite, int32_t)
{
    if (m_Life > 0)
        m_Life--;
    if (m_Life == 0)
    {
        sprite->Kill();
        return;
    }
    if (m_pTarget == nullptr)
    {
        if (sprite->m_Position.y < 0.0f)
        {
            sprite->Kill();
            return;
        }
        if (m_RetargetWait > 0)
            m_RetargetWait--;
        else
        {
            SetTarget(FindTarget());
            m_RetargetWait = STEPS_BETWEEN_SEARCHES;
        }
    }
    Steer(sprite);
}

void CShotStingerMissile::Steer(CSprite* sprite)
{
    if (m_pTarget != nullptr)
    {
        const Vector2 to = Vector2Subtract(m_pTarget->m_Position, sprite->m_Position);
        const float wanted = WrapAngle(std::atan2(to.y, to.x));
        const float most = m_TurnSpeed / STEPS_PER_SECOND;
        const float turn = std::fmax(-most, std::fmin(most, Turn(wanted - m_Heading)));
        m_Heading = WrapAngle(m_Heading + turn);
    }
    ParticleGeneratorList& generators = GetParticleGeneratorList();
    if (generators.GetCount() != 0)
    {
        CPlayfield* playfield = GetPlayfield();
        playfield->SpawnSparksInList(sprite->m_Position, EXHAUST_SIZE, EXHAUST_SIZE, WrapAngle(m_Heading + PI),
                                     m_ThrustParticles, playfield->m_pBackEffects);
    }
    const float thrust = m_pTarget != nullptr ? m_Acceleration / STEPS_PER_SECOND
                                              : m_Acceleration * SEARCHING_THRUST_SHARE / STEPS_PER_SECOND;
    sprite->SetAccelerationFromAngle(m_Heading, thrust);
    // The picture by heading; an empty sequence shows frame 0 (nothing).
    const uint32_t frames = sprite->m_pSequence != nullptr ? sprite->m_pSequence->GetFrameCount() : 0;
    float frame = static_cast<float>(frames) * m_Heading * HEADING_TO_FRAMES;
    if (frames == 0)
        frame = 0.0f;
    else if (frame >= static_cast<float>(frames))
        frame = static_cast<float>(frames - 1);
    sprite->m_FramePosition = frame;
    sprite->m_FrameIndex = static_cast<int32_t>(std::floor(frame));
}

CSprite* CShotStingerMissile::FindTarget()
{
    CPlayfield* playfield = GetPlayfield();
    CSprite* missile = GetSprite();
    CSprite* best = nullptr;
    float bestTurn = NO_TURN_YET;
    for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const Polygon2D* polygon = sprite->GetCollisionPolygon();
        if (polygon == nullptr)
            continue;
        CRect bounds;
        polygon->GetBoundsAt(sprite->m_Position, bounds);
        CBrickBase* brick = AsBrick(sprite->GetAI());
        if (!OverlapsStrictly(bounds, playfield->m_ClipRect) || brick == nullptr || !brick->MustBeDestroyedToFinish() ||
            !brick->IsVulnerableFrom(missile->m_Position))
            continue;
        if (sprite != m_pTarget && GetTargetedByCount(brick) >= 1)
            continue;
        const Vector2 to = Vector2Subtract(sprite->m_Position, missile->m_Position);
        const float turn = std::fabs(Turn(WrapAngle(FastAtan2(to.y, to.x)) - m_Heading));
        if (!(turn < bestTurn) || !PathIsClear(sprite))
            continue;
        best = sprite;
        bestTurn = turn;
    }
    return best;
}

// Nothing but the brick itself may stand between the missile and it.
bool CShotStingerMissile::PathIsClear(CSprite* brickSprite)
{
    CSprite* missile = GetSprite();
    CollisionMotion motion;
    if (!motion.SetFromPoints(missile->m_Position, brickSprite->m_Position))
        return true;
    const uint32_t flags = brickSprite->m_Flags;
    brickSprite->m_Flags &= ~SPRITE_COLLIDABLE;
    CollisionContact contact;
    contact.m_Time = 1.0f;
    const bool blocked =
        GetPlayfield()->m_pBricks->SweepAgainstList(missile, missile->m_Position, motion, contact, nullptr);
    brickSprite->m_Flags = flags;
    return !blocked;
}

void CShotStingerMissile::SetTarget(CSprite* brickSprite)
{
    if (m_pTarget != nullptr)
        if (CBrickBase* old = AsBrick(m_pTarget->GetAI()))
        {
            AddToTargetedByCount(old, -1);
            CPointerToBeNulledArray::Unregister(old, &m_pTarget);
        }
    m_pTarget = brickSprite;
    if (brickSprite != nullptr)
        if (CBrickBase* brick = AsBrick(brickSprite->GetAI()))
        {
            AddToTargetedByCount(brick, 1);
            CPointerToBeNulledArray::Register(brick, &m_pTarget);
        }
}

// The missile meets the brick head on: the normal points from the brick to
// the missile.
bool CShotStingerMissile::HitBrick(CBrickBase* brick)
{
    if (brick == nullptr || brick->LetsBallPassThrough(this))
        return true;
    const Vector2 normal =
        WithLength(Vector2Subtract(GetSprite()->m_Position, brick->GetSprite()->m_Position), 1.0f);
    const bool result = brick->HitByBallOrShot(this, normal);
    GetSprite()->Kill();
    return result;
}
