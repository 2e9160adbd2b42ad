// What drawing an animation costs before any pixel moves: choosing the
// frame of a sequence by the shared clock, by progress and by index, beside
// the plainest choice (an index into a std::vector with a modulo), on 1, 16
// and 256 frames; and reading a compiled cache of 32 run-length 64 x 64
// frames in place, beside reading the same bytes with a CFile.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "engine/object/object_stream.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/sequence_fixtures.h"

namespace {

std::unique_ptr<CSequence> SequenceOf(int64_t count)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({"Frames Per Second=24"}));
    for (int64_t i = 0; i < count; i++)
        sequence->AddFrame(MakeTestFrame(2, 2), false, false);
    return sequence;
}

void BM_SequenceFrameAtTime(benchmark::State& state)
{
    std::unique_ptr<CSequence> sequence = SequenceOf(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(sequence->GetFrameAtTime());
}

void BM_SequenceFrameAtFraction(benchmark::State& state)
{
    std::unique_ptr<CSequence> sequence = SequenceOf(state.range(0));
    float fraction = 0.0f;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(sequence->GetFrameAtFraction(fraction));
        fraction = fraction < 1.0f ? fraction + 0.001f : 0.0f;
    }
}

void BM_SequenceFrameByIndex(benchmark::State& state)
{
    std::unique_ptr<CSequence> sequence = SequenceOf(state.range(0));
    uint32_t index = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(sequence->GetFrame(index++ % sequence->GetFrameCount()));
}

// The peer: the time read the same way, then a vector index with a modulo.
void BM_VectorFrameAtTime(benchmark::State& state)
{
    std::vector<std::unique_ptr<CFrame>> frames;
    for (int64_t i = 0; i < state.range(0); i++)
        frames.emplace_back(MakeTestFrame(2, 2));
    for (auto _ : state)
    {
        const uint64_t index = static_cast<uint64_t>(GetTickCount24()) * 24 / 1000;
        benchmark::DoNotOptimize(frames[index % frames.size()].get());
    }
}

void BM_VectorFrameByIndex(benchmark::State& state)
{
    std::vector<std::unique_ptr<CFrame>> frames;
    for (int64_t i = 0; i < state.range(0); i++)
        frames.emplace_back(MakeTestFrame(2, 2));
    uint32_t index = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(frames[index++ % frames.size()].get());
}

std::string CacheBytes()
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({}));
    for (int i = 0; i < 32; i++)
    {
        CFrame* frame = MakeTestFrame(64, 64);
        CImageFilterChain chain;
        chain.AddStep(IMAGE_STEP_BIT_DEPTH);
        chain.AddStep(IMAGE_STEP_RUN_LENGTH);
        chain.Apply(*frame);
        sequence->AddFrame(frame, false, false);
    }
    CMemoryStream* memory = new CMemoryStream();
    CObjectStream stream;
    stream.OpenOnMemory(memory, OPEN_READ | OPEN_WRITE);
    sequence->WriteBinary(stream);
    return std::string(reinterpret_cast<const char*>(memory->GetData()), memory->GetSize());
}

void BM_SequenceLoadCacheInPlace(benchmark::State& state)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    std::string bytes = CacheBytes();
    for (auto _ : state)
    {
        CSequence sequence;
        CObjectStream stream;
        stream.OpenOnMemory(
            new CMemoryStream(reinterpret_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()), false),
            OPEN_READ);
        stream.SetMapInPlace(true);
        CSequenceLoadingScope loading(sequence);
        benchmark::DoNotOptimize(sequence.ReadBinary(stream));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

// The peer: the same bytes read out of a CFile into a buffer of their own.
void BM_CFileReadSameBytes(benchmark::State& state)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    std::string bytes = CacheBytes();
    std::vector<uint8_t> target(bytes.size());
    for (auto _ : state)
    {
        CFile file;
        file.Attach(
            new CMemoryStream(reinterpret_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()), false),
            OPEN_READ);
        benchmark::DoNotOptimize(file.Read(target.data(), static_cast<uint32_t>(target.size())));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

} // namespace

BENCHMARK(BM_SequenceFrameAtTime)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK(BM_SequenceFrameAtFraction)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK(BM_SequenceFrameByIndex)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK(BM_VectorFrameAtTime)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK(BM_VectorFrameByIndex)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK(BM_SequenceLoadCacheInPlace);
BENCHMARK(BM_CFileReadSameBytes);
