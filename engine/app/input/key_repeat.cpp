#include "engine/app/input/key_repeat.h"

#include "engine/platform/keyboard_settings.h"

float KeyRepeatDelayForSetting(int32_t setting)
{
    return static_cast<float>(setting) * 0.33333334f * 0.75f + 0.25f;
}

float KeyRepeatIntervalForSpeed(int32_t speed)
{
    return static_cast<float>(31 - speed) * 0.032258064f * 0.36666667f + 0.033333335f;
}

float GetKeyRepeatDelay()
{
    return KeyRepeatDelayForSetting(GetKeyboardDelaySetting());
}

float GetKeyRepeatInterval()
{
    return KeyRepeatIntervalForSpeed(GetKeyboardSpeedSetting());
}
