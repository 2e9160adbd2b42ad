#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/bricks/brick_optional.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/delayed_call_queue.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_base.h"
#include "game/records/stats.h"
#include "tests/support/playfield_fixtures.h"

namespace {

using Lines = std::vector<std::string>;

class PlayfieldRoundEndTest : public PlayfieldTest
{
protected:
    // A game on the round with its bricks, play begun.
    void Play(int32_t round, std::vector<TestBrickKind> bricks)
    {
        static_cast<CTestRound*>(m_pRoundSet->GetRound(static_cast<uint32_t>(round)))->m_Bricks = std::move(bricks);
        ASSERT_TRUE(m_pPlayfield->NewGame(round, 1, false, false, false, false));
        Step();
        ASSERT_FALSE(m_pPlayfield->IsLayingBricks());
    }

    // Steps until the score changes or the round changes, at most n steps;
    // answers the steps taken.
    int32_t StepUntilScoreOrRoundChanges(int32_t n)
    {
        const uint32_t score = m_pPlayfield->GetScore();
        const int32_t round = m_pPlayfield->m_RoundIndex;
        for (int32_t i = 1; i <= n; i++)
        {
            Step();
            if (m_pPlayfield->GetScore() != score || m_pPlayfield->m_RoundIndex != round)
                return i;
        }
        return -1;
    }

    uint32_t Calls(const std::string& call) const
    {
        return static_cast<uint32_t>(
            std::count(ScopedPlayfieldHooks::s_Calls.begin(), ScopedPlayfieldHooks::s_Calls.end(), call));
    }
};

TEST_F(PlayfieldRoundEndTest, ClearedRoundCompletesTalliesAndGoesOn)
{
    Play(0, {TestBrickKind::Required, TestBrickKind::Optional, TestBrickKind::Optional});
    m_pPlayfield->AddBall();
    KillRequiredBricks();
    // Step n.
    Step();
    EXPECT_TRUE(m_pPlayfield->m_RoundCleared);
    EXPECT_EQ(m_pPlayfield->m_LevelEndingCountdown, 45u);

    // Step n + 45: the balls stop and the round is complete.
    EXPECT_EQ(StepUntilScoreOrRoundChanges(100), 45);
    EXPECT_EQ(m_pPlayfield->GetScore(), 1000u);
    for (CSprite* ball = m_pPlayfield->m_pBallsInPlay->GetHead(); ball != nullptr; ball = ball->GetNext())
        EXPECT_TRUE(static_cast<CBallAI*>(ball->GetAI())->m_Stopped);
    EXPECT_EQ(BoxLines(), (Lines{"Round Complete", "1,000 Points"}));

    // n + 164, 183, 202, 221: two optional bricks, then two balls.
    const int32_t gaps[] = {119, 19, 19, 19};
    uint32_t expected = 1000;
    for (int32_t gap : gaps)
    {
        EXPECT_EQ(StepUntilScoreOrRoundChanges(200), gap);
        expected += 500;
        EXPECT_EQ(m_pPlayfield->GetScore(), expected);
        EXPECT_EQ(m_pPlayfield->m_RoundIndex, 0);
    }
    EXPECT_EQ(BoxLines()[0], "Bonus Points");
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 4);
    EXPECT_EQ(m_pPlayfield->GetShipAI()->GetHeldBall(), nullptr);
    // n + 281: the next round.
    EXPECT_EQ(StepUntilScoreOrRoundChanges(200), 60);
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 1);
    EXPECT_EQ(m_pPlayfield->GetScore(), 3000u);
}

TEST_F(PlayfieldRoundEndTest, NoShipBonusAndSpecialBallsCountMore)
{
    struct Case
    {
        bool shipActive;
        bool smallBall;
        uint32_t completeScore;
        uint32_t ballScore;
    };
    for (const Case& c : {Case{true, false, 1000, 500}, Case{false, false, 4000, 500}, Case{true, true, 1000, 1000}})
    {
        Play(0, {TestBrickKind::Required});
        CBallAI* ball = static_cast<CBallAI*>(m_pPlayfield->m_pBallsInPlay->GetHead()->GetAI());
        if (c.smallBall)
            ball->MakeSmall();
        m_pPlayfield->GetShipSprite()->SetActive(c.shipActive);
        KillRequiredBricks();
        Step(46);
        EXPECT_EQ(m_pPlayfield->GetScore(), c.completeScore);
        if (!c.shipActive)
        {
            EXPECT_EQ(BoxLines(), (Lines{"Round Complete", "1,000 Points", "No Ship Bonus", "3,000 Points"}));
        }
        Step(119);
        EXPECT_EQ(m_pPlayfield->GetScore(), c.completeScore + c.ballScore);
    }
}

