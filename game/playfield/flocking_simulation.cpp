#include "game/playfield/flocking_simulation.h"

#include <algorithm>
#include <cmath>

#include "engine/core/color/color.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/properties/unsigned_int_property.h"

namespace {

constexpr int32_t kHeightWithoutScreen = 600;
constexpr float kMinSpeedFactor = 0.85f;
constexpr float kMaxSpeedFactor = 1.25f;
constexpr float kOneOverTwoPi = 0.15915494f;
constexpr float kCrossBehind = 10.0f;
constexpr float kCrossAhead = 5.0f;
constexpr float kCrossHalfWidth = 2.0f;

int32_t s_ScreenHeight = 0;

// Indices of the boids one boid sees; valid during one boid step.
CDynamicArray<uint32_t>& Neighbours()
{
    static CDynamicArray<uint32_t> s_Neighbours;
    return s_Neighbours;
}

// Into [-pi, pi]. Differences of two angles in range need one turn at
// most; anything further is brought back in one go.
float WrapSigned(float angle)
{
    if (angle > kPi)
        angle -= kTwoPi;
    else if (angle < -kPi)
        angle += kTwoPi;
    if (angle > kPi || angle < -kPi)
        angle = std::remainder(angle, kTwoPi);
    return angle;
}

// Into [0, 2 pi).
float WrapPositive(float angle)
{
    if (angle < 0.0f)
        angle += kTwoPi;
    if (angle >= kTwoPi)
        angle -= kTwoPi;
    return angle;
}

void Normalize(float& x, float& y)
{
    const float length = std::sqrt(x * x + y * y);
    if (length != 0.0f)
    {
        x /= length;
        y /= length;
    }
}

} // namespace

int32_t GetFlockScreenHeight()
{
    if (s_ScreenHeight == 0)
    {
        const int32_t height = GetScreenFrame()->GetHeight();
        s_ScreenHeight = height > 0 ? height : kHeightWithoutScreen;
    }
    return s_ScreenHeight;
}

void SetFlockScreenHeight(int32_t height)
{
    s_ScreenHeight = height;
}

VP_IMPLEMENT_CLASS(CFlockingSimulation, CObject, 1.0f)

void CFlockingSimulation::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Sequence", VP_MEMBER(m_Sequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new UnsignedIntProperty("Num Boids", VP_MEMBER(m_NumBoids), EDITOR_EDITABLE, 20,
                                                   VP_SETTER(SetNumBoids), 0, 0));
    classInfo->AddProperty(
        new PointProperty("Center Position", VP_MEMBER(m_CenterPosition), EDITOR_EDITABLE, 400, 300, nullptr));
    classInfo->AddProperty(new FloatProperty("Max Dist From Center", "Pixels", VP_MEMBER(m_MaxDistFromCenter),
                                             EDITOR_EDITABLE, 300.0f, nullptr, 0.0f, 1000.0f, 10.0f));
    classInfo->AddProperty(new UnsignedIntProperty("Min Distance From Bottom", "Pixels",
                                                   VP_MEMBER(m_MinDistanceFromBottom), EDITOR_EDITABLE, 100, nullptr,
                                                   0, 0));
    classInfo->AddProperty(new FloatProperty("Velocity", "Pixels/Sec", VP_MEMBER(m_Velocity), EDITOR_EDITABLE,
                                             125.0f, VP_SETTER(SetVelocity), 0.0f, 1000.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Boid Perception Distance", "Pixels",
                                             VP_MEMBER(m_BoidPerceptionDistance), EDITOR_EDITABLE, 20.0f, nullptr,
                                             0.0f, 100.0f, 0.5f));
    auto* tooClose = new FloatProperty("Too Close Ratio", "Percent", VP_MEMBER(m_TooCloseRatio), EDITOR_EDITABLE,
                                       0.5f, nullptr, 0.0f, 0.95f, 0.01f);
    tooClose->SetConverter(&g_PercentConverter);
    classInfo->AddProperty(tooClose);
    auto* turning = new FloatProperty("Turning Rate", "Degrees", VP_MEMBER(m_TurningRate), EDITOR_EDITABLE, kTwoPi,
                                      nullptr, 0.0f, 31.415928f, 1.0f);
    turning->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(turning);
}

