#include "engine/core/memory/memory_pools.h"

#include <gtest/gtest.h>

#include <vector>

// Blocks are pointer-sized at least and pointer-aligned, so the 4-byte size
// classes serve blocks rounded up to 8 bytes, and a 4000-byte chunk holds
// correspondingly fewer of them.
struct SizeClassCase
{
    size_t size;
    int32_t sizeClass;
    uint32_t blockSize;
    uint32_t blocksPerChunk;
};

static const SizeClassCase s_SizeClassCases[] = {
    {0, 0, 8, 500}, {1, 1, 8, 500}, {4, 1, 8, 500}, {5, 2, 8, 500}, {12, 3, 16, 250}, {500, 125, 504, 7},
};

static uint32_t CountBlocksInUse(const CMemoryPools& pools)
{
    uint32_t count = 0;
    for (uint32_t i = 0; i < pools.GetClassCount(); i++)
        count += pools.GetPool(i).GetBlocksInUse();
    return count;
}

TEST(MemoryPoolsTest, SizeClassesServeMultiplesOfFourUpToTheMaximum)
{
    CMemoryPools pools(500);
    EXPECT_EQ(pools.GetClassCount(), 126u);

    for (const SizeClassCase& c : s_SizeClassCases)
    {
        SCOPED_TRACE(c.size);
        ASSERT_EQ(pools.GetSizeClass(c.size), c.sizeClass);
        const CBlockPool& pool = pools.GetPool(c.sizeClass);
        EXPECT_EQ(pool.GetBlockSize(), c.blockSize);
        EXPECT_EQ(pool.GetBlocksPerChunk(), c.blocksPerChunk);

        void* block = pools.Allocate(c.size);
        EXPECT_EQ(pool.GetBlocksInUse(), 1u);
        EXPECT_EQ(pool.GetTotalBlocks(), c.blocksPerChunk);
        pools.Free(block, c.size);
        EXPECT_EQ(pool.GetBlocksInUse(), 0u);
    }
}

TEST(MemoryPoolsTest, SizesAboveTheMaximumGoToTheHeap)
{
    CMemoryPools pools(500);
    EXPECT_EQ(pools.GetSizeClass(501), -1);

    void* block = pools.Allocate(501);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(CountBlocksInUse(pools), 0u);
    pools.Free(block, 501);
}

TEST(MemoryPoolsTest, MaximumIsRoundedUpToAMultipleOfFour)
{
    CMemoryPools pools(497);
    EXPECT_EQ(pools.GetClassCount(), 126u);
    EXPECT_EQ(pools.GetSizeClass(500), 125);
    EXPECT_EQ(pools.GetSizeClass(501), -1);
}

TEST(MemoryPoolsTest, FreedBlockIsTheNextOneHandedOut)
{
    CMemoryPools pools(500);
    void* first = pools.Allocate(16);
    void* second = pools.Allocate(16);
    EXPECT_NE(first, second);

    pools.Free(first, 16);
    EXPECT_EQ(pools.Allocate(16), first);

    pools.Free(second, 16);
    pools.Free(first, 16);
    EXPECT_EQ(pools.Allocate(16), first);
    EXPECT_EQ(pools.Allocate(16), second);
    pools.Free(first, 16);
    pools.Free(second, 16);
}

TEST(MemoryPoolsTest, FreeingNullDoesNothing)
{
    CMemoryPools pools(500);
    void* block = pools.Allocate(16);
    pools.Free(nullptr, 16);
    EXPECT_EQ(pools.GetPool(4).GetBlocksInUse(), 1u);
    pools.Free(block, 16);
}

TEST(BlockPoolTest, StartsWithoutChunksAndSixtyFourBlocksPerChunk)
{
    CBlockPool pool;
    EXPECT_EQ(pool.GetBlocksPerChunk(), 64u);
    EXPECT_EQ(pool.GetTotalBlocks(), 0u);
    EXPECT_EQ(pool.GetBlocksInUse(), 0u);
}

TEST(BlockPoolTest, BlockSizeIsPointerSizedAndPointerAligned)
{
    const struct
    {
        uint32_t requested;
        uint32_t blockSize;
    } cases[] = {{0, 8}, {4, 8}, {8, 8}, {12, 16}, {500, 504}};

    for (const auto& c : cases)
    {
        CBlockPool pool;
        pool.SetBlockSize(c.requested);
        EXPECT_EQ(pool.GetBlockSize(), c.blockSize) << c.requested;
    }
}

TEST(BlockPoolTest, ChunkHandsOutAdjacentAlignedBlocksThenANewChunkFollows)
{
    CBlockPool pool;
    pool.SetBlockSize(4);
    pool.SetChunkBytes(4000);
    ASSERT_EQ(pool.GetBlocksPerChunk(), 500u);

    std::vector<char*> blocks;
    for (uint32_t i = 0; i < 500; i++)
        blocks.push_back(static_cast<char*>(pool.Take()));
    EXPECT_EQ(pool.GetTotalBlocks(), 500u);
    for (uint32_t i = 0; i < 500; i++)
    {
        EXPECT_EQ(reinterpret_cast<uintptr_t>(blocks[i]) % POOL_BLOCK_ALIGNMENT, 0u);
        EXPECT_EQ(blocks[i], blocks[0] + i * 8) << i;
    }

    blocks.push_back(static_cast<char*>(pool.Take()));
    EXPECT_EQ(pool.GetTotalBlocks(), 1000u);
    EXPECT_EQ(pool.GetBlocksInUse(), 501u);

    for (char* block : blocks)
        pool.Give(block);
    EXPECT_EQ(pool.GetBlocksInUse(), 0u);
}

TEST(ObjectMemoryTest, ZeroBytesStillGiveABlock)
{
    void* block = AllocateObjectMemory(0);
    EXPECT_NE(block, nullptr);
    FreeObjectMemory(block, 0);
}
