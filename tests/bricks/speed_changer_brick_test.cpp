#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "game/bricks/brick_speed_change.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"

namespace {

class SpeedChangerBrickTest : public BrickTestField
{
protected:
    CBrickSpeedChange* SpeedChanger(const char* style, float boostTime)
    {
        auto* brick = static_cast<CBrickSpeedChange*>(AddBrick("CBrickSpeedChange", style, {300.0f, 200.0f}));
        brick->m_SpeedBoostTime = boostTime;
        return brick;
    }

    CBallAI* Ball(float speed)
    {
        CBallAI* ball = AddTestBall(*m_pPlayfield, {300.0f, 260.0f}, {0.0f, -speed});
        ball->SetBaseSpeed(speed);
        return ball;
    }

    static float Speed(const CBallAI* ball)
    {
        const Vector2& velocity = ball->GetSprite()->m_Velocity;
        return std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y);
    }
};

TEST_F(SpeedChangerBrickTest, TheBoostLastsTheWholeSecondsOfItsTime)
{
    struct Case
    {
        float seconds;
        int32_t frames;
    };
    const Case cases[] = {{2.0f, 120},
                          {2.5f, 120},
                          {2.9f, 120},
                          {0.5f, 1},
                          {0.0f, 1},
                          {-3.0f, 1},
                          {60.0f, 3600},
                          {1.0e30f, 3600},
                          {std::numeric_limits<float>::quiet_NaN(), 1}};
    CBrickSpeedChange brick;
    EXPECT_EQ(brick.m_SpeedBoostTime, 2.0f);
    for (const Case& c : cases)
    {
        brick.m_SpeedBoostTime = c.seconds;
        EXPECT_EQ(brick.GetBoostFrames(), c.frames) << c.seconds;
    }
}

TEST_F(SpeedChangerBrickTest, ABallIsBoostedWithATrailForHalfTheBoostAndTheBrickRests)
{
    CBrickSpeedChange* brick = SpeedChanger("Speed Changer", 2.9f);
    CBallAI* ball = Ball(4.0f);
    const int32_t sounds = SoundPlays("Clink.wav");
    const int32_t effects = m_pPlayfield->m_pFrontEffects->Count();

    EXPECT_FALSE(brick->HitByBallOrShot(ball, {0.0f, 1.0f}));
    EXPECT_GT(m_pPlayfield->m_pFrontEffects->Count(), effects) << "the activation burst";
    EXPECT_FALSE(brick->IsDestroyed());
    EXPECT_EQ(ball->GetSpeedChangeFactor(), 2.0f);
    EXPECT_EQ(ball->GetSpeedChangeSteps(), 120);
    EXPECT_FLOAT_EQ(Speed(ball), 8.0f);
    EXPECT_EQ(ball->GetTrailSteps(), 60);
    EXPECT_EQ(ball->GetTrailGenerator(), GetParticleGeneratorList().Find("Break", -1));
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    EXPECT_EQ(brick->GetCooldown(), CBrickSpeedChange::kCooldownFrames);

    // A touch within the rest changes nothing; after it the ball is boosted
    // again.
    ball->SetSpeedChange(1.0f, 0);
    for (int32_t frame = 1; frame < 20; frame++)
        brick->GetSprite()->Update();
    brick->HitByBallOrShot(ball, {0.0f, 1.0f});
    EXPECT_EQ(ball->GetSpeedChangeFactor(), 1.0f);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    brick->GetSprite()->Update();
    EXPECT_EQ(brick->GetCooldown(), 0u);
    brick->HitByBallOrShot(ball, {0.0f, 1.0f});
    EXPECT_EQ(ball->GetSpeedChangeFactor(), 2.0f);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 2);
}

TEST_F(SpeedChangerBrickTest, WithoutATrailGeneratorTheBallLosesItsTrail)
{
    CBrickSpeedChange* brick = SpeedChanger("Speed Changer Plain", 2.0f);
    CBallAI* ball = Ball(6.0f);
    ball->SetTrailParticles(GetParticleGeneratorList().Find("Break", -1), 90);
    brick->HitByBallOrShot(ball, {0.0f, 1.0f});
    EXPECT_FLOAT_EQ(Speed(ball), 3.0f);
    EXPECT_EQ(ball->GetSpeedChangeSteps(), 120);
    EXPECT_EQ(ball->GetTrailSteps(), 0);
    EXPECT_EQ(ball->GetTrailGenerator(), 0);
}

TEST_F(SpeedChangerBrickTest, AShotPassesAndChangesNothing)
{
    CBrickSpeedChange* brick = SpeedChanger("Speed Changer", 2.0f);
    const int32_t sounds = SoundPlays("Clink.wav");
    EXPECT_TRUE(brick->LetsBallPassThrough(Hitter()));
    EXPECT_FALSE(brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_EQ(brick->GetCooldown(), 0u);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds);
    EXPECT_FALSE(brick->IsDestroyed());
}

TEST_F(SpeedChangerBrickTest, ABallFlyingThroughIsBoostedOnceWithoutBouncing)
{
    // A ball touching a brick sparks, even one it passes.
    auto* sparks = new CParticleGeneratorInfo;
    sparks->SetDefaults();
    GetParticleGeneratorList().AddItemWithObject(sparks, "Ball Hit Brick");
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    Step();
    m_pPlayfield->m_pBallsInPlay->DeleteAll();
    m_pPlayfield->m_pShip->DeleteAll();
    CBrickSpeedChange* brick = SpeedChanger("Speed Changer", 2.0f);
    CBallAI* ball = Ball(3.0f);
    const int32_t sounds = SoundPlays("Clink.wav");
    Step(30);
    EXPECT_LT(ball->GetSprite()->m_Position.y, 180.0f) << "the ball flew on through the brick";
    EXPECT_LT(ball->GetSprite()->m_Velocity.y, 0.0f);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    EXPECT_EQ(ball->GetSpeedChangeFactor(), 2.0f);
    EXPECT_FALSE(brick->IsDestroyed());
}

TEST_F(SpeedChangerBrickTest, NothingRemovesIt)
{
    CBrickSpeedChange* brick = SpeedChanger("Speed Changer", 2.0f);
    AcidHitQuery acid{nullptr, false};
    brick->OnAcidHit(acid);
    EXPECT_TRUE(acid.refuse);
    EXPECT_FALSE(brick->Destroy(BrickDestroyInfo{nullptr, false}));
    EXPECT_FALSE(brick->DestroyByExplosion(1.0f, 0.0f));
    brick->OnTouchedByShip(nullptr);
    brick->ArmCountdown(0.05f);
    for (int32_t i = 0; i < 10; i++)
        brick->GetSprite()->Update();
    EXPECT_FALSE(brick->IsDestroyed());
    EXPECT_FALSE(brick->BlocksBricks());
    EXPECT_TRUE(brick->AppearsWithoutBrickLayer());
    EXPECT_FALSE(brick->MustBeDestroyedToFinish());
}

} // namespace
