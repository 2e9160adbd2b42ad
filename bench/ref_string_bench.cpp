#include <benchmark/benchmark.h>

#include "engine/core/strings/ref_string.h"

// The life of the strings that fill every list and property: made empty,
// copied, given a short text and dropped. Copies share one representation,
// so these measure the reference counting around it.
static void BM_EmptyStringMakeCopyDestroy(benchmark::State& state)
{
    for (auto _ : state)
    {
        CString empty;
        CString copy(empty);
        benchmark::DoNotOptimize(copy.GetText());
    }
}
BENCHMARK(BM_EmptyStringMakeCopyDestroy);

static void BM_ShortStringMakeCopyDestroy(benchmark::State& state)
{
    for (auto _ : state)
    {
        CString name("Bricks/Red");
        CString copy(name);
        copy = name;
        benchmark::DoNotOptimize(copy.GetText());
    }
}
BENCHMARK(BM_ShortStringMakeCopyDestroy);

static void BM_ShortStringAppendThenEmpty(benchmark::State& state)
{
    CString text;
    for (auto _ : state)
    {
        text.Append("Red");
        text.AppendPath("Brick.txt");
        benchmark::DoNotOptimize(text.GetText());
        text.Empty();
    }
}
BENCHMARK(BM_ShortStringAppendThenEmpty);
