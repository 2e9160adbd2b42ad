#include "engine/platform/tick_counter.h"

#include <time.h>

static int64_t MonotonicNanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

static NanosecondClock s_Clock = MonotonicNanoseconds;

NanosecondClock SetNanosecondClock(NanosecondClock clock)
{
    NanosecondClock previous = s_Clock;
    s_Clock = clock ? clock : MonotonicNanoseconds;
    return previous;
}

uint32_t GetTickCount()
{
    return static_cast<uint32_t>(s_Clock() / 1000000);
}

uint32_t GetTickCount24()
{
    return GetTickCount() & 0xFFFFFF;
}

int64_t GetHighResolutionCounter()
{
    return s_Clock();
}

int64_t GetHighResolutionFrequency()
{
    return 1000000000;
}
