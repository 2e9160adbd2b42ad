#pragma once

#include <cstddef>

// The engine has no way to go on without memory. Every C-heap block of the
// engine is taken here, so that a failed allocation stops the program at its
// cause, with a line on standard error, instead of a crash far from it.
// Blocks are released with std::free.

// A block of size bytes (at least one, so that 0 never answers none).
void* AllocateChecked(size_t size);

// std::realloc that never answers none.
void* ReallocateChecked(void* block, size_t size);

// A block whose address is a multiple of alignment (a power of two), for
// classes with members aligned beyond what std::malloc promises.
void* AllocateAlignedChecked(size_t size, size_t alignment);
