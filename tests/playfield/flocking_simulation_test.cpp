#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/flocking_simulation.h"
#include "game/playfield/flocking_simulation_ai.h"
#include "tests/support/object_forms.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

namespace {

using Boid = CFlockingSimulation::Boid;

constexpr float kStep = CBackgroundSimulationAI::kSimulationStep;

class FlockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetSharedRandom().SeedFromTick(46);
        SetFlockScreenHeight(600);
    }

    std::unique_ptr<CFlockingSimulation> Flock(const std::string& lines)
    {
        std::unique_ptr<CObject> object = ObjectFromText("CFlockingSimulation\r\n{\r\n" + lines + "}\r\n");
        EXPECT_NE(object, nullptr);
        return std::unique_ptr<CFlockingSimulation>(static_cast<CFlockingSimulation*>(object.release()));
    }

    // A flock of the one boid given.
    std::unique_ptr<CFlockingSimulation> LoneBoid(const Boid& boid, const std::string& lines = "")
    {
        std::unique_ptr<CFlockingSimulation> flock = Flock("\tNum Boids=1\r\n" + lines);
        flock->GetBoids()[0] = boid;
        return flock;
    }
};

TEST_F(FlockTest, NeighboursAreNearAndInFrontWithinTheFieldOfView)
{
    const float degree = kPi / 180.0f;
    const struct
    {
        const char* what;
        Boid boid;
        Boid other;
        bool sees;
    } cases[] = {
        {"49 px ahead", {0, 0, 0, 0, 0}, {49, 0, kPi, 0, 0}, true},
        {"50 px ahead", {0, 0, 0, 0, 0}, {50, 0, kPi, 0, 0}, false},
        {"directly behind", {0, 0, 0, 0, 0}, {-10, 0, 0, 0, 0}, false},
        {"100 degrees aside", {0, 0, 0, 0, 0}, {10 * std::cos(100 * degree), 10 * std::sin(100 * degree), 0, 0, 0},
         true},
        {"110 degrees aside", {0, 0, 0, 0, 0}, {10 * std::cos(110 * degree), 10 * std::sin(110 * degree), 0, 0, 0},
         false},
        {"at the same place", {5, 5, 0, 0, 0}, {5, 5, 0, 0, 0}, false},
        {"ahead across the wrap", {0, 0, 6.2f, 0, 0}, {10, 0, 0, 0, 0}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFlockingSimulation::Sees(c.boid, c.other), c.sees) << c.what;
    // Facing each other, each sees the other.
    EXPECT_TRUE(CFlockingSimulation::Sees(cases[0].other, cases[0].boid));
}

TEST_F(FlockTest, TurningIsLimitedToTheRateTimesTheStep)
{
    std::unique_ptr<CFlockingSimulation> flock = Flock("\tNum Boids=60\r\n\tMax Dist From Center=60\r\n");
    float largest = 0.0f;
    for (int32_t step = 0; step < 200; step++)
    {
        std::vector<float> before;
        for (const Boid& boid : flock->GetBoids())
            before.push_back(boid.heading);
        flock->Update(kStep);
        for (uint32_t i = 0; i < flock->GetBoids().GetCount(); i++)
        {
            const float heading = flock->GetBoids()[i].heading;
            EXPECT_GE(heading, 0.0f);
            EXPECT_LT(heading, kTwoPi);
            float turn = std::fabs(heading - before[i]);
            turn = std::min(turn, kTwoPi - turn);
            largest = std::max(largest, turn);
        }
    }
    // Four degrees.
    EXPECT_LE(largest, 0.069814f);
    EXPECT_GT(largest, 0.0698f);
}

// Below the margin above the screen's bottom a boid turns toward straight
// up; without a margin, or with one beyond the screen, only below the
// screen. The random heading a lone boid would take otherwise is the same
// at any height, so heights where the rule does not apply turn alike.
TEST_F(FlockTest, TheBottomRuleTurnsBoidsUpAtTheLimitedRate)
{
    const float limit = kTwoPi * kStep;
    const struct
    {
        const char* margin;
        float y;
        bool turnsUp;
    } cases[] = {{"100", 550, true},    {"100", 450, false}, {"0", 590, false},
                 {"0", 610, true},      {"5000", 590, false}, {"5000", 610, true}};
    for (const auto& c : cases)
    {
        GetSharedRandom().SeedFromTick(7);
        std::unique_ptr<CFlockingSimulation> low =
            LoneBoid(Boid{400, c.y, 0, 100, 0}, std::string("\tMin Distance From Bottom=") + c.margin + "\r\n");
        low->Update(kStep);
        GetSharedRandom().SeedFromTick(7);
        std::unique_ptr<CFlockingSimulation> high = LoneBoid(Boid{400, 300, 0, 100, 0});
        high->Update(kStep);
        const float heading = low->GetBoids()[0].heading;
        if (c.turnsUp)
            EXPECT_FLOAT_EQ(heading, kTwoPi - limit) << c.margin << " " << c.y;
        else
            EXPECT_EQ(heading, high->GetBoids()[0].heading) << c.margin << " " << c.y;
    }
}

TEST_F(FlockTest, ALoneBoidTakesANewRandomHeading)
{
    GetSharedRandom().SeedFromTick(9);
    std::unique_ptr<CFlockingSimulation> flock =
        LoneBoid(Boid{400, 300, 1.0f, 0, 1.0f}, "\tTurning Rate=31.415928\r\n");
    GetSharedRandom().SeedFromTick(9);
    const float expected = GetSharedRandom().BetweenFloat(0.0f, kTwoPi);
    GetSharedRandom().SeedFromTick(9);
    flock->StepBoid(flock->GetBoids()[0], 1.0f);
    EXPECT_NEAR(flock->GetBoids()[0].heading, expected, 1e-5f);
    EXPECT_EQ(flock->GetBoids()[0].desiredHeading, flock->GetBoids()[0].heading);
}

TEST_F(FlockTest, ABoidFarFromTheCentreHeadsBack)
{
    std::unique_ptr<CFlockingSimulation> flock =
        LoneBoid(Boid{0, 300, kPi, 10, kPi}, "\tTurning Rate=31.415928\r\n\tMax Dist From Center=100\r\n");
    flock->StepBoid(flock->GetBoids()[0], 1.0f);
    EXPECT_NEAR(flock->GetBoids()[0].heading, 0.0f, 0.01f);
    EXPECT_NEAR(flock->GetBoids()[0].x, 10.0f, 0.1f);
}

TEST_F(FlockTest, AnEmptyFlockDoesNothing)
{
    std::unique_ptr<CFlockingSimulation> flock = Flock("\tNum Boids=0\r\n");
    flock->Update(kStep);
    CRecordingFrame frame;
    flock->Draw(&frame);
    EXPECT_EQ(flock->GetBoids().GetCount(), 0u);
    EXPECT_TRUE(frame.calls.empty());
}

// A count from a file is held to a few hundred: the step is quadratic.
TEST_F(FlockTest, HugeBoidCountsAreHeldToFiveHundred)
{
    std::unique_ptr<CFlockingSimulation> flock = Flock("\tNum Boids=4000000000\r\n");
    EXPECT_EQ(flock->m_NumBoids, CFlockingSimulation::kMaxBoids);
    EXPECT_EQ(flock->GetBoids().GetCount(), CFlockingSimulation::kMaxBoids);
}

TEST_F(FlockTest, ACopiedBehaviourMakesItsOwnBoids)
{
    std::unique_ptr<CObject> object = ObjectFromText(
        "CFlockingSimulationAI\r\n{\r\n\tFlacking Simulation Generator=CFlockingSimulation\r\n\t{\r\n"
        "\t\tNum Boids=12\r\n\t\tCenter Position=100,200\r\n\t\tMax Dist From Center=50\r\n\t}\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    auto* prototype = static_cast<CFlockingSimulationAI*>(object.get());
    std::unique_ptr<CObject> copy(prototype->CreateSameClass());
    const auto& mine = static_cast<CFlockingSimulationAI*>(copy.get())->m_FlockingSimulation.GetBoids();
    const auto& theirs = prototype->m_FlockingSimulation.GetBoids();
    ASSERT_EQ(mine.GetCount(), 12u);
    ASSERT_EQ(theirs.GetCount(), 12u);
    EXPECT_NE(mine[0].x, theirs[0].x);
    for (const Boid& boid : mine)
    {
        EXPECT_LE(std::hypot(boid.x - 100.0f, boid.y - 200.0f), 50.5f);
        EXPECT_GE(boid.speed, 0.85f * 125.0f - 0.01f);
        EXPECT_LT(boid.speed, 1.25f * 125.0f);
    }
}

TEST_F(FlockTest, BoidsDrawThePictureOfTheirHeadingOrACross)
{
    ListedSequences sequences;
    sequences.Add("None", MakeSolidSequence(0, 2, 2, 1));
    CSequence* birds = sequences.Add("Birds", MakeSolidSequence(8, 2, 2, 1));
    const struct
    {
        float heading;
        uint32_t frame;
    } cases[] = {{0.0f, 0}, {kPi, 4}, {6.2831850f, 7}, {kHalfPi + 0.01f, 2}};
    for (const auto& c : cases)
    {
        std::unique_ptr<CFlockingSimulation> flock = LoneBoid(Boid{20.4f, 30.6f, c.heading, 0, 0}, "\tSequence=Birds\r\n");
        CRecordingFrame frame;
        flock->Draw(&frame);
        ASSERT_EQ(frame.calls.size(), 1u);
        EXPECT_EQ(frame.calls[0].source, birds->GetFrame(c.frame)) << c.heading;
        EXPECT_EQ(frame.calls[0].x0, 19.0f);
        EXPECT_EQ(frame.calls[0].y0, 30.0f);
    }
    std::unique_ptr<CFlockingSimulation> crosses = LoneBoid(Boid{100, 100, 0, 0, 0});
    CRecordingFrame frame;
    crosses->Draw(&frame);
    ASSERT_EQ(frame.calls.size(), 2u);
    EXPECT_EQ(frame.calls[0].kind, CRecordingFrame::LINE_AA);
    EXPECT_NEAR(frame.calls[0].x0, 90.0f, 1e-3f);
    EXPECT_NEAR(frame.calls[0].x1, 105.0f, 1e-3f);
    EXPECT_NEAR(frame.calls[1].y0, 98.0f, 1e-3f);
    EXPECT_NEAR(frame.calls[1].y1, 102.0f, 1e-3f);
}

} // namespace
