#include "game/bricks/brick_layer_arm.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_list.h"

VP_IMPLEMENT_CLASS(CBrickLayerArm, CObject, 1.0f)

namespace {

constexpr float kHeightAfterFinish = 1000.0f;
constexpr float kArrivedSquared = 0.010000001f;
// Past this many pose steps away, a brick costs as much as this many
// pixels of travel.
constexpr float kPoseCost = 5.0f;
constexpr float kNoDistance = 9999.0f;

IntProperty* Bound(const char* name, CPropertyMember<int32_t> member, int32_t defaultValue)
{
    return new IntProperty(name, member, EDITOR_EDITABLE, defaultValue, nullptr, INT32_MIN, INT32_MAX);
}

CSequence* SequenceAt(int32_t index)
{
    CSequenceList& list = GetSequenceList();
    return index >= 0 && static_cast<uint32_t>(index) < list.GetCount()
               ? list.GetItemObject(static_cast<uint32_t>(index))
               : nullptr;
}

// The entry of coordinates [first, last) whose x is nearest the point's.
struct NearestEntry
{
    uint32_t index = 0;
    float verticalDistance = kNoDistance;
};

NearestEntry FindNearestEntry(const CSequenceOfCoordinates& points, uint32_t first, uint32_t last, const Vector2& point,
                              float height)
{
    NearestEntry nearest;
    float best = kNoDistance;
    for (uint32_t i = first; i < last; i++)
    {
        const CPoint& entry = points.GetCoordinate(i);
        const float distance = std::fabs(point.x - static_cast<float>(entry.x));
        if (distance < best)
        {
            best = distance;
            nearest.index = i;
            nearest.verticalDistance = std::fabs(point.y - (static_cast<float>(entry.y) + height));
        }
    }
    return nearest;
}

} // namespace

