#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "game/bricks/brick_coin.h"
#include "game/playfield/delayed_call_queue.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/print_power_up_text_ai.h"
#include "game/playfield/sprite_list.h"
#include "game/records/stats.h"
#include "tests/support/brick_test_field.h"

namespace {

// Coins of the test style "Coin" (the default rules, the sounds named in
// the test data) collected by the test hitter in a game round of the test
// set; time passes on the delayed-call queue alone, as the game advances it
// before the playfield.
class RingGameTest : public BrickTestField
{
protected:
    void TearDown() override
    {
        // Nothing queued outlives the test's playfield.
        GetDelayedCallQueue().FireAll();
        BrickTestField::TearDown();
    }

    CBrickCoin* AddCoin()
    {
        const Vector2 at{60.0f + 45.0f * static_cast<float>(m_Coins++ % 12), 100.0f + 45.0f * (m_Coins / 12)};
        return static_cast<CBrickCoin*>(AddBrick("CBrickCoin", "Coin", at));
    }

    void Collect() { AddCoin()->HitByBallOrShot(Hitter(), {0.0f, -1.0f}); }

    static void Wait(float seconds)
    {
        const int32_t steps = static_cast<int32_t>(std::lround(seconds * 60.0f));
        for (int32_t i = 0; i < steps; i++)
            GetDelayedCallQueue().Update(CPlayfield::kStepSeconds);
    }

    static uint32_t& Rings() { return GetStats().GetCurrentGame().m_CoinsCollected; }
    static CPlayerStatsForRoundSet& Record() { return *GetStats().GetCurrentRoundSetStats(); }

    int32_t Count(const std::string& call) const
    {
        int32_t count = 0;
        for (const std::string& made : ScopedPlayfieldHooks::s_Calls)
            count += made == call ? 1 : 0;
        return count;
    }

