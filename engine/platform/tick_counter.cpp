#include "engine/platform/tick_counter.h"

#include <time.h>

#include <cstdlib>
#include <cstring>

// The clock is chosen at its first use, not by a static initialiser, so
// that the fake clock's switch is seen by code that reads the time while
// statics are still being built (the random generators' seeds).

namespace {

// Far from 0, so that code treating a zero reading as "never" is not fooled.
constexpr int64_t kFakeClockStart = 1000000000000;

int64_t s_FakeNanoseconds = kFakeClockStart;

int64_t MonotonicNanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

int64_t FakeNanoseconds()
{
    return s_FakeNanoseconds;
}

NanosecondClock s_DefaultClock = nullptr;
NanosecondClock s_Clock = nullptr;

NanosecondClock DefaultClock()
{
    if (!s_DefaultClock)
    {
        const char* fake = std::getenv("VP_FAKE_CLOCK");
        s_DefaultClock = fake && std::strcmp(fake, "1") == 0 ? FakeNanoseconds : MonotonicNanoseconds;
    }
    return s_DefaultClock;
}

int64_t Now()
{
    if (!s_Clock)
        s_Clock = DefaultClock();
    return s_Clock();
}

} // namespace

NanosecondClock SetNanosecondClock(NanosecondClock clock)
{
    NanosecondClock previous = s_Clock ? s_Clock : DefaultClock();
    s_Clock = clock ? clock : DefaultClock();
    return previous;
}

void StartFakeClock()
{
    s_FakeNanoseconds = kFakeClockStart;
    s_DefaultClock = FakeNanoseconds;
    s_Clock = FakeNanoseconds;
}

bool IsFakeClockRunning()
{
    if (!s_Clock)
        s_Clock = DefaultClock();
    return s_Clock == FakeNanoseconds;
}

void AdvanceFakeClock(int64_t nanoseconds)
{
    if (IsFakeClockRunning())
        s_FakeNanoseconds += nanoseconds;
}

void SleepMilliseconds(uint32_t milliseconds)
{
    if (IsFakeClockRunning())
    {
        s_FakeNanoseconds += static_cast<int64_t>(milliseconds) * 1000000;
        return;
    }
    timespec wait = {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000};
    while (nanosleep(&wait, &wait) != 0)
    {
    }
}

uint32_t GetTickCount()
{
    return static_cast<uint32_t>(Now() / 1000000);
}

uint32_t GetTickCountAfter(uint32_t last)
{
    const uint32_t now = GetTickCount();
    if (now != last)
        return now;
    SleepMilliseconds(FRAME_MILLISECONDS);
    return GetTickCount();
}

uint32_t GetTickCount24()
{
    return GetTickCount() & 0xFFFFFF;
}

int64_t GetHighResolutionCounter()
{
    return Now();
}

int64_t GetHighResolutionFrequency()
{
    return 1000000000;
}
