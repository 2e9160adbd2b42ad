#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/ball_plug_in_starfish.h"
#include "game/bricks/brick_plug_in_starfish.h"
#include "game/bricks/brick_starfish_goal.h"
#include "game/bricks/starfish_attach.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/recording_frame.h"

namespace {

int64_t s_FixedNanoseconds = 0;

int64_t FixedClock()
{
    return s_FixedNanoseconds;
}

class StarfishTest : public BrickTestField
{
protected:
    static CSequence* Look(const char* name)
    {
        return GetSequenceList().GetItemObject(static_cast<uint32_t>(GetSequenceList().Find(name, -1)));
    }

    void TearDown() override
    {
        SetNanosecondClock(nullptr);
        BrickTestField::TearDown();
    }

    CBallAI* Ball(const Vector2& at, bool small = false) { return AddTestBall(*m_pPlayfield, at, {0.0f, 4.0f}, small); }

    // A Normal brick carrying a starfish.
    CBrickBase* StarfishBrick(const Vector2& at)
    {
        CBrickBase* brick = AddBrick("CBrickNormal", "Quiet", at);
        auto* starfish = new CBrickPlugInStarFish;
        starfish->SetDefaults();
        brick->GetPlugIns().AddPlugIn(starfish);
        return brick;
    }

    CBrickStarfishGoal* Goal(const Vector2& at)
    {
        return static_cast<CBrickStarfishGoal*>(AddBrick("CBrickStarfishGoal", "Starfish Goal", at));
    }

    static bool Carries(const CBallAI* ball)
    {
        return ball->FindPlugIn(CBallPlugInStarFish::SGetClassInfo()) != nullptr;
    }

    uint32_t StarfishTutorials() const
    {
        uint32_t count = 0;
        for (const std::string& call : ScopedPlayfieldHooks::s_Calls)
            count += call == "ShowTutorialPage Starfish" ? 1u : 0u;
        return count;
    }
};

TEST_F(StarfishTest, ADestroyedStarfishBrickGivesItsStarfishToTheNearestBallTheEarlierOfEquals)
{
    struct Case
    {
        const char* name;
        Vector2 first;
        Vector2 second;
        bool firstTakes;
    };
    const Case cases[] = {
        {"equally near", {200.0f, 300.0f}, {400.0f, 300.0f}, true},
        {"second nearer", {100.0f, 300.0f}, {310.0f, 290.0f}, false},
        {"first nearer", {299.0f, 320.0f}, {300.0f, 330.0f}, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        CBallAI* first = Ball(c.first);
        CBallAI* second = Ball(c.second);
        CBrickBase* brick = StarfishBrick({300.0f, 300.0f});
        EXPECT_TRUE(brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        EXPECT_EQ(Carries(first), c.firstTakes);
        EXPECT_EQ(Carries(second), !c.firstTakes);
    }
}

TEST_F(StarfishTest, AStarfishNoBallCanTakeWaitsWithTheShipUntilOneCan)
{
    CPlayerShipAI* ship = AddTestShip(*m_pPlayfield, {300.0f, 560.0f});
    CBallAI* ball = Ball({300.0f, 200.0f});
    StarfishBrick({100.0f, 100.0f})->Destroy(BrickDestroyInfo{nullptr, false});
    StarfishBrick({500.0f, 100.0f})->Destroy(BrickDestroyInfo{nullptr, false});
    EXPECT_TRUE(Carries(ball));
    EXPECT_EQ(ship->GetPendingStarfish(), 1);

    // The only ball already carries one: the ship keeps waiting.
    m_pPlayfield->GetShipSprite()->Update();
    EXPECT_EQ(ship->GetPendingStarfish(), 1);

    // A lost ball's starfish goes to the ship too, as no other ball is left.
    ball->GetSprite()->m_Position.y = 630.0f;
    RunBallStep(ball);
    EXPECT_TRUE(ball->GetSprite()->IsDead());
    EXPECT_EQ(ship->GetPendingStarfish(), 2);

    // The ship hands one on per update, and a dead ball never takes one.
    CBallAI* served = Ball({320.0f, 500.0f});
    m_pPlayfield->GetShipSprite()->Update();
    EXPECT_TRUE(Carries(served));
    EXPECT_EQ(ship->GetPendingStarfish(), 1);
    m_pPlayfield->GetShipSprite()->Update();
    EXPECT_EQ(ship->GetPendingStarfish(), 1);
}

TEST_F(StarfishTest, ALostBallsStarfishMovesToTheNearestOtherBall)
{
    CBallAI* lost = Ball({300.0f, 200.0f});
    CBallAI* far = Ball({100.0f, 100.0f});
    CBallAI* near = Ball({320.0f, 500.0f});
    ASSERT_TRUE(AttachStarfishToNearestBall({300.0f, 200.0f}));
    ASSERT_TRUE(Carries(lost));
    // Lost earlier in the same update: still listed, nearest, and passed by.
    CBallAI* goneBefore = Ball({300.0f, 610.0f});
    goneBefore->GetSprite()->Kill();
    lost->GetSprite()->m_Position.y = 630.0f;
    RunBallStep(lost);
    EXPECT_TRUE(Carries(near));
    EXPECT_FALSE(Carries(far));
    EXPECT_FALSE(Carries(goneBefore));
}

TEST_F(StarfishTest, ABallBringingAStarfishBreaksTheGoalWithItsScoreAndEffects)
{
    CBrickStarfishGoal* goal = Goal({300.0f, 100.0f});
    CBallAI* ball = Ball({300.0f, 130.0f});
    ASSERT_TRUE(AttachStarfishToNearestBall({300.0f, 130.0f}));
    const uint32_t score = m_pPlayfield->GetScore();

    EXPECT_TRUE(goal->HitByBallOrShot(ball, {0.0f, 1.0f}));
    EXPECT_TRUE(goal->IsDestroyed());
    EXPECT_TRUE(goal->IsCompleted());
    EXPECT_FALSE(Carries(ball));
    EXPECT_EQ(SoundPlays("Brick Turned On.wav"), 1);
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), 1);
    EXPECT_EQ(SoundPlays("Clink.wav"), 0);
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 25);
}

