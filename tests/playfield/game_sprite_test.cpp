#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/sequence.h"
#include "engine/object/editor_hooks.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

namespace {

TEST(SpritePart, FrameFollowsTheProgress)
{
    std::unique_ptr<CSequence> ten(MakeSolidSequence(10, 2, 2, 1));
    const struct
    {
        double progress;
        int32_t frame;
        bool image;
    } cases[] = {{0.95, 9, true},
                 {1.0, 9, true},
                 {0.05, 0, true},
                 {7.0, 9, true},
                 {0.5, 5, true},
                 {-0.5, -5, false},
                 {-1.0e300, INT32_MIN, false}};
    for (const auto& c : cases)
    {
        CSpritePart part(ten.get());
        part.SetProgress(c.progress);
        EXPECT_EQ(part.GetFrameIndex(), c.frame) << c.progress;
        EXPECT_EQ(part.GetImage() != nullptr, c.image) << c.progress;
    }
}

TEST(SpritePart, AdvanceOnceEndsInTheTwelfthStepOfFourFramesAtTwentyPerSecond)
{
    std::unique_ptr<CSequence> four(MakeSolidSequence(4, 2, 2, 1, 20.0f));
    CSpritePart part(four.get());
    for (int step = 1; step <= 11; step++)
    {
        EXPECT_FALSE(part.AdvanceOnce()) << step;
        EXPECT_NEAR(part.GetProgress(), step / 12.0, 1e-12) << step;
    }
    for (int step = 12; step <= 14; step++)
    {
        EXPECT_TRUE(part.AdvanceOnce()) << step;
        EXPECT_EQ(part.GetProgress(), 1.0);
        EXPECT_EQ(part.GetFrameIndex(), 3);
    }
}

TEST(SpritePart, AdvanceLoopingWrapsPastTheEnd)
{
    // 10 frames at 30 per second: 0.05 a step.
    std::unique_ptr<CSequence> ten(MakeSolidSequence(10, 2, 2, 1, 30.0f));
    const struct
    {
        double start;
        double progress;
        int32_t frame;
    } cases[] = {{0.99, 0.04, 0}, {0.95, 1.0, 9}, {0.5, 0.55, 5}, {1.95, 1.0, 9}, {2.96, 0.01, 0}};
    for (const auto& c : cases)
    {
        CSpritePart part(ten.get());
        part.SetProgress(c.start);
        part.AdvanceLooping();
        EXPECT_NEAR(part.GetProgress(), c.progress, 1e-9) << c.start;
        EXPECT_EQ(part.GetFrameIndex(), c.frame) << c.start;
    }
}

// A rate so large that subtracting 1 no longer changes the progress would
// never leave a loop of subtractions; one fmod wraps it at once.
TEST(SpritePart, HugeRatesAndPartsWithoutFramesReturnAtOnce)
{
    std::unique_ptr<CSequence> huge(MakeSolidSequence(2, 2, 2, 1, 1e28f));
    CSpritePart fast(huge.get());
    fast.AdvanceLooping();
    EXPECT_GE(fast.GetProgress(), 0.0);
    EXPECT_LE(fast.GetProgress(), 1.0);
    EXPECT_TRUE(fast.GetImage() != nullptr);

    std::unique_ptr<CSequence> empty(MakeSolidSequence(0, 2, 2, 1, 30.0f));
    for (CSequence* sequence : {empty.get(), static_cast<CSequence*>(nullptr)})
    {
        CSpritePart part(sequence);
        for (int i = 0; i < 1000; i++)
        {
            part.AdvanceLooping();
            EXPECT_TRUE(part.AdvanceOnce());
        }
        EXPECT_EQ(part.GetProgress(), 0.0);
        EXPECT_EQ(part.GetImage(), nullptr);
    }
}

TEST(SpritePart, SetSequenceStartsAnUnsetProgressAtZero)
{
    std::unique_ptr<CSequence> four(MakeSolidSequence(4, 2, 2, 1));
    CSpritePart part(nullptr);
    part.SetProgress(CSpritePart::UNSET_PROGRESS);
    part.SetSequence(four.get());
    EXPECT_EQ(part.GetProgress(), 0.0);
    EXPECT_EQ(part.GetFrameIndex(), 0);
    part.SetProgress(0.6);
    part.SetSequence(four.get());
    EXPECT_EQ(part.GetFrameIndex(), 2);
}

TEST(SpritePart, RandomizedPartsShowTheirFirstFrameWhileTheEditorBuilds)
{
    std::unique_ptr<CSequence> many(MakeSolidSequence(64, 2, 2, 1));
    CEditorHooks& hooks = GetEditorHooks();
    hooks.LevelEditorBuilding = true;
    for (int i = 0; i < 20; i++)
    {
        CSpritePart part(many.get());
        part.SetProgress(0.5);
        part.RandomizeProgress();
        EXPECT_EQ(part.GetFrameIndex(), 0);
    }
    hooks.LevelEditorBuilding = false;
    bool moved = false;
    for (int i = 0; i < 20; i++)
    {
        CSpritePart part(many.get());
        part.RandomizeProgress();
        EXPECT_GE(part.GetProgress(), 0.0);
        EXPECT_LT(part.GetProgress(), 1.0);
        moved = moved || part.GetFrameIndex() != 0;
    }
    EXPECT_TRUE(moved);
}

TEST(GameSprite, PreviousPositionIsUnsetUntilTheFirstUpdate)
{
    CGameSprite sprite;
    sprite.SetPosition(Vector2{5.0f, 6.0f});
    EXPECT_EQ(sprite.GetPreviousPosition().x, UNSET_POSITION);
    EXPECT_EQ(sprite.GetPreviousPosition().y, UNSET_POSITION);
    sprite.m_Velocity = Vector2{1.0f, 0.0f};
    sprite.Update();
    EXPECT_EQ(sprite.GetPreviousPosition().x, 5.0f);
    EXPECT_EQ(sprite.GetPreviousPosition().y, 6.0f);
    sprite.SetPreviousPosition(Vector2{1.0f, 2.0f});
    EXPECT_EQ(sprite.GetPreviousPosition().x, 1.0f);
}

class GameSpriteParts : public testing::Test
{
protected:
    GameSpriteParts()
        : m_Small(MakeSolidSequence(2, 4, 4, 10))
        , m_Large(MakeSolidSequence(1, 10, 6, 20))
    {
        m_Sprite.AddPart(m_Small.get());
        m_Sprite.AddPart(m_Large.get());
        m_Sprite.GetPart(1)->SetOffset(7.4f, -3.6f);
        m_Sprite.SetPosition(Vector2{100.0f, 50.0f});
    }

