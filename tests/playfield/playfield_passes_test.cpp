#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/app/input/mouse_state.h"
#include "engine/platform/tick_counter.h"
#include "game/playfield/animate_sprite_ai.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/shot_ai.h"
#include "game/records/stats.h"
#include "tests/support/playfield_fixtures.h"

namespace {

std::vector<std::string> s_Log;

std::string TagOf(const CSpriteAI* behaviour);

class CLogBall : public CBallAI
{
public:
    explicit CLogBall(const char* tag)
        : m_Tag(tag)
        , m_Square(TestSquare(4.0f))
    {
    }
    // Never launched: it only logs its contacts.
    void Update(CSprite*, int32_t) override {}
    bool HitBrick(CSprite*, CSprite* brick, int32_t, const CollisionContact&) override
    {
        s_Log.push_back("ball-brick " + m_Tag + " " + TagOf(brick->GetAI()));
        return false;
    }
    void HitShip(CSprite*, CSprite*) override { s_Log.push_back("ball-ship " + m_Tag); }
    Polygon2D* GetCollisionPolygon(CSprite*) override { return &m_Square; }

    std::string m_Tag;
    Polygon2D m_Square;
};

class CLogBrick : public CTestBrick
{
public:
    CLogBrick()
        : m_Square(TestSquare(10.0f))
    {
    }
    void OnTouchedByShip(CSprite*) override { s_Log.push_back("brick-ship"); }
    Polygon2D* GetCollisionPolygon(CSprite*) override { return &m_Square; }

    Polygon2D m_Square;
};

class CLogPowerUp : public CPowerUpBase
{
public:
    void CollectByShip(CSprite*) override { s_Log.push_back("capsule-ship"); }
    void HitByBall(CBallAI* ball) override { s_Log.push_back("capsule-ball " + TagOf(ball)); }
};

class CLogShot : public CShotAI
{
public:
    void Update(CSprite*, int32_t) override {}
    bool HitBrick(CBrickBase* brick) override
    {
        s_Log.push_back("shot-brick " + TagOf(brick));
        return false;
    }
    void HitBall(CBallAI* ball) override { s_Log.push_back("shot-ball " + TagOf(ball)); }
};

std::string TagOf(const CSpriteAI* behaviour)
{
    if (const CLogBall* ball = dynamic_cast<const CLogBall*>(behaviour))
        return ball->m_Tag;
    if (dynamic_cast<const CLogBrick*>(behaviour) != nullptr)
        return "brick";
    return "none";
}

CSprite* Add(CSpriteList* list, CSpriteAI* behaviour, float x, float y)
{
    CTestImageSprite* sprite = new CTestImageSprite(x, y);
    if (behaviour != nullptr)
        sprite->AddAI(behaviour);
    list->Append(sprite);
    return sprite;
}

TEST_F(PlayfieldTest, PassesRunInTheirOrderAndSkipWrongKinds)
{
    CPlayfield& playfield = *m_pPlayfield;
    m_Rounds[0]->m_Bricks.clear();
    ASSERT_TRUE(playfield.NewGame(0, 1, false, false, false, false));
    Step();
    playfield.m_pBallsInPlay->DeleteAll();
    playfield.m_pShip->DeleteAll();
    s_Log.clear();

    // Everything overlaps round (100, 90); the two moving balls come down
    // onto the brick in this step.
    CSprite* ship = Add(playfield.m_pShip, nullptr, 100.0f, 90.0f);
    CPlayerShipAI* shipAI = new CPlayerShipAI(ship, nullptr, 0);
    ship->AddAI(shipAI);
    Add(playfield.m_pBricks, new CLogBrick, 100.0f, 100.0f);
    Add(playfield.m_pBricks, new CAnimateSpriteAI(0.0f), 100.0f, 100.0f);
    Add(playfield.m_pBallsInPlay, new CLogBall("play"), 100.0f, 80.0f)->m_Velocity = {0.0f, 10.0f};
    CSprite* held = Add(playfield.m_pBallsInPlay, new CLogBall("held"), 100.0f, 90.0f);
    shipAI->HoldBall(ship, held, true);
    // Held above the ship; put back where the capsule and the shot meet it.
    held->SetPosition({100.0f, 90.0f});
    Add(playfield.m_pLooseBalls, new CLogBall("loose"), 100.0f, 80.0f)->m_Velocity = {0.0f, 10.0f};
    Add(playfield.m_pLooseBalls, new CAnimateSpriteAI(0.0f), 100.0f, 90.0f);
    Add(playfield.m_pFallingPowerUps, new CLogPowerUp, 100.0f, 90.0f);
    Add(playfield.m_pFallingPowerUps, new CAnimateSpriteAI(0.0f), 100.0f, 90.0f);
    Add(playfield.m_pShots, new CLogShot, 100.0f, 95.0f);
    Step();

    const std::vector<std::string> expected = {"ball-brick play brick",
                                               "ball-brick loose brick",
                                               "ball-ship play",
                                               "ball-ship loose",
                                               "brick-ship",
                                               "capsule-ship",
                                               "capsule-ball play",
                                               "capsule-ball held",
                                               "capsule-ball loose",
                                               "capsule-ball none",
                                               "shot-brick brick",
                                               "shot-brick none",
                                               "shot-ball play",
                                               "shot-ball held"};
    EXPECT_EQ(s_Log, expected);
}

int64_t s_Now = 0;

int64_t ManualClock()
{
    return s_Now;
}

class PlayfieldPauseTest : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        m_Previous = SetNanosecondClock(&ManualClock);
    }
    void TearDown() override
    {
        SetNanosecondClock(m_Previous);
        PlayfieldTest::TearDown();
    }

    static void SetTick(uint32_t milliseconds) { s_Now = static_cast<int64_t>(milliseconds) * 1000000; }

    // A game with one served ball on the ship and one moving ball.
    CBallAI* PlayWithMovingBall()
    {
        EXPECT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
        Step();
        CBallAI* ball = m_pPlayfield->AddBall();
        m_pPlayfield->m_pBallsInPlay->GetTail()->m_Velocity = {3.0f, 4.0f};
        return ball;
    }

    NanosecondClock m_Previous = nullptr;
};

