#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_bomb.h"
#include "game/playfield/power_up_bomb_ball.h"
#include "game/playfield/power_up_laser_sight.h"
#include "tests/support/power_up_fixtures.h"
#include "tests/support/recording_frame.h"

namespace {

class PowerUpBombTest : public PowerUpTest
{
protected:
    void SetUp() override
    {
        PowerUpTest::SetUp();
        AddBallParticleGenerators();
        m_pBomb = AddKind<CPowerUpBomb>("Bomb");
        m_pBomb->m_DroppedSound = GetSoundList().FindSound("Bomb Falling.wav", -1);
        m_pBomb->m_DestroyedByBallSound = GetSoundList().FindSound("Bounce.wav", -1);
        m_pBomb->m_DestroyedByBallString.m_Source = m_pBomb->m_DestroyedByBallString.m_Shown = "Bomb Defused";
        m_pBomb->m_DestroyedByBallParticleGen = GetParticleGeneratorList().Find("Ball Hit Wall", -1);
        m_pBomb->m_ShipExplodeParticleGen = GetParticleGeneratorList().Find("Ball Hit Ship", -1);
        m_pBomb->m_ShipExplodeSequence = 2;
    }

    void TearDown() override
    {
        GetParticleGeneratorList().DeleteAllItems();
        PowerUpTest::TearDown();
    }

    // The bomb falling from (200, 100), aged by that many steps.
    CPowerUpBomb* Drop(int32_t steps)
    {
        CGameSprite* sprite = new CGameSprite;
        sprite->SetPosition(Vector2{200.0f, 100.0f});
        m_pPlayfield->m_pFallingPowerUps->Append(sprite);
        CPowerUpBomb* bomb = static_cast<CPowerUpBomb*>(m_pBomb->CreateSameClass());
        bomb->Launch(sprite);
        for (int32_t i = 0; i < steps; i++)
            bomb->Update(sprite, 0);
        return bomb;
    }

    int32_t Effects() const { return m_pPlayfield->m_pFrontEffects->Count() + m_pPlayfield->m_pBackEffects->Count(); }

