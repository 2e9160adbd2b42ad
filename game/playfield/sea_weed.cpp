#include "game/playfield/sea_weed.h"

#include <algorithm>
#include <cmath>

#include "engine/app/game_base.h"
#include "engine/core/color/color.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/constraint_system.h"
#include "game/playfield/distance_constraint.h"
#include "game/playfield/point_mass_forces.h"

namespace {

// The seaweed relaxes much harder than the system's defaults: a visible
// kink in a chain of a few pixels' pieces would show.
constexpr float kTolerance = 0.001f;
constexpr uint32_t kIterationLimit = 100;
constexpr float kDrag = 0.001f;
constexpr float kGuideLength = 30.0f;

float TideTime()
{
    const CGameBase* game = GetGameObject();
    return game != nullptr ? static_cast<float>(game->GetSimulatedTime()) : 0.0f;
}

} // namespace

VP_IMPLEMENT_CLASS(CSeaWeed, CObject, 1.0f)

void CSeaWeed::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Sequence", VP_MEMBER(m_Sequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    auto* start = new FloatProperty("Sequence Starting Angle", "Degrees", VP_MEMBER(m_SequenceStartingAngle),
                                    EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, kTwoPi, 1.0f);
    start->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(start);
    auto* end = new FloatProperty("Sequence Ending Angle", "Degrees", VP_MEMBER(m_SequenceEndingAngle),
                                  EDITOR_EDITABLE, kTwoPi, nullptr, 0.0f, kTwoPi, 1.0f);
    end->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(end);
    classInfo->AddProperty(
        new PointProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE, 0, 0, VP_SETTER(SetPosition)));
    classInfo->AddProperty(new FloatProperty("Buoyancy", VP_MEMBER(m_Buoyancy), EDITOR_EDITABLE, 0.2f,
                                             VP_SETTER(SetBuoyancy), -10.0f, 10.0f, 0.01f));
    classInfo->AddProperty(new FloatProperty("Tide Frequency", "Seconds", VP_MEMBER(m_TideFrequency),
                                             EDITOR_EDITABLE, 10.0f, nullptr, 0.0f, 100.0f, 0.1f));
    classInfo->AddProperty(new FloatProperty("Tide Strength", VP_MEMBER(m_TideStrength), EDITOR_EDITABLE, 0.02f,
                                             nullptr, 0.0f, 100.0f, 0.01f));
    classInfo->AddProperty(new FloatProperty("Random Current Strength", VP_MEMBER(m_RandomCurrentStrength),
                                             EDITOR_EDITABLE, 0.04f, nullptr, 0.0f, 100.0f, 0.01f));
    classInfo->AddProperty(new FloatProperty("Length", VP_MEMBER(m_Length), EDITOR_EDITABLE, 10.0f,
                                             VP_SETTER(SetLength), 1.0f, 100.0f, 1.0f));
    classInfo->AddProperty(new UnsignedIntProperty("Num Pieces", VP_MEMBER(m_NumPieces), EDITOR_EDITABLE, 6,
                                                   VP_SETTER(SetNumPieces), 0, 0));
}

CSeaWeed::CSeaWeed()
    : m_pSystem(new CConstraintSystem())
    , m_pCurrent(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
    // A placeholder until the properties are loaded or copied, whose
    // setters build the real chain.
    Build(0.0f, 1, CPoint{0, 0}, 20.0f);
}

CSeaWeed::~CSeaWeed()
{
    delete m_pSystem;
    DestroyProperties(SGetClassInfo());
}

void CSeaWeed::SetPosition(const CPoint& position)
{
    Build(m_Buoyancy, m_NumPieces, position, m_Length);
}

void CSeaWeed::SetBuoyancy(float buoyancy)
{
    Build(buoyancy, m_NumPieces, m_Position, m_Length);
}

void CSeaWeed::SetLength(float length)
{
    Build(m_Buoyancy, m_NumPieces, m_Position, length);
}

void CSeaWeed::SetNumPieces(uint32_t count)
{
    Build(m_Buoyancy, count, m_Position, m_Length);
}

