// Frame caches are read back at every start and may be damaged on disk.
// The input is read as a compiled frame, copied and borrowed; what reads
// must write back to exactly the bytes read (the two unused header bytes
// aside) and draw whole and clipped.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "fuzz/support/fuzz_input.h"

namespace {

void CheckRewrite(CFrame& frame, const uint8_t* data, uint32_t read)
{
    CFile out;
    out.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    frame.WriteBinary(out);
    const uint32_t size = out.GetSize();
    out.Seek(0);
    const uint8_t* bytes = out.Map(size);
    FuzzCheck(size == read, "a frame rewrites to as many bytes as were read");
    FuzzCheck(std::memcmp(bytes, data, 10) == 0 && std::memcmp(bytes + 12, data + 12, size - 12) == 0,
              "a frame rewrites to the bytes read");
}

void Draw(CFrame& frame)
{
    for (int32_t bits : {16, 32})
    {
        CFrame canvas;
        canvas.Create(40, 30, bits);
        canvas.BlitAt(&frame, -frame.GetUpperLeftXOffset(), -frame.GetUpperLeftYOffset(), &GetBlitNormal());
        canvas.BlitAt(&frame, 30 - frame.GetUpperLeftXOffset(), 25 - frame.GetUpperLeftYOffset(), &GetBlitNormal());
        canvas.BlitAt(&frame, -7, -3, &GetBlitNormal());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        InitPixelFormatTables("Palettes", "GamePalette");
        return true;
    }();
    (void)ready;
    for (bool borrowed : {false, true})
    {
        CFile file;
        AttachInput(file, data, size);
        file.SetMapInPlace(borrowed);
        CFrame frame;
        if (!frame.ReadBinary(file))
        {
            FuzzCheck(frame.GetPixels() == nullptr, "a refused frame keeps no pixels");
            continue;
        }
        CheckRewrite(frame, data, static_cast<uint32_t>(file.Tell()));
        Draw(frame);
        frame.FreePixels();
    }
    return 0;
}
