#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sound files built in memory for tests, fuzz seeds and benchmarks.

// One RIFF chunk: its four-character id and its body.
struct TestRiffChunk
{
    std::string id;
    std::string body;
};

// "RIFF", the form size (the true one unless given), "WAVE", then the
// chunks, each padded to an even size unless unpadded.
std::string BuildWave(const std::vector<TestRiffChunk>& chunks, int64_t riffSize = -1, bool padChunks = true);

// A 16-byte "fmt " body; block align and bytes per second follow from the
// others unless given.
std::string FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int32_t blockAlign = -1);

// Little-endian bytes of 16-bit samples.
std::string Samples16(const std::vector<int16_t>& samples);

// A plain PCM WAVE file: "fmt " then "data".
std::string PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& data);

// Interleaved 16-bit samples: a sine of the given period in samples,
// amplitude 12000, the second channel half a period later.
std::vector<int16_t> SineSamples(uint32_t frames, uint16_t channels, uint32_t period = 100);

// An Ogg Vorbis stream of the interleaved samples.
std::string EncodeOggVorbis(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate);
