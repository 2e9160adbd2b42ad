#include "game/playfield/distance_constraint.h"

#include <algorithm>
#include <cmath>

#include "engine/core/color/color.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/frame_interface.h"

namespace {

// Within this much of the rest length the strain view shows white.
constexpr float kStrainSlack = 0.1f;
// Colour levels per pixel of strain beyond the slack.
constexpr float kStrainLevelsPerPixel = 127.5f;

uint8_t StrainLevel(float beyondSlack)
{
    return static_cast<uint8_t>(RoundToInt(std::min(255.0f, beyondSlack * kStrainLevelsPerPixel)));
}

} // namespace

CDistanceConstraint::CDistanceConstraint(uint32_t first, uint32_t second, float restLength)
    : m_First(first)
    , m_Second(second)
    , m_RestLength(restLength)
{
}

void CDistanceConstraint::Apply(CPointMassArray& points)
{
    PointMass& a = points[m_First];
    PointMass& b = points[m_Second];
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float length = FastSqrt(dx * dx + dy * dy);
    const float divisor = length * (a.inverseMass + b.inverseMass);
    if (divisor == 0.0f)
        return;
    const float c = (length - m_RestLength) / divisor;
    const float shareA = a.inverseMass * c;
    a.correctionX += dx * shareA;
    a.correctionY += dy * shareA;
    a.correctionCount++;
    const float shareB = -b.inverseMass * c;
    b.correctionX += dx * shareB;
    b.correctionY += dy * shareB;
    b.correctionCount++;
}

void CDistanceConstraint::Draw(CFrameInterface* frame, const CPointMassArray& points)
{
    const PointMass& a = points[m_First];
    const PointMass& b = points[m_Second];
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    frame->DrawLineAA(a.x, a.y, b.x, b.y, GetStrainColor(FastSqrt(dx * dx + dy * dy) - m_RestLength));
}

CColor CDistanceConstraint::GetStrainColor(float excess)
{
    if (excess < -kStrainSlack)
    {
        const uint8_t level = StrainLevel(std::fabs(excess - kStrainSlack));
        return CColor(static_cast<uint8_t>(255 - level), static_cast<uint8_t>(255 - level), 255, 255);
    }
    if (excess > kStrainSlack)
    {
        const uint8_t level = StrainLevel(excess - kStrainSlack);
        return CColor(255, static_cast<uint8_t>(255 - level), static_cast<uint8_t>(255 - level), 255);
    }
    return ColorWhite;
}
