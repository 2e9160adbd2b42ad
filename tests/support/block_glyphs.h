#pragma once

#include <cstdint>

#include "engine/graphics/fonts/font.h"

// A font of a chosen height, as bitmap fonts get theirs from their strip;
// its glyphs come from the functions below.
class CBlockFont : public CFont
{
public:
    explicit CBlockFont(int32_t height = 0) { SetHeight(height); }
    using CFont::SetHeight;
};

// Gives a font solid 16-bit glyphs of chosen sizes, so text arithmetic can be
// tested with widths picked for the case instead of a real face's.
void StoreBlockGlyph(CFont& font, uint32_t code, uint32_t width, uint32_t height, int32_t yOffset = 0);
// The same for every code from first to last.
void StoreBlockGlyphs(CFont& font, uint32_t first, uint32_t last, uint32_t width, uint32_t height, int32_t yOffset = 0);
