#include <gtest/gtest.h>

#include "engine/app/input/key_repeat.h"

TEST(KeyRepeat, DelaySettingsRunFromAQuarterToOneSecond)
{
    EXPECT_FLOAT_EQ(KeyRepeatDelayForSetting(0), 0.25f);
    EXPECT_FLOAT_EQ(KeyRepeatDelayForSetting(3), 1.0f);
}

TEST(KeyRepeat, SpeedSettingsRunFromAboutFourTenthsToAThirtiethOfASecond)
{
    EXPECT_FLOAT_EQ(KeyRepeatIntervalForSpeed(31), 1.0f / 30.0f);
    EXPECT_NEAR(KeyRepeatIntervalForSpeed(0), 0.4f, 0.001f);
}

TEST(KeyRepeat, TheDesktopDefaultsGiveHalfASecondAndAThirtieth)
{
    EXPECT_FLOAT_EQ(GetKeyRepeatDelay(), 0.5f);
    EXPECT_FLOAT_EQ(GetKeyRepeatInterval(), 1.0f / 30.0f);
}
