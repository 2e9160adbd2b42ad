#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/app/input/joystick.h"
#include "engine/core/maths/random_r250.h"
#include "engine/platform/joystick_devices.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in_laser.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/shot_basic.h"
#include "game/playfield/shot_gun_ball_splitter.h"
#include "game/playfield/shot_stinger_missile.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"

namespace {

const float kPi = 3.1415927f;

float Heading(const Vector2& v)
{
    return std::atan2(v.y, v.x);
}

// The angle between two headings, 0..pi.
float Between(float a, float b)
{
    float d = std::fabs(a - b);
    while (d > kPi)
        d = std::fabs(d - 2.0f * kPi);
    return d;
}

class ShipWeaponsTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        BrickTestField::SetUp();
        AddBallParticleGenerators();
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
    }

    CScriptedBrick* Brick(const Vector2& at)
    {
        auto* brick = static_cast<CScriptedBrick*>(AddBrick(new CScriptedBrick, "Normal", at));
        // Standing still since the step began, as the sweeps expect.
        brick->GetSprite()->StorePreviousPosition();
        return brick;
    }

    template <typename Shot>
    Shot* LaunchShot(Shot* shot, const Vector2& at)
    {
        CGameSprite* sprite = new CGameSprite;
        sprite->SetPosition(at);
        shot->Launch(sprite);
        return shot;
    }

    int32_t Shots() const { return m_pPlayfield->m_pShots->Count(); }
};

TEST_F(ShipWeaponsTest, StingersTakeDifferentBricksAndNeverOneHiddenBehindAnother)
{
    CScriptedBrick* ahead = Brick({200.0f, 200.0f});
    CScriptedBrick* behind = Brick({200.0f, 120.0f});
    CScriptedBrick* aside = Brick({320.0f, 200.0f});
    auto* first = LaunchShot(Configured<CShotStingerMissile>(), {200.0f, 400.0f});
    auto* second = LaunchShot(Configured<CShotStingerMissile>(), {200.0f, 400.0f});

    first->SetTarget(first->FindTarget());
    second->SetTarget(second->FindTarget());
    EXPECT_EQ(first->GetTarget(), ahead->GetSprite());
    EXPECT_EQ(second->GetTarget(), aside->GetSprite());
    EXPECT_EQ(GetTargetedByCount(ahead), 1);
    EXPECT_EQ(GetTargetedByCount(aside), 1);
    EXPECT_EQ(GetTargetedByCount(behind), 0);

    // The brick goes: the missile's pointer is nulled, and its next search
    // finds the brick that stood behind it.
    ahead->GetSprite()->Kill();
    m_pPlayfield->m_pBricks->UpdateAndReap();
    EXPECT_EQ(first->GetTarget(), nullptr);
    first->SetTarget(first->FindTarget());
    EXPECT_EQ(first->GetTarget(), behind->GetSprite());
    EXPECT_EQ(GetTargetedByCount(behind), 1);

    // A missile that dies lets go of its brick.
    second->GetSprite()->Kill();
    m_pPlayfield->m_pShots->UpdateAndReap();
    EXPECT_EQ(GetTargetedByCount(aside), 0);
}

TEST_F(ShipWeaponsTest, BigGunMissileDestroysAManyHitBrickAndItsNeighboursGoOneStepLater)
{
    CScriptedBrick* struck = Brick({200.0f, 200.0f});
    struck->m_HitAnswer = 0;
    CScriptedBrick* neighbour = Brick({240.0f, 200.0f});
    CScriptedBrick* below = Brick({200.0f, 224.0f});
    CScriptedBrick* far = Brick({300.0f, 200.0f});
    auto* missile = LaunchShot(Configured<CShotBigGunMissile>(), {200.0f, 215.0f});

    EXPECT_TRUE(missile->HitBrick(struck));
    EXPECT_TRUE(missile->GetSprite()->IsDead());
    EXPECT_TRUE(struck->GetSprite()->IsDead());
    EXPECT_EQ(neighbour->m_Destructions, 0);
    EXPECT_EQ(neighbour->m_DestructionCountdown, 1u);
    EXPECT_EQ(below->m_DestructionCountdown, 1u);
    EXPECT_EQ(far->m_DestructionCountdown, 0u);

    // One step later the neighbours are destroyed and reaped with the
    // struck brick; the far one stands untouched.
    m_pPlayfield->m_pBricks->UpdateAndReap();
    EXPECT_EQ(Bricks(), (std::vector<CBrickBase*>{far}));
    EXPECT_EQ(far->m_Destructions, 0);
}

