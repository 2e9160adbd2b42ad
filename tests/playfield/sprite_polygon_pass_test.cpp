#include <gtest/gtest.h>

#include <vector>

#include "engine/core/geometry/polygon2d.h"
#include "game/playfield/bounce_rule.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/sprite_fixtures.h"

namespace {

struct Contact
{
    CSprite* mover;
    CSprite* obstacle;
    int32_t passesThrough;
    CollisionContact contact;
};

std::vector<Contact> g_Contacts;

void LogContact(CSprite* mover, CSprite* obstacle, int32_t passesThrough, CollisionContact& contact)
{
    g_Contacts.push_back(Contact{mover, obstacle, passesThrough, contact});
}

// Balls against bricks in the round's coordinates: game sprites with a
// polygon each, updated once so their previous positions are set.
class PolygonPass : public testing::Test
{
protected:
    PolygonPass()
        : m_Ball(MakeBox(4.0f, 4.0f))
        , m_Brick(MakeBox(19.75f, 11.0f))
    {
        g_Contacts.clear();
    }

    CGameSprite* AddSprite(CSpriteList& list, const Polygon2D* polygon, Vector2 position, Vector2 velocity,
                           bool passing = false)
    {
        CGameSprite* sprite = new CGameSprite;
        sprite->AddAI(new CPolygonAI(polygon, passing));
        sprite->m_Damping = 1.0f;
        sprite->SetPosition(position);
        sprite->m_Velocity = velocity;
        list.Append(sprite);
        return sprite;
    }

    CGameSprite* AddBall(Vector2 position, Vector2 velocity, bool passing = false)
    {
        return AddSprite(m_Balls, &m_Ball, position, velocity, passing);
    }

    CGameSprite* AddBrick(Vector2 position, const Polygon2D* polygon = nullptr)
    {
        return AddSprite(m_Bricks, polygon != nullptr ? polygon : &m_Brick, position, Vector2{0.0f, 0.0f});
    }

    void Step()
    {
        m_Bricks.UpdateAndReap();
        m_Balls.UpdateAndReap();
        m_Bricks.AutoCollidePolygons(LogContact, m_Balls);
    }

