#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/smoke_generator.h"
#include "game/playfield/smoke_generator_ai.h"
#include "game/playfield/smoke_generator_collection.h"
#include "tests/support/object_forms.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

namespace {

constexpr float kStep = CBackgroundSimulationAI::kSimulationStep;

class SmokeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CosmeticRandom().SeedFromTick(45);
        // Entry 0: ten frames at 30 a second, a third of a second.
        m_Sequences.Add("Puff", MakeSolidSequence(10, 2, 2, 1, 30.0f));
        m_Sequences.Add("Frameless", MakeSolidSequence(0, 2, 2, 1, 30.0f));
        m_Sequences.Add("Still", MakeSolidSequence(4, 2, 2, 1))->SetFramesPerSecond(0.0f);
    }

    std::unique_ptr<CSmokeGenerator> Generator(const std::string& lines)
    {
        std::unique_ptr<CObject> object = ObjectFromText("CSmokeGenerator\r\n{\r\n" + lines + "}\r\n");
        EXPECT_NE(object, nullptr);
        return std::unique_ptr<CSmokeGenerator>(static_cast<CSmokeGenerator*>(object.release()));
    }

    // The steps (from 1) in which the generator made a puff.
    static std::vector<int32_t> SpawnSteps(CSmokeGenerator& generator, int32_t steps)
    {
        std::vector<int32_t> made;
        uint32_t before = generator.GetPuffs().GetCount();
        for (int32_t step = 1; step <= steps; step++)
        {
            generator.Update(kStep, CPoint{5, 7});
            // Puffs live a third of a second, longer than any gap here, and
            // none is removed before the 31st step.
            if (generator.GetPuffs().GetCount() > before)
                made.push_back(step);
            before = generator.GetPuffs().GetCount();
        }
        return made;
    }

    ListedSequences m_Sequences;
};

// The countdown restarts at 1 / rate after each puff instead of carrying the
// overshoot, so a puff comes every ten steps of 1/90 s, not every nine.
TEST_F(SmokeTest, TenASecondWithoutVarianceSpawnsEveryTenthStepFromTheFirst)
{
    std::unique_ptr<CSmokeGenerator> generator = Generator("\tSpawnRate=10\r\n");
    EXPECT_EQ(SpawnSteps(*generator, 25), (std::vector<int32_t>{1, 11, 21}));
    const CSmokeGenerator::Puff& first = generator->GetPuffs()[0];
    EXPECT_EQ(first.x, 5.0f);
    EXPECT_EQ(first.y, 7.0f);
    EXPECT_NEAR(first.framePosition, 25 * kStep * 30.0f, 1e-4f);
}

