#include "engine/core/memory/checked_allocation.h"

#include <cstdio>
#include <cstdlib>

// No report window: showing one needs memory too, and the allocation may
// fail off the main thread, where reports are not raised.
[[noreturn]] static void StopForLackOfMemory(size_t size)
{
    std::fprintf(stderr, "Out of memory: %zu bytes could not be had.\n", size);
    std::abort();
}

void* AllocateChecked(size_t size)
{
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr)
        StopForLackOfMemory(size);
    return block;
}

void* ReallocateChecked(void* block, size_t size)
{
    void* moved = std::realloc(block, size != 0 ? size : 1);
    if (moved == nullptr)
        StopForLackOfMemory(size);
    return moved;
}

void* AllocateAlignedChecked(size_t size, size_t alignment)
{
    // posix_memalign wants a multiple of the pointer size.
    const size_t atLeast = alignment > sizeof(void*) ? alignment : sizeof(void*);
    void* block = nullptr;
    if (posix_memalign(&block, atLeast, size != 0 ? size : 1) != 0)
        StopForLackOfMemory(size);
    return block;
}
