#include <gtest/gtest.h>

#include "engine/platform/periodic_timers.h"

namespace {

struct Counter
{
    int calls = 0;
};

void Count(void* context)
{
    Counter* counter = static_cast<Counter*>(context);
    counter->calls++;
}

TEST(PeriodicTimersTest, ManualModeRunsEachTimerOnceInOrder)
{
    SetManualPeriodicTimers(true);
    Counter first;
    Counter second;
    const uint32_t a = StartPeriodicTimer(50, Count, &first);
    const uint32_t b = StartPeriodicTimer(50, Count, &second);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, a);
    EXPECT_EQ(RunPeriodicTimersOnce(), 2u);
    KillPeriodicTimer(a);
    EXPECT_EQ(RunPeriodicTimersOnce(), 1u);
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 2);
    KillPeriodicTimer(b);
    EXPECT_EQ(CountPeriodicTimers(), 0u);
    SetManualPeriodicTimers(false);
}

} // namespace