    Polygon2D m_Ball;
    Polygon2D m_Brick;
    CSpriteList m_Balls;
    CSpriteList m_Bricks;
};

TEST_F(PolygonPass, ABallFallingOntoABrickFaceBouncesWithTheExactValues)
{
    const struct
    {
        Vector2 velocity;
        Vector2 position;
        Vector2 travelled;
    } cases[] = {
        {{0.0f, 6.0f}, {300.0f, 182.0f}, {0.0f, 4.0f}},
        {{3.0f, 6.0f}, {303.0f, 182.0f}, {2.0f, 4.0f}},
    };
    for (const auto& c : cases)
    {
        m_Balls.DeleteAll();
        m_Bricks.DeleteAll();
        g_Contacts.clear();
        CGameSprite* brick = AddBrick(Vector2{300.0f, 200.0f});
        CGameSprite* ball = AddBall(Vector2{300.0f, 180.0f}, c.velocity);
        Step();
        EXPECT_FLOAT_EQ(ball->m_Position.x, c.position.x);
        EXPECT_FLOAT_EQ(ball->m_Position.y, c.position.y);
        EXPECT_EQ(ball->m_DrawnPosition.x, static_cast<int32_t>(c.position.x));
        EXPECT_EQ(ball->m_DrawnPosition.y, 182);
        EXPECT_FLOAT_EQ(ball->m_Velocity.x, c.velocity.x);
        EXPECT_FLOAT_EQ(ball->m_Velocity.y, -6.0f);
        ASSERT_EQ(g_Contacts.size(), 1u);
        const Contact& hit = g_Contacts[0];
        EXPECT_EQ(hit.mover, ball);
        EXPECT_EQ(hit.obstacle, brick);
        EXPECT_EQ(hit.passesThrough, 0);
        EXPECT_FLOAT_EQ(hit.contact.m_Time, 2.0f / 3.0f);
        EXPECT_FLOAT_EQ(hit.contact.m_Normal.x, 0.0f);
        EXPECT_FLOAT_EQ(hit.contact.m_Normal.y, -1.0f);
        EXPECT_FLOAT_EQ(hit.contact.m_Offset.x, c.travelled.x);
        EXPECT_FLOAT_EQ(hit.contact.m_Offset.y, c.travelled.y);
        EXPECT_EQ(hit.contact.m_pObstacle, brick);
        EXPECT_FLOAT_EQ(hit.contact.m_ResolvedVelocity.y, -6.0f);
    }
}

// The ball has one pixel of play each side between two walls; every sweep
// strikes the next wall with most of the move left.
TEST_F(PolygonPass, AWedgedBallGoesBackToItsStartAfterFiveBlockingSweeps)
{
    Polygon2D wall = MakeBox(10.0f, 50.0f);
    AddBrick(Vector2{-16.0f, 0.0f}, &wall);
    AddBrick(Vector2{16.0f, 0.0f}, &wall);
    CGameSprite* ball = AddBall(Vector2{0.0f, 0.0f}, Vector2{20.0f, 0.0f});
    Step();
    EXPECT_FLOAT_EQ(ball->m_Position.x, 0.0f);
    EXPECT_FLOAT_EQ(ball->m_Position.y, 0.0f);
    EXPECT_FLOAT_EQ(ball->m_Velocity.x, -20.0f);
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(g_Contacts[0].contact.m_Time, 0.0f);
    EXPECT_EQ(g_Contacts[0].contact.m_Offset.x, 0.0f);
    EXPECT_EQ(g_Contacts[0].contact.m_Contact.x, 0.0f);
}

// Polygon2D::Collide takes only contacts before the end of the move, so a
// move that ends on the surface is a hit just short of it. The sliver of
// move left is no faster than the minimum bounce speed: it is absorbed, so
// one sweep runs and the ball rests at the contact.
TEST_F(PolygonPass, AHitAtTheVeryEndOfTheMoveBouncesTheVelocityInOneSweep)
{
    AddBrick(Vector2{300.0f, 200.0f});
    CGameSprite* ball = AddBall(Vector2{300.0f, 176.008f}, Vector2{0.0f, 8.0f});
    Step();
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_NEAR(g_Contacts[0].contact.m_Time, 0.999f, 1e-4f);
    EXPECT_FLOAT_EQ(ball->m_Velocity.y, -8.0f);
    EXPECT_NEAR(ball->m_Position.y, 184.0f, 1e-3f);
}

TEST_F(PolygonPass, ObstaclesThatJumpedOrAreNewAndNewMoversTakeNoPart)
{
    CGameSprite* jumper = AddBrick(Vector2{300.0f, 600.0f});
    CGameSprite* ball = AddBall(Vector2{300.0f, 180.0f}, Vector2{0.0f, 6.0f});
    m_Bricks.UpdateAndReap();
    jumper->SetPosition(Vector2{300.0f, 200.0f});
    m_Balls.UpdateAndReap();
    m_Bricks.AutoCollidePolygons(LogContact, m_Balls);
    EXPECT_TRUE(g_Contacts.empty());
    EXPECT_FLOAT_EQ(ball->m_Position.y, 186.0f);

    // A brick never updated has no previous position.
    m_Bricks.DeleteAll();
    AddSprite(m_Bricks, &m_Brick, Vector2{300.0f, 200.0f}, Vector2{0.0f, 0.0f});
    ball->SetPosition(Vector2{300.0f, 180.0f});
    m_Balls.UpdateAndReap();
    m_Bricks.AutoCollidePolygons(LogContact, m_Balls);
    EXPECT_TRUE(g_Contacts.empty());

    // A ball never updated neither moves by sweeping nor is stopped.
    m_Bricks.UpdateAndReap();
    m_Balls.DeleteAll();
    CGameSprite* fresh = AddBall(Vector2{300.0f, 186.0f}, Vector2{0.0f, 6.0f});
    m_Bricks.AutoCollidePolygons(LogContact, m_Balls);
    EXPECT_TRUE(g_Contacts.empty());
    EXPECT_FLOAT_EQ(fresh->m_Position.y, 186.0f);
}

TEST_F(PolygonPass, AnObstacleMovingByLessThan400PixelsStillBlocks)
{
    CGameSprite* brick = AddBrick(Vector2{300.0f, 215.0f});
    brick->m_Velocity = Vector2{0.0f, -20.0f};
    AddBall(Vector2{300.0f, 180.0f}, Vector2{0.0f, 0.0f});
    Step();
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(g_Contacts[0].obstacle, brick);
}

TEST_F(PolygonPass, APassingMoverIsToldOfEachBoxItCrossesAndKeepsMoving)
{
    Polygon2D thin = MakeBox(19.75f, 2.0f);
    CGameSprite* first = AddBrick(Vector2{300.0f, 190.0f}, &thin);
    CGameSprite* second = AddBrick(Vector2{300.0f, 200.0f}, &thin);
    CGameSprite* ball = AddBall(Vector2{300.0f, 180.0f}, Vector2{0.0f, 30.0f}, true);
    Step();
    ASSERT_EQ(g_Contacts.size(), 2u);
    EXPECT_EQ(g_Contacts[0].obstacle, first);
    EXPECT_EQ(g_Contacts[1].obstacle, second);
    for (const Contact& hit : g_Contacts)
    {
        EXPECT_EQ(hit.passesThrough, 1);
        EXPECT_EQ(hit.mover, ball);
    }
    EXPECT_LT(g_Contacts[0].contact.m_Time, g_Contacts[1].contact.m_Time);
    EXPECT_FLOAT_EQ(ball->m_Position.y, 210.0f);
    EXPECT_FLOAT_EQ(ball->m_Velocity.y, 30.0f);
}

TEST_F(PolygonPass, EqualContactTimesGoToTheObstacleFirstInTheList)
{
    Polygon2D half = MakeBox(10.0f, 11.0f);
    CGameSprite* left = AddBrick(Vector2{290.0f, 200.0f}, &half);
    AddBrick(Vector2{310.0f, 200.0f}, &half);
    AddBall(Vector2{300.0f, 180.0f}, Vector2{0.0f, 6.0f});
    Step();
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(g_Contacts[0].obstacle, left);
}

// Two sprites sharing one polygon, the obstacle standing where the mover
// starts, are one thing seen twice; elsewhere the shared polygon blocks.
TEST_F(PolygonPass, TheMoversOwnPolygonWhereItStartsIsNoObstacle)
{
    CGameSprite* twin = AddSprite(m_Bricks, &m_Ball, Vector2{300.0f, 180.0f}, Vector2{0.0f, 0.0f});
    CGameSprite* ball = AddBall(Vector2{300.0f, 180.0f}, Vector2{0.0f, 6.0f});
    Step();
    EXPECT_TRUE(g_Contacts.empty());
    EXPECT_FLOAT_EQ(ball->m_Position.y, 186.0f);

    twin->SetPosition(Vector2{300.0f, 192.0f});
    ball->SetPosition(Vector2{300.0f, 180.0f});
    Step();
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(g_Contacts[0].obstacle, twin);
}

TEST_F(PolygonPass, DeadInactiveAndUncollidableSpritesNeitherMoveNorBlock)
{
    CGameSprite* brick = AddBrick(Vector2{300.0f, 200.0f});
    CGameSprite* ball = AddBall(Vector2{300.0f, 180.0f}, Vector2{0.0f, 6.0f});
    m_Bricks.UpdateAndReap();
    for (uint32_t flags : {SPRITE_ACTIVE, SPRITE_COLLIDABLE, SPRITE_ACTIVE | SPRITE_COLLIDABLE | SPRITE_DEAD})
    {
        brick->m_Flags = flags;
        ball->SetPosition(Vector2{300.0f, 180.0f});
        m_Balls.UpdateAndReap();
        m_Bricks.AutoCollidePolygons(LogContact, m_Balls);
        EXPECT_TRUE(g_Contacts.empty()) << flags;
    }
    brick->m_Flags = SPRITE_ACTIVE | SPRITE_COLLIDABLE;
    ball->SetPosition(Vector2{300.0f, 180.0f});
    m_Balls.UpdateAndReap();
    ball->SetActive(false);
    m_Bricks.AutoCollidePolygons(LogContact, m_Balls);
    EXPECT_TRUE(g_Contacts.empty());
    EXPECT_FLOAT_EQ(ball->m_Position.y, 186.0f);
}

TEST(BounceRule, ReflectsSlowsAndAbsorbsByItsFactors)
{
    const Vector2 up{0.0f, -1.0f};
    const struct
    {
        Vector2 v;
        float b, s, f, k;
        Vector2 out;
    } cases[] = {
        {{3.0f, 6.0f}, 1.0f, 0.1f, 0.0f, 0.1f, {3.0f, -6.0f}}, {{3.0f, -6.0f}, 1.0f, 0.1f, 0.0f, 0.1f, {3.0f, -6.0f}},
        {{3.0f, 0.0f}, 1.0f, 0.1f, 0.0f, 0.1f, {3.0f, 0.0f}},  {{0.05f, 6.0f}, 1.0f, 0.1f, 0.0f, 0.1f, {0.0f, -6.0f}},
        {{3.0f, 0.1f}, 1.0f, 0.1f, 0.0f, 0.1f, {3.0f, 0.0f}},  {{3.0f, 6.0f}, 0.5f, 0.1f, 0.0f, 0.1f, {3.0f, -3.0f}},
        {{4.0f, 6.0f}, 1.0f, 0.1f, 0.5f, 0.1f, {2.0f, -6.0f}}, {{3.0f, 6.0f}, 0.5f, 4.0f, 0.0f, 0.1f, {3.0f, 0.0f}},
        {{3.0f, 6.0f}, 1.0f, 0.1f, 0.0f, 5.0f, {0.0f, -6.0f}},
    };
    for (const auto& c : cases)
    {
        Vector2 v = c.v;
        BounceOffNormal(v, up, c.b, c.s, c.f, c.k);
        EXPECT_FLOAT_EQ(v.x, c.out.x) << c.v.x << "," << c.v.y << " b " << c.b << " s " << c.s << " f " << c.f << " k "
                                      << c.k;
        EXPECT_FLOAT_EQ(v.y, c.out.y) << c.v.x << "," << c.v.y << " b " << c.b << " s " << c.s << " f " << c.f << " k "
                                      << c.k;
    }
}

} // namespace
