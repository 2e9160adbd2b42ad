#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps after about 49 days.
uint32_t GetTickCount();

// The tick count for a loop that waits on it, redrawing or polling: when it
// still reads the loop's last reading, the loop sleeps a display frame's
// time first. The fake clock stands still unless moved, so such a loop
// would otherwise spin for ever, and a fade on it takes as many passes as
// on a display; on the system's clock a loop faster than the display's
// refresh redraws no more often than it.
uint32_t GetTickCountAfter(uint32_t last);
constexpr uint32_t FRAME_MILLISECONDS = 16;

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

// The fake clock: a manual clock at a fixed start that only moves when told.
// VP_FAKE_CLOCK=1 in the environment starts it at the first reading of the
// time; tests may start it themselves. While it runs, the main loop moves it
// one fixed step before each pass and SleepMilliseconds moves it instead of
// sleeping, so runs repeat exactly.
void StartFakeClock();
bool IsFakeClockRunning();
// Nothing unless the fake clock runs.
void AdvanceFakeClock(int64_t nanoseconds);
// One step of the main loop on the fake clock: the float 1/60 when read back.
constexpr int64_t FAKE_CLOCK_STEP_NANOSECONDS = 16666667;

// Waits, or on the fake clock moves it by the time.
void SleepMilliseconds(uint32_t milliseconds);
