#pragma once

#include <cstdint>

// Sums and products of values read from files (offsets, margins, unit
// counts) are worked out in 64 bits and brought back into a range no
// drawing coordinate leaves, so an extreme value in a file gives an extreme
// picture instead of an overflow.
constexpr int64_t COORDINATE_LIMIT = int64_t{1} << 30;

inline int32_t BoundedCoordinate(int64_t value)
{
    if (value < -COORDINATE_LIMIT)
        return static_cast<int32_t>(-COORDINATE_LIMIT);
    if (value > COORDINATE_LIMIT)
        return static_cast<int32_t>(COORDINATE_LIMIT);
    return static_cast<int32_t>(value);
}