    std::unique_ptr<CSequence> m_Small;
    std::unique_ptr<CSequence> m_Large;
    CGameSprite m_Sprite;
};

TEST_F(GameSpriteParts, PartsDrawInOrderAtTheirIntegerOffsets)
{
    CRecordingFrame target;
    m_Sprite.Draw(&target);
    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].x0, 98.0f);
    EXPECT_EQ(target.calls[0].y0, 48.0f);
    EXPECT_EQ(target.calls[1].x0, 107.0f - 5.0f);
    EXPECT_EQ(target.calls[1].y0, 46.0f - 3.0f);
    EXPECT_EQ(m_Sprite.GetPartCount(), 2);
    EXPECT_EQ(m_Sprite.GetPartOffset(1).x, 7);
    EXPECT_EQ(m_Sprite.GetPartOffset(1).y, -4);
    EXPECT_EQ(m_Sprite.GetImage(), m_Small->GetFrame(0));
    EXPECT_EQ(m_Sprite.GetPartImage(1), m_Large->GetFrame(0));
    EXPECT_EQ(m_Sprite.GetPartImage(2), nullptr);
}

TEST_F(GameSpriteParts, AHiddenPartIsNeitherDrawnShadowedNorBounded)
{
    CRect bounds;
    m_Sprite.GetBounds(bounds);
    EXPECT_EQ(bounds.left, -5);
    EXPECT_EQ(bounds.top, -3);
    EXPECT_EQ(bounds.right, 5);
    EXPECT_EQ(bounds.bottom, 3);

    m_Sprite.GetPart(1)->m_Flags = PART_COLLIDABLE;
    CRecordingFrame target;
    m_Sprite.Draw(&target);
    m_Sprite.DrawShadow(&target);
    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[1].x0, 98.0f + 10.0f);
    m_Sprite.GetBounds(bounds);
    EXPECT_EQ(bounds.left, -2);
    EXPECT_EQ(bounds.right, 2);
    EXPECT_TRUE(m_Sprite.TestPartFlags(1, PART_COLLIDABLE));
    EXPECT_FALSE(m_Sprite.TestPartFlags(1, PART_VISIBLE | PART_COLLIDABLE));
}

TEST_F(GameSpriteParts, HooksFollowTheDrawsAndTheEditorMarksOnlyWhileItIsOpen)
{
    static std::vector<std::string>* s_pLog = nullptr;
    std::vector<std::string> log;
    s_pLog = &log;
    m_Sprite.AddAI(new CLoggingAI(&log, "ai"));
    CEditorHooks& hooks = GetEditorHooks();
    CEditorHooks saved = hooks;
    hooks.DrawEditorMarks = [](CFrameInterface*, CSprite*) { s_pLog->push_back("marks"); };
    CRecordingFrame target;
    m_Sprite.Draw(&target);
    hooks.IsLevelEditorOpen = [] { return true; };
    m_Sprite.Draw(&target);
    m_Sprite.DrawShadow(&target);
    m_Sprite.SetNoShadow(true);
    m_Sprite.DrawShadow(&target);
    hooks = saved;
    EXPECT_EQ(log, (std::vector<std::string>{"ai:attach", "ai:draw", "ai:draw", "marks", "ai:shadow"}));
    EXPECT_EQ(target.calls.size(), 6u);
}

TEST(GameSprite, WithoutPartsNothingIsDrawnAndTheBoundsAreZero)
{
    CGameSprite sprite;
    CRecordingFrame target;
    sprite.Draw(&target);
    CRect bounds{1, 1, 1, 1};
    sprite.GetBounds(bounds);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(bounds.left | bounds.top | bounds.right | bounds.bottom, 0);
    EXPECT_EQ(sprite.GetImage(), nullptr);
    EXPECT_EQ(sprite.GetPartCount(), 0);
}

} // namespace
