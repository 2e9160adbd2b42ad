#pragma once

#include <cstdint>

// Every file format of the engine stores its numbers little-endian, whatever
// the processor; these read and write them byte by byte so that unaligned
// positions are safe.
uint16_t ReadLittleEndian16(const uint8_t* bytes);
uint32_t ReadLittleEndian32(const uint8_t* bytes);
void WriteLittleEndian16(uint8_t* bytes, uint16_t value);
void WriteLittleEndian32(uint8_t* bytes, uint32_t value);
