#include "game/bricks/brick_layer_plotter.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_list.h"

VP_IMPLEMENT_CLASS(CBrickLayerVorpanPloter, CBrickLayer, 1.0f)

namespace {

const Vector2 kCarriageStart{34.0f, 620.0f};
const Vector2 kExitPoint{34.0f, 500.0f};
const Vector2 kFirstSearchPoint{318.0f, 400.0f};
constexpr float kBarX = 320.0f;
constexpr float kVerticalWeight = 1.6666666f;
constexpr float kHorizontalStepPerSpeed = 3.3333333f;
constexpr float kVerticalStep = 2.5f;
constexpr float kArrivedSquared = 0.010000001f;
constexpr float kExitSpeed = 2.0f;

CSequence* FindSequence(const char* name)
{
    CSequenceList& list = GetSequenceList();
    return list.GetItemObject(static_cast<uint32_t>(list.FindOrFail(name, -1)));
}

// Progress per step at speed 1. A carriage with no frames or no positive
// rate has no animation to wait for, so it places in one step.
float CarriageRate(const CSequence* carriage)
{
    const float rate = carriage != nullptr && carriage->GetFrameCount() != 0
                           ? carriage->GetFramesPerSecond() / (static_cast<float>(carriage->GetFrameCount()) * 60.0f)
                           : 0.0f;
    return std::isfinite(rate) && rate > 0.0f ? rate : 1.0f;
}

} // namespace

void CBrickLayerVorpanPloter::RegisterProperties(CClassInfo*)
{
}

CBrickLayerVorpanPloter::CBrickLayerVorpanPloter()
    : m_pLeftGears(FindSequence("Brick Layer/Left Gears"))
    , m_pRightGears(FindSequence("Brick Layer/Right Gears"))
    , m_pBar(FindSequence("Brick Layer/Bar"))
    , m_pCarriage(FindSequence("Brick Layer/Carriage"))
    , m_Carriage{0.0f, 0.0f}
    , m_LastStep{0.0f, 0.0f}
    , m_State(LAYING_IDLE)
    , m_Progress(0.0f)
    , m_Rate(CarriageRate(m_pCarriage))
    , m_Speed(0.0f)
    , m_Placed(0)
    , m_pLevel(nullptr)
    , m_TargetPoint{0.0f, 0.0f}
{
    ConstructProperties(SGetClassInfo());
}

CBrickLayerVorpanPloter::~CBrickLayerVorpanPloter()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickLayerVorpanPloter::Start(CBrickLayout* round)
{
    m_pLevel = round;
    round->InstantiateForPlay(true);
    m_Carriage = kCarriageStart;
    m_LastStep = {0.0f, 0.0f};
    m_Speed = 1.0f;
    m_Placed = 0;
    m_Progress = 0.0f;
    PickNextBrick();
}

CSprite* CBrickLayerVorpanPloter::FindNearestHiddenBrick(const Vector2& point)
{
    CSprite* nearest = nullptr;
    float best = 0.0f;
    for (CSprite* sprite = GetPlayfield()->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        if (!IsHiddenMachineBrick(sprite))
            continue;
        const float dx = sprite->m_Position.x - point.x;
        const float dy = kVerticalWeight * (sprite->m_Position.y - point.y);
        const float distance = dx * dx + dy * dy;
        if (nearest == nullptr || distance < best)
        {
            nearest = sprite;
            best = distance;
        }
    }
    return nearest;
}

void CBrickLayerVorpanPloter::PickNextBrick()
{
    CSprite* target = FindNearestHiddenBrick(m_Placed == 0 ? kFirstSearchPoint : m_Carriage);
    m_Target.Set(target);
    m_State = LAYING_MOVING;
    if (target != nullptr)
    {
        m_TargetPoint = target->m_Position;
        return;
    }
    m_pLevel = nullptr;
    m_Speed = kExitSpeed;
    m_TargetPoint = kExitPoint;
}

void CBrickLayerVorpanPloter::Update()
{
    if (m_State == LAYING_IDLE)
        return;
    m_Speed = RampedLayingSpeed(m_Speed, m_Placed, 2, 0.05f);
    // The brick went before it was laid (its list was emptied): the
    // carriage heads for another.
    if (m_pLevel != nullptr && m_Target.GetSprite() == nullptr)
        PickNextBrick();
    if (m_State == LAYING_MOVING)
        Move();
    else
        Place();
}

void CBrickLayerVorpanPloter::Move()
{
    if (m_Progress > 0.0f)
        m_Progress = std::max(0.0f, m_Progress - m_Speed * m_Rate);
    const Vector2 distance{m_TargetPoint.x - m_Carriage.x, m_TargetPoint.y - m_Carriage.y};
    const float horizontal = m_Speed * kHorizontalStepPerSpeed;
    m_LastStep = {std::clamp(distance.x, -horizontal, horizontal),
                  std::clamp(distance.y, -kVerticalStep, kVerticalStep)};
    m_Carriage.x += m_LastStep.x;
    m_Carriage.y += m_LastStep.y;
    if (distance.x * distance.x + distance.y * distance.y >= kArrivedSquared)
        return;
    if (m_pLevel == nullptr)
    {
        EndLaying();
        return;
    }
    m_State = LAYING_PLACING;
    m_Progress = 0.0f;
}

void CBrickLayerVorpanPloter::Place()
{
    m_Progress += m_Speed * m_Rate;
    if (m_Progress < 1.0f)
        return;
    m_Progress = 1.0f;
    ShowPlacedBrick(m_Target.GetSprite());
    m_Target.Clear();
    m_Placed++;
    PickNextBrick();
}

void CBrickLayerVorpanPloter::EndLaying()
{
    m_pLevel = nullptr;
    m_Target.Clear();
    m_State = LAYING_IDLE;
    CPlayfield* playfield = GetPlayfield();
    RevealAllLaidBricks(*playfield->m_pBricks);
    playfield->BeginPlay();
}

void CBrickLayerVorpanPloter::Draw(CFrameInterface* frame)
{
    if (m_State == LAYING_IDLE)
        return;
    const float gears = TurningGearFraction(m_pLeftGears, m_Carriage.y);
    DrawMachinePart(frame, FrameAtFraction(m_pLeftGears, gears), kBarX, m_Carriage.y);
    DrawMachinePart(frame, FrameAtFraction(m_pRightGears, gears), kBarX, m_Carriage.y);
    DrawMachinePart(frame, FrameAtFraction(m_pBar, 0.0f), kBarX, m_Carriage.y);
    DrawMachinePart(frame, FrameAtFraction(m_pCarriage, m_Progress), m_Carriage.x, m_Carriage.y);
}

void CBrickLayerVorpanPloter::FinishNow()
{
    if (m_State != LAYING_IDLE)
        EndLaying();
}
