#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/bricks/brick_trapped_ball.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/brick_test_field.h"

namespace {

class TrappedBallTest : public BrickTestField
{
protected:
    CBrickTrappedBall* Marker(const Vector2& at, float angle, int32_t speed)
    {
        auto* marker = static_cast<CBrickTrappedBall*>(AddBrick("CBrickTrappedBall", "Trapped Ball", at));
        marker->m_StartingAngle = angle;
        marker->m_StartingSpeed = speed;
        return marker;
    }

    std::vector<CBallAI*> LooseBalls() const
    {
        std::vector<CBallAI*> balls;
        for (CSprite* sprite = m_pPlayfield->m_pLooseBalls->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
            balls.push_back(FirstBehaviourAs<CBallAI>(sprite));
        return balls;
    }
};

TEST_F(TrappedBallTest, TheRoundStartTurnsTheMarkerIntoASmallLooseBallAtItsAngleAndSpeed)
{
    const struct
    {
        float angle;
        int32_t speed;
        float velocityX;
        float velocityY;
    } cases[] = {
        {270.0f, 520, 0.0f, -8.6666667f},     {0.0f, 50, 0.8333333f, 0.0f}, {90.0f, 200, 0.0f, 3.3333333f},
        {45.0f, 200, 2.3570226f, 2.3570226f}, {180.0f, 300, -5.0f, 0.0f},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.angle);
        m_pPlayfield->m_pLooseBalls->DeleteAll();
        m_Log.clear();
        const Vector2 at = {300.25f, 240.5f};
        CBrickTrappedBall* marker = Marker(at, c.angle, c.speed);
        marker->GetPlugIns().AddPlugIn(new CRecordingPlugIn(&m_Log, "p"));
        const uint32_t score = m_pPlayfield->GetScore();

        marker->OnRoundStart();

        const std::vector<CBallAI*> balls = LooseBalls();
        ASSERT_EQ(balls.size(), 1u);
        const CBallAI* ball = balls[0];
        CSprite* sprite = ball->GetSprite();
        EXPECT_NEAR(sprite->m_Velocity.x, c.velocityX, 1e-5f);
        EXPECT_NEAR(sprite->m_Velocity.y, c.velocityY, 1e-5f);
        EXPECT_EQ(sprite->m_Position.x, at.x);
        EXPECT_EQ(sprite->m_Position.y, at.y);
        EXPECT_EQ(sprite->GetPreviousPosition().x, at.x);
        EXPECT_TRUE(ball->IsLoose());
        EXPECT_TRUE(ball->IsSmall());
        EXPECT_EQ(ball->GetPlugInCount(), 0u);
        EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 0);

        // Gone without being broken: nothing scored, no plug-in told.
        EXPECT_TRUE(marker->IsDestroyed());
        EXPECT_EQ(m_pPlayfield->GetScore(), score);
        for (const std::string& line : m_Log)
            EXPECT_EQ(line.find("destroyed"), std::string::npos) << line;
    }
}

TEST_F(TrappedBallTest, ByDefaultTheBallLeavesRightAndDownAndTheMarkerIsInNoOnesWay)
{
    CBrickTrappedBall marker;
    EXPECT_EQ(marker.m_StartingAngle, 45.0f);
    EXPECT_EQ(marker.m_StartingSpeed, 200);
    const Vector2 velocity = marker.GetReleaseVelocity();
    EXPECT_GT(velocity.x, 0.0f);
    EXPECT_GT(velocity.y, 0.0f);
    EXPECT_FALSE(marker.MustBeDestroyedToFinish());
    EXPECT_TRUE(marker.LetsBallPassThrough(nullptr));
    EXPECT_FALSE(marker.BlocksBricks());
    EXPECT_STREQ(marker.GetTypeDisplayName().GetText(), "Trapped Ball");
}

// Laid among the round's bricks, every marker lets its ball go when play
// begins, and the round is cleared though a teleporter is still standing.
TEST_F(TrappedBallTest, EveryMarkerOfTheRoundIsReleasedAndNoneIsNeededToFinish)
{
    CTestBrickLayer::s_Stepped = true;
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    ASSERT_TRUE(m_pPlayfield->IsLayingBricks());
    CBrickBase* markers[] = {Marker({100.0f, 200.0f}, 0.0f, 100), Marker({200.0f, 200.0f}, 90.0f, 200),
                             Marker({300.0f, 200.0f}, 200.0f, 300)};
    CBrickBase* teleporter = AddBrick("CBrickTeleporter", "Teleporter Entrance", {400.0f, 200.0f});
    for (CBrickBase* marker : markers)
        EXPECT_FALSE(marker->IsDestroyed());
    EXPECT_TRUE(LooseBalls().empty());

    for (int32_t i = 0; i < 10 && m_pPlayfield->IsLayingBricks(); i++)
        Step();
    ASSERT_FALSE(m_pPlayfield->IsLayingBricks());
    EXPECT_EQ(LooseBalls().size(), 3u);
    EXPECT_FALSE(m_pPlayfield->m_RoundCleared);

    KillRequiredBricks();
    Step();
    EXPECT_TRUE(m_pPlayfield->m_RoundCleared);
    EXPECT_FALSE(teleporter->IsDestroyed());
}

} // namespace
