#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/geometry/polygon_collision.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/animate_sprite_ai.h"
#include "game/playfield/sprite.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

namespace {

TEST(Sprite, StartsActiveAndCollidableWithTheDefaults)
{
    CSprite sprite;
    EXPECT_EQ(sprite.m_Flags, SPRITE_ACTIVE | SPRITE_COLLIDABLE);
    EXPECT_FLOAT_EQ(sprite.m_Damping, 0.95f);
    EXPECT_EQ(sprite.m_pSequence, nullptr);
    EXPECT_EQ(sprite.GetPartCount(), 1);
    CRect bounds{1, 1, 1, 1};
    sprite.GetBounds(bounds);
    EXPECT_EQ(bounds.left | bounds.top | bounds.right | bounds.bottom, 0);
}

TEST(Sprite, IntegratesVelocityAccelerationAndDamping)
{
    struct Case
    {
        float acceleration;
        float damping;
        std::vector<float> moves;
    } cases[] = {
        {0.0f, 0.95f, {9.5f, 9.025f, 8.57375f}},
        {1.0f, 0.95f, {10.45f}},
        {0.0f, 1.0f, {10.0f, 10.0f}},
    };
    for (const Case& c : cases)
    {
        CSprite sprite;
        sprite.m_Velocity = Vector2{10.0f, 0.0f};
        sprite.m_Acceleration = Vector2{c.acceleration, 0.0f};
        sprite.m_Damping = c.damping;
        for (float move : c.moves)
        {
            const float before = sprite.m_Position.x;
            sprite.Update();
            EXPECT_NEAR(sprite.m_Position.x - before, move, 1e-4f) << c.acceleration << " " << c.damping;
            EXPECT_EQ(sprite.m_Position.y, 0.0f);
        }
    }
}

TEST(Sprite, NoIntegrationLeavesThePositionToTheBehaviour)
{
    CSprite sprite;
    sprite.m_Flags |= SPRITE_NO_INTEGRATION;
    sprite.m_Velocity = Vector2{10.0f, 5.0f};
    sprite.Update();
    EXPECT_EQ(sprite.m_Position.x, 0.0f);
    EXPECT_EQ(sprite.m_Velocity.x, 10.0f);
}

TEST(Sprite, DrawnPositionRoundsHalvesToEven)
{
    const struct
    {
        float position;
        int32_t drawn;
    } cases[] = {{2.5f, 2}, {3.5f, 4}, {-2.5f, -2}, {2.4f, 2}, {-2.6f, -3}, {1e20f, INT32_MAX}, {-1e20f, INT32_MIN}};
    for (const auto& c : cases)
    {
        CSprite sprite;
        sprite.m_Damping = 1.0f;
        sprite.m_Position = Vector2{c.position, c.position};
        sprite.Update();
        EXPECT_EQ(sprite.m_DrawnPosition.x, c.drawn) << c.position;
        EXPECT_EQ(sprite.m_DrawnPosition.y, c.drawn) << c.position;
    }
}

TEST(Sprite, ALifetimeOfThreeGivesThreeFullUpdatesThenOnlyDeath)
{
    std::vector<std::string> log;
    CSprite sprite;
    sprite.AddAI(new CLoggingAI(&log, "a"));
    sprite.m_Damping = 1.0f;
    sprite.m_Velocity = Vector2{1.0f, 0.0f};
    sprite.SetLifetimeAndAdd(nullptr, 3);
    log.clear();
    for (int i = 1; i <= 3; i++)
    {
        sprite.Update();
        EXPECT_FALSE(sprite.IsDead()) << i;
        EXPECT_EQ(sprite.m_Position.x, static_cast<float>(i));
    }
    sprite.Update();
    EXPECT_TRUE(sprite.IsDead());
    EXPECT_EQ(sprite.m_Position.x, 3.0f);
    EXPECT_EQ(log, (std::vector<std::string>{"a:update0", "a:update0", "a:update0"}));
}

TEST(Sprite, AnInactiveSpriteMovesAndUpdatesButDrawsAndCollidesNothing)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(1, 4, 4, 7));
    std::vector<std::string> log;
    CSprite sprite;
    sprite.SetSequence(sequence.get());
    sprite.AddAI(new CLoggingAI(&log, "a"));
    sprite.SetActive(false);
    sprite.m_Velocity = Vector2{10.0f, 0.0f};
    log.clear();

    sprite.Update();
    EXPECT_FLOAT_EQ(sprite.m_Position.x, 9.5f);
    CRecordingFrame target;
    sprite.Draw(&target);
    sprite.DrawShadow(&target);
    sprite.DrawOverlay(&target);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(log, std::vector<std::string>{"a:update0"});
    EXPECT_EQ(sprite.GetDrawnImage(), nullptr);

    CSprite other;
    other.SetSequence(sequence.get());
    other.SetPosition(sprite.m_Position);
    EXPECT_FALSE(sprite.Collides(&other));
    EXPECT_FALSE(other.Collides(&sprite));
    EXPECT_FALSE(sprite.IsNear(&other));
    EXPECT_FALSE(sprite.OverlapsRect(CRect{-100, -100, 100, 100}));
    EXPECT_FALSE(sprite.HitTestPoint(sprite.m_DrawnPosition.x, sprite.m_DrawnPosition.y));

    sprite.SetActive(true);
    sprite.Draw(&target);
    sprite.DrawShadow(&target);
    sprite.DrawOverlay(&target);
    EXPECT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(log, (std::vector<std::string>{"a:update0", "a:draw", "a:shadow", "a:overlay"}));
    EXPECT_TRUE(sprite.OverlapsRect(CRect{-100, -100, 100, 100}));
    EXPECT_TRUE(sprite.HitTestPoint(sprite.m_DrawnPosition.x, sprite.m_DrawnPosition.y));
}

