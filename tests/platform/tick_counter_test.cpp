#include <gtest/gtest.h>

#include <cstdlib>

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

TEST(TickCounterDeathTest, TheFakeClockSwitchIsReadAtTheFirstUseOfTheClock)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The child process starts afresh with the switch in its environment.
    setenv("VP_FAKE_CLOCK", "1", 1);
    EXPECT_EXIT(
        {
            const int64_t start = GetHighResolutionCounter();
            bool still = start > 0 && GetHighResolutionCounter() == start && IsFakeClockRunning();
            SleepMilliseconds(100);
            const bool slept = GetHighResolutionCounter() - start == 100000000;
            AdvanceFakeClock(FAKE_CLOCK_STEP_NANOSECONDS);
            const float step = static_cast<float>(static_cast<double>(GetHighResolutionCounter() - start - 100000000) /
                                                  static_cast<double>(GetHighResolutionFrequency()));
            std::exit(still && slept && step == 1.0f / 60.0f ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    unsetenv("VP_FAKE_CLOCK");
}

TEST(TickCounter, OffTheFakeClockAdvancingDoesNothingAndSleepingWaits)
{
    ASSERT_FALSE(IsFakeClockRunning());
    const NanosecondClock previous = SetNanosecondClock(HandClock);
    g_Nanoseconds = 5;
    AdvanceFakeClock(1000);
    EXPECT_EQ(GetHighResolutionCounter(), 5);
    SetNanosecondClock(previous);
    const int64_t before = GetHighResolutionCounter();
    SleepMilliseconds(2);
    EXPECT_GE(GetHighResolutionCounter() - before, 2000000);
}
