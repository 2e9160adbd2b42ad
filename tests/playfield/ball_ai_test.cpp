#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/core/messages/message_type.h"
#include "engine/core/maths/random_r250.h"
#include "engine/platform/tick_counter.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/ball_plug_in_type1.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"

namespace {

std::vector<std::string> s_PlugInLog;

// Plug-ins that log what the ball tells them; the refusing one refuses
// every newcomer.
class CLoggingPlugIn : public CBallPlugIn
{
    VP_DECLARE_CLASS(CLoggingPlugIn)
public:
    CLoggingPlugIn() { ConstructProperties(SGetClassInfo()); }
    ~CLoggingPlugIn() override { DestroyProperties(SGetClassInfo()); }
    void OnAttached() override { s_PlugInLog.push_back("attached"); }
    void OnAddedAgain() override { s_PlugInLog.push_back("again"); }
    void OnMessage(CMessage& message) override
    {
        if (message.GetTypeId() == GetMessageTypeId("BallOutOfPlay"))
            s_PlugInLog.push_back("out of play");
    }
};

class CRefusingPlugIn : public CBallPlugIn
{
    VP_DECLARE_CLASS(CRefusingPlugIn)
public:
    CRefusingPlugIn() { ConstructProperties(SGetClassInfo()); }
    ~CRefusingPlugIn() override { DestroyProperties(SGetClassInfo()); }
    void OnAttached() override {}
    bool KeepWhenAdding(CBallPlugIn*) override { return false; }
};

VP_IMPLEMENT_ABSTRACT_CLASS(CLoggingPlugIn, CBallPlugIn, 0.0f)
VP_IMPLEMENT_ABSTRACT_CLASS(CRefusingPlugIn, CBallPlugIn, 0.0f)

void CLoggingPlugIn::RegisterProperties(CClassInfo*)
{
}

void CRefusingPlugIn::RegisterProperties(CClassInfo*)
{
}

float Length(const Vector2& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}

class BallTest : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
        s_PlugInLog.clear();
    }

    CBallAI* Ball(const Vector2& at, const Vector2& velocity, bool small = false)
    {
        return AddTestBall(*m_pPlayfield, at, velocity, small);
    }
};

struct WallCase
{
    const char* name;
    bool small;
    bool scoreBoard;
    Vector2 at;
    Vector2 velocity;
    Vector2 expectedAt;
    bool bounces;
};

TEST_F(BallTest, WallsTurnTheBallAndPutItBackInside)
{
    const WallCase cases[] = {
        {"top", false, true, {300.0f, 19.0f}, {1.0f, -3.0f}, {300.0f, 21.1f}, true},
        {"right, no score board", false, false, {630.0f, 300.0f}, {3.0f, 1.0f}, {630.0f, 300.0f}, false},
        {"right, score board", false, true, {630.0f, 300.0f}, {3.0f, 1.0f}, {614.9f, 300.0f}, true},
        {"left, small", true, true, {5.0f, 300.0f}, {-2.0f, 1.0f}, {14.1f, 300.0f}, true},
        {"right, small", true, true, {625.0f, 300.0f}, {2.0f, 1.0f}, {622.9f, 300.0f}, true},
        {"moving away from the wall", false, true, {10.0f, 300.0f}, {2.0f, 1.0f}, {10.0f, 300.0f}, false},
    };
    for (const WallCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pPlayfield->m_ScoreBoardShown = c.scoreBoard;
        CBallAI* ball = Ball(c.at, c.velocity, c.small);
        const int32_t bounces = SoundPlays("Bounce.wav");
        RunBallStep(ball);
        const CSprite* sprite = ball->GetSprite();
        EXPECT_FLOAT_EQ(sprite->m_Position.x, c.expectedAt.x);
        EXPECT_FLOAT_EQ(sprite->m_Position.y, c.expectedAt.y);
        EXPECT_EQ(SoundPlays("Bounce.wav"), bounces + (c.bounces ? 1 : 0));
        EXPECT_EQ(ball->HasBounced(), c.bounces);
        if (c.bounces)
        {
            // Reflected on the wall's axis, one bounce's gain faster.
            EXPECT_NEAR(Length(sprite->m_Velocity), Length(c.velocity) + 0.0125f, 1e-4f);
            EXPECT_TRUE(c.at.y < 21.0f ? sprite->m_Velocity.y > 0.0f
                                       : (sprite->m_Velocity.x > 0.0f) == (c.velocity.x < 0.0f));
        }
    }
}

