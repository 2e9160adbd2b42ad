#include "game/playfield/constraint_system.h"

#include <algorithm>

#include "game/playfield/point_mass_rule.h"

namespace {

void DeleteFromLast(CPoolArray<CPointMassRule*>& rules)
{
    for (uint32_t i = rules.GetCount(); i > 0; i--)
        delete rules[i - 1];
    rules.Free();
}

} // namespace

CConstraintSystem::CConstraintSystem()
    : m_Stepping(false)
    , m_Accumulator(0.0f)
    , m_Tolerance(0.1f)
    , m_IterationLimit(10)
{
}

CConstraintSystem::~CConstraintSystem()
{
    ClearForces();
    ClearConstraints();
}

void CConstraintSystem::Init(uint32_t count, float tolerance, uint32_t iterationLimit)
{
    m_Points.Free();
    m_Points.Reserve(count);
    for (uint32_t i = 0; i < count; i++)
        m_Points.Append(PointMass{});
    m_Tolerance = tolerance;
    m_IterationLimit = iterationLimit;
    m_Accumulator = 0.0f;
}

void CConstraintSystem::AddForce(CPointMassRule* force)
{
    m_Forces.Append(force);
}

void CConstraintSystem::AddConstraint(CPointMassRule* constraint)
{
    m_Constraints.Append(constraint);
}

void CConstraintSystem::ClearForces()
{
    DeleteFromLast(m_Forces);
}

void CConstraintSystem::ClearConstraints()
{
    DeleteFromLast(m_Constraints);
}

void CConstraintSystem::Update(float seconds)
{
    m_Accumulator += seconds;
    while (m_Accumulator > kStepSeconds)
    {
        Step();
        m_Accumulator -= kStepSeconds;
    }
}

void CConstraintSystem::Step()
{
    m_Stepping = true;
    for (CPointMassRule* force : m_Forces)
        force->Apply(m_Points);
    const float toleranceSquared = m_Tolerance * m_Tolerance;
    for (uint32_t pass = 0; pass < m_IterationLimit; pass++)
    {
        for (CPointMassRule* constraint : m_Constraints)
            constraint->Apply(m_Points);
        if (SettleCorrections() < toleranceSquared)
            break;
    }
    for (PointMass& point : m_Points)
    {
        point.velocityX = point.x - point.previousX;
        point.velocityY = point.y - point.previousY;
        point.previousX = point.x;
        point.previousY = point.y;
    }
    m_Stepping = false;
}

float CConstraintSystem::SettleCorrections()
{
    float largest = 0.0f;
    for (PointMass& point : m_Points)
    {
        if (point.correctionCount > 0)
        {
            const float count = static_cast<float>(point.correctionCount);
            const float cx = point.correctionX / count;
            const float cy = point.correctionY / count;
            point.x += cx;
            point.y += cy;
            largest = std::max(largest, cx * cx + cy * cy);
        }
        point.correctionX = 0.0f;
        point.correctionY = 0.0f;
        point.correctionCount = 0;
    }
    return largest;
}
