#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "game/playfield/point_mass.h"

class CPointMassRule;

// A small position-based (Verlet) simulation: whole steps of 1/60 s, each
// applying the forces once and then relaxing the constraints in passes
// until every averaged correction is below the tolerance or the pass limit
// is reached. Averaging a point's corrections before moving it makes a pass
// independent of the order the constraints were added in.
//
// Time comes in any slices: the system keeps the remainder and steps only
// once more than a whole step is pending, so 1/90 s slices run two steps in
// three calls and never two in one.
class CConstraintSystem
{
public:
    static constexpr float kStepSeconds = 0.016666668f;

    // Tolerance 0.1, at most 10 passes.
    CConstraintSystem();
    // Forces, then constraints, each from the last.
    ~CConstraintSystem();

    CConstraintSystem(const CConstraintSystem&) = delete;
    CConstraintSystem& operator=(const CConstraintSystem&) = delete;

    // Exactly count points, every field 0; the limits as given and nothing
    // pending.
    void Init(uint32_t count, float tolerance, uint32_t iterationLimit);
    // The system owns what it is given.
    void AddForce(CPointMassRule* force);
    void AddConstraint(CPointMassRule* constraint);
    void ClearForces();
    void ClearConstraints();

    void Update(float seconds);

    CPointMassArray& GetPoints() { return m_Points; }
    const CPointMassArray& GetPoints() const { return m_Points; }
    uint32_t GetConstraintCount() const { return m_Constraints.GetCount(); }
    CPointMassRule* GetConstraint(uint32_t index) const { return m_Constraints[index]; }
    bool IsStepping() const { return m_Stepping; }

private:
    void Step();
    // One pass's corrections, averaged and applied; answers the largest
    // squared correction (0 when none).
    float SettleCorrections();

    CPointMassArray m_Points;
    bool m_Stepping;
    float m_Accumulator;
    float m_Tolerance;
    uint32_t m_IterationLimit;
    CPoolArray<CPointMassRule*> m_Constraints;
    CPoolArray<CPointMassRule*> m_Forces;
};
