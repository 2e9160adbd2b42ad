#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/core/color/color.h"
#include "game/playfield/constraint_system.h"
#include "game/playfield/distance_constraint.h"
#include "game/playfield/point_mass_forces.h"
#include "tests/support/recording_frame.h"

namespace {

// Counts how often the system applies it; proposes nothing.
class CCountingRule : public CPointMassRule
{
public:
    explicit CCountingRule(int32_t* applied)
        : m_pApplied(applied)
    {
    }
    void Apply(CPointMassArray&) override { (*m_pApplied)++; }

    int32_t* m_pApplied;
};

PointMass FreePoint(float x, float y, float vx = 0.0f, float vy = 0.0f)
{
    PointMass point{};
    point.x = x;
    point.y = y;
    point.previousX = x - vx;
    point.previousY = y - vy;
    point.velocityX = vx;
    point.velocityY = vy;
    point.inverseMass = 1.0f;
    return point;
}

TEST(ConstraintSystem, RunsWholeStepsNeverTwoInOneCall)
{
    const struct
    {
        float seconds;
        int32_t calls;
        int32_t steps;
        int32_t stepsInFirstCall;
    } cases[] = {{0.011111111f, 900, 599, 0}, {1.0f / 60.0f, 10, 9, 0}};
    for (const auto& c : cases)
    {
        CConstraintSystem system;
        system.Init(1, 0.1f, 10);
        int32_t steps = 0;
        system.AddForce(new CCountingRule(&steps));
        int32_t most = 0;
        for (int32_t call = 0; call < c.calls; call++)
        {
            const int32_t before = steps;
            system.Update(c.seconds);
            if (call == 0)
            {
                EXPECT_EQ(steps, c.stepsInFirstCall) << c.seconds;
            }
            most = std::max(most, steps - before);
            EXPECT_FALSE(system.IsStepping());
        }
        EXPECT_EQ(steps, c.steps) << c.seconds;
        EXPECT_EQ(most, 1) << c.seconds;
    }
}

TEST(ConstraintSystem, InitGivesZeroedPointsAndTheLimitsAPassCountFollows)
{
    const struct
    {
        float tolerance;
        uint32_t limit;
        int32_t passes;
    } cases[] = {{0.1f, 10, 1}, {0.0f, 100, 100}, {0.0f, 0, 0}};
    for (const auto& c : cases)
    {
        CConstraintSystem system;
        system.Init(3, c.tolerance, c.limit);
        ASSERT_EQ(system.GetPoints().GetCount(), 3u);
        for (const PointMass& point : system.GetPoints())
            EXPECT_EQ(point.x + point.y + point.inverseMass + point.velocityX + point.correctionX, 0.0f);
        int32_t passes = 0;
        system.AddConstraint(new CCountingRule(&passes));
        system.Update(0.02f);
        EXPECT_EQ(passes, c.passes) << c.tolerance << " " << c.limit;
    }
}

TEST(ConstraintSystem, ForcesMoveThePointsTheyReach)
{
    CPointMassArray points;
    points.Append(FreePoint(0.0f, 0.0f, 1.0f, 2.0f));
    points.Append(FreePoint(10.0f, 10.0f, -4.0f, 0.0f));
    CInertiaForce().Apply(points);
    EXPECT_EQ(points[0].x, 1.0f);
    EXPECT_EQ(points[0].y, 2.0f);
    EXPECT_EQ(points[1].x, 6.0f);
    CLiftForce(-0.5f, 1).Apply(points);
    EXPECT_EQ(points[0].y, 2.0f);
    EXPECT_EQ(points[1].y, 9.5f);
    CDragForce(0.25f).Apply(points);
    EXPECT_EQ(points[0].x, 0.75f);
    EXPECT_EQ(points[1].x, 7.0f);
    CCurrentForce current(3.0f, -1.0f, 1);
    current.Apply(points);
    EXPECT_EQ(points[0].x, 0.75f);
    EXPECT_EQ(points[1].x, 10.0f);
    EXPECT_EQ(points[1].y, 8.5f);
}

TEST(ConstraintSystem, ADistanceConstraintHoldsTheRestLengthAndAPinnedEndStays)
{
    CConstraintSystem system;
    system.Init(2, 0.0001f, 100);
    system.GetPoints()[0] = FreePoint(0.0f, 0.0f);
    system.GetPoints()[0].inverseMass = 0.0f;
    system.GetPoints()[1] = FreePoint(25.0f, 0.0f);
    system.AddConstraint(new CDistanceConstraint(0, 1, 10.0f));
    system.Update(0.02f);
    const PointMass& anchor = system.GetPoints()[0];
    const PointMass& free = system.GetPoints()[1];
    EXPECT_EQ(anchor.x, 0.0f);
    EXPECT_EQ(anchor.y, 0.0f);
    EXPECT_NEAR(free.x, 10.0f, 0.1f);
    // The step's displacement becomes the velocity.
    EXPECT_EQ(free.velocityX, free.x - 25.0f);
}

// Both ends pinned, or two ends at one place, give a zero divisor: the
// pair is left alone for the pass.
TEST(ConstraintSystem, PairsNoCorrectionCanSeparateNeverGiveNaN)
{
    const struct
    {
        float inverseMassA;
        float inverseMassB;
        float bx;
    } cases[] = {{0.0f, 0.0f, 5.0f}, {1.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.0f}};
    for (const auto& c : cases)
    {
        CConstraintSystem system;
        system.Init(2, 0.0f, 100);
        system.GetPoints()[0] = FreePoint(0.0f, 0.0f);
        system.GetPoints()[0].inverseMass = c.inverseMassA;
        system.GetPoints()[1] = FreePoint(c.bx, 0.0f);
        system.GetPoints()[1].inverseMass = c.inverseMassB;
        system.AddConstraint(new CDistanceConstraint(0, 1, 10.0f));
        for (int32_t step = 0; step < 10; step++)
            system.Update(1.0f / 60.0f);
        const PointMass& a = system.GetPoints()[0];
        const PointMass& b = system.GetPoints()[1];
        EXPECT_TRUE(std::isfinite(a.x) && std::isfinite(b.x)) << c.inverseMassA << c.inverseMassB << c.bx;
        EXPECT_EQ(a.x, 0.0f);
        EXPECT_EQ(b.x, c.bx);
    }
}

TEST(DistanceConstraint, StrainViewColoursByHowFarFromTheRestLength)
{
    const struct
    {
        float length;
        uint8_t red;
        uint8_t green;
        uint8_t blue;
    } cases[] = {{9.7f, 204, 204, 255}, {10.0f, 255, 255, 255}, {10.5f, 255, 204, 204}, {100.0f, 255, 0, 0}};
    for (const auto& c : cases)
    {
        const CColor colour = CDistanceConstraint::GetStrainColor(c.length - 10.0f);
        EXPECT_EQ(colour.m_Red, c.red) << c.length;
        EXPECT_EQ(colour.m_Green, c.green) << c.length;
        EXPECT_EQ(colour.m_Blue, c.blue) << c.length;
        EXPECT_EQ(colour.m_Alpha, 255) << c.length;
    }

    CPointMassArray points;
    points.Append(FreePoint(1.0f, 2.0f));
    points.Append(FreePoint(1.0f, 22.0f));
    CRecordingFrame frame;
    CDistanceConstraint(0, 1, 20.0f).Draw(&frame, points);
    ASSERT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.calls[0].kind, CRecordingFrame::LINE_AA);
    EXPECT_EQ(frame.calls[0].y1, 22.0f);
}

} // namespace
