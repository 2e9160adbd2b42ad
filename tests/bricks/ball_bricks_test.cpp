#include <gtest/gtest.h>

#include "game/bricks/brick_ball_deflector.h"
#include "game/bricks/brick_ball_factory.h"
#include "game/bricks/brick_floating_ball.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"

namespace {

class BallBricksTest : public BrickTestField
{
protected:
    CBallAI* Ball(const Vector2& at, float speed)
    {
        CBallAI* ball = AddTestBall(*m_pPlayfield, at, {0.0f, speed});
        ball->SetBaseSpeed(speed);
        return ball;
    }

    // The ball added last, as a ball factory or floating ball adds it.
    CGameSprite* NewestBall() const
    {
        CSprite* last = nullptr;
        for (CSprite* sprite = m_pPlayfield->m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
            last = sprite;
        return static_cast<CGameSprite*>(last);
    }

    int32_t BallCount() const
    {
        int32_t count = 0;
        for (CSprite* sprite = m_pPlayfield->m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
            count++;
        return count;
    }

    // Runs the brick's appearance until its release sequence has played.
    static void FinishGenerating(CBrickBallFactory* factory)
    {
        for (int32_t i = 0; i < 120 && factory->IsGenerating(); i++)
            factory->UpdateAppearance();
        ASSERT_FALSE(factory->IsGenerating());
    }
};

TEST_F(BallBricksTest, BallFactoryReleasesAgainstTheHitAtTheHittersSpeedAndBreaksWithTheFifth)
{
    CBallAI* hitting = Ball({300.0f, 100.0f}, 6.0f);
    auto* factory = static_cast<CBrickBallFactory*>(AddBrick("CBrickBallFactory", "Ball Factory", {300.0f, 200.0f}));
    EXPECT_EQ(factory->GetBallsLeft(), 5u);
    const int32_t sounds = SoundPlays("Clink.wav");

    EXPECT_TRUE(factory->HitByBallOrShot(hitting, {0.0f, -1.0f}));
    CGameSprite* released = NewestBall();
    EXPECT_EQ(released->m_Position.x, 300.0f);
    EXPECT_EQ(released->m_Position.y, 200.0f);
    EXPECT_EQ(released->m_Velocity.x, 0.0f);
    EXPECT_EQ(released->m_Velocity.y, 6.0f);
    EXPECT_EQ(FirstBehaviourAs<CBallAI>(released)->GetBaseSpeed(), 6.0f);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    EXPECT_EQ(BallCount(), 2);

    // While the release plays, hits bounce and make nothing.
    EXPECT_FALSE(factory->HitByBallOrShot(hitting, {0.0f, -1.0f}));
    EXPECT_EQ(BallCount(), 2);

    for (int32_t hit = 2; hit <= 5; hit++)
    {
        FinishGenerating(factory);
        EXPECT_FALSE(factory->IsDestroyed()) << hit;
        factory->HitByBallOrShot(hitting, {0.0f, -1.0f});
    }
    EXPECT_TRUE(factory->IsDestroyed());
    EXPECT_EQ(BallCount(), 6);
}

TEST_F(BallBricksTest, BallFactoryHitByAShotWithNoBallInPlayReleasesAlongTheNormal)
{
    auto* factory = static_cast<CBrickBallFactory*>(AddBrick("CBrickBallFactory", "Ball Factory", {300.0f, 200.0f}));
    factory->HitByBallOrShot(Hitter(), {0.0f, -1.0f});
    CGameSprite* released = NewestBall();
    ASSERT_NE(released, nullptr);
    EXPECT_EQ(released->m_Velocity.x, 0.0f);
    EXPECT_EQ(released->m_Velocity.y, 1.0f);
    EXPECT_EQ(FirstBehaviourAs<CBallAI>(released)->GetBaseSpeed(), 1.0f);
}

TEST_F(BallBricksTest, BallFactoryToldToMakeNoBallsBreaksAtItsFirstHitWithoutOne)
{
    static_cast<CBrickStyleSheetBallFactory*>(
        GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Ball Factory"))))
        ->m_NumberOfBallsToGenerate = 0;
    auto* factory = static_cast<CBrickBallFactory*>(AddBrick("CBrickBallFactory", "Ball Factory", {300.0f, 200.0f}));
    EXPECT_TRUE(factory->HitByBallOrShot(Hitter(), {0.0f, -1.0f}));
    EXPECT_TRUE(factory->IsDestroyed());
    EXPECT_EQ(BallCount(), 0);
}

TEST_F(BallBricksTest, FloatingBallReleasesAwayFromTheHitOrStraightUpWhenSomethingElseBreaksIt)
{
    CBallAI* hitting = Ball({100.0f, 100.0f}, 6.0f);
    CBrickBase* hit = AddBrick("CBrickFloatingBall", "Floating Ball", {300.0f, 200.0f});
    EXPECT_TRUE(hit->HitByBallOrShot(hitting, {1.0f, 0.0f}));
    EXPECT_TRUE(hit->IsDestroyed());
    EXPECT_EQ(NewestBall()->m_Velocity.x, -6.0f);
    EXPECT_EQ(NewestBall()->m_Velocity.y, 0.0f);

    CBrickBase* exploded = AddBrick("CBrickFloatingBall", "Floating Ball", {400.0f, 200.0f});
    EXPECT_TRUE(exploded->DestroyByExplosion(1.0f, 0.0f));
    CGameSprite* released = NewestBall();
    EXPECT_EQ(released->m_Position.x, 400.0f);
    EXPECT_EQ(released->m_Velocity.x, 0.0f);
    EXPECT_EQ(released->m_Velocity.y, -FirstBehaviourAs<CBallAI>(released)->GetBaseSpeed());
    EXPECT_LT(released->m_Velocity.y, 0.0f);
}

TEST_F(BallBricksTest, DeflectorDestroysABrickDrivenIntoItAndTakesASoftPush)
{
    CBrickBase* driven = AddBrick("CBrickNormal", "Quiet", {200.0f, 300.0f});
    CBrickBase* deflector = AddBrick("CBrickBallDeflector", "Ball Deflector", {241.0f, 300.0f});
    driven->Move({3.0f, 0.0f}, true, true);
    EXPECT_TRUE(driven->IsDestroyed());
    EXPECT_FALSE(deflector->IsDestroyed());

    CBrickBase* nudged = AddBrick("CBrickNormal", "Quiet", {200.0f, 400.0f});
    CBrickBase* other = AddBrick("CBrickBallDeflector", "Ball Deflector", {241.0f, 400.0f});
    nudged->Move({3.0f, 0.0f}, false, true);
    EXPECT_FALSE(nudged->IsDestroyed());
    EXPECT_NEAR(nudged->GetSprite()->m_Position.x, 200.0f + 3.0f * 0.6f, 1e-4f);
    EXPECT_NEAR(other->m_Motion.x, 3.0f * 0.6f, 1e-4f);
}

TEST_F(BallBricksTest, DeflectorBouncesWithItsSoundAndRefusesEveryDestruction)
{
    CBrickBase* deflector = AddBrick("CBrickBallDeflector", "Ball Deflector", {241.0f, 300.0f});
    const int32_t sounds = SoundPlays("Clink.wav");
    EXPECT_FALSE(deflector->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    EXPECT_FALSE(deflector->Destroy({nullptr, false}));
    EXPECT_FALSE(deflector->DestroyByExplosion(1.0f, 0.0f));
    EXPECT_FALSE(deflector->IsDestroyed());
    EXPECT_TRUE(deflector->IsIndestructible());
    EXPECT_TRUE(deflector->AppearsWithoutBrickLayer());
}

TEST_F(BallBricksTest, AcidDissolvesOnlyTheBallFactory)
{
    struct Case
    {
        const char* kind;
        const char* style;
        bool refuses;
    };
    for (const Case& c : {Case{"CBrickBallDeflector", "Ball Deflector", true},
                          Case{"CBrickFloatingBall", "Floating Ball", true},
                          Case{"CBrickBallFactory", "Ball Factory", false}})
    {
        SCOPED_TRACE(c.kind);
        CBrickBase* brick = AddBrick(c.kind, c.style, {300.0f, 200.0f});
        AcidHitQuery query{nullptr, false};
        brick->OnAcidHit(query);
        EXPECT_EQ(query.refuse, c.refuses);
        brick->GetSprite()->Kill();
    }
}

} // namespace
