#include "engine/platform/tick_counter.h"

#include <time.h>

static int64_t MonotonicNanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

static TickSource s_TickSource = nullptr;

TickSource SetTickSource(TickSource source)
{
    TickSource previous = s_TickSource;
    s_TickSource = source;
    return previous;
}

uint32_t GetTickCount()
{
    if (s_TickSource)
        return s_TickSource();
    return static_cast<uint32_t>(MonotonicNanoseconds() / 1000000);
}

uint32_t GetTickCount24()
{
    return GetTickCount() & 0xFFFFFF;
}

int64_t GetHighResolutionCounter()
{
    return MonotonicNanoseconds();
}

int64_t GetHighResolutionFrequency()
{
    return 1000000000;
}
