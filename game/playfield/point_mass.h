#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"

// One point of a position-based simulation. The velocity is the
// displacement over the previous step, so inertia is "move by it again";
// the correction fields collect what the constraints of one relaxation pass
// ask of the point, to be averaged before any of them moves it.
struct PointMass
{
    float x;
    float y;
    // 0 pins the point; 1 for a free one.
    float inverseMass;
    float previousX;
    float previousY;
    float velocityX;
    float velocityY;
    float correctionX;
    float correctionY;
    uint32_t correctionCount;
};

static_assert(sizeof(PointMass) == 40, "ten 32-bit values");

using CPointMassArray = CPoolArray<PointMass>;