TEST_F(PlayfieldRoundEndTest, FallingCapsuleHoldsTheEndAStepAtATime)
{
    Play(0, {TestBrickKind::Required});
    KillRequiredBricks();
    Step(165);
    CTestImageSprite* capsule = new CTestImageSprite(600.0f, 300.0f);
    capsule->AddAI(new CPowerUpBase);
    m_pPlayfield->m_pFallingPowerUps->Append(capsule);
    // The ball was cashed at n + 164; the end waits 60 steps, then on the
    // capsule.
    Step(60);
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 0);
    EXPECT_EQ(m_pPlayfield->m_TallyCountdown, 1u);
    Step(5);
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 0);
    capsule->Kill();
    Step();
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 1);
}

TEST_F(PlayfieldRoundEndTest, LastRoundOfTheSetEndsTheGameAndCountsAFirstCompletionOnce)
{
    struct Case
    {
        bool cheated;
        bool firstCompletion;
        uint32_t highest;
    };
    for (const Case& c : {Case{true, false, 0}, Case{false, true, 2}, Case{false, false, 2}})
    {
        Play(2, {TestBrickKind::Required});
        GetStats().GetCurrentGame().m_UsedCheat = c.cheated;
        KillRequiredBricks();
        Step();
        EXPECT_EQ(m_pPlayfield->m_FirstCompletion, c.firstCompletion);
        EXPECT_EQ(GetStats().GetCurrentRoundSetStats()->m_HighestRoundCompleted, c.highest);
        Step(223);
        EXPECT_FALSE(m_pPlayfield->m_GameOver);
        Step();
        EXPECT_TRUE(m_pPlayfield->m_GameOver);
        EXPECT_EQ(m_pPlayfield->m_GameOverDelay, 0.0f);
        // No delay: the next step leaves play for the game-over screen of
        // the scored game.
        const uint32_t shown = Calls("OpenStatisticsWindow");
        Step();
        EXPECT_EQ(Calls("OpenStatisticsWindow"), shown + 1);
    }
}

TEST_F(PlayfieldRoundEndTest, DeadAndNonRequiredBricksKeepNothingOpen)
{
    Play(0, {TestBrickKind::Required, TestBrickKind::Indestructible, TestBrickKind::Optional});
    Step(3);
    EXPECT_FALSE(m_pPlayfield->m_RoundCleared);
    // Killed by a script after this step's update pass: the clear test sees
    // it dead but not yet reaped.
    m_pPlayfield->m_pBricks->GetHead()->Kill();
    Step();
    EXPECT_TRUE(m_pPlayfield->m_RoundCleared);
}

TEST_F(PlayfieldRoundEndTest, AttractPlayAsksForTheNextPatternAndNeverCounts)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, true, false, false, true));
    Step();
    KillRequiredBricks();
    Step();
    EXPECT_EQ(Calls("ShowNextMenuPattern"), 1u);
    EXPECT_FALSE(m_pPlayfield->m_RoundCleared);
    EXPECT_EQ(m_pPlayfield->m_LevelEndingCountdown, 0u);
}

TEST_F(PlayfieldRoundEndTest, OnlyPlayedStepsCountTime)
{
    CTestBrickLayer::s_Stepped = true;
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    const float before = GetStats().GetCurrentGame().m_SecondsPlayed;
    Step(2);
    EXPECT_EQ(GetStats().GetCurrentGame().m_SecondsPlayed, before);
    Step(3);
    EXPECT_EQ(GetStats().GetCurrentGame().m_SecondsPlayed, before + 0.016666668f * 3.0f);
    EXPECT_FLOAT_EQ(m_pPlayfield->m_RoundTime, 0.016666668f * 3.0f);
    KillRequiredBricks();
    Step();
    const float cleared = m_pPlayfield->m_RoundTime;
    Step(10);
    EXPECT_EQ(m_pPlayfield->m_RoundTime, cleared);
}

