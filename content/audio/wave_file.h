#pragma once

#include <cstdint>
#include <vector>

// A RIFF "WAVE" file of 16-bit PCM: the "fmt " record (16 bytes) and one
// "data" chunk; interleaved samples when channels is above 1.
std::vector<uint8_t> MakeWaveFile(const std::vector<int16_t>& samples, uint32_t sampleRate, uint16_t channels);
