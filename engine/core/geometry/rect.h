#pragma once

#include <cstdint>

// An integer rectangle. Drawing treats it as half-open (right and bottom
// lie just outside); polygon bounds keep right > left and bottom > top.
struct CRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
