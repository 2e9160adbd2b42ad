#pragma once

#include <cstdint>

class CFile;

// One zlib-compressed block inside a file: the byte 1, the compressed size
// and the uncompressed size (little-endian 32-bit each), then the compressed
// bytes. Frame, sequence-strip and image files hold such blocks, and a whole
// compressed file is one.

// Compressed files trade a little time for size; frame files choose their
// own level.
const int COMPRESSED_FILE_LEVEL = 6;

// Compresses size bytes at the zlib level given and writes the block. A
// failed compression is written with compressed size 0. True when the data
// was compressed and every byte reached the file.
bool WriteCompressedBlock(CFile& file, const void* data, uint32_t size, int level);

// Reads the block at the file's position into a new buffer (freed with
// std::free) and sets size. None when the position holds no block (its first
// byte is not 1) or the block is damaged: sizes that do not fit the bytes
// left, or data that does not decompress to exactly the stated size.
uint8_t* ReadCompressedBlock(CFile& file, uint32_t* size);
