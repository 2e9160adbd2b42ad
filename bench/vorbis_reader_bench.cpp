#include <benchmark/benchmark.h>

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/app/sound/vorbis_reader.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/stream.h"
#include "tests/support/sound_fixtures.h"

// Decoding a 60 s stereo track: the engine's reader over a file in memory
// against vorbisfile reading a bare memory buffer. Bytes are PCM produced.

namespace {

const std::string& Track()
{
    static const std::string track = EncodeOggVorbis(SineSamples(44100 * 60, 2, 211), 2, 44100);
    return track;
}

void BM_VorbisReaderOverMemoryFile(benchmark::State& state)
{
    const std::string& track = Track();
    std::vector<uint8_t> buffer(65536);
    int64_t bytes = 0;
    for (auto _ : state)
    {
        CFile* file = new CFile;
        file->Attach(new CMemoryStream(reinterpret_cast<uint8_t*>(const_cast<char*>(track.data())),
                                       static_cast<uint32_t>(track.size()), false),
                     OPEN_READ);
        CVorbisReader reader;
        reader.Open(file);
        while (uint32_t got = reader.Read(buffer.data(), static_cast<uint32_t>(buffer.size())))
            bytes += got;
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_VorbisReaderOverMemoryFile)->Unit(benchmark::kMillisecond);

struct MemorySource
{
    const std::string* data;
    size_t position;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source)
{
    MemorySource* memory = static_cast<MemorySource*>(source);
    const size_t bytes = std::min(size * count, memory->data->size() - memory->position);
    std::memcpy(out, memory->data->data() + memory->position, bytes);
    memory->position += bytes;
    return size ? bytes / size : 0;
}

void BM_BareOvReadOverMemory(benchmark::State& state)
{
    const std::string& track = Track();
    std::vector<char> buffer(65536);
    int64_t bytes = 0;
    for (auto _ : state)
    {
        MemorySource source{&track, 0};
        OggVorbis_File vorbis;
        const ov_callbacks callbacks = {ReadMemory, nullptr, nullptr, nullptr};
        ov_open_callbacks(&source, &vorbis, nullptr, 0, callbacks);
        int section = 0;
        long got = 0;
        while ((got = ov_read(&vorbis, buffer.data(), static_cast<int>(buffer.size()), 0, 2, 1, &section)) > 0)
            bytes += got;
        ov_clear(&vorbis);
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_BareOvReadOverMemory)->Unit(benchmark::kMillisecond);

} // namespace
