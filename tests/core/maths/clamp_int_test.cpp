#include "engine/core/maths/clamp_int.h"

#include <gtest/gtest.h>

TEST(ClampIntTest, LimitsToTheRangeTestingTheLowBoundFirst)
{
    const struct
    {
        int32_t value;
        int32_t low;
        int32_t high;
        int32_t clamped;
    } cases[] = {
        {5, 0, 10, 5}, {-1, 0, 10, 0}, {11, 0, 10, 10}, {0, 0, 10, 0}, {10, 0, 10, 10},
        // Inverted bounds: the low test wins where both apply.
        {5, 10, 0, 10},
        {15, 10, 0, 0},
    };

    for (const auto& c : cases)
        EXPECT_EQ(ClampInt(c.value, c.low, c.high), c.clamped) << c.value << " in " << c.low << ".." << c.high;
}
