#include "engine/core/memory/memory_pools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "engine/core/memory/dynamic_array.h"

namespace
{
const int ROUNDS = 400;
const int BLOCKS_PER_ROUND = 48;
// Small classes, the largest pooled size and one size for the C heap.
const size_t SIZES[] = {4, 24, 48, 200, 500, 640};

uint32_t CountBlocksInUse(const CMemoryPools& pools)
{
    uint32_t count = 0;
    for (uint32_t i = 0; i < pools.GetClassCount(); i++)
        count += pools.GetPool(i).GetBlocksInUse();
    return count;
}

// Takes blocks of the shared pools, fills each with its own byte, checks
// every byte before handing the blocks back, and grows a pool array on the
// way. A block handed to two threads at once is overwritten by the other
// and counted here. Answers the number of such blocks.
int ChurnBlocks(int thread)
{
    CMemoryPools& pools = GetMemoryPools();
    int wrong = 0;
    std::vector<void*> blocks(BLOCKS_PER_ROUND);
    for (int round = 0; round < ROUNDS; round++)
    {
        const size_t size = SIZES[(thread + round) % (sizeof(SIZES) / sizeof(SIZES[0]))];
        for (int i = 0; i < BLOCKS_PER_ROUND; i++)
        {
            blocks[i] = pools.Allocate(size);
            std::memset(blocks[i], (thread * BLOCKS_PER_ROUND + i) & 0xFF, size);
        }
        CPoolArray<int32_t> numbers;
        for (int i = 0; i < BLOCKS_PER_ROUND; i++)
            numbers.Append(thread + i);
        for (int i = 0; i < BLOCKS_PER_ROUND; i++)
        {
            const unsigned char* bytes = static_cast<const unsigned char*>(blocks[i]);
            const unsigned char mark = static_cast<unsigned char>((thread * BLOCKS_PER_ROUND + i) & 0xFF);
            if (bytes[0] != mark || bytes[size - 1] != mark || numbers[i] != thread + i)
                wrong++;
            pools.Free(blocks[i], size);
        }
    }
    return wrong;
}
}

class MemoryPoolThreads : public ::testing::TestWithParam<int>
{
};

TEST_P(MemoryPoolThreads, BlocksTakenAndGivenOnEveryThreadAreNeverHandedOutTwice)
{
    const uint32_t inUse = CountBlocksInUse(GetMemoryPools());
    const int threadCount = GetParam();
    std::vector<int> wrong(threadCount, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; i++)
        threads.emplace_back([&wrong, i] { wrong[i] = ChurnBlocks(i); });
    for (std::thread& thread : threads)
        thread.join();

    for (int i = 0; i < threadCount; i++)
        EXPECT_EQ(wrong[i], 0) << "thread " << i;
    EXPECT_EQ(CountBlocksInUse(GetMemoryPools()), inUse);
}

INSTANTIATE_TEST_SUITE_P(Threads, MemoryPoolThreads, ::testing::Values(2, 4, 8));

// A sound thread may drop an array the main thread filled: the blocks join
// the releasing thread's pools and serve its next requests of their size.
TEST(MemoryPoolThreads, BlocksGivenBackOnAnotherThreadServeThatThread)
{
    static const size_t size = 48;
    std::vector<void*> taken(BLOCKS_PER_ROUND);
    for (void*& block : taken)
    {
        block = GetMemoryPools().Allocate(size);
        std::memset(block, 0x5A, size);
    }
    std::vector<void*> retaken(BLOCKS_PER_ROUND);
    std::thread worker([&taken, &retaken] {
        CMemoryPools& pools = GetMemoryPools();
        for (void* block : taken)
            pools.Free(block, size);
        for (void*& block : retaken)
        {
            block = pools.Allocate(size);
            std::memset(block, 0xA5, size);
        }
        for (void* block : retaken)
            pools.Free(block, size);
    });
    worker.join();

    std::sort(taken.begin(), taken.end());
    std::sort(retaken.begin(), retaken.end());
    EXPECT_EQ(retaken, taken);
}