TEST_F(PlayfieldPauseTest, LongPauseSlowsMovingBallsOnceAndOnlyTheShipRunsAfter)
{
    SetTick(100000);
    CBallAI* moving = PlayWithMovingBall();
    const CBallAI* held = static_cast<const CBallAI*>(m_pPlayfield->m_pBallsInPlay->GetHead()->GetAI());
    Step();
    SetTick(102000);
    m_pPlayfield->SlowBallsAfterPause();
    EXPECT_EQ(moving->GetSpeedChangeSteps(), 0);
    EXPECT_EQ(m_pPlayfield->m_ResumeGuard, 0.0f);

    SetTick(103000);
    m_pPlayfield->SlowBallsAfterPause();
    EXPECT_EQ(moving->GetSpeedChangeFactor(), 0.01f);
    EXPECT_EQ(moving->GetSpeedChangeSteps(), 75);
    EXPECT_EQ(held->GetSpeedChangeSteps(), 0);
    EXPECT_EQ(m_pPlayfield->m_ResumeGuard, 2.5f);
    // Called again while the window stays: each ball is slowed once.
    moving->SetSpeedChange(1.0f, 0);
    m_pPlayfield->SlowBallsAfterPause();
    EXPECT_EQ(moving->GetSpeedChangeSteps(), 0);
    EXPECT_EQ(m_pPlayfield->m_ResumeGuard, 2.5f);

    // The ship follows the mouse one column a step: x = round(column x
    // 567 / 800) + 35.
    CSprite* ship = m_pPlayfield->GetShipSprite();
    CSprite* ball = m_pPlayfield->m_pBallsInPlay->GetTail();
    const float ballX = ball->m_Position.x;
    int32_t shipOnly = 0;
    while (ball->m_Position.x == ballX && shipOnly < 200)
    {
        GetMouseState().SetPosition(shipOnly * 4, 0);
        Step();
        shipOnly++;
    }
    EXPECT_NEAR(shipOnly - 1, 150, 1);
    EXPECT_EQ(ship->m_Position.x, std::nearbyint((shipOnly - 1) * 4 * 567.0f / 800.0f) + 35.0f);
}

TEST_F(PlayfieldPauseTest, PauseAcrossTheTickCounterWrapStillSlows)
{
    SetTick(0xFFFFF000u);
    CBallAI* moving = PlayWithMovingBall();
    Step();
    SetTick(0x00000800u);
    m_pPlayfield->SlowBallsAfterPause();
    EXPECT_EQ(moving->GetSpeedChangeSteps(), 75);
    EXPECT_EQ(m_pPlayfield->m_ResumeGuard, 2.5f);
}

TEST_F(PlayfieldTest, PlaybackUpdatesTheListsOnly)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    Step();
    CSprite* effect = Add(m_pPlayfield->m_pFrontEffects, new CAnimateSpriteAI(0.0f), 300.0f, 300.0f);
    effect->m_Velocity = {2.0f, 0.0f};
    effect->m_Damping = 1.0f;
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    recorder.StopRecording();
    recorder.Save("Demo.Demo", 0);
    recorder.PlayFile("Demo.Demo", 0);
    ASSERT_TRUE(recorder.IsPlaying());
    const float seconds = GetStats().GetCurrentGame().m_SecondsPlayed;
    KillRequiredBricks();
    m_pPlayfield->m_pBallsInPlay->GetHead()->Kill();
    m_pPlayfield->m_BallsInReserve = 0;
    m_pPlayfield->m_LevelEndingCountdown = 1;
    Step(3);
    recorder.StopPlaying();
    EXPECT_EQ(effect->m_Position.x, 306.0f);
    EXPECT_EQ(m_pPlayfield->m_pBricks->Count(), 0);
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 0);
    EXPECT_FALSE(m_pPlayfield->m_RoundCleared);
    EXPECT_FALSE(m_pPlayfield->m_GameOver);
    EXPECT_EQ(m_pPlayfield->m_LevelEndingCountdown, 1u);
    EXPECT_EQ(GetStats().GetCurrentGame().m_SecondsPlayed, seconds);
}

} // namespace