    CPowerUpBomb* m_pBomb = nullptr;
};

TEST_F(PowerUpBombTest, ABallShootsTheBombDownOnlyAfterItsFirstTwelveSteps)
{
    for (int32_t steps : {12, 13})
    {
        CPowerUpBomb* bomb = Drop(steps);
        m_pBox->Clear();
        const uint32_t points = m_pPlayfield->GetScore();
        const int32_t sounds = SoundPlays("Bounce.wav");
        bomb->HitByBall(nullptr);
        const bool destroyed = steps == 13;
        EXPECT_EQ(bomb->GetSprite()->IsDead(), destroyed) << steps;
        EXPECT_EQ(m_pPlayfield->GetScore(), points + (destroyed ? 1000 : 0)) << steps;
        EXPECT_EQ(SoundPlays("Bounce.wav") - sounds, destroyed ? 1 : 0) << steps;
        if (destroyed)
        {
            EXPECT_EQ(BoxLines(), (std::vector<std::string>{"Bomb Defused", "1,000 Points"}));
        }
        m_pPlayfield->m_pFallingPowerUps->DeleteAll();
    }
}

TEST_F(PowerUpBombTest, ACaughtBombBlowsUpTheShipUntilTheNextServe)
{
    CPowerUpBomb* bomb = Drop(1);
    CBallAI* ball = AddTestBall(*m_pPlayfield, Vector2{300.0f, 540.0f}, Vector2{0.0f, 0.0f});
    m_pShip->HoldBall(m_pShipSprite, ball->GetSprite(), true);
    const int32_t effects = Effects();
    bomb->CollectByShip(m_pShipSprite);
    EXPECT_TRUE(bomb->GetSprite()->IsDead());
    EXPECT_FALSE(m_pShipSprite->IsActive());
    EXPECT_EQ(m_pShip->GetHeldBall(), nullptr);
    // The bomb's rising name and the explosion.
    EXPECT_EQ(FloatingTexts(), 1);
    EXPECT_EQ(Effects(), effects + 2);
    m_pPlayfield->m_pBallsInPlay->DeleteAll();
    m_pPlayfield->ServeBall(false);
    EXPECT_TRUE(m_pShipSprite->IsActive());
}

TEST_F(PowerUpBombTest, TheFallingSoundPlaysWhileTheBombLivesAndIsGivenBack)
{
    const int32_t index = m_pBomb->m_DroppedSound;
    CPowerUpBomb* bomb = Drop(0);
    ASSERT_NE(bomb->GetDroppedSound(), nullptr);
    EXPECT_TRUE(bomb->GetDroppedSound()->IsPlaying());
    // An item with a live instance stays loaded.
    GetSoundList().UnloadItem(static_cast<uint32_t>(index));
    EXPECT_TRUE(GetSoundList().IsItemLoaded(static_cast<uint32_t>(index)));
    m_pPlayfield->m_pFallingPowerUps->DeleteAll();
    GetSoundList().UnloadItem(static_cast<uint32_t>(index));
    EXPECT_FALSE(GetSoundList().IsItemLoaded(static_cast<uint32_t>(index)));
}

TEST_F(PowerUpBombTest, TheChargerDrawsArcsToNearUnarmedBombBallsAndTheShipArmsThem)
{
    CPowerUpBombBall* charger = AddKind<CPowerUpBombBall>("Bomb Ball");
    charger->m_ChargingEffectLength = 100.0f;
    charger->m_ShipOverlayPosition = CPoint{5, -7};
    m_pShip->SetBombCharge(GetPowerUpLibrary().Find("Bomb Ball", -1));
    struct Placed
    {
        float x;
        bool bomb;
        bool armed;
    };
    std::vector<CBallAI*> balls;
    for (const Placed& p : {Placed{300.0f, true, false}, Placed{330.0f, true, true}, Placed{310.0f, false, false},
                            Placed{300.0f, true, false}})
    {
        // The last ball is beyond the charging length.
        const float y = balls.size() == 3 ? 440.0f : 500.0f;
        CBallAI* ball = AddTestBall(*m_pPlayfield, Vector2{p.x, y}, Vector2{0.0f, 1.0f});
        if (p.bomb)
        {
            ball->AddPlugIn(new CBallPlugInBombBall);
            // A bomb ball is armed until it goes off.
            if (!p.armed)
                static_cast<CBallPlugInBombBall*>(ball->GetPlugIn(0))->Detonate();
        }
        balls.push_back(ball);
    }
    CRecordingFrame frame;
    m_pShip->AfterDraw(m_pShipSprite, &frame);
    // An arc ends exactly at the ball it charges.
    std::vector<int32_t> arcsTo(balls.size(), 0);
    for (const CRecordingFrame::Call& call : frame.calls)
        for (size_t i = 0; i < balls.size(); i++)
        {
            const Vector2 at = balls[i]->GetSprite()->m_Position;
            if (call.x1 == at.x && call.y1 == at.y)
                arcsTo[i]++;
        }
    EXPECT_GT(arcsTo[0], 0);
    EXPECT_EQ(arcsTo[1], 0);
    EXPECT_EQ(arcsTo[2], 0);
    EXPECT_EQ(arcsTo[3], 0);

    EXPECT_FALSE(static_cast<CBallPlugInBombBall*>(balls[0]->GetPlugIn(0))->IsArmed());
    m_pShip->TryCatch(m_pShipSprite, balls[0]->GetSprite());
    EXPECT_TRUE(static_cast<CBallPlugInBombBall*>(balls[0]->GetPlugIn(0))->IsArmed());
}

class LaserSightTest : public PowerUpTest
{
protected:
    // The segments the sight of a ball at the point draws.
    std::vector<CRecordingFrame::Call> Sight(const Vector2& at, const Vector2& velocity, bool small = false)
    {
        CBallAI* ball = AddTestBall(*m_pPlayfield, at, velocity, small);
        CPowerUpLaserSight* sight = new CPowerUpLaserSight;
        ball->AddPlugIn(sight);
        CRecordingFrame frame;
        static_cast<CPowerUpLaserSight*>(ball->GetPlugIn(0))->DrawOverlay(&frame);
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        std::vector<CRecordingFrame::Call> lines;
        for (const CRecordingFrame::Call& call : frame.calls)
            if (call.kind == CRecordingFrame::LINE_AA)
                lines.push_back(call);
        return lines;
    }
};

TEST_F(LaserSightTest, AFallingBallShowsOneSegmentToTheBottom)
{
    const std::vector<CRecordingFrame::Call> lines = Sight(Vector2{200.0f, 300.0f}, Vector2{0.0f, 3.0f});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x0, 200.0f);
    EXPECT_FLOAT_EQ(lines[0].y0, 300.0f);
    EXPECT_FLOAT_EQ(lines[0].x1, 200.0f);
    // The last row inside the walls, which end at 620.
    EXPECT_FLOAT_EQ(lines[0].y1, 619.0f);
}