TEST(Sprite, DrawsAtTheDrawnPositionAndTheShadowAtTheSharedOffset)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(2, 4, 4, 7));
    CSprite sprite;
    sprite.SetSequence(sequence.get());
    sprite.m_FrameIndex = 1;
    sprite.SetPosition(Vector2{100.0f, 50.0f});
    CRecordingFrame target;
    SetShadowOffset(6, 3);
    sprite.Draw(&target);
    sprite.DrawShadow(&target);
    sprite.SetNoShadow(true);
    sprite.DrawShadow(&target);
    SetShadowOffset(10, 10);
    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].x0, 98.0f);
    EXPECT_EQ(target.calls[0].y0, 48.0f);
    EXPECT_EQ(target.calls[1].x0, 104.0f);
    EXPECT_EQ(target.calls[1].y0, 51.0f);
}

TEST(Sprite, AFrameIndexOutsideTheSequenceIsNoFrame)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(3, 4, 4, 7));
    std::unique_ptr<CSequence> empty(MakeSolidSequence(0, 4, 4, 7));
    const struct
    {
        CSequence* sequence;
        int32_t index;
        bool frame;
    } cases[] = {{sequence.get(), 0, true},   {sequence.get(), 2, true}, {sequence.get(), 3, false},
                 {sequence.get(), -1, false}, {empty.get(), 0, false},   {nullptr, 0, false}};
    for (const auto& c : cases)
    {
        CSprite sprite;
        sprite.SetSequence(c.sequence);
        sprite.m_FrameIndex = c.index;
        EXPECT_EQ(sprite.GetImage() != nullptr, c.frame) << c.index;
        CRecordingFrame target;
        sprite.Draw(&target);
        EXPECT_EQ(target.calls.size(), c.frame ? 1u : 0u) << c.index;
    }
}

TEST(Sprite, SetSequenceSetsTheAngleStepAndNoneWithoutFrames)
{
    std::unique_ptr<CSequence> four(MakeSolidSequence(4, 2, 2, 1));
    std::unique_ptr<CSequence> empty(MakeSolidSequence(0, 2, 2, 1));
    CSprite sprite;
    sprite.SetSequence(four.get());
    EXPECT_FLOAT_EQ(sprite.m_AngleStep, 6.2831855f / 4.0f);
    sprite.SetSequence(empty.get());
    EXPECT_EQ(sprite.m_AngleStep, 0.0f);
    sprite.SetSequence(nullptr);
    EXPECT_EQ(sprite.m_AngleStep, 0.0f);
}

TEST(Sprite, NearAndPixelTestsNeedExactlyActiveAndCollidable)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(1, 4, 4, 7));
    const struct
    {
        uint32_t flags;
        bool passes;
    } cases[] = {{1 | 2, true}, {1 | 2 | 4, false}, {1 | 4, false},      {1 | 2 | 8, true},
                 {2, false},    {1, false},         {1 | 2 | 0x20, true}};
    for (const auto& c : cases)
    {
        CSprite a;
        CSprite b;
        a.SetSequence(sequence.get());
        b.SetSequence(sequence.get());
        a.m_Flags = c.flags;
        EXPECT_EQ(a.IsNear(&b), c.passes) << c.flags;
        EXPECT_EQ(b.IsNear(&a), c.passes) << c.flags;
        EXPECT_EQ(a.Collides(&b), c.passes) << c.flags;
        EXPECT_EQ(b.Collides(&a), c.passes) << c.flags;
    }
}

