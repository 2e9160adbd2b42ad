#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/geometry/vector2d.h"

TEST(Vector2, Operations)
{
    Vector2 a{3.0f, 4.0f};
    Vector2 b{1.0f, -2.0f};
    Vector2 sum = Vector2Add(a, b);
    Vector2 difference = Vector2Subtract(a, b);
    Vector2 scaled = Vector2Scale(a, 0.5f);
    EXPECT_EQ(sum.x, 4.0f);
    EXPECT_EQ(sum.y, 2.0f);
    EXPECT_EQ(difference.x, 2.0f);
    EXPECT_EQ(difference.y, 6.0f);
    EXPECT_EQ(scaled.x, 1.5f);
    EXPECT_EQ(scaled.y, 2.0f);
    EXPECT_EQ(Vector2Dot(a, b), -5.0f);
    EXPECT_EQ(Vector2Length(a), 5.0f);
    Vector2Negate(a);
    EXPECT_EQ(a.x, -3.0f);
    EXPECT_EQ(a.y, -4.0f);
    Vector2Assign(a, b);
    EXPECT_EQ(a.x, 1.0f);
    EXPECT_EQ(a.y, -2.0f);
}

namespace {

struct SweepCase
{
    const char* name;
    Vector2 centre;
    float radius;
    bool hit;
    float travelled;
    float distance;
    Vector2 normal;
};

} // namespace

// A point leaves (0, 0) to the right for 4 units.
TEST(SweepPointAgainstCircle, EveryWayOfMeetingACircle)
{
    const Vector2 start{0.0f, 0.0f};
    const Vector2 right{1.0f, 0.0f};
    const float halfRoot2 = std::sqrt(0.5f);
    const SweepCase cases[] = {
        {"closest approach", {2.0f, 0.5f}, 1.0f, true, 2.0f, 0.5f, {0.0f, 1.0f}},
        {"through the centre: right-hand side", {2.0f, 0.0f}, 1.0f, true, 2.0f, 0.0f, {0.0f, -1.0f}},
        {"starts inside", {-0.5f, 0.5f}, 1.0f, true, 0.0f, halfRoot2, {-halfRoot2, halfRoot2}},
        {"only the end inside", {4.5f, 0.5f}, 1.0f, true, 4.0f, halfRoot2, {halfRoot2, halfRoot2}},
        {"passes beside", {2.0f, 1.5f}, 1.0f, false, 0.0f, 0.0f, {0.0f, 0.0f}},
        {"beyond the end", {5.5f, 0.9f}, 1.0f, false, 0.0f, 0.0f, {0.0f, 0.0f}},
        {"behind the start", {-1.5f, 0.0f}, 1.0f, false, 0.0f, 0.0f, {0.0f, 0.0f}},
    };
    for (const SweepCase& c : cases) {
        Vector2 normal{9.0f, 9.0f};
        float distance = 9.0f;
        float travelled = 9.0f;
        bool hit = SweepPointAgainstCircle(start, 4.0f, right, c.centre, c.radius, &normal, &distance, &travelled);
        ASSERT_EQ(hit, c.hit) << c.name;
        if (!hit)
            continue;
        EXPECT_FLOAT_EQ(travelled, c.travelled) << c.name;
        EXPECT_FLOAT_EQ(distance, c.distance) << c.name;
        EXPECT_FLOAT_EQ(normal.x, c.normal.x) << c.name;
        EXPECT_FLOAT_EQ(normal.y, c.normal.y) << c.name;
    }
}

TEST(SweepPointAgainstCircle, EachOutputIsOptional)
{
    const Vector2 start{0.0f, 0.0f};
    const Vector2 right{1.0f, 0.0f};
    const Vector2 centre{2.0f, 0.5f};
    Vector2 normal{0.0f, 0.0f};
    EXPECT_TRUE(SweepPointAgainstCircle(start, 4.0f, right, centre, 1.0f, &normal, nullptr, nullptr));
    EXPECT_EQ(normal.x, 0.0f);
    EXPECT_EQ(normal.y, 1.0f);
    float travelled = 0.0f;
    EXPECT_TRUE(SweepPointAgainstCircle(start, 4.0f, right, centre, 1.0f, nullptr, nullptr, &travelled));
    EXPECT_EQ(travelled, 2.0f);
    EXPECT_TRUE(SweepPointAgainstCircle(start, 4.0f, right, centre, 1.0f, nullptr, nullptr, nullptr));
}
