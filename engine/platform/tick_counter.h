#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps after about 49 days.
uint32_t GetTickCount();

// The millisecond tick count, low 24 bits.
uint32_t GetTickCount24();

// A monotonic counter for measuring short intervals, and its ticks per second.
int64_t GetHighResolutionCounter();
int64_t GetHighResolutionFrequency();

// Where the tick count and the counter read the time: nanoseconds since an
// arbitrary start, by default the system's monotonic clock. Tests install
// one they move by hand; none restores the system's. Answers the previous.
typedef int64_t (*NanosecondClock)();
NanosecondClock SetNanosecondClock(NanosecondClock clock);
