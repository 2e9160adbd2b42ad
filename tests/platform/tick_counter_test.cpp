#include <gtest/gtest.h>

#include "engine/platform/tick_counter.h"

namespace {

int64_t g_Nanoseconds = 0;

int64_t HandClock()
{
    return g_Nanoseconds;
}

} // namespace

TEST(TickCounter, AnInstalledClockDrivesTheTickCountAndTheCounterUntilRemoved)
{
    const NanosecondClock previous = SetNanosecondClock(HandClock);
    g_Nanoseconds = 0x1234567 * int64_t(1000000) + 999999;
    EXPECT_EQ(GetTickCount(), 0x1234567u);
    EXPECT_EQ(GetTickCount24(), 0x234567u);
    EXPECT_EQ(GetHighResolutionCounter(), g_Nanoseconds);
    EXPECT_EQ(GetHighResolutionFrequency(), 1000000000);

    EXPECT_EQ(SetNanosecondClock(nullptr), HandClock);
    EXPECT_NE(GetHighResolutionCounter(), g_Nanoseconds);
    SetNanosecondClock(previous);
}