    static CBrickStyleSheetCoin& CoinStyle()
    {
        return *static_cast<CBrickStyleSheetCoin*>(
            GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Coin"))));
    }

    // Every round of the test set but the first has all its rings.
    void FindAllRingsButInRoundZero()
    {
        for (uint32_t round = 1; round < m_pRoundSet->GetRoundCount(); round++)
            Record().RecordRingsFound(round, 5);
    }

    int32_t m_Coins = 0;
};

// One step of a ring-game script and what stands after it.
struct RingStep
{
    enum Kind
    {
        Coin,
        Wait
    } kind;
    float seconds;
    uint32_t rings;
    uint32_t extraBalls;
    // The text box's first two lines after the step; none: not checked.
    const char* firstLine = nullptr;
    const char* secondLine = nullptr;
};

TEST_F(RingGameTest, RingsAreCountedUpAndRedeemedAtTheirPace)
{
    const struct
    {
        const char* name;
        uint32_t startRings;
        uint32_t roundRings;
        std::vector<RingStep> steps;
    } scripts[] = {
        {"the fifth coin of the round",
         4,
         4,
         {{RingStep::Coin, 0, 5, 0, "All Rings Collected", "5 bonus rings awarded"},
          {RingStep::Wait, 0.5f, 5, 0},
          {RingStep::Wait, 1.0f, 6, 0},
          {RingStep::Wait, 1.0f, 7, 0},
          {RingStep::Wait, 1.0f, 8, 0},
          {RingStep::Wait, 1.0f, 9, 0},
          {RingStep::Wait, 1.0f, 10, 0},
          {RingStep::Wait, 10.0f, 10, 0}}},
        {"24 rings and a coin",
         24,
         0,
         {{RingStep::Coin, 0, 25, 0, "Quellorb", "25 Rings Redeemed for Additional Quellorb"},
          {RingStep::Wait, 0.5f, 25, 0},
          {RingStep::Wait, 1.0f, 24, 0},
          {RingStep::Wait, 1.0f, 23, 0},
          {RingStep::Wait, 23.0f, 0, 0},
          {RingStep::Wait, 1.4f, 0, 0},
          {RingStep::Wait, 0.2f, 0, 1},
          {RingStep::Wait, 10.0f, 0, 1}}},
        {"a pickup during the count-down",
         24,
         0,
         {{RingStep::Coin, 0, 25, 0},
          {RingStep::Wait, 3.5f, 22, 0},
          {RingStep::Coin, 0, 1, 1},
          {RingStep::Wait, 30.0f, 1, 1}}},
        {"a five-coin round from 20 rings",
         20,
         0,
         {{RingStep::Coin, 0, 21, 0},
          {RingStep::Coin, 0, 22, 0},
          {RingStep::Coin, 0, 23, 0},
          {RingStep::Coin, 0, 24, 0},
          {RingStep::Coin, 0, 25, 0},
          {RingStep::Wait, 30.0f, 5, 1}}},
    };
    for (const auto& script : scripts)
    {
        SCOPED_TRACE(script.name);
        GetDelayedCallQueue().FireAll();
        Rings() = script.startRings;
        m_pPlayfield->m_RingsThisRound = script.roundRings;
        m_pPlayfield->m_RingsPromised = 0;
        const uint32_t ballsBefore = m_pPlayfield->m_BallsInReserve;
        for (size_t i = 0; i < script.steps.size(); i++)
        {
            SCOPED_TRACE("step " + std::to_string(i));
            const RingStep& step = script.steps[i];
            if (step.kind == RingStep::Coin)
                Collect();
            else
                Wait(step.seconds);
            EXPECT_EQ(Rings(), step.rings);
            EXPECT_EQ(m_pPlayfield->m_BallsInReserve - ballsBefore, step.extraBalls);
            if (step.firstLine != nullptr)
            {
                const std::vector<std::string> lines = BoxLines();
                ASSERT_GE(lines.size(), 2u);
                EXPECT_EQ(lines[0], step.firstLine);
                EXPECT_EQ(lines[1], step.secondLine);
            }
        }
        EXPECT_FALSE(GetDelayedCallQueue().IsPending());
        EXPECT_EQ(m_pPlayfield->m_RingsPromised, 0u);
    }
}

TEST_F(RingGameTest, TheFifthCoinPaysItsPointsAtOnceAndCountsUpWithItsSound)
{
    CoinStyle().m_AllCoinsTutorial = 7;
    m_pPlayfield->m_RingsThisRound = 4;
    const uint32_t score = m_pPlayfield->GetScore();
    const int32_t frontEffects = m_pPlayfield->m_pFrontEffects->Count();
    Collect();
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 5000u + static_cast<uint32_t>(CoinStyle().m_Score));
    EXPECT_EQ(SoundPlays("Brick Turned On.wav"), 1);
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), 1);
    // The pickup's sequence, its burst and the rising bonus text.
    EXPECT_GT(m_pPlayfield->m_pFrontEffects->Count(), frontEffects + 2);
    bool risingText = false;
    for (CSprite* sprite = m_pPlayfield->m_pFrontEffects->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        risingText = risingText || FirstBehaviourAs<CPrintPowerUpTextAI>(sprite) != nullptr;
    EXPECT_TRUE(risingText);
    const std::vector<std::string> tutorials = Tutorials();
    EXPECT_EQ(std::count(tutorials.begin(), tutorials.end(), "7"), 1);

    Wait(5.5f);
    EXPECT_EQ(SoundPlays("Clink.wav"), 5);
    EXPECT_EQ(Count("FlashRingCounter"), 6);
    EXPECT_EQ(Count("FlashRoundRingCount"), 1);
}

TEST_F(RingGameTest, TheRedemptionSoundsEachRingAndTheBallWithTheReserveFlash)
{
    Rings() = 24;
    Collect();
    EXPECT_EQ(SoundPlays("Brick Turned On.wav"), 1);
    Wait(28.0f);
    EXPECT_EQ(SoundPlays("Partial Damage.wav"), 25);
    EXPECT_EQ(SoundPlays("Brick Turned Off.wav"), 1);
    EXPECT_EQ(Count("FlashReserveCounter"), 1);
    EXPECT_EQ(Count("RestartBallCountIndication"), 1);
}