TEST_F(BallTest, BelowTheFieldTheBallDiesTellsItsPlugInsAndTheStepGoesOn)
{
    CBallAI* ball = Ball({5.0f, 625.0f}, {-1.0f, 2.0f});
    ball->AddPlugIn(new CLoggingPlugIn);
    RunBallStep(ball);
    EXPECT_TRUE(ball->GetSprite()->IsDead());
    EXPECT_EQ(s_PlugInLog, (std::vector<std::string>{"attached", "out of play"}));
    // The left wall still turned it.
    EXPECT_FLOAT_EQ(ball->GetSprite()->m_Position.x, 22.1f);
    EXPECT_GT(ball->GetSprite()->m_Velocity.x, 0.0f);
}

TEST_F(BallTest, ShipAimsByWhereTheBallMeetsTheShield)
{
    AddTestShip(*m_pPlayfield, {320.0f, 560.0f});
    CSprite* ship = m_pPlayfield->GetShipSprite();
    const float base = 5.4166665f;
    struct Case
    {
        Vector2 at;
        Vector2 velocity;
        Vector2 expected;
    } cases[] = {
        // 62 px right of the centre: 45 degrees up-right at base + one gain.
        {{382.0f, 540.0f}, {0.0f, 4.0f}, {(base + 0.0125f) * 0.70710677f, -(base + 0.0125f) * 0.70710677f}},
        // From the side: 45 degrees at its own speed.
        {{300.0f, 550.0f}, {0.0f, 4.0f}, {-4.0f * 0.70710677f, -4.0f * 0.70710677f}},
        // Moving up: nothing.
        {{382.0f, 540.0f}, {0.0f, -4.0f}, {0.0f, -4.0f}},
    };
    for (const Case& c : cases)
    {
        CBallAI* ball = Ball(c.at, c.velocity);
        ball->HitShip(ball->GetSprite(), ship);
        EXPECT_NEAR(ball->GetSprite()->m_Velocity.x, c.expected.x, 1e-3f);
        EXPECT_NEAR(ball->GetSprite()->m_Velocity.y, c.expected.y, 1e-3f);
    }
}

TEST_F(BallTest, LooseSmallBallAtTheShipBecomesAPlainBallInPlayAtTheFirstBallsSpeed)
{
    AddTestShip(*m_pPlayfield, {320.0f, 560.0f});
    CBallAI* first = Ball({300.0f, 300.0f}, {0.0f, 7.0f});
    first->SetBaseSpeed(7.0f);
    CGameSprite* looseSprite = new CGameSprite;
    looseSprite->SetPosition({330.0f, 540.0f});
    looseSprite->m_Velocity = {0.0f, 2.0f};
    CBallAI* loose = new CBallAI;
    loose->Launch(looseSprite, nullptr, true);
    loose->SetLoose(true);
    loose->AddPlugIn(Configured<CBallPlugInFireBall>());
    m_pPlayfield->m_pLooseBalls->Append(looseSprite);

    loose->HitShip(looseSprite, m_pPlayfield->GetShipSprite());

    EXPECT_TRUE(looseSprite->IsDead());
    ASSERT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 2);
    CSprite* joined = m_pPlayfield->m_pBallsInPlay->GetTail();
    const CBallAI* ball = dynamic_cast<const CBallAI*>(joined->GetAI());
    ASSERT_NE(ball, nullptr);
    EXPECT_FALSE(ball->IsSmall());
    EXPECT_FALSE(ball->IsLoose());
    EXPECT_EQ(ball->GetPlugInCount(), 0u);
    EXPECT_FLOAT_EQ(joined->m_Velocity.y, 7.0f);
    EXPECT_EQ(joined->m_Position.x, 330.0f);
}

TEST_F(BallTest, EveryBounceAddsTheGainOfTheDifficulty)
{
    CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, -5.4166665f});
    for (int32_t i = 0; i < 100; i++)
        ball->PreventStall(false);
    EXPECT_NEAR(Length(ball->GetSprite()->m_Velocity), 6.6666665f, 1e-4f);

    // However long the round, bounces stop at the speed ceiling.
    CBallAI* fast = Ball({300.0f, 300.0f}, {0.0f, -49.99f});
    fast->PreventStall(false);
    EXPECT_FLOAT_EQ(Length(fast->GetSprite()->m_Velocity), CBallAI::kSpeedCeiling);
    fast->PreventStall(false);
    EXPECT_FLOAT_EQ(Length(fast->GetSprite()->m_Velocity), CBallAI::kSpeedCeiling);
}

