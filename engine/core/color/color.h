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
    // Opaque black with no flags.
    void InitBlack();

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

// 5-6-5 word with each channel rounded to its width.
uint16_t Pack565(uint8_t red, uint8_t green, uint8_t blue);