TEST(Sprite, IsNearLooksInABrickSizedBoxWidenedByTheBallRadius)
{
    const struct
    {
        float radius;
        float x;
        float y;
        bool near;
    } cases[] = {
        {8.0f, 24.0f, 0.0f, true},   {8.0f, 24.01f, 0.0f, false},  {8.0f, -24.0f, 0.0f, true},
        {8.0f, 0.0f, 17.0f, true},   {8.0f, 0.0f, -17.01f, false}, {3.0f, 19.0f, 12.0f, true},
        {3.0f, 19.01f, 0.0f, false}, {3.0f, 0.0f, 12.01f, false},
    };
    for (const auto& c : cases)
    {
        SetSpriteBallRadius(c.radius);
        CSprite ball;
        CSprite brick;
        ball.m_Position = Vector2{c.x, c.y};
        EXPECT_EQ(ball.IsNear(&brick), c.near) << c.radius << " " << c.x << " " << c.y;
    }
    SetSpriteBallRadius(8.0f);
}

TEST(Sprite, FrameAnimationRunsOnceAndKillsTheSpriteOffEitherEnd)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(4, 2, 2, 1));
    const struct
    {
        float speed;
        std::vector<int32_t> frames;
    } cases[] = {
        {0.5f, {0, 1, 1, 2, 2, 3, 3}},
        {1.0f, {1, 2, 3}},
        {2.0f, {2}},
        {-1.0f, {}},
    };
    for (const auto& c : cases)
    {
        CSprite sprite;
        sprite.SetSequence(sequence.get());
        sprite.AddAI(new CAnimateSpriteAI(c.speed));
        for (size_t i = 0; i < c.frames.size(); i++)
        {
            sprite.Update();
            EXPECT_EQ(sprite.m_FrameIndex, c.frames[i]) << c.speed << " update " << i + 1;
            EXPECT_FALSE(sprite.IsDead()) << c.speed << " update " << i + 1;
        }
        sprite.Update();
        EXPECT_TRUE(sprite.IsDead()) << c.speed;
        EXPECT_EQ(sprite.m_FrameIndex, 0) << c.speed;
        EXPECT_EQ(sprite.m_FramePosition, 0.0f) << c.speed;
    }
}

// 2.0 is not the unit speed: it moves the fractional position, which the
// whole-frame path never does.
TEST(Sprite, OnlyExactlyOneFramePerStepTakesTheWholeFramePath)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(8, 2, 2, 1));
    CSprite unit;
    CSprite twice;
    unit.SetSequence(sequence.get());
    twice.SetSequence(sequence.get());
    unit.m_FramePosition = 0.25f;
    twice.m_FramePosition = 0.25f;
    unit.AddAI(new CAnimateSpriteAI(1.0f));
    twice.AddAI(new CAnimateSpriteAI(2.0f));
    unit.Update();
    twice.Update();
    EXPECT_EQ(unit.m_FramePosition, 1.0f);
    EXPECT_EQ(twice.m_FramePosition, 2.25f);
    EXPECT_EQ(twice.m_FrameIndex, 2);
}

TEST(Sprite, FrameAnimationLeavesASpriteWithoutFramesAndPassesTheUpdateOn)
{
    std::vector<std::string> log;
    std::unique_ptr<CSequence> empty(MakeSolidSequence(0, 2, 2, 1));
    for (CSequence* sequence : {empty.get(), static_cast<CSequence*>(nullptr)})
    {
        log.clear();
        CSprite sprite;
        sprite.SetSequence(sequence);
        sprite.AddAI(new CAnimateSpriteAI(0.5f));
        sprite.AddAI(new CLoggingAI(&log, "next"));
        sprite.Update();
        EXPECT_FALSE(sprite.IsDead());
        EXPECT_EQ(sprite.m_FramePosition, 0.0f);
        EXPECT_EQ(log, (std::vector<std::string>{"next:attach", "next:update0"}));
    }
}

