#pragma once

#include <cstdint>

// Script timers count fixed updates whatever step the caller passes. A
// timer of t seconds is over in the update n where t - n x SCRIPT_STEP
// reaches 0 in float: counting updates instead of subtracting from a float
// keeps a 1 s wait at 60 updates and repeated timers from drifting.
constexpr float SCRIPT_STEP = 0.016666668f;

inline bool ScriptTimeIsOver(float seconds, uint32_t updates)
{
    return seconds - static_cast<float>(updates) * SCRIPT_STEP <= 0.0f;
}
