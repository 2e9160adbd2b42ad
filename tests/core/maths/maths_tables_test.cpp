#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/core/maths/maths_tables.h"

namespace {

// The table entries as stored: sine and cosine of i steps of pi/2000 in
// single precision, computed in extended precision.
float SineEntry(int index)
{
    return static_cast<float>(sinl(static_cast<long double>(index) * 0.0015707964f));
}

float CosineEntry(int index)
{
    return static_cast<float>(cosl(static_cast<long double>(index) * 0.0015707964f));
}

} // namespace

TEST(FastSinCos, ReadTheEntryAtTheFlooredIndex)
{
    struct Case
    {
        float angle;
        int index;
    };
    const Case cases[] = {
        {0.0f, 0},
        {kHalfPi, 1000},
        {kPi, 2000},
        // Exactly 2 pi is not reduced: it reads the last entry, not entry 0.
        {kTwoPi, 4000},
        // Normalised to 4.712389 first.
        {-kHalfPi, 3000},
        // One whole turn plus pi/2 comes back to entry 1000.
        {kTwoPi + kHalfPi, 1000},
        // Just below an entry's angle floors to the entry before it.
        {0.0015707f, 0},
        {0.0031416f, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FastSin(c.angle), SineEntry(c.index)) << c.angle;
        EXPECT_EQ(FastCos(c.angle), CosineEntry(c.index)) << c.angle;
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(c.angle, sine, cosine);
        EXPECT_EQ(sine, SineEntry(c.index)) << c.angle;
        EXPECT_EQ(cosine, CosineEntry(c.index)) << c.angle;
    }
}

TEST(FastSinCos, KnownValuesAreExact)
{
    EXPECT_EQ(FastCos(0.0f), 1.0f);
    EXPECT_EQ(FastSin(0.0f), 0.0f);
    EXPECT_EQ(FastSin(-kHalfPi), -1.0f);
    EXPECT_EQ(FastSin(kHalfPi), 1.0f);
    // Entry 4000 lies a hair past 2 pi, so it is not 0.
    EXPECT_NE(FastSin(kTwoPi), 0.0f);
}

TEST(FastSinCos, FollowTheCurveWithinOneStep)
{
    for (float angle = -20.0f; angle < 20.0f; angle += 0.37f) {
        EXPECT_NEAR(FastSin(angle), std::sin(angle), 0.002f) << angle;
        EXPECT_NEAR(FastCos(angle), std::cos(angle), 0.002f) << angle;
    }
}

TEST(FastSinCos, NonFiniteAndHugeAnglesStayInsideTheTable)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (float angle : {nan, infinity, -infinity}) {
        EXPECT_EQ(FastSin(angle), 0.0f) << angle;
        EXPECT_EQ(FastCos(angle), 1.0f) << angle;
    }
    for (float angle : {1e30f, -1e30f, 3.0e9f, -3.0e9f, std::numeric_limits<float>::max()}) {
        float sine = FastSin(angle);
        EXPECT_GE(sine, -1.0f) << angle;
        EXPECT_LE(sine, 1.0f) << angle;
    }
}

TEST(FastAtan2, AxesAndOrigin)
{
    struct Case
    {
        float y;
        float x;
        float angle;
    };
    const Case cases[] = {
        {0.0f, 0.0f, kPi},
        {0.0f, 3.0f, 0.0f},
        {0.0f, -3.0f, kPi},
        {2.0f, 0.0f, kHalfPi},
        {-2.0f, 0.0f, -kHalfPi},
        // On the diagonal the second form is taken: pi/2 - atan(1).
        {1.0f, 1.0f, kHalfPi - static_cast<float>(std::atan2(10.0, 10.0))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FastAtan2(c.y, c.x), c.angle) << c.y << ", " << c.x;
}

TEST(FastAtan2, EveryOctantFollowsTheLibrary)
{
    for (float angle = -3.1f; angle < 3.14f; angle += 0.05f) {
        float y = 7.0f * std::sin(angle);
        float x = 7.0f * std::cos(angle);
        EXPECT_NEAR(FastAtan2(y, x), std::atan2(y, x), 0.001f) << angle;
    }
}

TEST(FastAtan2, NanArgumentsDoNotReadOutsideTheTable)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const float cases[][2] = {{nan, 1.0f}, {1.0f, nan}, {nan, nan}, {infinity, infinity}, {-infinity, 2.0f}};
    for (const auto& c : cases) {
        float angle = FastAtan2(c[0], c[1]);
        EXPECT_GE(angle, -kPi) << c[0] << ", " << c[1];
        EXPECT_LE(angle, kPi) << c[0] << ", " << c[1];
    }
}

TEST(FastSqrt, KeepsSevenMantissaBits)
{
    EXPECT_EQ(FastSqrt(0.0f), 0.0f);
    EXPECT_EQ(FastSqrt(4.0f), 2.0f);
    EXPECT_EQ(FastSqrt(0.25f), 0.5f);
    EXPECT_EQ(FastSqrt(2.0f), 1.4140625f);
    EXPECT_EQ(FastSqrt(8.0f), 2.828125f);
    // Both the argument and the root are cut to 7 mantissa bits, so the
    // root is never too large and at most 3/256 too small.
    for (float x = 0.001f; x < 100000.0f; x *= 1.7f) {
        float root = FastSqrt(x);
        EXPECT_LE(root, std::sqrt(x)) << x;
        EXPECT_GT(root, std::sqrt(x) * (1.0f - 3.0f / 256.0f)) << x;
    }
}