TEST(Sprite, BehaviourChainAttachesInOrderAndDetachesFromTheMiddle)
{
    std::vector<std::string> log;
    CSprite sprite;
    CLoggingAI* first = new CLoggingAI(&log, "first");
    CAnimateSpriteAI* middle = new CAnimateSpriteAI(1.0f);
    CPolygonAI* last = new CPolygonAI;
    sprite.AddAI(first);
    sprite.AddAI(middle);
    sprite.AddAI(last);
    EXPECT_EQ(log, std::vector<std::string>{"first:attach"});
    EXPECT_EQ(sprite.FindAI(CAnimateSpriteAI::SGetClassInfo()), middle);
    EXPECT_EQ(sprite.FindAI(CSpriteAI::SGetClassInfo()), first);

    std::unique_ptr<CSpriteAI> detached(sprite.DetachAI(CAnimateSpriteAI::SGetClassInfo()));
    EXPECT_EQ(detached.get(), middle);
    EXPECT_EQ(detached->GetNext(), nullptr);
    EXPECT_EQ(sprite.GetAI(), first);
    EXPECT_EQ(first->GetNext(), last);
    EXPECT_EQ(sprite.FindAI(CAnimateSpriteAI::SGetClassInfo()), nullptr);
    EXPECT_EQ(sprite.DetachAI(CAnimateSpriteAI::SGetClassInfo()), nullptr);
    EXPECT_EQ(sprite.FindAI(CPolygonAI::SGetClassInfo()), last);
}

TEST(Sprite, CollisionQueriesWalkTheChainWhileTheUpdateReachesTheHeadOnly)
{
    std::vector<std::string> log;
    Polygon2D box = MakeBox(4.0f, 4.0f);
    CSprite sprite;
    CSprite other;
    CollisionMotion motion;
    EXPECT_EQ(sprite.GetCollisionPolygon(), nullptr);
    EXPECT_FALSE(sprite.PassesThrough(&other, motion));

    sprite.AddAI(new CLoggingAI(&log, "head"));
    sprite.AddAI(new CLoggingAI(&log, "second"));
    sprite.AddAI(new CPolygonAI(&box, true));
    log.clear();
    EXPECT_EQ(sprite.GetCollisionPolygon(), &box);
    EXPECT_TRUE(sprite.PassesThrough(&other, motion));
    sprite.Update();
    EXPECT_EQ(log, std::vector<std::string>{"head:update0"});

    CSprite ghost;
    ghost.m_Flags = SPRITE_ACTIVE;
    EXPECT_TRUE(ghost.PassesThrough(&other, motion));
}

TEST(Sprite, MotionIsTheMoveSincePreviousPositionWithTheSharedBounce)
{
    CSprite sprite;
    sprite.m_Velocity = Vector2{3.0f, 4.0f};
    CollisionMotion motion;
    sprite.GetMotion(motion);
    EXPECT_EQ(motion.m_Length, 0.0f);
    EXPECT_EQ(motion.m_Velocity.x, 3.0f);
    EXPECT_EQ(motion.m_BounceFactor, 1.0f);
    EXPECT_FLOAT_EQ(motion.m_MinimumBounceSpeed, 0.1f);
    EXPECT_EQ(motion.m_Friction, 0.0f);
    EXPECT_FLOAT_EQ(motion.m_StopSpeed, 0.1f);
}

TEST(Sprite, AccelerationFromAngleUsesTheTables)
{
    CSprite sprite;
    sprite.SetAccelerationFromAngle(0.0f, 2.0f);
    EXPECT_NEAR(sprite.m_Acceleration.x, 2.0f, 1e-3f);
    EXPECT_NEAR(sprite.m_Acceleration.y, 0.0f, 1e-3f);
    sprite.SetAccelerationFromAngle(1.5707964f, 2.0f);
    EXPECT_NEAR(sprite.m_Acceleration.x, 0.0f, 5e-3f);
    EXPECT_NEAR(sprite.m_Acceleration.y, 2.0f, 1e-3f);
    CSprite other;
    other.m_Position = Vector2{3.0f, 4.0f};
    EXPECT_EQ(sprite.DistanceSquared(&other), 25.0f);
}

TEST(Sprite, OverlapsRectStrictlyAndHitTestsOpaquePixels)
{
    std::unique_ptr<CSequence> sequence(MakeSolidSequence(1, 4, 4, 7));
    CSprite sprite;
    sprite.SetSequence(sequence.get());
    sprite.SetPosition(Vector2{10.0f, 10.0f});
    // The image covers 8..12 on both axes.
    EXPECT_TRUE(sprite.OverlapsRect(CRect{11, 11, 20, 20}));
    EXPECT_FALSE(sprite.OverlapsRect(CRect{12, 0, 20, 20}));
    EXPECT_FALSE(sprite.OverlapsRect(CRect{0, 0, 8, 8}));
    EXPECT_TRUE(sprite.HitTestPoint(8, 11));
    EXPECT_FALSE(sprite.HitTestPoint(12, 11));
    sprite.m_Flags &= ~SPRITE_COLLIDABLE;
    EXPECT_FALSE(sprite.OverlapsRect(CRect{11, 11, 20, 20}));
    EXPECT_FALSE(sprite.HitTestPoint(8, 11));
}

} // namespace
