#pragma once

#include <cstdint>

#include "engine/graphics/color_table.h"

// The palettes of 8-bit drawing. Nothing loads them: the 5-6-5 game runs
// with them empty, and every reader copes with an empty table.
//
// CurrentPalette: colours made from palette indices, 8-bit lookups and
// remaps. GamePalette: where colours set from components find their index.
// The blend tables serve the translucent 8-bit streams; the inverse palette
// turns 5-6-5 words into indices.
extern CColorTable CurrentPalette;
extern CColorTable GamePalette;
extern CColorTable PaletteBlendTableA;
extern CColorTable PaletteBlendTableB;
extern CColorTable InversePalette565;

CColorTable& GetCurrentPalette();

// The 16-bit words of a palette's entries, for 8-bit sources drawn onto
// 16-bit frames.
extern int32_t Palette555Lookup[256];
extern int32_t Palette565Lookup[256];

// Entry 0 stays 0 (transparent); a black entry other than 0 gets blue 8, so
// it never packs to the transparent word.
void Build16BitPaletteLookup(const CColorTable& palette);
