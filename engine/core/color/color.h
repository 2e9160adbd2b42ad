#pragma once

#include <cstdint>

// A colour named once and drawn into a frame of any depth: it carries its
// pixel form for every depth so that drawing converts nothing per pixel.
class CColor {
public:
    // A fresh colour is an opaque one made from the timer, with no flags:
    // storage of colours is never left holding garbage.
    CColor();
    CColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);

    // Each component is taken modulo 256. Fills the 32- and 24-bit forms
    // and the 5-6-5 word and marks the colour as set from its components.
    void SetRGBA(int32_t red, int32_t green, int32_t blue, int32_t alpha);
    // As SetRGBA, but without the set-from-components mark: property
    // defaults are made this way.
    void SetRGBAKeepIndex(int32_t red, int32_t green, int32_t blue, int32_t alpha);
    void MakeRandom();
    // Opaque black with palette index 0; the flags stay as they were.
    void InitBlack();
    // Channels widened from a 5-6-5 word; marks the colour as set from its
    // components.
    void SetFrom565(uint16_t word);
    // Entry index of the current palette, opaque, with that index valid.
    void SetFromPaletteIndex(uint8_t index);
    // The palette index, searched once and then kept: a colour set from its
    // components is found in the game palette, a palette colour in the
    // current palette (entry 0, transparent, left out). Defined with the
    // palettes (engine/graphics/color_palette_forms.cpp), as is SetFrom565.
    uint8_t NearestPaletteIndex();

    // The 32-bit pixel form, in memory order.
    uint8_t m_Blue;
    uint8_t m_Green;
    uint8_t m_Red;
    uint8_t m_Alpha;
    // The 24-bit pixel form.
    uint8_t m_Blue24;
    uint8_t m_Green24;
    uint8_t m_Red24;
    // The 16-bit pixel form.
    uint16_t m_Rgb565;
    // The 8-bit pixel form, valid with COLOR_PALETTE_INDEX_VALID.
    uint8_t m_PaletteIndex;
    int32_t m_Flags;
};

const int32_t COLOR_PALETTE_INDEX_VALID = 0x1;
const int32_t COLOR_SET_FROM_RGB = 0x2;

extern const CColor ColorBlack;
extern const CColor ColorWhite;
extern const CColor ColorTransparent;

// 16-bit words of 8-bit channels. Until the pixel-format tables are built
// the channels are rounded up by half a step and capped; once they are,
// they are scaled to the nearest step. The two differ for a few inputs (4
// packs to 1 before and 0 after), and colours made early keep the first.
// Defined beside the tables (engine/graphics/pixel_formats.cpp).
uint16_t Pack565(uint8_t red, uint8_t green, uint8_t blue);
uint16_t Pack555(uint8_t red, uint8_t green, uint8_t blue);
