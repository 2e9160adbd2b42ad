#include "engine/graphics/bmp_writer.h"

#include <cstring>
#include <vector>

#include "engine/core/files/data_file_save.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_format.h"

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

void Put16(std::vector<uint8_t>& out, uint32_t at, uint16_t value)
{
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& out, uint32_t at, uint32_t value)
{
    for (uint32_t i = 0; i < 4; i++)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

bool WriteBmp24(const CFrame& frame, const char* path, uint32_t flags)
{
    if (frame.GetBitsPerPixel() != 24 || IsRunLengthFormat(frame.GetFormat()) || frame.GetPixels() == nullptr)
        return false;
    const uint32_t width = static_cast<uint32_t>(frame.GetWidth());
    const uint32_t height = static_cast<uint32_t>(frame.GetHeight());
    const uint32_t rowBytes = (width * 3 + 3) & ~3u;
    const uint32_t pixelStart = kFileHeaderBytes + kInfoHeaderBytes;
    std::vector<uint8_t> bytes(pixelStart + static_cast<size_t>(rowBytes) * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    Put32(bytes, 10, pixelStart);
    Put32(bytes, 14, kInfoHeaderBytes);
    Put32(bytes, 18, width);
    Put32(bytes, 22, height);
    Put16(bytes, 26, 1);
    Put16(bytes, 28, 24);
    Put32(bytes, 34, static_cast<uint32_t>(bytes.size()) - pixelStart);
    for (uint32_t y = 0; y < height; y++)
    {
        const uint8_t* row = frame.GetPixels() + static_cast<size_t>(frame.GetRowOffsets()[y]) * 3;
        std::memcpy(&bytes[pixelStart + static_cast<size_t>(height - 1 - y) * rowBytes], row, width * 3);
    }
    return StoreDataFile(path, flags, bytes.data(), static_cast<uint32_t>(bytes.size()));
}
