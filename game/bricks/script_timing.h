#pragma once

#include <cstdint>

#include "game/bricks/brick_base.h"

// Script timers count fixed updates whatever step the caller passes. A
// timer of t seconds is over in the update n where t - n x the plug-in step
// reaches 0 in float: counting updates, instead of subtracting from a float
// each update, ends a 1 s wait in update 60 and keeps repeating timers from
// drifting.
inline bool ScriptTimeIsOver(float seconds, uint32_t updates)
{
    return seconds - static_cast<float>(updates) * CBrickBase::kPlugInStep <= 0.0f;
}
