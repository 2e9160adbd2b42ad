#pragma once

#include <cstddef>
#include <cstdint>

// The CRC-32 of the zip format (reflected polynomial 0xEDB88320). A running
// value starts at Crc32Init, takes any number of Crc32Update calls and is
// complemented by Crc32Final, so data may arrive in pieces.
uint32_t Crc32Init();
uint32_t Crc32Update(uint32_t crc, const void* bytes, size_t length);
uint32_t Crc32Final(uint32_t crc);

// The whole computation over one block.
uint32_t Crc32(const void* bytes, size_t length);
