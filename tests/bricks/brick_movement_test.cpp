#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_test_field.h"

namespace {

class BrickMovementTest : public BrickTestField
{
protected:
    CBrickBase* Normal(float x, float y) { return AddBrick("CBrickNormal", "Quiet", {x, y}); }
    static float X(const CBrickBase* brick) { return brick->GetSprite()->m_Position.x; }
};

// The mover at 200 runs 3 pixels right into the brick at 241 (their
// polygons are 39.5 wide, so they touch only after the move).
TEST_F(BrickMovementTest, SoftMoveSharesItsMotionWithTheBrickAhead)
{
    for (float otherMotion : {0.0f, 2.5f})
    {
        SCOPED_TRACE(otherMotion);
        CBrickBase* mover = Normal(200.0f, 300.0f);
        CBrickBase* other = Normal(241.0f, 300.0f);
        other->m_Motion = {otherMotion, 0.0f};
        bool inFull = true;
        mover->Move({3.0f, 0.0f}, false, true, &inFull);
        EXPECT_EQ(X(mover), 200.0f + 3.0f * 0.6f);
        EXPECT_FALSE(inFull);
        EXPECT_EQ(X(other), 241.0f);
        EXPECT_EQ(other->m_Motion.x, otherMotion == 0.0f ? 3.0f * 0.6f : 2.5f);
        EXPECT_EQ(other->m_Motion.y, 0.0f);
        mover->GetSprite()->Kill();
        other->GetSprite()->Kill();
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(BrickMovementTest, HardMoveDrivesTheBrickAheadAndDestroysItAtTheEdge)
{
    CBrickBase* mover = Normal(200.0f, 300.0f);
    CBrickBase* other = Normal(241.0f, 300.0f);
    bool inFull = false;
    mover->Move({3.0f, 0.0f}, true, true, &inFull);
    EXPECT_TRUE(inFull);
    EXPECT_EQ(X(mover), 203.0f);
    EXPECT_EQ(X(other), 244.0f);

    CBrickBase* edgeMover = Normal(564.0f, 100.0f);
    CBrickBase* atEdge = Normal(605.0f, 100.0f);
    edgeMover->Move({3.0f, 0.0f}, true, true);
    EXPECT_EQ(X(edgeMover), 567.0f);
    EXPECT_TRUE(atEdge->IsDestroyed());
}

TEST_F(BrickMovementTest, BrickBehindTheMoveIsNeverPushed)
{
    CBrickBase* mover = Normal(200.0f, 300.0f);
    auto* behind = static_cast<CScriptedBrick*>(AddBrick(new CScriptedBrick, "Quiet", {190.0f, 300.0f}));
    mover->Move({3.0f, 0.0f}, true, true);
    EXPECT_EQ(X(mover), 203.0f);
    EXPECT_EQ(X(behind), 190.0f);
    EXPECT_EQ(behind->m_PushesTaken, 0);
}

// The polygon's left edge lies 20 pixels left of the rounded position.
TEST_F(BrickMovementTest, SoftMoveStopsAtTheLeftEdgeOfThePlayArea)
{
    struct Case
    {
        float dx;
        float x;
    };
    for (const Case& c : {Case{-2.0f, 32.0f}, Case{-1.0f, 31.0f}})
    {
        SCOPED_TRACE(c.dx);
        CBrickBase* brick = Normal(32.0f, 300.0f);
        brick->Move({c.dx, 0.0f}, false, true);
        EXPECT_EQ(X(brick), c.x);
        EXPECT_FALSE(brick->IsDestroyed());
        brick->GetSprite()->Kill();
    }
}

TEST_F(BrickMovementTest, MotionDecaysAndStopsWhenNegligible)
{
    struct Case
    {
        float motion;
        float after;
        float x;
    };
    for (const Case& c : {Case{0.012f, 0.0f, 200.0f}, Case{0.02f, 0.02f * 0.7f, 200.0f + 0.02f * 0.7f}})
    {
        SCOPED_TRACE(c.motion);
        CBrickBase* brick = Normal(200.0f, 300.0f);
        brick->m_Motion = {c.motion, 0.0f};
        brick->ApplyMotion(brick->m_Motion);
        EXPECT_EQ(brick->m_Motion.x, c.after);
        EXPECT_EQ(X(brick), c.x);
        brick->GetSprite()->Kill();
    }
}

TEST_F(BrickMovementTest, PushMergesIntoTheMotionComponentByComponent)
{
    CScriptedBrick brick;
    brick.m_Motion = {2.0f, -1.0f};
    CombineMotion(&brick, {1.0f, 3.0f});
    EXPECT_EQ(brick.m_Motion.x, 2.0f);
    EXPECT_EQ(brick.m_Motion.y, 2.0f);
    CombineMotion(&brick, {-3.0f, 0.0f});
    EXPECT_EQ(brick.m_Motion.x, -1.0f);
    EXPECT_EQ(brick.m_Motion.y, 2.0f);
}

TEST_F(BrickMovementTest, CountdownFramesAreOneToNinetyNine)
{
    struct Case
    {
        float seconds;
        uint32_t frames;
    };
    for (const Case& c : {Case{0.5f, 30}, Case{0.001f, 1}, Case{5.0f, 99}, Case{-1.0f, 99},
                          Case{std::numeric_limits<float>::quiet_NaN(), 99}, Case{1e30f, 99}, Case{-0.005f, 1}})
    {
        SCOPED_TRACE(c.seconds);
        CScriptedBrick brick;
        brick.ArmCountdown(c.seconds);
        EXPECT_EQ(brick.m_DestructionCountdown, c.frames);
    }
    CScriptedBrick indestructible;
    indestructible.m_Indestructible = true;
    indestructible.ArmCountdown(0.5f);
    EXPECT_EQ(indestructible.m_DestructionCountdown, 0u);
}

TEST_F(BrickMovementTest, DelayedAreaDamageArmsCountdownsAndNoRadiusReachesNothing)
{
    CBrickBase* centre = Normal(300.0f, 300.0f);
    CBrickBase* near = Normal(330.0f, 300.0f);
    DamageArea(centre->GetSprite(), 40.0f, 24.0f, 0.5f);
    EXPECT_EQ(near->m_DestructionCountdown, 30u);
    EXPECT_EQ(centre->m_DestructionCountdown, 30u);

    for (float radiusY : {0.0f, -24.0f})
    {
        near->m_DestructionCountdown = 0;
        DamageArea(centre->GetSprite(), 40.0f, radiusY, 0.0f);
        DamageArea(centre->GetSprite(), radiusY, 40.0f, 0.25f);
        EXPECT_FALSE(near->IsDestroyed());
        EXPECT_EQ(near->m_DestructionCountdown, 0u);
    }
}

TEST_F(BrickMovementTest, PushChainThatComesBackToTheMoverEnds)
{
    CBrickBase* mover = Normal(200.0f, 300.0f);
    auto* pushing = static_cast<CScriptedBrick*>(AddBrick(new CScriptedBrick, "Quiet", {241.0f, 300.0f}));
    pushing->m_PushesBack = true;
    mover->Move({3.0f, 0.0f}, true, true);
    EXPECT_EQ(pushing->m_PushesTaken, 1);
    EXPECT_EQ(X(mover), 203.0f);
    EXPECT_EQ(X(pushing), 244.0f);
    EXPECT_FALSE(mover->m_MoveGuard);
}

// Narrow bricks 6 pixels apart: each one pushes only the next.
TEST_F(BrickMovementTest, HardPushAlongARowOfAHundredBricksCompletes)
{
    Polygon2D narrow = TestSquare(2.5f);
    GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Quiet")))->m_CollisionPoly = narrow;
    std::vector<CBrickBase*> row;
    for (int32_t i = 0; i < 100; i++)
        row.push_back(Normal(15.0f + 6.0f * static_cast<float>(i), 300.0f));
    row[0]->Move({3.0f, 0.0f}, true, true);
    for (int32_t i = 0; i < 100; i++)
        EXPECT_EQ(X(row[static_cast<size_t>(i)]), 18.0f + 6.0f * static_cast<float>(i)) << i;
}

} // namespace