TEST_F(ShipWeaponsTest, SplitterShotMakesANormalBallSmallAndThreeAndPushesASmallOne)
{
    CBallAI* ball = AddTestBall(*m_pPlayfield, {300.0f, 300.0f}, {0.0f, -4.0f});
    auto* shot = LaunchShot(new CShotGunBallSplitter, {300.0f, 310.0f});
    shot->HitBall(ball);
    EXPECT_TRUE(shot->GetSprite()->IsDead());
    ASSERT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 3);
    std::vector<float> headings;
    for (CSprite* sprite = m_pPlayfield->m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        auto* each = FirstBehaviourAs<CBallAI>(sprite);
        ASSERT_NE(each, nullptr);
        EXPECT_TRUE(each->IsSmall());
        EXPECT_NEAR(Vector2Length(sprite->m_Velocity), 4.0f, 1e-4f);
        headings.push_back(Heading(sprite->m_Velocity));
    }
    for (size_t i = 0; i < headings.size(); i++)
        for (size_t j = i + 1; j < headings.size(); j++)
            EXPECT_NEAR(Between(headings[i], headings[j]), 2.0f * kPi / 3.0f, 2e-3f);

    // A small ball and a count of 1: pushed along the shot, not split.
    auto* pusher = LaunchShot(new CShotGunBallSplitter, {290.0f, 300.0f});
    pusher->GetSprite()->m_Velocity = {8.0f, 0.0f};
    pusher->HitBall(ball);
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 3);
    EXPECT_TRUE(ball->IsSmall());
    EXPECT_GT(ball->GetSprite()->m_Velocity.x, 0.0f);
    EXPECT_NEAR(Vector2Length(ball->GetSprite()->m_Velocity), 4.0f, 1e-4f);
}

TEST_F(ShipWeaponsTest, LaserBallFiresAboutOnceADelayAndTwiceAsOftenWithASecondLaser)
{
    GameRandom().SeedFromTick(1);
    struct Case
    {
        int32_t lasers;
        Vector2 velocity;
        int32_t expected;
        int32_t tolerance;
    } cases[] = {{1, {3.0f, -4.0f}, 100, 30}, {2, {3.0f, -4.0f}, 200, 42}, {1, {0.0f, 0.0f}, 0, 0}};
    for (const Case& c : cases)
    {
        m_pPlayfield->m_pShots->DeleteAll();
        CBallAI* ball = AddTestBall(*m_pPlayfield, {300.0f, 300.0f}, c.velocity);
        for (int32_t i = 0; i < c.lasers; i++)
        {
            auto* laser = Configured<CBallPlugInBallLaser>();
            laser->m_AverageShotDelay = 1.0f;
            ball->AddPlugIn(laser);
        }
        for (int32_t step = 0; step < 6000; step++)
            RunBallStep(ball);
        EXPECT_NEAR(Shots(), c.expected, c.tolerance) << c.lasers << " lasers";
        ball->GetSprite()->Kill();
    }
}

// One pad whose stick the test places.
class CFakeJoystickDevices : public CJoystickDevices
{
public:
    JoystickReading reading = {32768, 32768, 0, JOYSTICK_HAT_CENTRED};

    uint32_t GetCount() override { return 1; }
    bool GetRanges(uint32_t, JoystickRanges& out) override
    {
        out = JoystickRanges{0, 65535, 0, 65535};
        return true;
    }
    bool Read(uint32_t, JoystickReading& out) override
    {
        out = reading;
        return true;
    }
    bool GetName(uint32_t, std::string& out) override
    {
        out = "Test Pad";
        return true;
    }
};

TEST_F(ShipWeaponsTest, JoystickStickSteersTheShipAcrossTheTrack)
{
    CFakeJoystickDevices devices;
    CJoystickDevices* previous = SetJoystickDevices(&devices);
    CJoystick joystick(0);
    ASSERT_TRUE(joystick.Open(0));
    ScopedPlayfieldHooks::s_Controls.m_pJoystick = &joystick;
    AddTestShip(*m_pPlayfield, {320.0f, 560.0f});
    CSprite* ship = m_pPlayfield->GetShipSprite();

    struct Case
    {
        uint32_t x;
        bool reversed;
        float expected;
    } cases[] = {{65535, false, 602.0f}, {32768, false, 319.0f}, {0, false, 35.0f}, {65535, true, 35.0f}};
    for (const Case& c : cases)
    {
        FirstBehaviourAs<CPlayerShipAI>(ship)->m_Reversed = c.reversed;
        devices.reading.x = c.x;
        joystick.Poll();
        ScopedPlayfieldHooks::s_Controls.BeginStep();
        ship->Update();
        EXPECT_EQ(ship->m_Position.x, c.expected) << c.x << (c.reversed ? " reversed" : "");
    }
    ScopedPlayfieldHooks::s_Controls.m_pJoystick = nullptr;
    SetJoystickDevices(previous);
}

} // namespace
