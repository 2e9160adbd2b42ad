#include "game/playfield/point_mass_forces.h"

void CInertiaForce::Apply(CPointMassArray& points)
{
    for (PointMass& point : points)
    {
        point.x += point.velocityX;
        point.y += point.velocityY;
    }
}

CLiftForce::CLiftForce(float amount, uint32_t firstIndex)
    : m_Amount(amount)
    , m_FirstIndex(firstIndex)
{
}

void CLiftForce::Apply(CPointMassArray& points)
{
    for (uint32_t i = m_FirstIndex; i < points.GetCount(); i++)
        points[i].y += m_Amount;
}

CDragForce::CDragForce(float factor)
    : m_Factor(factor)
{
}

void CDragForce::Apply(CPointMassArray& points)
{
    for (PointMass& point : points)
    {
        point.x -= m_Factor * point.velocityX;
        point.y -= m_Factor * point.velocityY;
    }
}

CCurrentForce::CCurrentForce(float dx, float dy, uint32_t firstIndex)
    : m_Dx(dx)
    , m_Dy(dy)
    , m_FirstIndex(firstIndex)
{
}

void CCurrentForce::Apply(CPointMassArray& points)
{
    for (uint32_t i = m_FirstIndex; i < points.GetCount(); i++)
    {
        points[i].x += m_Dx;
        points[i].y += m_Dy;
    }
}

void CCurrentForce::SetPush(float dx, float dy)
{
    m_Dx = dx;
    m_Dy = dy;
}
