#pragma once

#include <cstddef>
#include <cstdint>

// FNV-1a, 64 bits: the hash tests keep as constants for pictures drawn
// from seeded data.
constexpr uint64_t FNV1A_START = 0xCBF29CE484222325u;

inline uint64_t Fnv1a(uint64_t hash, const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; i++)
    {
        hash ^= bytes[i];
        hash *= 0x100000001B3u;
    }
    return hash;
}