// Holds a delayed call until the test fires it.
class CNothingLater : public CDelayedCallback
{
public:
    void Fire() override {}
};

TEST_F(PlayfieldRoundEndTest, LostBallsCostLivesThenTheGame)
{
    Play(0, {TestBrickKind::Required});
    m_pPlayfield->m_BallsInReserve = 1;
    // A loose ball keeps nothing alive.
    CTestImageSprite* loose = new CTestImageSprite(600.0f, 300.0f);
    CBallAI* looseBall = new CBallAI;
    looseBall->Launch(loose, nullptr, false);
    looseBall->SetLoose(true);
    m_pPlayfield->m_pLooseBalls->Append(loose);
    const int32_t lostSounds = SoundPlays("Lost Ball.wav");

    m_pPlayfield->m_pBallsInPlay->GetHead()->Kill();
    Step();
    EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 0u);
    EXPECT_EQ(GetStats().GetCurrentGame().m_BallsLost, 1u);
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 1);
    EXPECT_EQ(m_pPlayfield->GetShipAI()->GetHeldBall(), m_pPlayfield->m_pBallsInPlay->GetHead());
    EXPECT_EQ(SoundPlays("Lost Ball.wav"), lostSounds + 1);
    EXPECT_EQ(BoxLines(), (Lines{"Out of bounds penalty"}));

    GetDelayedCallQueue().Add(new CNothingLater, 0.5f, 1);
    m_pPlayfield->m_pBallsInPlay->GetHead()->Kill();
    Step(3);
    EXPECT_FALSE(m_pPlayfield->m_GameOver);
    GetDelayedCallQueue().FireAll();
    const int32_t gameOverSounds = SoundPlays("Game Over.wav");
    Step();
    EXPECT_TRUE(m_pPlayfield->m_GameOver);
    EXPECT_EQ(m_pPlayfield->m_GameOverDelay, 2.0f);
    EXPECT_EQ(SoundPlays("Game Over.wav"), gameOverSounds + 1);
    EXPECT_EQ(BoxLines(), (Lines{"Game Over"}));
    EXPECT_TRUE(m_pBox->IsBlinking());
    EXPECT_EQ(m_pBox->GetTimeout(), 0.0f);

    // The lists stand still while the delay runs.
    const Vector2 before = loose->m_Position;
    loose->m_Velocity = {1.0f, 0.0f};
    Step(119);
    EXPECT_EQ(loose->m_Position.x, before.x);
    EXPECT_EQ(Calls("GoToMainMenu"), 0u);
    Step(2);
    EXPECT_EQ(Calls("GoToMainMenu"), 1u);
}

TEST_F(PlayfieldRoundEndTest, HarderSettingHintAfterManyRoundsOnAnEasySetting)
{
    for (int32_t i = 0; i < 32; i++)
        m_pRoundSet->AddRound(m_Rounds[2].get());
    struct Case
    {
        uint32_t lastDifficulty;
        int32_t round;
        uint32_t reserves;
        bool hint;
    };
    for (const Case& c : {Case{1, 31, 2, true}, Case{0, 31, 2, true}, Case{2, 31, 2, false}, Case{1, 30, 2, false},
                          Case{1, 22, 3, true}, Case{1, 22, 2, false}, Case{1, 21, 3, false}})
    {
        Play(c.round, {TestBrickKind::Required});
        GetStats().GetCurrentGame().m_StartingRoundNumber = 0;
        GetStats().GetCurrentPlayer()->m_LastSelectedDifficulty = c.lastDifficulty;
        m_pPlayfield->m_BallsInReserve = c.reserves;
        const uint32_t before = Calls("ShowTutorialPage Suggest Harder Setting");
        KillRequiredBricks();
        Step();
        EXPECT_EQ(Calls("ShowTutorialPage Suggest Harder Setting") - before, c.hint ? 1u : 0u) << c.round;
    }
}