void CSeaWeed::Build(float buoyancy, uint32_t pieceCount, const CPoint& position, float length)
{
    m_Buoyancy = buoyancy;
    m_NumPieces = std::min(pieceCount, kMaxPieces);
    m_Position = position;
    m_Length = length;

    m_pSystem->ClearForces();
    m_pSystem->ClearConstraints();
    m_pSystem->Init(m_NumPieces, kTolerance, kIterationLimit);
    m_pSystem->AddForce(new CInertiaForce());
    m_pSystem->AddForce(new CLiftForce(-buoyancy, 1));
    m_pSystem->AddForce(new CDragForce(kDrag));
    m_pCurrent = new CCurrentForce(0.0f, 0.0f, 1);
    m_pSystem->AddForce(m_pCurrent);

    CPointMassArray& points = m_pSystem->GetPoints();
    const float anchorX = static_cast<float>(position.x);
    const float anchorY = static_cast<float>(position.y);
    // Buoyant weed starts straight up, sinking weed straight down.
    const float direction = buoyancy > 0.0f ? -1.0f : 1.0f;
    for (uint32_t i = 0; i < m_NumPieces; i++)
    {
        PointMass& point = points[i];
        point.x = anchorX;
        point.y = i == 0 ? anchorY : anchorY + static_cast<float>(i) * length * direction;
        point.previousX = point.x;
        point.previousY = point.y;
        point.inverseMass = i == 0 ? 0.0f : 1.0f;
        if (i > 0)
            m_pSystem->AddConstraint(new CDistanceConstraint(i - 1, i, length));
    }
}

void CSeaWeed::Update(float seconds)
{
    const float period = m_TideFrequency > 0.0f ? 1.0f / m_TideFrequency : 0.0f;
    const float random = CosmeticRandom().BetweenFloat(-m_RandomCurrentStrength, m_RandomCurrentStrength);
    m_pCurrent->SetPush(random + std::cos(period * TideTime() * kTwoPi) * m_TideStrength, 0.0f);
    m_pSystem->Update(seconds);
}

int32_t CSeaWeed::GetFrameIndexForAngle(float angle, uint32_t frameCount) const
{
    const float span = m_SequenceEndingAngle - m_SequenceStartingAngle;
    const float count = static_cast<float>(frameCount);
    const float position = count * (angle - m_SequenceStartingAngle) / span;
    // Equal angles (a zero span) and any other non-finite result show the
    // first picture; the clamp keeps the conversion inside the integers.
    if (span == 0.0f || !std::isfinite(position))
        return 0;
    int32_t index = static_cast<int32_t>(std::clamp(position, -1.0f, 2.0f * count));
    const int32_t last = static_cast<int32_t>(frameCount) - 1;
    if (index > last)
        index -= static_cast<int32_t>(frameCount);
    return std::clamp(index, 0, last);
}

void CSeaWeed::Draw(CFrameInterface* frame, bool showAngleGuides)
{
    CSequence* sequence = GetSequenceList().GetItemObject(static_cast<uint32_t>(m_Sequence));
    const uint32_t frameCount = sequence != nullptr ? sequence->GetFrameCount() : 0;
    const CPointMassArray& points = m_pSystem->GetPoints();
    for (uint32_t i = 0; frameCount > 0 && i + 1 < points.GetCount(); i++)
    {
        const PointMass& from = points[i];
        const PointMass& to = points[i + 1];
        float angle = FastAtan2(to.y - from.y, to.x - from.x);
        if (angle < 0.0f)
            angle += kTwoPi;
        CFrame* image = sequence->GetFrame(static_cast<uint32_t>(GetFrameIndexForAngle(angle, frameCount)));
        if (image == nullptr)
            continue;
        const float y = static_cast<float>(m_Position.y) - static_cast<float>(i) * m_Length;
        frame->BlitAt(image, RoundToInt(from.x), RoundToInt(y), sequence->GetBlitType());
    }
    if (showAngleGuides)
        DrawAngleGuides(frame);
}

void CSeaWeed::DrawAngleGuides(CFrameInterface* frame) const
{
    if (m_SequenceStartingAngle <= 0.0f && m_SequenceEndingAngle >= kTwoPi)
        return;
    const float x = static_cast<float>(m_Position.x);
    const float y = static_cast<float>(m_Position.y);
    const struct
    {
        float angle;
        CColor colour;
    } guides[] = {{m_SequenceStartingAngle, CColor(200, 200, 255, 255)},
                  {m_SequenceEndingAngle, CColor(200, 255, 200, 255)}};
    for (const auto& guide : guides)
    {
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(guide.angle, sine, cosine);
        frame->DrawLineAA(x, y, x + cosine * kGuideLength, y + sine * kGuideLength, guide.colour);
    }
}
