// JPEG data comes from image blocks of ".Frame" files and strips. The
// decoder must answer null or pixels, never crash, leak or loop.

#include <cstdint>

#include "engine/core/files/file.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_pixel_limit.h"
#include "engine/graphics/jpeg_codec.h"
#include "fuzz/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        SetImagePixelLimit(1 << 18);
        return true;
    }();
    (void)ready;
    CFile file;
    AttachInput(file, data, size);
    int32_t width = -1, height = -1;
    uint8_t* pixels = DecodeJpeg(file, width, height);
    FuzzCheck((pixels != nullptr) == (width > 0 && height > 0), "sizes match the answer");
    FreePixelBlock(pixels);
    return 0;
}
