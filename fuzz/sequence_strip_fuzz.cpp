// ".Sequence" strips ship with the data and are read on a first start: a
// text block with the sequence and its frame table, then the strip image.
// A damaged strip is refused or read into frames cut from inside the
// image; no rectangle of the table may reach outside it.

#include <cstdint>

#include "engine/core/files/file.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "fuzz/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!ArePixelFormatTablesBuilt())
        InitPixelFormatTables("Palettes", "GamePalette");
    CFile file;
    AttachInput(file, data, size);
    CSequence sequence;
    bool read = false;
    if (!RunReader([&] { read = sequence.ReadStrip(file); }) || !read)
        return 0;
    for (uint32_t i = 0; i < sequence.GetFrameCount(); i++)
    {
        const CFrame* frame = sequence.GetFrame(i);
        FuzzCheck(frame == nullptr || (frame->GetWidth() > 0 && frame->GetHeight() > 0),
                  "a strip gave a frame without pixels");
    }
    return 0;
}