TEST_F(PlayfieldRoundEndTest, EasierSettingHintFromTheFourthGameOverAtOneCheckPoint)
{
    GetStats().GetCurrentRoundSetStats()->m_LastSelectedCheckPoint = 0;
    for (uint32_t gameOver = 1; gameOver <= 5; gameOver++)
    {
        Play(1, {TestBrickKind::Required});
        m_pPlayfield->m_BallsInReserve = 0;
        m_pPlayfield->m_pBallsInPlay->GetHead()->Kill();
        Step();
        ASSERT_TRUE(m_pPlayfield->m_GameOver);
        EXPECT_EQ(GetStats().GetCurrentRoundSetStats()->m_ConsecutiveGameOversOnSameCheckPoint, gameOver);
        EXPECT_EQ(Calls("ShowTutorialPage Suggest Easier Setting"), gameOver >= 4 ? gameOver - 3 : 0u);
    }
    // Not on Easy, and not once the checkpoint's rounds are all completed.
    GetStats().GetCurrentRoundSetStats()->m_HighestRoundCompleted = 9;
    Play(1, {TestBrickKind::Required});
    m_pPlayfield->m_BallsInReserve = 0;
    m_pPlayfield->m_pBallsInPlay->GetHead()->Kill();
    Step();
    EXPECT_EQ(GetStats().GetCurrentRoundSetStats()->m_ConsecutiveGameOversOnSameCheckPoint, 5u);
}

TEST_F(PlayfieldRoundEndTest, ScoreLinesAndAFloorAtZero)
{
    struct Case
    {
        int32_t factor;
        int32_t points;
        uint32_t scoreAfter;
        const char* line;
    };
    for (const Case& c : {Case{1, 99, 1099, nullptr}, Case{1, 100, 1100, "100 Points"}, Case{1, -5, 995, "-5 Points"},
                          Case{57, 100, 1100, "5,700 Points"}, Case{1, -5000, 0, "-5,000 Points"}})
    {
        GetStats().GetCurrentGame().m_PointsScored = 1000;
        ScopedPlayfieldHooks::s_PointsFactor = c.factor;
        m_pBox->ShowText("Round 1", 1, 0.0f, false);
        m_pPlayfield->AddScore(c.points);
        EXPECT_EQ(m_pPlayfield->GetScore(), c.scoreAfter);
        if (c.line == nullptr)
        {
            EXPECT_EQ(BoxLines(), (Lines{"Round 1"}));
            EXPECT_EQ(m_pBox->GetTimeout(), 0.0f);
        }
        else
        {
            EXPECT_EQ(BoxLines(), (Lines{"Round 1", c.line}));
            EXPECT_EQ(m_pBox->GetTimeout(), 4.0f);
        }
    }
    // Ten points less five hundred is no points, not four billion.
    GetStats().GetCurrentGame().m_PointsScored = 10;
    m_pPlayfield->AddScore(-500);
    EXPECT_EQ(m_pPlayfield->GetScore(), 0u);
}

TEST_F(PlayfieldRoundEndTest, AddLifeAndEndGame)
{
    Play(0, {TestBrickKind::Required});
    m_pPlayfield->AddLife();
    EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 3u);
    EXPECT_EQ(Calls("RestartBallCountIndication"), 1u);
    m_pPlayfield->EndGame(1);
    EXPECT_TRUE(m_pPlayfield->m_GameOver);
    EXPECT_EQ(m_pPlayfield->m_GameOverDelay, 2.0f);
    m_pPlayfield->m_EditorTestPlay = true;
    m_pPlayfield->EndGame(0);
    EXPECT_EQ(m_pPlayfield->m_GameOverDelay, 0.0f);
    EXPECT_EQ(Calls("OpenLevelEditor"), 1u);
}

TEST_F(PlayfieldRoundEndTest, TallySkipsWhatWasKilledSinceTheLastReap)
{
    Play(0, {TestBrickKind::Required, TestBrickKind::Optional});
    KillRequiredBricks();
    Step(164);
    // A shot destroyed the optional brick in the step before the tally's:
    // its score is paid and it must not be cashed again.
    CSprite* optional = m_pPlayfield->m_pBricks->GetHead();
    while (optional != nullptr && !optional->GetAI()->IsKindOf(CBrickOptional::SGetClassInfo()))
        optional = optional->GetNext();
    ASSERT_NE(optional, nullptr);
    optional->Kill();
    const uint32_t before = m_pPlayfield->GetScore();
    Step();
    EXPECT_EQ(m_pPlayfield->GetScore(), before + 500);
    // The ball was cashed instead (reaped with the lists' next move).
    ASSERT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 1);
    EXPECT_TRUE(m_pPlayfield->m_pBallsInPlay->GetHead()->IsDead());
    EXPECT_EQ(m_pPlayfield->m_TallyCountdown, 60u);
}

} // namespace
