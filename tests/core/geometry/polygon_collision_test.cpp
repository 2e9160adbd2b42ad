#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/geometry/polygon_collision.h"
#include "tests/support/polygon_shapes.h"

namespace {

Polygon2D UnitSquare()
{
    return MakePolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true);
}

// A tall block whose left face lies at x = faceX.
Polygon2D Wall(float faceX)
{
    return MakePolygon({{faceX, -10}, {faceX + 10, -10}, {faceX + 10, 10}, {faceX, 10}}, true);
}

CollisionMotion Motion(float x, float y)
{
    CollisionMotion motion;
    motion.SetVector(Vector2{x, y});
    return motion;
}

const Vector2 kOrigin{0.0f, 0.0f};

} // namespace

TEST(CollisionMotion, SetFromPointsAndVector)
{
    CollisionMotion motion;
    EXPECT_TRUE(motion.SetFromPoints(Vector2{1, 1}, Vector2{4, 5}));
    EXPECT_EQ(motion.m_Vector.x, 3.0f);
    EXPECT_EQ(motion.m_Vector.y, 4.0f);
    EXPECT_EQ(motion.m_Length, 5.0f);
    EXPECT_FLOAT_EQ(motion.m_Direction.x, 0.6f);
    EXPECT_FLOAT_EQ(motion.m_Direction.y, 0.8f);

    EXPECT_FALSE(motion.SetVector(Vector2{0, 0}));
    EXPECT_EQ(motion.m_Length, 0.0f);
    EXPECT_EQ(motion.m_Direction.x, 0.0f);
    EXPECT_EQ(motion.m_Direction.y, 0.0f);

    motion.SetExtra(Vector2{2, 3}, 1.0f, 0.1f, 0.0f, 0.1f);
    EXPECT_EQ(motion.m_Velocity.y, 3.0f);
    EXPECT_EQ(motion.m_BounceFactor, 1.0f);
    EXPECT_EQ(motion.m_MinimumBounceSpeed, 0.1f);
    EXPECT_EQ(motion.m_StopSpeed, 0.1f);
}

TEST(CollisionMotion, SweptBoundsGrowAlongTheMotion)
{
    CRect bounds;
    UnitSquare().GetSweptBounds(Vector2{10, 10}, Motion(3, -4), bounds);
    EXPECT_EQ(bounds.left, 9);
    EXPECT_EQ(bounds.right, 15);
    EXPECT_EQ(bounds.top, 5);
    EXPECT_EQ(bounds.bottom, 12);
}

TEST(CollisionResult, FreshResultAndFlip)
{
    CollisionResult result;
    EXPECT_EQ(result.m_Time, 1.0f);
    result.m_Offset = Vector2{-4, 0};
    result.m_Normal = Vector2{1, 0};
    result.m_Contact = Vector2{2, 5};
    result.Flip();
    EXPECT_EQ(result.m_Offset.x, 4.0f);
    EXPECT_EQ(result.m_Normal.x, -1.0f);
    EXPECT_EQ(result.m_Contact.x, 5.0f);
    EXPECT_EQ(result.m_Contact.y, 5.0f);
}

TEST(SolveMonicQuadratic, RootCounts)
{
    float roots[2] = {0, 0};
    ASSERT_EQ(SolveMonicQuadratic(-4.0f, 0.0f, roots), 2);
    EXPECT_EQ(roots[0], 2.0f);
    EXPECT_EQ(roots[1], -2.0f);
    ASSERT_EQ(SolveMonicQuadratic(1.0f, 2.0f, roots), 1);
    EXPECT_EQ(roots[0], -1.0f);
    EXPECT_EQ(roots[1], -1.0f);
    EXPECT_EQ(SolveMonicQuadratic(5.0f, 0.0f, roots), 0);
}

TEST(MinOfFloats, SmallestOrZero)
{
    const float values[] = {3.0f, -1.0f, 2.0f};
    EXPECT_EQ(MinOfFloats(values, 3), -1.0f);
    EXPECT_EQ(MinOfFloats(values, 0), 0.0f);
}

