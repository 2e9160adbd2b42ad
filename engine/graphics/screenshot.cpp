#include "engine/graphics/screenshot.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/platform/display_device.h"

namespace {

constexpr uint32_t HEADER_BYTES = 18;
constexpr uint8_t TRUE_COLOUR_IMAGE = 2;
constexpr uint8_t TOP_ROW_FIRST = 0x20;

// Blue, green, red of each pixel of a row.
void WidenRow(const uint8_t* row, const DisplayPicture& picture, uint8_t* out)
{
    for (int32_t x = 0; x < picture.width; x++, out += 3)
    {
        if (picture.bitsPerPixel == 16)
        {
            uint16_t value;
            std::memcpy(&value, row + 2 * x, 2);
            if (picture.fiveFiveFive)
            {
                out[0] = Expand5To8[value & 31];
                out[1] = Expand5To8[(value >> 5) & 31];
                out[2] = Expand5To8[(value >> 10) & 31];
            }
            else
            {
                out[0] = Expand5To8[value & 31];
                out[1] = Expand6To8[(value >> 5) & 63];
                out[2] = Expand5To8[value >> 11];
            }
        }
        else
        {
            std::memcpy(out, row + static_cast<size_t>(x) * static_cast<size_t>(picture.bitsPerPixel / 8), 3);
        }
    }
}

} // namespace

bool SaveScreenshot(const char* path)
{
    DisplayPicture picture;
    if (!GetDisplayDevice().GetLastPresented(picture))
        return false;
    CFile file;
    if (!file.Open(path, OPEN_WRITE | OPEN_CREATE | OPEN_NAME_UNCHANGED | OPEN_CREATE_FOLDERS))
        return false;
    uint8_t header[HEADER_BYTES] = {};
    header[2] = TRUE_COLOUR_IMAGE;
    header[12] = static_cast<uint8_t>(picture.width);
    header[13] = static_cast<uint8_t>(picture.width >> 8);
    header[14] = static_cast<uint8_t>(picture.height);
    header[15] = static_cast<uint8_t>(picture.height >> 8);
    header[16] = 24;
    header[17] = TOP_ROW_FIRST;
    bool written = file.Write(header, HEADER_BYTES) == HEADER_BYTES;
    std::vector<uint8_t> row(static_cast<size_t>(picture.width) * 3);
    for (int32_t y = 0; y < picture.height && written; y++)
    {
        WidenRow(picture.pixels + static_cast<size_t>(y) * static_cast<size_t>(picture.pitch), picture, row.data());
        written = file.Write(row.data(), static_cast<uint32_t>(row.size())) == row.size();
    }
    return file.Close() && written;
}