CFlockingSimulation::CFlockingSimulation()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
    SpawnBoids(m_NumBoids, m_CenterPosition, m_MaxDistFromCenter, m_Velocity, m_BoidPerceptionDistance,
               m_TooCloseRatio, m_TurningRate);
}

CFlockingSimulation::~CFlockingSimulation()
{
    DestroyProperties(SGetClassInfo());
}

void CFlockingSimulation::SetNumBoids(uint32_t count)
{
    SpawnBoids(count, m_CenterPosition, m_MaxDistFromCenter, m_Velocity, m_BoidPerceptionDistance, m_TooCloseRatio,
               m_TurningRate);
}

void CFlockingSimulation::SetVelocity(float velocity)
{
    SpawnBoids(m_NumBoids, m_CenterPosition, m_MaxDistFromCenter, velocity, m_BoidPerceptionDistance,
               m_TooCloseRatio, m_TurningRate);
}

void CFlockingSimulation::SpawnBoids(uint32_t count, const CPoint& centre, float maxDistance, float velocity,
                                     float perceptionDistance, float tooCloseRatio, float turningRate)
{
    m_NumBoids = std::min(count, kMaxBoids);
    m_CenterPosition = centre;
    m_MaxDistFromCenter = maxDistance;
    m_Velocity = velocity;
    m_BoidPerceptionDistance = perceptionDistance;
    m_TooCloseRatio = tooCloseRatio;
    m_TurningRate = turningRate;

    while (m_Boids.GetCount() > 0)
        m_Boids.RemoveAt(m_Boids.GetCount() - 1);
    m_Boids.Reserve(m_NumBoids);
    CRandom& random = GetSharedRandom();
    for (uint32_t i = 0; i < m_NumBoids; i++)
    {
        const float angle = random.BetweenFloat(0.0f, kTwoPi);
        const float distance = random.BetweenFloat(0.0f, maxDistance);
        const float heading = random.BetweenFloat(0.0f, kTwoPi);
        const float factor = random.BetweenFloat(kMinSpeedFactor, kMaxSpeedFactor);
        Boid boid;
        boid.x = static_cast<float>(centre.x) + FastCos(angle) * distance;
        boid.y = static_cast<float>(centre.y) + FastSin(angle) * distance;
        boid.heading = heading;
        boid.desiredHeading = heading;
        boid.speed = factor * velocity;
        m_Boids.Append(boid);
    }
}

void CFlockingSimulation::Update(float seconds)
{
    for (Boid& boid : m_Boids)
        StepBoid(boid, seconds);
}

float CFlockingSimulation::FlockingHeading(const Boid& boid) const
{
    const CDynamicArray<uint32_t>& neighbours = Neighbours();
    float sumX = 0.0f;
    float sumY = 0.0f;
    float sumHeadings = 0.0f;
    const float tooClose = m_TooCloseRatio * m_BoidPerceptionDistance;
    float nearestSquared = tooClose * tooClose;
    const Boid* nearest = nullptr;
    for (uint32_t index : neighbours)
    {
        const Boid& other = m_Boids[index];
        sumX += other.x;
        sumY += other.y;
        sumHeadings += other.heading;
        const float dx = other.x - boid.x;
        const float dy = other.y - boid.y;
        const float squared = dx * dx + dy * dy;
        if (squared < nearestSquared)
        {
            nearestSquared = squared;
            nearest = &other;
        }
    }
    const float count = static_cast<float>(neighbours.GetCount());
    // Cohesion: toward the neighbours' centroid.
    float steerX = sumX / count - boid.x;
    float steerY = sumY / count - boid.y;
    Normalize(steerX, steerY);
    // Separation replaces it: away from the nearest one that is too close.
    if (nearest != nullptr && (nearest->x != boid.x || nearest->y != boid.y))
    {
        steerX = -(nearest->x - boid.x);
        steerY = -(nearest->y - boid.y);
        Normalize(steerX, steerY);
    }
    // Alignment: the plain mean of the headings' values.
    const float meanHeading = sumHeadings / count;
    const float vx = FastCos(meanHeading) + steerX;
    const float vy = FastSin(meanHeading) + steerY;
    if (vx == 0.0f && vy == 0.0f)
        return boid.desiredHeading;
    return FastAtan2(vy, vx);
}

