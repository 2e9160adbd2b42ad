#include "engine/core/files/compressed_block.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/files/little_endian.h"
#include "engine/core/memory/checked_allocation.h"

static const uint8_t s_BlockMark = 1;
static const uint32_t s_HeaderSize = 9;

// Deflate cannot expand data by more than this factor, so a block that
// claims more is damaged and must not make us allocate what it claims.
static const uint64_t s_MaxDeflateRatio = 1032;

// Where the output of a small block starts before it grows.
static const size_t s_FirstOutputBytes = 64 * 1024;

bool WriteCompressedBlock(CFile& file, const void* data, uint32_t size, int level)
{
    // compressBound covers every input, where a fixed margin over the size
    // could fall short for tiny or incompressible data.
    uLongf packedSize = compressBound(size);
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, static_cast<const Bytef*>(data), size, level) != Z_OK)
        packedSize = 0;

    uint8_t header[s_HeaderSize];
    header[0] = s_BlockMark;
    WriteLittleEndian32(header + 1, static_cast<uint32_t>(packedSize));
    WriteLittleEndian32(header + 5, size);
    bool written = file.Write(header, s_HeaderSize) == s_HeaderSize;
    written = file.Write(packed.data(), static_cast<uint32_t>(packedSize)) == packedSize && written;
    return packedSize != 0 && written;
}

// The stated size is only a claim until the data bears it out, so the
// output grows with what inflate actually yields and never past the claim:
// a damaged header that claims gigabytes costs what its data produces, not
// what it claims. One byte beyond the claim lets a block that yields more
// than it states be caught, and keeps an empty block from asking for
// nothing.
static uint8_t* Inflate(const uint8_t* packed, uint32_t packedSize, uint32_t unpackedSize)
{
    z_stream stream = {};
    if (inflateInit(&stream) != Z_OK)
        return nullptr;
    stream.next_in = const_cast<Bytef*>(packed);
    stream.avail_in = packedSize;
    const size_t limit = static_cast<size_t>(unpackedSize) + 1;
    size_t capacity = std::min(limit, std::max<size_t>(s_FirstOutputBytes, static_cast<size_t>(packedSize) * 4));
    uint8_t* data = static_cast<uint8_t*>(AllocateChecked(capacity));
    int result = Z_OK;
    while (result != Z_STREAM_END)
    {
        if (stream.total_out == capacity)
        {
            if (capacity == limit)
                break;
            capacity = std::min(limit, capacity * 2);
            data = static_cast<uint8_t*>(ReallocateChecked(data, capacity));
        }
        stream.next_out = data + stream.total_out;
        stream.avail_out = static_cast<uInt>(std::min<size_t>(capacity - stream.total_out, UINT32_MAX));
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END && !(result == Z_BUF_ERROR && stream.avail_out == 0))
            break;
    }
    const bool whole = result == Z_STREAM_END && stream.total_out == unpackedSize;
    inflateEnd(&stream);
    if (!whole)
    {
        std::free(data);
        return nullptr;
    }
    return data;
}

uint8_t* ReadCompressedBlock(CFile& file, uint32_t* size)
{
    uint8_t header[s_HeaderSize];
    if (file.Read(header, 1) != 1 || header[0] != s_BlockMark)
        return nullptr;
    if (file.Read(header + 1, s_HeaderSize - 1) != s_HeaderSize - 1)
        return nullptr;
    uint32_t packedSize = ReadLittleEndian32(header + 1);
    uint32_t unpackedSize = ReadLittleEndian32(header + 5);

    if (packedSize == 0 || packedSize > file.GetBytesLeft() || unpackedSize > packedSize * s_MaxDeflateRatio)
        return nullptr;

    std::vector<uint8_t> packed(packedSize);
    if (file.Read(packed.data(), packedSize) != packedSize)
        return nullptr;
    uint8_t* data = Inflate(packed.data(), packedSize, unpackedSize);
    if (data != nullptr)
        *size = unpackedSize;
    return data;
}