TEST_F(RingGameTest, TheCountDownStopsAtNoRings)
{
    Rings() = 24;
    Collect();
    Wait(2.5f);
    Rings() = 1;
    Wait(30.0f);
    EXPECT_EQ(Rings(), 0u);
    EXPECT_EQ(SoundPlays("Partial Damage.wav"), 3);
    EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 1u);
    EXPECT_EQ(m_pPlayfield->m_RingsPromised, 0u);
}

TEST_F(RingGameTest, ANonGameRoundCountsAndPaysNothing)
{
    m_pPlayfield->m_StandAloneRound = 0;
    Rings() = 24;
    const uint32_t score = m_pPlayfield->GetScore();
    for (int32_t coin = 0; coin < 5; coin++)
        Collect();
    EXPECT_EQ(Rings(), 24u);
    EXPECT_EQ(m_pPlayfield->m_RingsThisRound, 0u);
    EXPECT_EQ(m_pPlayfield->GetScore(), score);
    EXPECT_EQ(Record().GetRingsFound(0), 0u);
    EXPECT_FALSE(GetDelayedCallQueue().IsPending());
    EXPECT_TRUE(BoxLines().empty() || BoxLines()[0] != "All Rings Collected");
    // The pickup itself still shows and sounds, and the coins are gone.
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), 5);
    for (CBrickBase* brick : Bricks())
        EXPECT_TRUE(brick->IsDestroyed());
}

TEST_F(RingGameTest, TheRoundsBestIsKeptAndTheRingGameWonOnceWhenTheLastRoundBecomesWhole)
{
    const struct
    {
        const char* firstRoundName;
        const char* firstRoundNote;
        uint32_t ringsInRoundZero;
        int32_t completions;
    } cases[] = {
        {"Gates", "", 5, 1},
        {"Gates", "", 4, 0},
        {"No Rings Here", "", 0, 1},
        {"no rings", "", 0, 1},
        {"No Ring", "", 0, 0},
        {"Gates", "NO RINGS: a tutorial", 0, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.firstRoundName) + " / " + c.firstRoundNote + " " +
                     std::to_string(c.ringsInRoundZero));
        m_Rounds[0]->m_Note1 = c.firstRoundNote;
        for (uint32_t round = 0; round < Record().m_MostRingsFoundCount; round++)
            Record().m_MostRingFoundPerRound[round] = 0;
        ScopedPlayfieldHooks::s_Calls.clear();
        m_Rounds[0]->m_DisplayName.m_Source = c.firstRoundName;
        // Round 1 becomes whole last, with the coins collected there.
        Record().RecordRingsFound(0, c.ringsInRoundZero);
        Record().RecordRingsFound(2, 5);
        m_pPlayfield->m_RoundIndex = 1;
        m_pPlayfield->m_RingsThisRound = 0;
        for (int32_t coin = 0; coin < 5; coin++)
            Collect();
        EXPECT_EQ(Record().GetRingsFound(1), 5u);
        EXPECT_EQ(Count("OpenPauseMenu"), c.completions);
        // A later best of a whole set is no new completion.
        Collect();
        EXPECT_EQ(Record().GetRingsFound(1), 6u);
        EXPECT_EQ(Count("OpenPauseMenu"), c.completions);
    }
}

TEST_F(RingGameTest, ACheatRecordsNoBestAndNeverWinsButRingsStillPay)
{
    FindAllRingsButInRoundZero();
    GetStats().GetCurrentGame().m_UsedCheat = true;
    Rings() = 20;
    for (int32_t coin = 0; coin < 5; coin++)
        Collect();
    EXPECT_EQ(Record().GetRingsFound(0), 0u);
    EXPECT_EQ(Count("OpenPauseMenu"), 0);
    Wait(30.0f);
    EXPECT_EQ(Rings(), 5u);
    EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 1u);
}

