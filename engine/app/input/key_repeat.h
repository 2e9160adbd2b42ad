#pragma once

#include <cstdint>

// The desktop's auto-repeat timing in seconds, which the window toolkit
// borrows to repeat held mouse buttons: the delay before the first repeat
// (0.25 to 1.0) and the time between repeats (about 0.4 down to 1/30).
float GetKeyRepeatDelay();
float GetKeyRepeatInterval();

// The same from a delay setting 0..3 and a speed setting 0..31.
float KeyRepeatDelayForSetting(int32_t setting);
float KeyRepeatIntervalForSpeed(int32_t speed);
