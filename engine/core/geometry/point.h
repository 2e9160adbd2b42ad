#pragma once

#include <cstdint>

// An integer point or size (layout positions, offsets in pixels).
struct CPoint {
    int32_t x;
    int32_t y;
};
