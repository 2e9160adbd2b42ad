#pragma once

#include <cstdint>

// The format record of a WAVE file's "fmt " chunk, and of every sound buffer
// and reader output: what the device and the readers agree on.
struct CWaveFormat
{
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
};

// Format tags that WAVE files carry.
constexpr uint16_t kWaveFormatPcm = 1;
constexpr uint16_t kWaveFormatMsAdpcm = 2;
constexpr uint16_t kWaveFormatALaw = 6;
constexpr uint16_t kWaveFormatMuLaw = 7;
constexpr uint16_t kWaveFormatImaAdpcm = 0x11;

// The rates and channel counts any sound may have; anything outside is
// damage, not music.
constexpr uint32_t kLowestSampleRate = 100;
constexpr uint32_t kHighestSampleRate = 200000;

inline bool IsPlayableRateAndChannels(uint32_t rate, uint32_t channels)
{
    return channels >= 1 && channels <= 2 && rate >= kLowestSampleRate && rate <= kHighestSampleRate;
}

// 8- or 16-bit PCM of one or two channels at a playable rate, its block
// align matching.
bool IsValidPcmFormat(const CWaveFormat& format);

// PCM of the given shape, with block align and bytes per second filled in.
CWaveFormat MakePcmFormat(uint32_t rate, uint16_t channels, uint16_t bits);
