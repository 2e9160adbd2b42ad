#include "engine/core/files/compressed_block.h"

#include <zlib.h>

#include <cstdlib>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/files/little_endian.h"

static const uint8_t s_BlockMark = 1;
static const uint32_t s_HeaderSize = 9;

// Deflate cannot expand data by more than this factor, so a block that
// claims more is damaged and must not make us allocate what it claims.
static const uint64_t s_MaxDeflateRatio = 1032;

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
    // One spare byte keeps an empty block from asking malloc for nothing;
    // counted in size_t, so that the largest size cannot wrap to 0. A size
    // that cannot be had is damage as well.
    uint8_t* data = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(unpackedSize) + 1));
    if (!data)
        return nullptr;
    uLongf length = unpackedSize;
    if (uncompress(data, &length, packed.data(), packedSize) != Z_OK || length != unpackedSize)
    {
        std::free(data);
        return nullptr;
    }
    *size = unpackedSize;
    return data;
}