// The unit square moving 10 to the right (or left) against a tall wall.
// Positions are where each polygon is placed; a held time is what the result
// held before the sweep (1 for a fresh one). A miss leaves the held time.
struct SquareAgainstWallCase
{
    const char* name;
    Vector2 squareAt;
    float wallFace;
    Vector2 wallAt;
    float motionX;
    float heldTime;
    bool hits;
    float time;
    float offsetX;
    float contactX;
};

const float kUnchecked = NAN;

TEST(PolygonCollide, SquareAgainstAWall)
{
    const SquareAgainstWallCase cases[] = {
        {"meets the face on the way", kOrigin, 6.5f, kOrigin, 10, 1.0f, true, 0.45f, 4.5f, 5.5f},
        {"offsets place both polygons", Vector2{100, 50}, 0.0f, Vector2{106.5f, 50}, 10, 1.0f, true, 0.45f, 4.5f,
         105.5f},
        {"resting close touches at the start", kOrigin, 1.5f, kOrigin, 10, 1.0f, true, -0.5f, 0.0f, kUnchecked},
        {"moving away hits nothing", kOrigin, 1.5f, kOrigin, -10, 1.0f, false, 1.0f, 0.0f, 0.0f},
        {"just out of reach", kOrigin, 12.0f, kOrigin, 10, 1.0f, false, 1.0f, 0.0f, 0.0f},
        {"half a unit further", kOrigin, 12.5f, kOrigin, 10, 1.0f, false, 1.0f, 0.0f, 0.0f},
        {"far away", kOrigin, 30.0f, kOrigin, 10, 1.0f, false, 1.0f, 0.0f, 0.0f},
        {"an earlier held contact stays", kOrigin, 6.5f, kOrigin, 10, 0.3f, false, 0.3f, 0.0f, 0.0f},
    };
    const Polygon2D square = UnitSquare();
    for (const SquareAgainstWallCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const Polygon2D wall = Wall(c.wallFace);
        CollisionResult result;
        result.m_Time = c.heldTime;
        ASSERT_EQ(square.Collide(c.squareAt, wall, c.wallAt, Motion(c.motionX, 0), result), c.hits);
        EXPECT_FLOAT_EQ(result.m_Time, c.time);
        if (!c.hits)
            continue;
        EXPECT_FLOAT_EQ(result.m_Offset.x, c.offsetX);
        EXPECT_EQ(result.m_Offset.y, 0.0f);
        EXPECT_EQ(result.m_Normal.x, -1.0f);
        EXPECT_EQ(result.m_Normal.y, 0.0f);
        if (!std::isnan(c.contactX))
        {
            EXPECT_FLOAT_EQ(result.m_Contact.x, c.contactX);
            EXPECT_FLOAT_EQ(result.m_Contact.y, c.squareAt.y);
        }
    }
}

// Sliding along the top of a block: the face parallel to the motion is not
// struck, but the block's corner on the way is.
TEST(PolygonCollide, ParallelFaceIsSkippedButItsCornerIsMet)
{
    Polygon2D square = UnitSquare();
    Polygon2D block = MakePolygon({{6, 1.5f}, {20, 1.5f}, {20, 10}, {6, 10}}, true);
    CollisionResult result;
    ASSERT_TRUE(square.Collide(kOrigin, block, kOrigin, Motion(10, 0), result));
    float travelled = 5.0f - std::sqrt(0.75f);
    EXPECT_NEAR(result.m_Time, travelled / 10.0f, 1e-5f);
    EXPECT_NEAR(result.m_Normal.x, -std::sqrt(0.75f), 1e-5f);
    EXPECT_NEAR(result.m_Normal.y, -0.5f, 1e-5f);
}