TEST_F(SmokeTest, VarianceAboveTheRateGivesRunsOfAPuffEveryStep)
{
    std::unique_ptr<CSmokeGenerator> generator = Generator("\tSpawnRate=1\r\n\tSpawnRate Variance=100\r\n");
    const std::vector<int32_t> made = SpawnSteps(*generator, 30);
    int32_t longestRun = 1;
    int32_t run = 1;
    for (size_t i = 1; i < made.size(); i++)
    {
        run = made[i] == made[i - 1] + 1 ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_GE(longestRun, 3);
}

TEST_F(SmokeTest, PuffsDriftPlayOnceAndVanishInOrder)
{
    std::unique_ptr<CSmokeGenerator> generator =
        Generator("\tSpawnRate=30\r\n\tStarting Velocity=90,-45\r\n\tVelocity Variance=0,0\r\n");
    for (int32_t step = 0; step < 30; step++)
        generator->Update(kStep, CPoint{0, 0});
    // A puff lives 30 steps (10 frames at 30 a second, 1/90 s a step).
    ASSERT_GT(generator->GetPuffs().GetCount(), 0u);
    const CSmokeGenerator::Puff& oldest = generator->GetPuffs()[0];
    EXPECT_NEAR(oldest.x, 30 * kStep * 90.0f, 1e-3f);
    EXPECT_NEAR(oldest.y, -30 * kStep * 45.0f, 1e-3f);
    for (uint32_t i = 1; i < generator->GetPuffs().GetCount(); i++)
        EXPECT_LT(generator->GetPuffs()[i].framePosition, generator->GetPuffs()[i - 1].framePosition);
    const uint32_t before = generator->GetPuffs().GetCount();
    generator->Update(kStep, CPoint{0, 0});
    EXPECT_LE(generator->GetPuffs().GetCount(), before);
    EXPECT_LT(generator->GetPuffs()[0].framePosition, 10.0f);

    CRecordingFrame frame;
    generator->Draw(&frame);
    EXPECT_EQ(frame.calls.size(), generator->GetPuffs().GetCount());
}

TEST_F(SmokeTest, ANewSequenceRemovesEveryPuff)
{
    std::unique_ptr<CSmokeGenerator> generator = Generator("\tSpawnRate=50\r\n");
    SpawnSteps(*generator, 10);
    ASSERT_GT(generator->GetPuffs().GetCount(), 0u);
    std::unique_ptr<CObject> copy(generator->CreateSameClass());
    EXPECT_EQ(static_cast<CSmokeGenerator*>(copy.get())->GetPuffs().GetCount(), 0u);
    ASSERT_TRUE(ReadObjectText(generator.get(), "CSmokeGenerator\r\n{\r\n\tSequence=Puff\r\n}\r\n"));
    EXPECT_EQ(generator->GetPuffs().GetCount(), 0u);
}

TEST_F(SmokeTest, AFramelessSequenceRemovesEachPuffInItsStep)
{
    std::unique_ptr<CSmokeGenerator> generator = Generator("\tSequence=Frameless\r\n\tSpawnRate=100\r\n");
    for (int32_t step = 0; step < 20; step++)
    {
        generator->Update(kStep, CPoint{0, 0});
        EXPECT_EQ(generator->GetPuffs().GetCount(), 0u);
    }
    CRecordingFrame frame;
    generator->Draw(&frame);
    EXPECT_TRUE(frame.calls.empty());
}

// Puffs of a sequence that never advances would never finish while new
// ones keep coming.
TEST_F(SmokeTest, ASequenceWithoutAFrameRateSpawnsNothing)
{
    std::unique_ptr<CSmokeGenerator> generator = Generator("\tSequence=Still\r\n\tSpawnRate=100\r\n");
    for (int32_t step = 0; step < 10000; step++)
        generator->Update(kStep, CPoint{0, 0});
    EXPECT_EQ(generator->GetPuffs().GetCount(), 0u);
}

TEST_F(SmokeTest, ACollectionEmitsEveryGeneratorAtItsPosition)
{
    std::unique_ptr<CObject> object = ObjectFromText(
        "CSmokeGeneratorCollection\r\n{\r\n\tPosition=30,40\r\n\tSmoke Generator=Array\r\n\t{\r\n"
        "\t\tItem Count=2\r\n\t\tArray Item=CSmokeGenerator\r\n\t\t{\r\n\t\t}\r\n"
        "\t\tArray Item=CSmokeGenerator\r\n\t\t{\r\n\t\t\tSpawnRate=0\r\n\t\t}\r\n\t}\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    auto* collection = static_cast<CSmokeGeneratorCollection*>(object.get());
    ASSERT_EQ(collection->GetGeneratorCount(), 2u);
    collection->Update(kStep);
    ASSERT_EQ(collection->GetGenerator(0)->GetPuffs().GetCount(), 1u);
    EXPECT_EQ(collection->GetGenerator(0)->GetPuffs()[0].x, 30.0f);
    EXPECT_EQ(collection->GetGenerator(1)->GetPuffs().GetCount(), 0u);
}

// At most four smoke behaviours take part at once in the whole program.
TEST_F(SmokeTest, OnlyFourSmokeBehavioursAreActiveAtOnce)
{
    std::vector<std::unique_ptr<CGameSprite>> sprites;
    std::vector<CSmokeGeneratorAI*> behaviours;
    for (int32_t i = 0; i < 5; i++)
    {
        sprites.push_back(std::make_unique<CGameSprite>());
        behaviours.push_back(new CSmokeGeneratorAI());
        sprites.back()->AddAI(behaviours.back());
    }
    EXPECT_EQ(CSmokeGeneratorAI::GetActiveCount(), 4u);
    EXPECT_FALSE(behaviours[4]->IsActive());
    sprites.erase(sprites.begin());
    EXPECT_EQ(CSmokeGeneratorAI::GetActiveCount(), 3u);
    EXPECT_FALSE(behaviours[4]->IsActive());
    sprites.clear();
    EXPECT_EQ(CSmokeGeneratorAI::GetActiveCount(), 0u);
}

} // namespace
