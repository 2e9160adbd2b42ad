#include "engine/core/color/color.h"

#include "engine/platform/tick_counter.h"

CColor::CColor()
{
    MakeRandom();
}

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

void CColor::SetRGBA(int32_t red, int32_t green, int32_t blue, int32_t alpha)
{
    m_Red = static_cast<uint8_t>(red);
    m_Green = static_cast<uint8_t>(green);
    m_Blue = static_cast<uint8_t>(blue);
    m_Alpha = static_cast<uint8_t>(alpha);
    m_Red24 = m_Red;
    m_Green24 = m_Green;
    m_Blue24 = m_Blue;
    m_Rgb565 = Pack565(m_Red, m_Green, m_Blue);
    m_Flags |= COLOR_SET_FROM_RGB;
}

void CColor::SetRGBAKeepIndex(int32_t red, int32_t green, int32_t blue, int32_t alpha)
{
    SetRGBA(red, green, blue, alpha);
    m_Flags &= ~COLOR_SET_FROM_RGB;
}

void CColor::MakeRandom()
{
    const uint32_t ticks = GetTickCount();
    m_PaletteIndex = 0;
    m_Flags = 0;
    SetRGBAKeepIndex(static_cast<int32_t>(ticks & 0xFF), static_cast<int32_t>((ticks >> 8) & 0xFF),
                     static_cast<int32_t>((ticks >> 16) & 0xFF), 255);
}

void CColor::InitBlack()
{
    const int32_t flags = m_Flags;
    SetRGBA(0, 0, 0, 255);
    m_PaletteIndex = 0;
    m_Flags = flags;
}

const CColor ColorBlack(0, 0, 0, 255);
const CColor ColorWhite(255, 255, 255, 255);
const CColor ColorTransparent(0, 0, 0, 0);