TEST_F(StarfishTest, HitsWithoutAStarfishBounceTwentyFourTimesWithTheSoundThenSilentlyAndTheGoalStands)
{
    CBrickStarfishGoal* goal = Goal({300.0f, 100.0f});
    CBallAI* ball = Ball({300.0f, 130.0f});
    for (int32_t hit = 1; hit <= 30; hit++)
    {
        CHitterOfBricks* hitter = hit % 2 == 0 ? static_cast<CHitterOfBricks*>(ball) : Hitter();
        goal->HitByBallOrShot(hitter, {0.0f, 1.0f});
        EXPECT_EQ(SoundPlays("Clink.wav"), hit < 25 ? hit : 24) << hit;
    }
    EXPECT_FALSE(goal->IsDestroyed());
    EXPECT_FALSE(goal->IsCompleted());
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), 0);
    EXPECT_EQ(SoundPlays("Brick Turned On.wav"), 0);
    EXPECT_TRUE(goal->MustBeDestroyedToFinish());
}

TEST_F(StarfishTest, ExplosionsAcidAndTheShipCannotRemoveTheGoal)
{
    CBrickStarfishGoal* goal = Goal({300.0f, 100.0f});
    CBrickBase* detonator = AddBrick("CBrickOnOff", "Detonator", {340.0f, 100.0f});
    DamageArea(detonator->GetSprite(), 60.0f, 60.0f, 0.0f);
    DamageArea(detonator->GetSprite(), 60.0f, 60.0f, 0.05f);
    for (int32_t i = 0; i < 10; i++)
        goal->GetSprite()->Update();
    EXPECT_FALSE(goal->DestroyByExplosion(1.0f, 0.0f));
    goal->OnTouchedByShip(nullptr);
    goal->GetSprite()->Update();
    AcidHitQuery acid{nullptr, false};
    goal->OnAcidHit(acid);
    EXPECT_TRUE(acid.refuse);
    EXPECT_FALSE(goal->IsDestroyed());
    EXPECT_FALSE(goal->IsVulnerableFrom({300.0f, 200.0f}));
    EXPECT_TRUE(goal->AppearsWithoutBrickLayer());
}

TEST_F(StarfishTest, TheTutorialPageShowsInAGameRoundOnlyAndTheStarfishLeavesOnce)
{
    for (bool nonGame : {false, true})
    {
        SCOPED_TRACE(nonGame);
        m_pPlayfield->m_StandAloneRound = nonGame ? 0 : -1;
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        const uint32_t tutorials = StarfishTutorials();
        CBallAI* first = Ball({300.0f, 200.0f});
        CBallAI* second = Ball({310.0f, 200.0f});
        // A brick that refuses its destruction still lets its starfish go,
        // and only once.
        CBrickBase* brick = AddBrick("CBrickStarfishGoal", "Starfish Goal", {300.0f, 150.0f});
        auto* starfish = new CBrickPlugInStarFish;
        starfish->SetDefaults();
        brick->GetPlugIns().AddPlugIn(starfish);
        EXPECT_FALSE(brick->Destroy(BrickDestroyInfo{nullptr, false}));
        EXPECT_FALSE(brick->Destroy(BrickDestroyInfo{nullptr, false}));
        EXPECT_TRUE(starfish->HasLeft());
        EXPECT_TRUE(Carries(first));
        EXPECT_FALSE(Carries(second));
        EXPECT_EQ(StarfishTutorials() - tutorials, nonGame ? 0u : 1u);
        brick->GetSprite()->Kill();
    }
    m_pPlayfield->m_StandAloneRound = -1;
}

TEST_F(StarfishTest, TheBallShowsTheSmallOrNormalLookByTheClockAndTheBrickItsOwnFrame)
{
    const CSequence* normal = Look("Starfish Ball Overlay");
    const CSequence* small = Look("Starfish overlay small");
    SetNanosecondClock(FixedClock);
    struct Case
    {
        bool small;
        int64_t milliseconds;
        const CSequence* look;
        uint32_t frame;
    };
    // The ball's looks show 10 frames a second: 150 ms rounds to frame 2,
    // which wraps to 0 of two.
    const Case cases[] = {{false, 100, normal, 1}, {false, 150, normal, 0}, {true, 100, small, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.small << " " << c.milliseconds);
        s_FixedNanoseconds = c.milliseconds * 1000000;
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        CBallAI* ball = Ball({200.0f, 300.0f}, c.small);
        ASSERT_TRUE(AttachStarfishToNearestBall({200.0f, 300.0f}));
        CRecordingFrame frame;
        ball->FindPlugIn(CBallPlugInStarFish::SGetClassInfo())->DrawOverlay(&frame);
        ASSERT_EQ(frame.calls.size(), 1u);
        EXPECT_EQ(frame.calls[0].source, c.look->GetFrame(c.frame));
    }

    CBrickBase* brick = StarfishBrick({100.0f, 100.0f});
    brick->GetSprite()->GetPart(0)->SetProgress(0.5);
    CRecordingFrame frame;
    brick->AfterDraw(brick->GetSprite(), &frame);
    ASSERT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.calls[0].source, Look("Starfish1")->GetFrame(2));
}

} // namespace