TEST_F(RingGameTest, ACoinGoesOnlyByTheBall)
{
    CBrickBase* neighbour = AddBrick("CBrickNormal", "Normal", {300.0f, 230.0f});
    CBrickCoin* coin = AddCoin();
    coin->MoveTo({300.0f, 200.0f}, false, false);
    const struct
    {
        const char* name;
        std::function<void()> attempt;
    } attempts[] = {
        {"destruction", [&] { coin->Destroy(BrickDestroyInfo{nullptr, false}); }},
        {"an explosion beside it", [&] { neighbour->DestroyByExplosion(2.0f, 0.0f); }},
        {"area damage with a delay", [&] {
             DamageArea(coin->GetSprite(), 60.0f, 60.0f, 0.1f);
             Step(10);
         }},
        {"a hard push out of the field", [&] { coin->Move({-600.0f, 0.0f}, true, true); }},
    };
    for (const auto& attempt : attempts)
    {
        SCOPED_TRACE(attempt.name);
        attempt.attempt();
        EXPECT_FALSE(coin->IsDestroyed());
    }
    AcidHitQuery acid{nullptr, false};
    coin->OnAcidHit(acid);
    EXPECT_TRUE(acid.refuse);
    // A destroyed Change Area changes bricks that accept a new style only.
    EXPECT_FALSE(coin->AcceptsStyleChange());
    EXPECT_TRUE(coin->LetsBallPassThrough(Hitter()));
    EXPECT_FALSE(coin->MustBeDestroyedToFinish());
    EXPECT_FALSE(coin->BlocksBricks());
    EXPECT_EQ(Rings(), 0u);

    EXPECT_TRUE(coin->HitByBallOrShot(Hitter(), {0.0f, -1.0f}));
    EXPECT_TRUE(coin->IsCollected());
    EXPECT_TRUE(coin->IsDestroyed());
    EXPECT_EQ(Rings(), 1u);
}

TEST_F(RingGameTest, StyleDefaults)
{
    CBrickStyleSheetCoin style;
    EXPECT_EQ(style.m_CoinsPerLevel, 5u);
    EXPECT_EQ(style.m_BonusCoins, 5u);
    EXPECT_EQ(style.m_BonusPoints, 5000u);
    EXPECT_EQ(style.m_CoinsForExtraLife, 25u);
    EXPECT_EQ(style.m_BonusCountUpSeconds, 1.0f);
    EXPECT_EQ(style.m_RedeemCountDownSeconds, 1.0f);
    EXPECT_STREQ(style.m_AllCoinsMessage2.m_Shown.GetText(), "%d[BonusAmount] bonus rings awarded");
    EXPECT_STREQ(style.m_ExtraLifeMessage1.m_Shown.GetText(), "Quellorb");
    EXPECT_EQ(style.m_PickupSequence, 0);
    EXPECT_EQ(style.GetBrickClass(), CBrickCoin::SGetClassInfo());
    const struct
    {
        const Polygon2D& polygon;
        float right;
        float bottom;
    } shapes[] = {{style.m_CollisionPoly, 12.0f, 11.0f}, {style.m_GridPolygon, 21.0f, 20.0f}};
    for (const auto& shape : shapes)
    {
        // Closed: the first corner again at the end.
        ASSERT_EQ(shape.polygon.GetCount(), 5u);
        EXPECT_EQ(shape.polygon.GetPoint(0).x, -shape.right);
        EXPECT_EQ(shape.polygon.GetPoint(0).y, -shape.bottom);
        EXPECT_EQ(shape.polygon.GetPoint(2).x, shape.right);
        EXPECT_EQ(shape.polygon.GetPoint(2).y, shape.bottom);
    }
    // Other kinds keep the brick's own shape.
    CBrickStyleSheet* normal = GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Normal")));
    EXPECT_EQ(normal->m_CollisionPoly.GetPoint(2).x, 19.75f);
}

} // namespace