TEST_F(LaserSightTest, ASlantedPathBouncesOffTheSideWallsInAtMostSixSegments)
{
    struct Case
    {
        bool small;
        Vector2 velocity;
        float firstWall;
        size_t segments;
    };
    const Case cases[] = {
        {false, Vector2{3.0f, 3.0f}, 614.0f, 2},
        {true, Vector2{3.0f, 3.0f}, 622.0f, 2},
        {false, Vector2{-3.0f, 0.5f}, 22.0f, 6},
    };
    for (const Case& c : cases)
    {
        const std::vector<CRecordingFrame::Call> lines = Sight(Vector2{500.0f, 100.0f}, c.velocity, c.small);
        ASSERT_EQ(lines.size(), c.segments) << c.small;
        EXPECT_FLOAT_EQ(lines[0].x1, c.firstWall) << c.small;
        for (size_t i = 1; i < lines.size(); i++)
        {
            EXPECT_FLOAT_EQ(lines[i].x0, lines[i - 1].x1);
            EXPECT_FLOAT_EQ(lines[i].y0, lines[i - 1].y1);
            EXPECT_FLOAT_EQ(lines[i].x1 - lines[i].x0, -(lines[i - 1].x1 - lines[i - 1].x0) *
                                                           (lines[i].y1 - lines[i].y0) /
                                                           (lines[i - 1].y1 - lines[i - 1].y0));
        }
    }
    // Two segments reach the bottom row.
    EXPECT_FLOAT_EQ(Sight(Vector2{500.0f, 100.0f}, Vector2{3.0f, 3.0f}).back().y1, 619.0f);
}

TEST_F(LaserSightTest, AHeldBallTracesUpAlongItsLaunchAngle)
{
    const std::vector<CRecordingFrame::Call> lines = Sight(Vector2{320.0f, 540.0f}, Vector2{0.0f, 0.0f});
    ASSERT_FALSE(lines.empty());
    EXPECT_LT(lines[0].y1, lines[0].y0);
    // Right of the shield's centre the launch leans right.
    EXPECT_GT(lines[0].x1, lines[0].x0);
}

TEST_F(LaserSightTest, NothingShowsRisingOutOfRangeOrWithoutAShip)
{
    EXPECT_TRUE(Sight(Vector2{200.0f, 300.0f}, Vector2{0.0f, -3.0f}).empty());
    // 500 pixels above the ship is out of range; 499 is in.
    EXPECT_TRUE(Sight(Vector2{200.0f, 60.0f}, Vector2{0.0f, 3.0f}).empty());
    EXPECT_FALSE(Sight(Vector2{200.0f, 61.0f}, Vector2{0.0f, 3.0f}).empty());
    m_pPlayfield->m_pShip->DeleteAll();
    EXPECT_TRUE(Sight(Vector2{200.0f, 300.0f}, Vector2{0.0f, 3.0f}).empty());
}

} // namespace
