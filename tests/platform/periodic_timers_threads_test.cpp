#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "engine/platform/periodic_timers.h"

namespace {

struct Counter
{
    std::atomic<int> calls{0};
    std::atomic<bool> inside{false};
    std::atomic<bool> overlapped{false};
    int sleepMs = 0;
};

void Count(void* context)
{
    Counter* counter = static_cast<Counter*>(context);
    if (counter->inside.exchange(true))
        counter->overlapped = true;
    if (counter->sleepMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(counter->sleepMs));
    counter->calls++;
    counter->inside = false;
}

// The timer thread runs callbacks one at a time; a kill returns only once
// the running call finished, and no call follows it.
TEST(PeriodicTimersTest, KillWaitsForTheRunningCall)
{
    Counter slow;
    slow.sleepMs = 20;
    Counter fast;
    const uint32_t a = StartPeriodicTimer(1, Count, &slow);
    const uint32_t b = StartPeriodicTimer(1, Count, &fast);
    while (slow.calls < 3 || fast.calls < 3)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    KillPeriodicTimer(a);
    EXPECT_FALSE(slow.inside);
    const int after = slow.calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(slow.calls, after);
    KillPeriodicTimer(b);
    EXPECT_FALSE(slow.overlapped);
    EXPECT_FALSE(fast.overlapped);
}

// The timer thread sleeps until the earliest deadline; timers started
// meanwhile grow the timer table under it (the music mixer starts its
// streams while the intro track's timer waits). Under AddressSanitizer a
// wait that kept reading its deadline from the old table reports it.
TEST(PeriodicTimersTest, TimersStartedWhileTheThreadWaitsLeaveItsDeadlineWhole)
{
    Counter idle;
    const uint32_t before = CountPeriodicTimers();
    std::vector<uint32_t> ids;
    for (int i = 0; i < 64; i++)
    {
        ids.push_back(StartPeriodicTimer(60000, Count, &idle));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(CountPeriodicTimers(), before + 64);
    for (uint32_t id : ids)
        KillPeriodicTimer(id);
    EXPECT_EQ(CountPeriodicTimers(), before);
    EXPECT_EQ(idle.calls, 0);
}

} // namespace