// The tall mover's corners pass either side of the resting triangle's tip;
// only sweeping the tip back against the mover's face finds the contact.
TEST(PolygonCollide, ReversePassFindsAPointedRestingCorner)
{
    Polygon2D tall = MakePolygon({{0, 0}, {1, 0}, {1, 10}, {0, 10}}, true);
    Polygon2D triangle = MakePolygon({{6, 5}, {9, 4}, {9, 6}}, true);
    CollisionMotion motion = Motion(10, 0);

    CollisionResult forwardOnly;
    EXPECT_FALSE(tall.SweepVertices(kOrigin, triangle, kOrigin, motion, forwardOnly));

    CollisionResult result;
    ASSERT_TRUE(tall.Collide(kOrigin, triangle, kOrigin, motion, result));
    EXPECT_FLOAT_EQ(result.m_Time, 0.4f);
    EXPECT_FLOAT_EQ(result.m_Offset.x, 4.0f);
    EXPECT_EQ(result.m_Offset.y, 0.0f);
    // From the resting triangle towards the mover.
    EXPECT_EQ(result.m_Normal.x, -1.0f);
    EXPECT_EQ(result.m_Normal.y, 0.0f);
    // The tip, one unit towards the mover.
    EXPECT_FLOAT_EQ(result.m_Contact.x, 5.0f);
    EXPECT_FLOAT_EQ(result.m_Contact.y, 5.0f);
}

TEST(PolygonCollide, NothingToCollideWith)
{
    Polygon2D square = UnitSquare();
    Polygon2D lonePoint;
    lonePoint.InsertPoint(3, 0.5f, -1);
    CollisionResult result;
    EXPECT_FALSE(square.Collide(kOrigin, lonePoint, kOrigin, Motion(10, 0), result));
    EXPECT_FALSE(Polygon2D().Collide(kOrigin, square, kOrigin, Motion(10, 0), result));
    EXPECT_FALSE(square.Collide(kOrigin, Wall(6.5f), Vector2{0, 100}, Motion(10, 0), result));
    EXPECT_EQ(result.m_Time, 1.0f);
}

TEST(PolygonOverlaps, SharedStartPointOverlaps)
{
    Polygon2D first = MakePolygon({{0, 0}, {4, 0}, {0, 4}}, true);
    Polygon2D second = MakePolygon({{4, 0}, {8, 0}, {8, 4}}, true);
    EXPECT_TRUE(first.Overlaps(kOrigin, &second, kOrigin));
    EXPECT_TRUE(second.Overlaps(kOrigin, &first, kOrigin));
}

TEST(PolygonOverlaps, OutlinesApartWithOverlappingBoundsDoNotOverlap)
{
    Polygon2D lowerLeft = MakePolygon({{0, 0}, {10, 0}, {0, 10}}, true);
    Polygon2D upperRight = MakePolygon({{10, 6}, {10, 10}, {6, 10}}, true);
    EXPECT_FALSE(lowerLeft.Overlaps(kOrigin, &upperRight, kOrigin));
}

TEST(PolygonOverlaps, ContainedAndCrossingAndAbsent)
{
    Polygon2D big = MakePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    Polygon2D small = MakePolygon({{4, 4}, {6, 4}, {6, 6}, {4, 6}}, true);
    Polygon2D bar = MakePolygon({{-2, 4}, {12, 4}, {12, 6}, {-2, 6}}, true);
    EXPECT_TRUE(big.Overlaps(kOrigin, &small, kOrigin));
    EXPECT_TRUE(small.Overlaps(kOrigin, &big, kOrigin));
    // No vertex inside the other: only the edges cross.
    Polygon2D column = MakePolygon({{4, -2}, {6, -2}, {6, 12}, {4, 12}}, true);
    EXPECT_TRUE(bar.Overlaps(kOrigin, &column, kOrigin));
    EXPECT_FALSE(small.Overlaps(Vector2{20, 0}, &big, kOrigin));
    EXPECT_FALSE(big.Overlaps(kOrigin, nullptr, kOrigin));
    EXPECT_FALSE(Polygon2D().Overlaps(kOrigin, &big, kOrigin));
}

TEST(PolygonOverlaps, APolygonAtTheEndsOfTheIntegerRangeOverlapsNothing)
{
    // A level may place a brick as far out as a float goes; its bounds
    // round to the ends of the 32-bit range.
    const Polygon2D box = MakeBox(20.0f, 12.0f);
    for (float far : {-1e30f, 1e30f})
    {
        EXPECT_FALSE(box.Overlaps(Vector2{far, far}, &box, kOrigin)) << far;
        EXPECT_FALSE(box.SweptBoundsOverlap(kOrigin, box, Vector2{far, 0.0f}, Vector2{0.0f, 0.0f}, 2)) << far;
    }
}