TEST_F(BallTest, TimedSpeedChangeEasesBackToTheBaseSpeed)
{
    CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, -6.0f});
    ball->SetBaseSpeed(6.0f);
    ball->SetSpeedChange(0.01f, 120);
    EXPECT_NEAR(Length(ball->GetSprite()->m_Velocity), 0.06f, 1e-5f);
    for (int32_t step = 1; step <= 120; step++)
    {
        RunBallStep(ball);
        if (step == 60)
        {
            EXPECT_NEAR(Length(ball->GetSprite()->m_Velocity), 3.03f, 1e-4f);
        }
    }
    EXPECT_NEAR(Length(ball->GetSprite()->m_Velocity), 6.0f, 1e-5f);
}

TEST_F(BallTest, MultipliedSpeedIsRefusedFromTwentyFiveAndHeldAtFifty)
{
    struct Case
    {
        float base;
        float factor;
        float once;
        float twice;
    } cases[] = {{24.0f, 2.0f, 48.0f, 48.0f}, {24.9f, 10.0f, 50.0f, 50.0f}, {3.0f, 3.0f, 9.0f, 27.0f}};
    for (const Case& c : cases)
    {
        CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, -c.base});
        ball->SetBaseSpeed(c.base);
        ball->MultiplySpeed(c.factor);
        EXPECT_FLOAT_EQ(ball->GetBaseSpeed(), c.once);
        EXPECT_FLOAT_EQ(Length(ball->GetSprite()->m_Velocity), c.once);
        ball->MultiplySpeed(c.factor);
        EXPECT_FLOAT_EQ(ball->GetBaseSpeed(), c.twice);
    }
}

int64_t s_Nanoseconds = 0;

int64_t ManualClock()
{
    return s_Nanoseconds;
}

float Degrees(const Vector2& v)
{
    return std::atan2(v.y, v.x) * 57.29578f;
}

// The next bounce draws no random turn (one in ten does).
void SeedWithoutRandomTurn()
{
    for (uint32_t seed = 1;; seed++)
    {
        GameRandom().SeedFromTick(seed);
        CRandom copy = GameRandom();
        if (copy.Below(10) != 3)
            return;
    }
}

TEST_F(BallTest, FlatBouncesTurnAwayFromHorizontalAfterTheStallTime)
{
    const NanosecondClock previous = SetNanosecondClock(&ManualClock);
    s_Nanoseconds = 5'000'000'000;
    struct Case
    {
        float y;
        int64_t stallMilliseconds;
        float turn;
    } cases[] = {{300.0f, 2000, 8.0f}, {500.0f, 8000, 2.0f}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.y);
        CBallAI* ball = Ball({300.0f, c.y}, {5.0f, -0.1f});
        Vector2& velocity = ball->GetSprite()->m_Velocity;
        // Thirty flat bounces within the time stay flat. They draw no random
        // turn: one that left the flat band would start the stall time
        // again and make the later turns depend on the seed.
        for (int32_t i = 0; i < 30; i++)
        {
            SeedWithoutRandomTurn();
            velocity = {5.0f, -0.1f};
            ball->PreventStall(true);
            EXPECT_NEAR(Degrees(velocity), -1.1457628f, 0.1f);
            s_Nanoseconds += (c.stallMilliseconds - 100) * 1'000'000 / 30;
        }
        s_Nanoseconds += 200'000'000;
        // Every later flat bounce of the run turns at once, keeping its
        // vertical sense, whichever way it flies.
        struct Turn
        {
            Vector2 velocity;
            float expectedDegrees;
        } turns[] = {{{5.0f, -0.1f}, -1.1457628f - c.turn}, {{-5.0f, 0.1f}, 178.85424f - c.turn}};
        for (const Turn& t : turns)
        {
            SeedWithoutRandomTurn();
            velocity = t.velocity;
            ball->PreventStall(true);
            // The engine's sine table is good to about a tenth of a degree.
            EXPECT_NEAR(Degrees(velocity), t.expectedDegrees, 0.1f);
        }
    }
    SetNanosecondClock(previous);
}

