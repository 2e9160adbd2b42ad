#include <benchmark/benchmark.h>

#include <cstdlib>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/memory/memory_pools.h"

// Small blocks are a pop and a push on a free list; these compare that with
// the C heap for a typical array-storage size.
static void BM_PoolAllocateAndFree(benchmark::State& state)
{
    CMemoryPools& pools = GetMemoryPools();
    for (auto _ : state)
    {
        void* block = pools.Allocate(48);
        benchmark::DoNotOptimize(block);
        pools.Free(block, 48);
    }
}
BENCHMARK(BM_PoolAllocateAndFree);

static void BM_HeapAllocateAndFree(benchmark::State& state)
{
    for (auto _ : state)
    {
        void* block = std::malloc(48);
        benchmark::DoNotOptimize(block);
        std::free(block);
    }
}
BENCHMARK(BM_HeapAllocateAndFree);

static void BM_PoolArrayAppend(benchmark::State& state)
{
    for (auto _ : state)
    {
        CPoolArray<void*> array;
        for (int64_t i = 0; i < state.range(0); i++)
            array.Append(&array);
        benchmark::DoNotOptimize(array.GetData());
    }
}
BENCHMARK(BM_PoolArrayAppend)->Arg(100)->Arg(10000);
