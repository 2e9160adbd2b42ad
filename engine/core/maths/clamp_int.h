#pragma once

#include <cstdint>

// The low bound is tested first: with bounds the wrong way round a value
// below low answers low and any other value answers high.
inline int32_t ClampInt(int32_t value, int32_t low, int32_t high)
{
    if (value < low)
        return low;
    if (value > high)
        return high;
    return value;
}
