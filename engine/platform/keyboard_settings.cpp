#include "engine/platform/keyboard_settings.h"

int32_t GetKeyboardDelaySetting()
{
    return 1;
}

int32_t GetKeyboardSpeedSetting()
{
    return 31;
}