void CBrickLayerArm::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Gear", VP_MEMBER(m_Gear), &GetSequenceList(), EDITOR_EDITABLE,
                                                   nullptr, nullptr, false));
    classInfo->AddProperty(
        new LibraryItemProperty("Arm", VP_MEMBER(m_Arm), &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(Bound("Left Bounds", VP_MEMBER(m_LeftBounds), 0));
    classInfo->AddProperty(Bound("Right Bounds", VP_MEMBER(m_RightBounds), 0));
    classInfo->AddProperty(Bound("Y Position When Off Screen", VP_MEMBER(m_OffScreenY), 720));
    classInfo->AddProperty(new FloatProperty("Initial Position In Arm Sequence", "%", VP_MEMBER(m_InitialPosition),
                                             EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new LibraryItemProperty("Placed Particle", VP_MEMBER(m_PlacedParticle),
                                                   &GetParticleGeneratorList(), EDITOR_EDITABLE, "brick layer", nullptr,
                                                   false));
}

CBrickLayerArm::CBrickLayerArm()
    : m_pGearSequence(nullptr)
    , m_pArmSequence(nullptr)
    , m_Height(kHeightAfterFinish)
    , m_Pose(0.0f)
    , m_LastHeightStep(0.0f)
    , m_LastPoseStep(0.0f)
    , m_State(LAYING_IDLE)
    , m_Speed(0.0f)
    , m_Placed(0)
    , m_pLevel(nullptr)
    , m_TargetHeight(0.0f)
    , m_TargetPose(0.0f)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickLayerArm::~CBrickLayerArm()
{
    DestroyProperties(SGetClassInfo());
}

int32_t CBrickLayerArm::FrameCount() const
{
    return m_pArmSequence != nullptr ? static_cast<int32_t>(m_pArmSequence->GetFrameCount()) : 0;
}

void CBrickLayerArm::Start(CBrickLayout* round)
{
    m_pGearSequence = SequenceAt(m_Gear);
    m_pArmSequence = SequenceAt(m_Arm);
    m_Height = static_cast<float>(m_OffScreenY);
    m_LastHeightStep = 0.0f;
    m_LastPoseStep = 0.0f;
    m_Speed = 1.0f;
    m_Placed = 0;
    m_Target.Clear();
    // An arm without poses has nothing to move or draw; its bricks show
    // when the machine ends.
    if (FrameCount() == 0)
    {
        m_pLevel = nullptr;
        m_Pose = 0.0f;
        m_State = LAYING_IDLE;
        return;
    }
    m_pLevel = round;
    const float start = std::clamp(m_InitialPosition, 0.0f, 100.0f);
    m_Pose = static_cast<float>(FrameCount() - 1) * start * 0.01f;
    PickNextBrick();
}

int32_t CBrickLayerArm::FrameForPoint(const Vector2& point) const
{
    CSequenceOfCoordinates* points = m_pArmSequence != nullptr ? GetSequenceCoordinates(m_pArmSequence) : nullptr;
    if (points == nullptr || points->GetCount() == 0)
        return 0;
    const uint32_t count = points->GetCount();
    const uint32_t half = count / 2;
    NearestEntry upper;
    NearestEntry lower;
    if (point.y < 450.0f)
        upper = FindNearestEntry(*points, 0, half, point, m_Height);
    if (point.y > 150.0f)
        lower = FindNearestEntry(*points, half, count, point, m_Height);
    const NearestEntry& winner = lower.verticalDistance < upper.verticalDistance ? lower : upper;
    const uint32_t useEvery = std::max<uint32_t>(m_pArmSequence->GetUseEvery(), 1);
    return static_cast<int32_t>(winner.index / useEvery);
}

float CBrickLayerArm::HoldingHeight(int32_t pose) const
{
    CSequenceOfCoordinates* points = m_pArmSequence != nullptr ? GetSequenceCoordinates(m_pArmSequence) : nullptr;
    const int32_t frame = std::clamp(pose, 0, std::max(FrameCount() - 1, 0));
    const uint64_t entry = static_cast<uint64_t>(frame) * std::max<uint32_t>(m_pArmSequence->GetUseEvery(), 1);
    return points != nullptr && entry < points->GetCount()
               ? static_cast<float>(points->GetCoordinate(static_cast<uint32_t>(entry)).y)
               : 0.0f;
}

CSprite* CBrickLayerArm::FindNearestHiddenBrick() const
{
    CSprite* nearest = nullptr;
    float best = 0.0f;
    for (CSprite* sprite = GetPlayfield()->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const float x = sprite->m_Position.x;
        if (!IsHiddenMachineBrick(sprite) || x < static_cast<float>(m_LeftBounds) ||
            x >= static_cast<float>(m_RightBounds))
            continue;
        const int32_t pose = FrameForPoint(sprite->m_Position);
        const float bend = kPoseCost * (static_cast<float>(pose) - m_Pose);
        const float rise = sprite->m_Position.y - HoldingHeight(pose) - m_Height;
        const float cost = bend * bend + rise * rise;
        if (nearest == nullptr || cost < best)
        {
            nearest = sprite;
            best = cost;
        }
    }
    return nearest;
}

void CBrickLayerArm::PickNextBrick()
{
    CSprite* target = FindNearestHiddenBrick();
    m_Target.Set(target);
    m_State = LAYING_MOVING;
    if (target != nullptr)
    {
        const int32_t pose = FrameForPoint(target->m_Position);
        m_TargetPose = static_cast<float>(pose);
        m_TargetHeight = target->m_Position.y - HoldingHeight(pose);
        return;
    }
    // Done: back off screen, folding to whichever end of the poses is
    // nearer.
    m_Speed = std::max(m_Speed * 0.25f, 1.0f);
    m_pLevel = nullptr;
    m_TargetHeight = static_cast<float>(m_OffScreenY);
    m_TargetPose = m_Pose > static_cast<float>(FrameCount() / 2) ? static_cast<float>(FrameCount() - 1) : 0.0f;
}

void CBrickLayerArm::Update()
{
    if (m_State == LAYING_IDLE)
        return;
    m_Speed = RampedLayingSpeed(m_Speed, m_Placed, 5, 0.04f);
    // The brick went before it was laid (its list was emptied): the arm
    // reaches for another.
    if (m_pLevel != nullptr && m_Target.GetSprite() == nullptr)
        PickNextBrick();
    if (m_State == LAYING_MOVING)
        Move();
    else
        Place();
}

void CBrickLayerArm::Move()
{
    const float poseDistance = m_TargetPose - m_Pose;
    const float heightDistance = m_TargetHeight - m_Height;
    const float poseStep = static_cast<float>(FrameCount()) * 0.4f * (1.0f / 60.0f) * m_Speed;
    const float heightStep = 2.5f * m_Speed;
    m_LastPoseStep = std::clamp(poseDistance, -poseStep, poseStep);
    m_LastHeightStep = std::clamp(heightDistance, -heightStep, heightStep);
    m_Pose += m_LastPoseStep;
    m_Height += m_LastHeightStep;
    if (poseDistance * poseDistance + heightDistance * heightDistance < kArrivedSquared)
        m_State = m_pLevel != nullptr ? LAYING_PLACING : LAYING_IDLE;
}

void CBrickLayerArm::Place()
{
    CSprite* sprite = m_Target.GetSprite();
    if (m_PlacedParticle != 0)
        GetPlayfield()->SpawnBreakParticles(sprite, m_PlacedParticle, nullptr);
    ShowPlacedBrick(sprite);
    m_Target.Clear();
    m_Placed++;
    PickNextBrick();
}

void CBrickLayerArm::Draw(CFrameInterface* frame)
{
    if (m_State == LAYING_IDLE)
        return;
    // The height is rounded for both parts alike, so the arm stays on its
    // gear.
    const float y = std::round(m_Height);
    const float gear = TurningGearFraction(m_pGearSequence, m_Height + 1000.0f);
    DrawMachinePart(frame, FrameAtFraction(m_pGearSequence, gear), 0.0f, y);
    DrawMachinePart(frame, m_pArmSequence->GetFrame(static_cast<uint32_t>(m_Pose)), 0.0f, y);
}

void CBrickLayerArm::FinishNow()
{
    m_Height = kHeightAfterFinish;
    m_Pose = 0.0f;
    m_pLevel = nullptr;
    m_Target.Clear();
    m_State = LAYING_IDLE;
}
