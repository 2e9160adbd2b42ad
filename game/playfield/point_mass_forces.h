#pragma once

#include <cstdint>

#include "game/playfield/point_mass_rule.h"

// Every point moves on by its last displacement.
class CInertiaForce : public CPointMassRule
{
public:
    void Apply(CPointMassArray& points) override;
};

// Every point from the first index on rises by the amount each step (y
// grows downwards, so a lift is a negative amount).
class CLiftForce : public CPointMassRule
{
public:
    CLiftForce(float amount, uint32_t firstIndex);
    void Apply(CPointMassArray& points) override;

private:
    float m_Amount;
    uint32_t m_FirstIndex;
};

// Takes back a share of every point's last displacement.
class CDragForce : public CPointMassRule
{
public:
    explicit CDragForce(float factor);
    void Apply(CPointMassArray& points) override;

private:
    float m_Factor;
};

// A push of every point from the first index on; its owner changes the
// push from step to step.
class CCurrentForce : public CPointMassRule
{
public:
    CCurrentForce(float dx, float dy, uint32_t firstIndex);
    void Apply(CPointMassArray& points) override;

    void SetPush(float dx, float dy);
    float GetPushX() const { return m_Dx; }
    float GetPushY() const { return m_Dy; }

private:
    float m_Dx;
    float m_Dy;
    uint32_t m_FirstIndex;
};
