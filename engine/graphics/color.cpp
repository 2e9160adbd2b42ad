#include "engine/graphics/color.h"

namespace {

// round(value * maximum / 255); no value falls on a half.
uint16_t ScaleChannel(uint8_t value, uint32_t maximum)
{
    return static_cast<uint16_t>((value * maximum + 127) / 255);
}

} // namespace

CColor::CColor(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
    : m_Blue(blue),
      m_Green(green),
      m_Red(red),
      m_Alpha(alpha),
      m_Blue24(blue),
      m_Green24(green),
      m_Red24(red),
      m_Rgb565(Pack565(red, green, blue)),
      m_PaletteIndex(0),
      m_Flags(COLOR_SET_FROM_RGB)
{
}

uint16_t Pack565(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<uint16_t>((ScaleChannel(red, 31) << 11) | (ScaleChannel(green, 63) << 5) |
                                 ScaleChannel(blue, 31));
}
