#pragma once

#include <cstdint>

// The player's keyboard repeat settings: the delay before a held key
// repeats, 0 (shortest) to 3, and the repeat speed, 0 (slowest) to 31. SDL
// offers no way to ask the desktop, so these are the usual defaults.
int32_t GetKeyboardDelaySetting();
int32_t GetKeyboardSpeedSetting();
