#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/core/maths/maths_helpers.h"

TEST(FloorAndCeil, RoundTowardTheRightSide)
{
    struct Case
    {
        float x;
        int32_t floor;
        int32_t ceil;
    };
    const Case cases[] = {
        {1.5f, 1, 2}, {-1.5f, -2, -1}, {2.5f, 2, 3}, {-0.2f, -1, 0}, {3.0f, 3, 3}, {0.0f, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloorToInt(c.x), c.floor) << c.x;
        EXPECT_EQ(Floor(c.x), static_cast<float>(c.floor)) << c.x;
        EXPECT_EQ(CeilToInt(c.x), c.ceil) << c.x;
        EXPECT_EQ(Ceil(c.x), static_cast<float>(c.ceil)) << c.x;
    }
}

TEST(FloorAndCeil, OutOfRangeValuesSaturate)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(FloorToInt(1e20f), INT32_MAX);
    EXPECT_EQ(FloorToInt(-1e20f), INT32_MIN);
    EXPECT_EQ(CeilToInt(std::numeric_limits<float>::infinity()), INT32_MAX);
    EXPECT_EQ(FloorToInt(nan), 0);
    EXPECT_EQ(RoundToInt(nan), 0);
}

TEST(RoundToInt, TiesGoToEven)
{
    EXPECT_EQ(RoundToInt(0.5f), 0);
    EXPECT_EQ(RoundToInt(1.5f), 2);
    EXPECT_EQ(RoundToInt(-2.5f), -2);
    EXPECT_EQ(RoundToInt(2.6f), 3);
}

TEST(IntersectSegments, SharedEndPointMeetsThere)
{
    float x = -1.0f;
    float y = -1.0f;
    EXPECT_EQ(IntersectSegments(0, 0, 10, 0, 10, 0, 10, 10, x, y), INTERSECT_POINT);
    EXPECT_EQ(x, 10.0f);
    EXPECT_EQ(y, 0.0f);
}

TEST(IntersectSegments, CollinearOverlapIsParallelAndWritesNoPoint)
{
    float x = -1.0f;
    float y = -1.0f;
    EXPECT_EQ(IntersectSegments(0, 0, 10, 0, 5, 0, 15, 0, x, y), INTERSECT_PARALLEL);
    EXPECT_EQ(x, -1.0f);
    EXPECT_EQ(y, -1.0f);
}

TEST(IntersectSegments, CrossingAndMissing)
{
    float x = 0.0f;
    float y = 0.0f;
    EXPECT_EQ(IntersectSegments(0, 0, 10, 10, 0, 10, 10, 0, x, y), INTERSECT_POINT);
    EXPECT_EQ(x, 5.0f);
    EXPECT_EQ(y, 5.0f);
    // Bounding ranges apart.
    EXPECT_EQ(IntersectSegments(0, 0, 1, 1, 5, 0, 6, 1, x, y), INTERSECT_NONE);
    // Ranges overlap but the lines meet beyond the end of one segment.
    EXPECT_EQ(IntersectSegments(0, 0, 10, 0, 5, 1, 6, 5, x, y), INTERSECT_NONE);
}

TEST(IntersectLines, MeetBeyondTheSegmentsOrAreParallel)
{
    float x = 0.0f;
    float y = 0.0f;
    EXPECT_EQ(IntersectLines(0, 0, 1, 0, 5, 1, 5, 2, x, y), INTERSECT_POINT);
    EXPECT_EQ(x, 5.0f);
    EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(IntersectLines(0, 0, 1, 0, 0, 1, 1, 1, x, y), INTERSECT_PARALLEL);
}

TEST(BitsNeeded, CountsSignificantBits)
{
    const uint32_t cases[][2] = {
        {0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {7, 3}, {255, 8}, {256, 9}, {0x80000000u, 32}, {0xFFFFFFFFu, 32},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BitsNeeded(c[0]), c[1]) << c[0];
}

TEST(EaseCurve, EndsAtZeroAndOneAndHalvesInTheMiddle)
{
    EXPECT_EQ(EaseCurve(0.5f, 0.25f, 0.75f), 0.5f);
    const float shapes[][2] = {{0.25f, 0.75f}, {0.1f, 0.3f}, {0.5f, 0.5f}, {0.01f, 0.99f}, {0.7f, 0.9f}};
    for (const auto& shape : shapes) {
        EXPECT_EQ(EaseCurve(0.0f, shape[0], shape[1]), 0.0f) << shape[0] << " " << shape[1];
        EXPECT_EQ(EaseCurve(1.0f, shape[0], shape[1]), 1.0f) << shape[0] << " " << shape[1];
        float previous = 0.0f;
        for (float t = 0.05f; t < 1.0f; t += 0.05f) {
            float position = EaseCurve(t, shape[0], shape[1]);
            EXPECT_GE(position, previous) << t;
            previous = position;
        }
    }
}

TEST(EaseCurveSymmetric, WithoutEasingIsLinear)
{
    for (float t = 0.0f; t <= 1.0f; t += 0.125f)
        EXPECT_EQ(EaseCurveSymmetric(t, 0.0f), t);
    EXPECT_EQ(EaseCurveSymmetric(0.3f, 0.2f), EaseCurve(0.3f, 0.2f, 0.8f));
}

TEST(LerpRound, RoundsTiesToEven)
{
    EXPECT_EQ(LerpRound(0.0f, 5.0f, 0.5f), 2.0f);
    EXPECT_EQ(LerpRound(0.0f, 7.0f, 0.5f), 4.0f);
    EXPECT_EQ(LerpRound(10.0f, 20.0f, 0.26f), 13.0f);
    EXPECT_EQ(LerpRound(10.0f, -10.0f, 0.75f), -5.0f);
}

TEST(Clamp, KeepsValuesInRange)
{
    EXPECT_EQ(Clamp(-1.0f, 0.0f, 2.0f), 0.0f);
    EXPECT_EQ(Clamp(3.0f, 0.0f, 2.0f), 2.0f);
    EXPECT_EQ(Clamp(1.5f, 0.0f, 2.0f), 1.5f);
}
