// Image blocks are read from ".Frame" files and strips. The first input
// byte chooses between decoding a block from memory and loading a
// ".Frame" file through the data folder; either answers a plain 32-bit
// frame or false without pixels.

#include <cstdint>

#include "engine/core/files/file.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_block.h"
#include "engine/graphics/image_pixel_limit.h"
#include "engine/graphics/pixel_formats.h"
#include "fuzz/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        InitPixelFormatTables("Palettes", "GamePalette");
        SetImagePixelLimit(1 << 18);
        SetDataFolder(GetFuzzFolder().c_str());
        return true;
    }();
    (void)ready;
    if (size < 1)
        return 0;
    CFrame frame;
    bool decoded;
    if (data[0] & 1)
    {
        WriteFuzzFile("Cache/Art/x.Frame", data + 1, size - 1);
        decoded = frame.LoadFrameFile("Art", "x");
    }
    else
    {
        CFile file;
        AttachInput(file, data + 1, size - 1);
        decoded = DecodeImageBlock(frame, file);
    }
    FuzzCheck(decoded == (frame.GetPixels() != nullptr), "pixels exactly when decoded");
    FuzzCheck(!decoded || frame.GetBitsPerPixel() == 32, "blocks decode to 32 bits");
    return 0;
}