bool CFlockingSimulation::Sees(const Boid& boid, const Boid& other)
{
    if (other.x == boid.x && other.y == boid.y)
        return false;
    const float dx = other.x - boid.x;
    const float dy = other.y - boid.y;
    if (dx * dx + dy * dy >= kNeighbourRadius * kNeighbourRadius)
        return false;
    return std::fabs(WrapSigned(FastAtan2(dy, dx) - boid.heading)) <= kHalfFieldOfView;
}

void CFlockingSimulation::StepBoid(Boid& boid, float seconds)
{
    CDynamicArray<uint32_t>& neighbours = Neighbours();
    neighbours.RemoveAll();
    for (uint32_t i = 0; i < m_Boids.GetCount(); i++)
    {
        if (Sees(boid, m_Boids[i]))
            neighbours.Add(i);
    }

    if (neighbours.GetCount() == 0)
        boid.desiredHeading = GetSharedRandom().BetweenFloat(0.0f, kTwoPi);
    else
        boid.desiredHeading = FlockingHeading(boid);

    const float toCentreX = static_cast<float>(m_CenterPosition.x) - boid.x;
    const float toCentreY = static_cast<float>(m_CenterPosition.y) - boid.y;
    if (toCentreX * toCentreX + toCentreY * toCentreY > m_MaxDistFromCenter * m_MaxDistFromCenter)
        boid.desiredHeading = FastAtan2(toCentreY, toCentreX);

    // Without a margin, or with one beyond the screen, only boids below the
    // screen turn up.
    const uint32_t height = static_cast<uint32_t>(GetFlockScreenHeight());
    const uint32_t margin = height - m_MinDistanceFromBottom;
    const float surface = static_cast<float>(margin < height ? margin : height);
    if (surface < boid.y)
        boid.desiredHeading = FastAtan2(-1.0f, 0.0f);

    const float limit = m_TurningRate * seconds;
    const float turn = std::clamp(WrapSigned(boid.desiredHeading - boid.heading), -limit, limit);
    boid.heading = WrapPositive(boid.heading + turn);
    boid.desiredHeading = boid.heading;

    const float distance = boid.speed * seconds;
    boid.x += FastCos(boid.heading) * distance;
    boid.y += FastSin(boid.heading) * distance;
}

void CFlockingSimulation::Draw(CFrameInterface* frame)
{
    CSequence* sequence =
        m_Sequence != 0 ? GetSequenceList().GetItemObject(static_cast<uint32_t>(m_Sequence)) : nullptr;
    const uint32_t frameCount = sequence != nullptr ? sequence->GetFrameCount() : 0;
    for (const Boid& boid : m_Boids)
    {
        if (sequence == nullptr)
        {
            DrawCross(frame, boid);
            continue;
        }
        const float turns = static_cast<float>(frameCount) * boid.heading * kOneOverTwoPi;
        uint32_t index = turns > 0.0f ? static_cast<uint32_t>(std::min(turns, static_cast<float>(frameCount))) : 0;
        if (index >= frameCount)
            index -= frameCount;
        CFrame* image = index < frameCount ? sequence->GetFrame(index) : nullptr;
        if (image != nullptr)
            frame->BlitAt(image, RoundToInt(boid.x), RoundToInt(boid.y), sequence->GetBlitType());
    }
}

void CFlockingSimulation::DrawCross(CFrameInterface* frame, const Boid& boid) const
{
    const float cosine = FastCos(boid.heading);
    const float sine = FastSin(boid.heading);
    frame->DrawLineAA(boid.x - cosine * kCrossBehind, boid.y - sine * kCrossBehind, boid.x + cosine * kCrossAhead,
                      boid.y + sine * kCrossAhead, ColorWhite);
    // Left of the heading, with y growing downwards, is (sin, -cos).
    frame->DrawLineAA(boid.x + sine * kCrossHalfWidth, boid.y - cosine * kCrossHalfWidth,
                      boid.x - sine * kCrossHalfWidth, boid.y + cosine * kCrossHalfWidth, ColorWhite);
}
