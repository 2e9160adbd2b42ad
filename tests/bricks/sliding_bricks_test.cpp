#include <gtest/gtest.h>

#include <vector>

#include "game/bricks/brick_nudge.h"
#include "game/bricks/brick_rail.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_test_field.h"

namespace {

class SlidingBricksTest : public BrickTestField
{
protected:
    CBrickRail* AddRail(const char* style, const Vector2& at)
    {
        return static_cast<CBrickRail*>(AddBrick("CBrickRail", style, at));
    }

    // The brick's own frame, as the brick list runs it.
    static Vector2 FrameMove(CBrickBase* brick)
    {
        const Vector2 before = brick->GetSprite()->m_Position;
        brick->GetSprite()->Update();
        return Vector2Subtract(brick->GetSprite()->m_Position, before);
    }
};

TEST_F(SlidingBricksTest, NudgeCarriesTheBrickItsMovementAFewPixelsAFrameOncePerNudge)
{
    for (int32_t hits : {1, 3})
    {
        SCOPED_TRACE(hits);
        CBrickBase* nudge = AddBrick("CBrickNudge", "Nudge", {300.0f, 300.0f});
        const int32_t sounds = SoundPlays("Clink.wav");
        for (int32_t i = 0; i < hits; i++)
            EXPECT_TRUE(nudge->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        EXPECT_EQ(SoundPlays("Clink.wav"), sounds + hits);
        EXPECT_FALSE(nudge->CanBeMovedByPlugIns());
        std::vector<float> steps;
        for (int32_t frame = 0; frame < 6; frame++)
            steps.push_back(FrameMove(nudge).y);
        EXPECT_EQ(steps, (std::vector<float>{-5.0f, -5.0f, -5.0f, -3.0f, 0.0f, 0.0f}));
        EXPECT_FALSE(nudge->IsDestroyed());
        EXPECT_TRUE(nudge->CanBeMovedByPlugIns());
        nudge->GetSprite()->Kill();
    }
}

TEST_F(SlidingBricksTest, NudgeDrivesAWallOfBricksAlong)
{
    CBrickBase* nudge = AddBrick("CBrickNudge", "Nudge", {300.0f, 300.0f});
    CBrickBase* wall = AddBrick("CBrickNormal", "Quiet", {300.0f, 270.0f});
    nudge->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    for (int32_t frame = 0; frame < 5; frame++)
        nudge->GetSprite()->Update();
    EXPECT_EQ(nudge->GetSprite()->m_Position.y, 282.0f);
    EXPECT_FALSE(wall->IsDestroyed());
    EXPECT_LT(wall->GetSprite()->m_Position.y, 270.0f);
}

TEST_F(SlidingBricksTest, NudgeNotSpawnedByTheLayerShowsAtItsFirstUpdate)
{
    auto* nudge = static_cast<CBrickNudge*>(GetClassRegistry().CreateByName("CBrickNudge"));
    nudge->m_SpawnedByBrickLayer = false;
    AddBrick(nudge, "Nudge", {300.0f, 300.0f});
    nudge->GetSprite()->SetActive(false);
    nudge->GetSprite()->Update();
    EXPECT_TRUE(nudge->GetSprite()->IsActive());
}

TEST_F(SlidingBricksTest, RailSlidesTheWayItsDirectionSaysFromTheContact)
{
    struct Case
    {
        const char* style;
        Vector2 contact;
        Vector2 velocity;
    };
    const float across = 0.35f * CBrickRail::kBrickStepX;
    const float down = 0.35f * CBrickRail::kBrickStepY;
    for (const Case& c : {Case{"Rail", {0.5f, 0.5f}, {0.0f, -down}}, Case{"Rail", {0.0f, 1.0f}, {0.0f, -down}},
                          Case{"Rail", {1.0f, 0.0f}, {-across, 0.0f}}, Case{"Rail", {-0.8f, 0.6f}, {across, 0.0f}},
                          Case{"Rail Right", {0.0f, 1.0f}, {across, 0.0f}},
                          Case{"Rail Right", {-1.0f, 0.0f}, {across, 0.0f}},
                          Case{"Rail Normal", {0.6f, -0.8f}, {-0.6f * across, 0.8f * down}}})
    {
        SCOPED_TRACE(::testing::Message() << c.style << " " << c.contact.x << "," << c.contact.y);
        CBrickRail* rail = AddRail(c.style, {300.0f, 300.0f});
        EXPECT_FALSE(rail->HitByBallOrShot(Hitter(), c.contact));
        EXPECT_TRUE(rail->IsSliding());
        EXPECT_FALSE(rail->CanBeMovedByPlugIns());
        const Vector2 moved = FrameMove(rail);
        EXPECT_NEAR(moved.x, c.velocity.x, 1e-4f);
        EXPECT_NEAR(moved.y, c.velocity.y, 1e-4f);
        rail->GetSprite()->Kill();
    }
}

TEST_F(SlidingBricksTest, SlidingRailDestroysWhatItMeetsUnlessItShoves)
{
    for (bool shove : {false, true})
    {
        SCOPED_TRACE(shove);
        CBrickRail* rail = AddRail(shove ? "Rail Shove" : "Rail Right", {100.0f, 300.0f});
        CBrickBase* met = AddBrick("CBrickNormal", "Quiet", {150.0f, 300.0f});
        const uint32_t score = m_pPlayfield->GetScore();
        rail->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
        for (int32_t frame = 0; frame < 3; frame++)
            rail->GetSprite()->Update();
        EXPECT_EQ(met->IsDestroyed(), !shove);
        EXPECT_EQ(m_pPlayfield->GetScore(), score + (shove ? 0 : 3));
        if (shove)
        {
            EXPECT_GT(met->GetSprite()->m_Position.x, 150.0f);
        }
        rail->GetSprite()->Kill();
        met->GetSprite()->Kill();
    }
}

TEST_F(SlidingBricksTest, ABrickDrivenIntoARestingRailIsDestroyedAndSetsItSlidingItsWay)
{
    for (const char* style : {"Rail", "Rail Normal"})
    {
        SCOPED_TRACE(style);
        CBrickBase* pusher = AddBrick("CBrickNormal", "Quiet", {200.0f, 300.0f});
        CBrickRail* rail = AddRail(style, {241.0f, 300.0f});
        pusher->Move({3.0f, 0.0f}, true, true);
        EXPECT_TRUE(pusher->IsDestroyed());
        EXPECT_TRUE(rail->IsSliding());
        EXPECT_GT(rail->GetSlideVelocity().x, 0.0f);
        EXPECT_EQ(rail->GetSlideVelocity().y, 0.0f);
        rail->GetSprite()->Kill();
    }
}

TEST_F(SlidingBricksTest, SlidingRailOutlivesItsCountdownAndAcidSetsItSlidingUp)
{
    CBrickRail* rail = AddRail("Rail", {300.0f, 300.0f});
    AcidHitQuery query{nullptr, false};
    rail->OnAcidHit(query);
    EXPECT_FALSE(query.refuse);
    EXPECT_TRUE(rail->IsSliding());
    EXPECT_LT(rail->GetSlideVelocity().y, 0.0f);
    rail->ArmCountdown(0.01f);
    rail->GetSprite()->Update();
    EXPECT_FALSE(rail->IsDestroyed());

    CBrickRail* resting = AddRail("Rail", {100.0f, 100.0f});
    resting->ArmCountdown(0.01f);
    resting->GetSprite()->Update();
    EXPECT_TRUE(resting->IsDestroyed());
}

TEST_F(SlidingBricksTest, RailWithoutSpeedDoesNotSlide)
{
    CBrickRail* rail = AddRail("Rail Right", {300.0f, 300.0f});
    rail->m_MoveSpeed = 0.0f;
    rail->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_FALSE(rail->IsSliding());
    rail->ArmCountdown(0.01f);
    rail->GetSprite()->Update();
    EXPECT_TRUE(rail->IsDestroyed());
}

} // namespace
