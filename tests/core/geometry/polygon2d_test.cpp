#include <gtest/gtest.h>

#include "engine/core/geometry/polygon2d.h"
#include "tests/support/polygon_shapes.h"

namespace {

// Listed clockwise as seen on the screen (y grows downwards).
Polygon2D UnitSquare()
{
    return MakePolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true);
}

void ExpectBounds(const CRect& bounds, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    EXPECT_EQ(bounds.left, left);
    EXPECT_EQ(bounds.top, top);
    EXPECT_EQ(bounds.right, right);
    EXPECT_EQ(bounds.bottom, bottom);
}

void ExpectPoint(const Vector2& point, float x, float y)
{
    EXPECT_EQ(point.x, x);
    EXPECT_EQ(point.y, y);
}

} // namespace

TEST(Polygon2D, NewPolygonIsEmpty)
{
    Polygon2D polygon;
    EXPECT_EQ(polygon.GetCount(), 0u);
    EXPECT_EQ(polygon.GetFlags(), 0u);
    ExpectBounds(polygon.GetBounds(), 0, 0, 0, 0);
    ExpectPoint(polygon.GetCentre(), 0, 0);
    EXPECT_FALSE(polygon.IsClosed());
}

TEST(Polygon2D, UnitSquareDerivedData)
{
    Polygon2D square = UnitSquare();
    ASSERT_EQ(square.GetCount(), 5u);
    EXPECT_TRUE(square.IsClosed());
    const Vector2 outward[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (uint32_t i = 0; i < 4; i++) {
        ExpectPoint(square.GetEdge(i).normal, outward[i].x, outward[i].y);
        EXPECT_EQ(square.GetEdge(i).length, 1.0f);
    }
    EXPECT_TRUE(square.IsWoundPositively());
    EXPECT_FALSE(square.IsConcave());
    ExpectBounds(square.GetBounds(), 0, 0, 1, 1);
    ExpectPoint(square.GetCentre(), 0.5f, 0.5f);
}

TEST(Polygon2D, ShapeFlags)
{
    struct Case
    {
        const char* name;
        Polygon2D polygon;
        bool concave;
        bool wound;
    };
    const Case cases[] = {
        {"L-shape", MakePolygon({{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, true), true, true},
        {"square with a point mid-side", MakePolygon({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}, true), true, true},
        {"square listed the other way", MakePolygon({{0, 0}, {0, 1}, {1, 1}, {1, 0}}, true), false, false},
        {"open polyline", MakePolygon({{0, 0}, {5, 0}}, false), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.polygon.IsConcave(), c.concave) << c.name;
        EXPECT_EQ(c.polygon.IsWoundPositively(), c.wound) << c.name;
    }
}

TEST(Polygon2D, OnePointBoundsAreOneWide)
{
    Polygon2D point = MakePolygon({{3, 4}}, false);
    ExpectBounds(point.GetBounds(), 3, 4, 4, 5);
    ExpectPoint(point.GetCentre(), 3, 4);
}

TEST(Polygon2D, CentreXNearZeroSnapsButYDoesNot)
{
    Polygon2D point = MakePolygon({{0.04f, 0.04f}}, false);
    ExpectPoint(point.GetCentre(), 0.0f, 0.04f);
}

TEST(Polygon2D, InsertRefusesThe301stPoint)
{
    Polygon2D polygon;
    for (int i = 0; i < 301; i++)
        polygon.InsertPoint(static_cast<float>(i), 0.0f, -1);
    ASSERT_EQ(polygon.GetCount(), 300u);
    ExpectPoint(polygon.GetPoint(299), 299, 0);
}

TEST(Polygon2D, InsertRefusesAPointEqualToItsPredecessor)
{
    Polygon2D polygon = MakePolygon({{0, 0}, {5, 5}}, false);
    // Appending compares with the last point.
    polygon.InsertPoint(5, 5, -1);
    EXPECT_EQ(polygon.GetCount(), 2u);
    polygon.InsertPoint(0, 0, -1);
    EXPECT_EQ(polygon.GetCount(), 3u);
    // Inserting after an index compares with the point at that index.
    polygon.InsertPoint(0, 0, 0);
    EXPECT_EQ(polygon.GetCount(), 3u);
    polygon.InsertPoint(2, 1, 0);
    ASSERT_EQ(polygon.GetCount(), 4u);
    ExpectPoint(polygon.GetPoint(1), 2, 1);
    ExpectPoint(polygon.GetPoint(2), 5, 5);
}

TEST(Polygon2D, ClosingTwiceAddsNothing)
{
    Polygon2D polygon = MakePolygon({{0, 0}, {4, 0}, {4, 4}}, false);
    polygon.Close();
    polygon.Close();
    EXPECT_EQ(polygon.GetCount(), 4u);
    EXPECT_TRUE(polygon.IsClosed());
}

TEST(Polygon2D, SetPointMovesBothEndsOfAClosedPolygon)
{
    Polygon2D square = UnitSquare();
    square.SetPoint(0, -1, -1);
    ExpectPoint(square.GetPoint(4), -1, -1);
    square.MovePoint(4, 1, 0);
    ExpectPoint(square.GetPoint(0), 0, -1);
    EXPECT_TRUE(square.IsClosed());
    ExpectBounds(square.GetBounds(), 0, -1, 1, 1);
}

TEST(Polygon2D, RemovingTheFirstPointKeepsItClosed)
{
    Polygon2D square = UnitSquare();
    square.RemovePoint(0);
    ASSERT_EQ(square.GetCount(), 4u);
    ExpectPoint(square.GetPoint(0), 1, 0);
    ExpectPoint(square.GetPoint(3), 1, 0);
    EXPECT_TRUE(square.IsClosed());
}

TEST(Polygon2D, RemovingTheClosingPointOpensIt)
{
    Polygon2D square = UnitSquare();
    square.RemovePoint(4);
    EXPECT_EQ(square.GetCount(), 4u);
    EXPECT_FALSE(square.IsClosed());
}

TEST(Polygon2D, CopiesAreIndependent)
{
    Polygon2D square = UnitSquare();
    Polygon2D copy(square);
    copy.SetPoint(2, 5, 5);
    ExpectPoint(square.GetPoint(2), 1, 1);
    ExpectBounds(square.GetBounds(), 0, 0, 1, 1);
    Polygon2D assigned;
    assigned = copy;
    ExpectPoint(assigned.GetPoint(2), 5, 5);
    ExpectPoint(assigned.GetEdge(1).normal, copy.GetEdge(1).normal.x, copy.GetEdge(1).normal.y);
    assigned.SetPoints(assigned);
    EXPECT_EQ(assigned.GetCount(), 5u);
    ExpectPoint(assigned.GetPoint(2), 5, 5);
}

TEST(Polygon2D, ClearEmptiesEverything)
{
    Polygon2D square = UnitSquare();
    square.Clear();
    EXPECT_EQ(square.GetCount(), 0u);
    ExpectBounds(square.GetBounds(), 0, 0, 0, 0);
    EXPECT_EQ(square.GetFlags(), 0u);
}

TEST(Polygon2D, ContainsPoint)
{
    Polygon2D square = UnitSquare();
    Polygon2D openSquare = MakePolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, false);
    Polygon2D lShape = MakePolygon({{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, true);
    EXPECT_TRUE(square.ContainsPoint(0.5f, 0.5f));
    EXPECT_FALSE(square.ContainsPoint(1.5f, 0.5f));
    EXPECT_FALSE(openSquare.ContainsPoint(0.5f, 0.5f));
    EXPECT_TRUE(lShape.ContainsPoint(0.5f, 1.5f));
    EXPECT_TRUE(lShape.ContainsPoint(1.5f, 0.5f));
    EXPECT_FALSE(lShape.ContainsPoint(1.5f, 1.5f));
}

TEST(Polygon2D, IsNear)
{
    Polygon2D square = MakePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    EXPECT_TRUE(square.IsNear(5, 5, 1));
    EXPECT_TRUE(square.IsNear(5, -0.5f, 1));
    EXPECT_FALSE(square.IsNear(5, -1.5f, 1));
    EXPECT_FALSE(square.IsNear(50, 50, 1));
}

TEST(Polygon2D, FindNearestPointSkipsTheClosingPoint)
{
    Polygon2D square = MakePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    float squared = 0.0f;
    EXPECT_EQ(square.FindNearestPoint(Vector2{1, 1}, &squared), 0);
    EXPECT_EQ(squared, 2.0f);
    EXPECT_EQ(square.FindNearestPoint(Vector2{1, 1}, &squared, 0), 1);
    EXPECT_EQ(squared, 82.0f);
    EXPECT_EQ(square.FindNearestPoint(Vector2{20000, 0}, &squared), -1);
    EXPECT_EQ(Polygon2D().FindNearestPoint(Vector2{0, 0}, &squared), -1);
}

TEST(Polygon2D, FindNearestEdgeHit)
{
    Polygon2D square = MakePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    float distance = 0.0f;
    float travelled = 0.0f;
    EXPECT_EQ(square.FindNearestEdgeHit(Vector2{4, -0.5f}, 1, &distance, -1, &travelled), 0);
    EXPECT_EQ(distance, 0.5f);
    EXPECT_EQ(travelled, 4.0f);
    // Nearer to edge 1 than to edge 0.
    EXPECT_EQ(square.FindNearestEdgeHit(Vector2{10.2f, 0.5f}, 1, &distance), 1);
    EXPECT_NEAR(distance, 0.2f, 1e-6f);
    // Limited to the first edge.
    EXPECT_EQ(square.FindNearestEdgeHit(Vector2{10.2f, 0.5f}, 1, &distance, 1), 0);
    EXPECT_EQ(square.FindNearestEdgeHit(Vector2{4, -0.5f}, 1, &distance, 0), -1);
    EXPECT_EQ(square.FindNearestEdgeHit(Vector2{50, 50}, 1, &distance), -1);
    EXPECT_EQ(MakePolygon({{4, 0}}, false).FindNearestEdgeHit(Vector2{4, 0}, 1, &distance), -1);
}

TEST(Polygon2D, LengthsAndPointsAlongEdges)
{
    Polygon2D square = MakePolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, true);
    EXPECT_EQ(square.GetLength(), 16.0f);
    EXPECT_EQ(square.GetLength(2), 8.0f);
    EXPECT_EQ(square.GetEdgeLength(3), 4.0f);
    EXPECT_EQ(Polygon2D().GetLength(), 0.0f);
    Vector2 point{0, 0};
    square.PointAlongEdge(1, 1.0f, point);
    ExpectPoint(point, 4, 1);
}

TEST(Polygon2D, GetBoundsAtRoundsTheOffset)
{
    Polygon2D square = UnitSquare();
    CRect bounds;
    square.GetBoundsAt(Vector2{10.5f, -2.6f}, bounds);
    ExpectBounds(bounds, 10, -3, 11, -2);
}

TEST(Polygon2D, InflateMovesEveryEdgeOut)
{
    Polygon2D square = MakePolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, true);
    square.Inflate(1.0f);
    const Vector2 grown[5] = {{-1, -1}, {5, -1}, {5, 5}, {-1, 5}, {-1, -1}};
    ASSERT_EQ(square.GetCount(), 5u);
    for (uint32_t i = 0; i < 5; i++)
        ExpectPoint(square.GetPoint(i), grown[i].x, grown[i].y);
    square.Inflate(-2.0f);
    ExpectPoint(square.GetPoint(0), 1, 1);
    ExpectPoint(square.GetPoint(2), 3, 3);
    ExpectBounds(square.GetBounds(), 1, 1, 3, 3);
}