TEST_F(BallTest, SplitFansTheCopiesOverTheCircleUpToTheLimit)
{
    for (int32_t i = 0; i < 97; i++)
        Ball({300.0f, 300.0f}, {0.0f, 0.0f});
    CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, -4.0f});
    ball->AddPlugIn(Configured<CBallPlugInBombBall>());
    ball->SplitBall(3, 0, 0);
    ASSERT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 100);
    for (CSprite* sprite = m_pPlayfield->m_pBallsInPlay->GetTail()->GetPrevious(); sprite != nullptr;
         sprite = sprite->GetNext())
    {
        EXPECT_NEAR(Length(sprite->m_Velocity), 4.0f, 1e-4f);
        EXPECT_EQ(static_cast<CBallAI*>(sprite->GetAI())->GetPlugInCount(), 1u);
    }
    const Vector2 second = m_pPlayfield->m_pBallsInPlay->GetTail()->GetPrevious()->m_Velocity;
    EXPECT_NEAR(Degrees(second), -90.0f + 120.0f, 0.1f);
    ball->SplitBall(3, 0, 0);
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 100);
}

TEST_F(BallTest, SplitCountIsNotCutAndAStillBallSplitsAsIfGoingUp)
{
    for (int32_t i = 0; i < 98; i++)
        Ball({300.0f, 300.0f}, {0.0f, 0.0f});
    CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, 0.05f});
    ball->SplitBall(5, 0, 0);
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 103);
    EXPECT_NEAR(Length(m_pPlayfield->m_pBallsInPlay->GetTail()->m_Velocity), 5.4166665f, 1e-4f);

    m_pPlayfield->m_pBallsInPlay->DeleteAll();
    m_pPlayfield->m_RoundCleared = true;
    Ball({300.0f, 300.0f}, {0.0f, -4.0f})->SplitBall(3, 0, 0);
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 1);
}

TEST_F(BallTest, PushThatCancelsTheVelocityKeepsIt)
{
    CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, 3.0f});
    CSprite shot;
    shot.SetPosition({300.0f, 320.0f});
    shot.m_Velocity = {0.0f, -5.0f};
    ball->PushedByShot(&shot);
    EXPECT_EQ(ball->GetSprite()->m_Velocity.x, 0.0f);
    EXPECT_EQ(ball->GetSprite()->m_Velocity.y, 3.0f);

    shot.m_Velocity = {5.0f, 0.0f};
    ball->PushedByShot(&shot);
    EXPECT_NEAR(Length(ball->GetSprite()->m_Velocity), 3.0f, 1e-5f);
    EXPECT_GT(ball->GetSprite()->m_Velocity.x, 0.0f);
}

TEST_F(BallTest, PlugInsReplaceTheirKindKeepOthersAndANewcomerOfAnExactClassChangesNothing)
{
    CBallAI* ball = Ball({300.0f, 300.0f}, {0.0f, -4.0f});
    ball->AddPlugIn(Configured<CBallPlugInFireBall>());
    ball->AddPlugIn(Configured<CBallPlugInRailBall>());
    ASSERT_EQ(ball->GetPlugInCount(), 1u);
    EXPECT_NE(ball->FindPlugIn(CBallPlugInRailBall::SGetClassInfo()), nullptr);
    ball->AddPlugIn(Configured<CBallPlugInBombBall>());
    EXPECT_EQ(ball->GetPlugInCount(), 2u);
    auto* bomb = static_cast<CBallPlugInBombBall*>(ball->FindPlugIn(CBallPlugInBombBall::SGetClassInfo()));
    EXPECT_TRUE(bomb->Detonate());
    EXPECT_FALSE(bomb->Detonate());
    ball->AddPlugIn(Configured<CBallPlugInBombBall>());
    EXPECT_EQ(ball->GetPlugInCount(), 2u);
    EXPECT_EQ(ball->FindPlugIn(CBallPlugInBombBall::SGetClassInfo()), bomb);
    EXPECT_TRUE(bomb->IsArmed());

    CBallAI* other = Ball({300.0f, 300.0f}, {0.0f, -4.0f});
    other->AddPlugIn(new CLoggingPlugIn);
    other->AddPlugIn(new CRefusingPlugIn);
    other->AddPlugIn(new CLoggingPlugIn);
    EXPECT_EQ(other->GetPlugInCount(), 2u);
    EXPECT_NE(other->FindPlugIn(CRefusingPlugIn::SGetClassInfo()), nullptr);
    EXPECT_EQ(s_PlugInLog, (std::vector<std::string>{"attached", "again"}));
}

} // namespace
