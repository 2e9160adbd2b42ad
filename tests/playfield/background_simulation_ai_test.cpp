#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/maths/random_r250.h"
#include "game/playfield/flocking_simulation_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sea_weed_ai.h"
#include "tests/support/object_forms.h"
#include "tests/support/recording_frame.h"

namespace {

std::unique_ptr<CFlockingSimulationAI> Flock(const char* probability)
{
    std::unique_ptr<CObject> object = ObjectFromText(
        std::string("CFlockingSimulationAI\r\n{\r\n\tFlacking Simulation Generator=CFlockingSimulation\r\n\t{\r\n"
                    "\t\tNum Boids=3\r\n\t}\r\n\tIs Active Probability=") +
        probability + "\r\n}\r\n");
    EXPECT_NE(object, nullptr);
    return std::unique_ptr<CFlockingSimulationAI>(static_cast<CFlockingSimulationAI*>(object.release()));
}

TEST(BackgroundSimulationAI, TheActivityRollFollowsTheProbability)
{
    const struct
    {
        const char* probability;
        int32_t active;
    } cases[] = {{"0", 0}, {"1", 40}};
    for (const auto& c : cases)
    {
        int32_t active = 0;
        for (uint32_t seed = 0; seed < 40; seed++)
        {
            CosmeticRandom().SeedFromTick(seed);
            CGameSprite sprite;
            CFlockingSimulationAI* flock = Flock(c.probability).release();
            sprite.AddAI(flock);
            EXPECT_EQ(sprite.m_Damping, 1.0f);
            active += flock->IsActive() ? 1 : 0;
        }
        EXPECT_EQ(active, c.active) << c.probability;
    }
}

// Active: a ninetieth of a second a step and drawn after the sprite;
// inactive: neither; the editor's preview steps and draws either way.
TEST(BackgroundSimulationAI, OnlyActiveOnesStepAndDrawButThePreviewAlwaysDoes)
{
    for (const char* probability : {"0", "1"})
    {
        const bool active = probability[0] == '1';
        CGameSprite sprite;
        CFlockingSimulationAI* flock = Flock(probability).release();
        sprite.AddAI(flock);
        const CFlockingSimulation::Boid before = flock->m_FlockingSimulation.GetBoids()[0];
        sprite.Update();
        const CFlockingSimulation::Boid after = flock->m_FlockingSimulation.GetBoids()[0];
        const float moved = std::hypot(after.x - before.x, after.y - before.y);
        EXPECT_NEAR(moved, active ? before.speed * CBackgroundSimulationAI::kSimulationStep : 0.0f, 1e-3f)
            << probability;
        CRecordingFrame frame;
        sprite.Draw(&frame);
        // Three boids without a picture: two lines each.
        EXPECT_EQ(frame.calls.size(), active ? 6u : 0u) << probability;

        CRecordingFrame preview;
        flock->AfterDrawOverlay(nullptr, &preview);
        EXPECT_EQ(preview.calls.size(), 6u) << probability;
        EXPECT_NE(flock->m_FlockingSimulation.GetBoids()[0].x, after.x) << probability;
    }
}

TEST(BackgroundSimulationAI, ThePreviewShowsTheSeaweedsAngleGuides)
{
    std::unique_ptr<CObject> object =
        ObjectFromText("CSeaWeedAI\r\n{\r\n\tSea Weed=CSeaWeed\r\n\t{\r\n\t\tNum Pieces=1\r\n"
                       "\t\tSequence Starting Angle=1\r\n\t}\r\n\tIs Active Probability=0\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    auto* weed = static_cast<CSeaWeedAI*>(object.get());
    CRecordingFrame game;
    weed->AfterDraw(nullptr, &game);
    CRecordingFrame preview;
    weed->AfterDrawOverlay(nullptr, &preview);
    EXPECT_TRUE(game.calls.empty());
    EXPECT_EQ(preview.calls.size(), 2u);
}

} // namespace
