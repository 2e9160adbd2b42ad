#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps after about 49 days.
uint32_t GetTickCount();

// The millisecond tick count, low 24 bits.
uint32_t GetTickCount24();

// A monotonic counter for measuring short intervals, and its ticks per second.
int64_t GetHighResolutionCounter();
int64_t GetHighResolutionFrequency();
