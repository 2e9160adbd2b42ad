#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps after about 49 days.
uint32_t GetTickCount();

// The millisecond tick count, low 24 bits.
uint32_t GetTickCount24();

// Where GetTickCount reads its milliseconds. Waits that loop on the tick
// count (blocking fades, the main loop's pacing) are tested by installing a
// source that advances on every read; null restores the clock. Answers the
// previous source (null for the clock).
typedef uint32_t (*TickSource)();
TickSource SetTickSource(TickSource source);

// A monotonic counter for measuring short intervals, and its ticks per second.
int64_t GetHighResolutionCounter();
int64_t GetHighResolutionFrequency();
