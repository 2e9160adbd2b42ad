// TGA files are source images anyone can drop into the data folder. The
// first input byte picks the frame's depth and whether it holds pixels
// already; the rest is the file. What reads at 24 or 32 bits is written
// back and must read again to the same pixels.

#include <cstdint>
#include <cstring>
#include <string>

#include "engine/core/files/file.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_pixel_limit.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"
#include "engine/platform/durable_save.h"
#include "fuzz/support/fuzz_input.h"

namespace {

int NoSync(int)
{
    return 0;
}

bool SamePixels(const CFrame& a, const CFrame& b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() || a.GetBitsPerPixel() != b.GetBitsPerPixel())
        return false;
    const size_t rowBytes = size_t(a.GetWidth()) * size_t(a.GetBytesPerPixel());
    for (int32_t y = 0; y < a.GetHeight(); y++)
        if (std::memcmp(a.GetPixels() + size_t(a.GetRowOffsets()[y]) * size_t(a.GetBytesPerPixel()),
                        b.GetPixels() + size_t(b.GetRowOffsets()[y]) * size_t(b.GetBytesPerPixel()), rowBytes) != 0)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        InitPixelFormatTables("Palettes", "GamePalette");
        SetImagePixelLimit(1 << 16);
        SetFileSyncCall(&NoSync);
        return true;
    }();
    (void)ready;
    if (size < 1)
        return 0;
    static const int32_t DEPTHS[4] = {8, 16, 24, 32};
    const int32_t depth = DEPTHS[data[0] & 3];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    CTGAFileIO handler;
    CFrame frame;
    if (data[0] & 4)
        frame.Create(3, 5, depth);
    int32_t width = 0;
    RunReader([&] {
        width = handler.Read(frame, reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()),
                             "fuzz.tga", depth);
    });
    if (width == 0 || (frame.GetBitsPerPixel() != 24 && frame.GetBitsPerPixel() != 32))
        return 0;
    static const std::string path = GetFuzzFolder() + "written.tga";
    FuzzCheck(handler.Write(frame, path.c_str(), OPEN_NAME_UNCHANGED), "a frame read could not be written");
    CFile written;
    FuzzCheck(written.Open(path.c_str(), OPEN_READ | OPEN_NAME_UNCHANGED | OPEN_WHOLE_FILE), "written file opens");
    const uint32_t writtenSize = written.GetSize();
    const uint8_t* writtenBytes = written.Map(writtenSize);
    CFrame again;
    FuzzCheck(handler.Read(again, writtenBytes, writtenSize, path.c_str(), frame.GetBitsPerPixel()) == width,
              "a written file reads");
    FuzzCheck(SamePixels(frame, again), "a written file reads back to the same pixels");
    return 0;
}
