#pragma once

#include <cstdint>

// Puts a stand-in in place of the system's audio while it lives: the device
// opens, nothing mixes unless the test calls CAudioDevice::Mix, and one
// period is 1024 frames. refusedRate makes the output refuse that rate;
// noDevice makes the device itself unavailable.
class ScopedManualAudio
{
public:
    explicit ScopedManualAudio(uint32_t refusedRate = 0, bool noDevice = false);
    ~ScopedManualAudio();

    ScopedManualAudio(const ScopedManualAudio&) = delete;
    ScopedManualAudio& operator=(const ScopedManualAudio&) = delete;
};

constexpr uint32_t kManualPeriodFrames = 1024;
