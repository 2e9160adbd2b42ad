#pragma once

#include <cstdint>
#include <vector>

// An Ogg Vorbis file of mono 16-bit samples, encoded at a fixed quality
// with a fixed stream serial number, so a run repeats the bytes of the
// last one on the same encoder library.
std::vector<uint8_t> MakeOggVorbisFile(const std::vector<int16_t>& samples, uint32_t sampleRate);
