#include "engine/graphics/palettes.h"

#include "engine/core/color/color.h"

CColorTable CurrentPalette;
CColorTable GamePalette;
CColorTable PaletteBlendTableA;
CColorTable PaletteBlendTableB;
CColorTable InversePalette565;

constinit int32_t Palette555Lookup[256] = {};
constinit int32_t Palette565Lookup[256] = {};

CColorTable& GetCurrentPalette()
{
    return CurrentPalette;
}

void Build16BitPaletteLookup(const CColorTable& palette)
{
    Palette555Lookup[0] = 0;
    Palette565Lookup[0] = 0;
    for (uint32_t i = 1; i < 256; i++)
    {
        uint8_t red, green, blue;
        palette.GetEntry(i, red, green, blue);
        if (red == 0 && green == 0 && blue == 0)
            blue = 8;
        Palette555Lookup[i] = Pack555(red, green, blue);
        Palette565Lookup[i] = Pack565(red, green, blue);
    }
}
