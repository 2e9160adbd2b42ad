#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/core/maths/random_r250.h"
#include "game/bricks/brick_nearly_indestructible.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/brick_test_field.h"

namespace {

// What one run leaves: the recording's bytes and every brick's state.
struct RunResult
{
    std::vector<uint8_t> stream;
    std::vector<std::string> bricks;
};

class BrickDeterminismTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        setenv("VP_FAKE_CLOCK", "1", 1);
        BrickTestField::SetUp();
    }

    void TearDown() override
    {
        CDemoRecorder::Get().StopRecording();
        BrickTestField::TearDown();
        unsetenv("VP_FAKE_CLOCK");
    }

    // 48 bricks of kinds drawn from the game's generator; then 600 steps,
    // each striking a drawn brick, now and then shoving one, and stepping
    // the brick list.
    RunResult Run(uint32_t seed)
    {
        static const char* const kKinds[][2] = {{"CBrickNormal", "Normal"},
                                                {"CBrickOptional", "Optional"},
                                                {"CBrickNearlyIndestructible", "Indestructible"},
                                                {"CBrickShredder", "Shredder"}};
        m_pPlayfield->m_pBricks->DeleteAll();
        m_pPlayfield->m_pFrontEffects->DeleteAll();
        GameRandom().SeedFromTick(seed);
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StartRecording();
        std::vector<CBrickBase*> bricks;
        for (int32_t i = 0; i < 48; i++)
        {
            const uint32_t kind = GameRandom().Below(4);
            const Vector2 at{60.0f + 42.0f * static_cast<float>(i % 12), 60.0f + 26.0f * static_cast<float>(i / 12)};
            bricks.push_back(AddBrick(kKinds[kind][0], kKinds[kind][1], at));
        }
        for (int32_t step = 0; step < 600; step++)
        {
            CBrickBase* brick = bricks[GameRandom().Below(static_cast<uint32_t>(bricks.size()))];
            if (!brick->IsDestroyed())
                brick->HitByBallOrShot(Hitter(), {0.0f, -1.0f});
            CBrickBase* shoved = bricks[GameRandom().Below(static_cast<uint32_t>(bricks.size()))];
            if (step % 7 == 0 && !shoved->IsDestroyed())
                CombineMotion(shoved, {GameRandom().BetweenFloat(-3.0f, 3.0f), GameRandom().BetweenFloat(-2.0f, 2.0f)});
            // Dead bricks stay listed so the pointers above stay valid.
            for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
            {
                if (!sprite->IsDead())
                    sprite->Update();
            }
            recorder.EndFrame();
        }
        recorder.StopRecording();

        RunResult result;
        const CMessageStream& stream = recorder.GetStream();
        result.stream.assign(stream.GetBuffer(), stream.GetBuffer() + stream.GetLength());
        for (CBrickBase* brick : bricks)
        {
            const CGameSprite* sprite = brick->GetSprite();
            result.bricks.push_back(std::to_string(sprite->IsDead()) + " " + std::to_string(sprite->m_Position.x) +
                                    " " + std::to_string(sprite->m_Position.y) + " " +
                                    std::to_string(sprite->GetPart(0)->GetProgress()));
        }
        return result;
    }
};

TEST_F(BrickDeterminismTest, OneSeedPlaysTheSameTwice)
{
    const RunResult first = Run(1234);
    const RunResult second = Run(1234);
    EXPECT_EQ(first.stream, second.stream);
    EXPECT_EQ(first.bricks, second.bricks);
    EXPECT_GT(first.stream.size(), 0u);
    EXPECT_NE(Run(4321).bricks, first.bricks);
}

} // namespace
