#include "tests/support/block_glyphs.h"

#include "engine/core/color/color.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame.h"

void StoreBlockGlyph(CFont& font, uint32_t code, uint32_t width, uint32_t height, int32_t yOffset)
{
    CFrame* glyph = new CFrame;
    glyph->Create(width, height, 16);
    glyph->Fill(ColorWhite);
    glyph->SetUpperLeftOffset(0, yOffset);
    font.StoreGlyph(code, glyph);
}

void StoreBlockGlyphs(CFont& font, uint32_t first, uint32_t last, uint32_t width, uint32_t height, int32_t yOffset)
{
    for (uint32_t code = first; code <= last; code++)
        StoreBlockGlyph(font, code, width, height, yOffset);
}
