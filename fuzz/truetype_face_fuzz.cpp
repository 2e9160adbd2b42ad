// TrueType files as they come from the data folder or an archive: opened
// through the engine's files, every 8-bit code and a few beyond rendered
// into glyph frames, made display-ready and drawn. A file FreeType refuses
// ends in the fatal report; nothing may crash, leak or hang, whatever the
// file claims about its glyphs.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/blit/blit_transparent_mask.h"
#include "engine/core/color/color.h"
#include "engine/graphics/fonts/glyph_preparation.h"
#include "engine/graphics/fonts/truetype_face.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "fuzz/support/fuzz_input.h"

namespace {

const uint32_t kCodesBeyondEightBits[] = {0x100, 0x3A9, 0x20AC, 0xFB01, 0xFFFD, 0xFFFF};

void RenderAndDraw(TrueTypeFace& face, CFrame& target, uint32_t code)
{
    CFrame glyph;
    if (!face.RenderGlyph(glyph, code, ColorWhite))
        return;
    PrepareGlyphForDrawing(glyph);
    target.BlitAt(&glyph, static_cast<int32_t>(code % 16) * 8, static_cast<int32_t>(code / 16 % 16) * 8,
                  &GetBlitTransparentMask());
}

// Glyphs are made ready for a 16-bit display, as the game runs.
bool PrepareDisplayDepth()
{
    InitPixelFormatTables("Palettes", "GamePalette");
    SetFrameDepth(16);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool s_Prepared = PrepareDisplayDepth();
    (void)s_Prepared;
    const std::string path = WriteFuzzFile("Fuzz.ttf", data, size);
    CFrame target;
    target.Create(160, 160, 16);
    RunReader([&]() {
        TrueTypeFace* face = TrueTypeFace::Open(path.c_str(), 12.0f);
        if (face == nullptr)
            return;
        for (uint32_t code = 0; code < 256; code++)
            RenderAndDraw(*face, target, code);
        for (uint32_t code : kCodesBeyondEightBits)
            RenderAndDraw(*face, target, code);
        face->Close();
    });
    FuzzCheck(TrueTypeFace::GetOpenFaceCount() == 0, "a face stayed open");
    return 0;
}
