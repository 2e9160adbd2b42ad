#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/core/memory/checked_allocation.h"
#include "tests/support/sanitized_build.h"

TEST(CheckedAllocation, BlocksHoldTheirBytesAndGrowKeepingThem)
{
    char* block = static_cast<char*>(AllocateChecked(0));
    ASSERT_NE(block, nullptr);
    block = static_cast<char*>(ReallocateChecked(block, 6));
    std::memcpy(block, "abcde", 6);
    block = static_cast<char*>(ReallocateChecked(block, 100000));
    EXPECT_STREQ(block, "abcde");
    std::free(block);
}

TEST(CheckedAllocation, AlignedBlocksStartOnTheirAlignment)
{
    for (size_t alignment : {size_t(1), size_t(16), size_t(64), size_t(4096)})
    {
        void* block = AllocateAlignedChecked(3, alignment);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % alignment, 0u) << alignment;
        std::free(block);
    }
}

// Under the sanitizers such a size is the sanitizer's own error.
#ifndef VP_SANITIZED_BUILD
TEST(CheckedAllocation, ASizeThatCannotBeHadStopsTheProgramAtOnce)
{
    EXPECT_DEATH(AllocateChecked(SIZE_MAX / 2), "Out of memory: [0-9]+ bytes could not be had");
    EXPECT_DEATH(AllocateAlignedChecked(SIZE_MAX / 2, 64), "Out of memory");
}
#endif
