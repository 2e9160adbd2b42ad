#include "engine/blit/run_length_validator.h"

#include <cstring>

#include "engine/graphics/frame_format.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/run_length_stream.h"

namespace {

bool BlockSizeMatches(const uint8_t* data, uint32_t bytes)
{
    if (bytes < 4)
        return false;
    uint32_t sizeWord;
    std::memcpy(&sizeWord, data, 4);
    return sizeWord == bytes;
}

// Where row y starts, or false when the offset lies outside the block.
bool RowStart(const RunLengthStream& stream, uint32_t bytes, int32_t y, uint32_t& start)
{
    const int32_t offset = stream.rowOffsets[y];
    if (offset < 4 || static_cast<uint32_t>(offset) > bytes)
        return false;
    start = static_cast<uint32_t>(offset);
    return true;
}

// Decodes one coded row up to the width inside [start, bytes); counts the
// alpha bytes a translucent row consumes.
bool RowDecodes(const uint8_t* data, uint32_t start, uint32_t bytes, int32_t width, uint32_t valueBytes,
                uint32_t& alphaBytes)
{
    alphaBytes = 0;
    uint32_t at = start;
    int32_t x = 0;
    while (x < width)
    {
        if (at >= bytes)
            return false;
        const uint8_t code = data[at++];
        const int32_t n = code & (code >= 0x80 ? 0x7F : 0x3F);
        if (code >= 0x80)
        {
            x += n;
            continue;
        }
        if (x + n > width)
            return false;
        const uint32_t values = code >= 0x40 ? static_cast<uint32_t>(n) : 1;
        if (bytes - at < values * valueBytes)
            return false;
        at += values * valueBytes;
        alphaBytes += values;
        x += n;
    }
    return true;
}

} // namespace

bool ValidateRunLengthFrame(const CFrameInterface& frame, const std::array<uint32_t, 5>& streamBytes)
{
    const uint32_t format = frame.GetFormat();
    const uint32_t encoding = format & FRAME_ENCODING_MASK;
    if (encoding != FRAME_ENCODING_RLE8 && encoding != FRAME_ENCODING_RLE_ALPHA)
        return false;
    const int32_t bits = BitsPerPixelOfFormat(format);
    if (bits != 8 && bits != 16 && bits != 24)
        return false;
    const uint32_t valueBytes = static_cast<uint32_t>(bits / 8);
    const bool alphaFrame = encoding == FRAME_ENCODING_RLE_ALPHA;
    const int32_t width = frame.GetWidth();
    const int32_t height = frame.GetHeight();

    RunLengthStream streams[5];
    for (int32_t i = 0; i < 5; i++)
    {
        streams[i] = GetRunLengthStream(frame, i);
        if (streams[i].data == nullptr)
            continue;
        if (streams[i].rowOffsets == nullptr || !BlockSizeMatches(streams[i].data, streamBytes[i]))
            return false;
    }
    const RunLengthStream& alpha = streams[3];
    if (alphaFrame && streams[4].data != nullptr && alpha.data == nullptr)
        return false;

    for (int32_t i = 0; i < 5; i++)
    {
        // The alpha stream holds bare bytes, checked with stream 4; streams
        // 1 and 2 of an alpha frame are never read.
        if (streams[i].data == nullptr || (alphaFrame && i != 0 && i != 4))
            continue;
        for (int32_t y = 0; y < height; y++)
        {
            uint32_t start, alphaBytes;
            if (!RowStart(streams[i], streamBytes[i], y, start) ||
                !RowDecodes(streams[i].data, start, streamBytes[i], width, valueBytes, alphaBytes))
                return false;
            if (alphaFrame && i == 4)
            {
                uint32_t alphaStart;
                if (!RowStart(alpha, streamBytes[3], y, alphaStart) || streamBytes[3] - alphaStart < alphaBytes)
                    return false;
            }
        }
    }
    return true;
}
