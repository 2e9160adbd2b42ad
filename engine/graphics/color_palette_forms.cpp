// The members of CColor that read the pixel-format tables and palettes of
// this layer; the colour itself is a value type of the core.
#include "engine/core/color/color.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"

void CColor::SetFrom565(uint16_t word)
{
    SetRGBA(Expand5To8[word >> 11], Expand6To8[(word >> 5) & 63], Expand5To8[word & 31], 255);
}

void CColor::SetFromPaletteIndex(uint8_t index)
{
    uint8_t red, green, blue;
    CurrentPalette.GetEntry(index, red, green, blue);
    SetRGBA(red, green, blue, 255);
    m_PaletteIndex = index;
    m_Flags |= COLOR_PALETTE_INDEX_VALID | COLOR_SET_FROM_RGB;
}

uint8_t CColor::NearestPaletteIndex()
{
    if (m_Flags & COLOR_PALETTE_INDEX_VALID)
        return m_PaletteIndex;
    if ((m_Flags & COLOR_SET_FROM_RGB) || !CurrentPalette.HasData())
        m_PaletteIndex = GamePalette.FindNearestPaletteIndex(m_Red, m_Green, m_Blue, 0, 256);
    else
        m_PaletteIndex = CurrentPalette.FindNearestPaletteIndex(m_Red, m_Green, m_Blue, 1, 256);
    m_Flags |= COLOR_PALETTE_INDEX_VALID;
    return m_PaletteIndex;
}
