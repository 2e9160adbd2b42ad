#include "engine/graphics/hsl.h"

#include <algorithm>

void RgbToHsl(float red, float green, float blue, float& hue, float& saturation, float& lightness)
{
    const float maximum = std::max({red, green, blue});
    const float minimum = std::min({red, green, blue});
    lightness = (maximum + minimum) * 0.5f;
    if (maximum == minimum)
    {
        saturation = 0.0f;
        hue = 0.0f;
        return;
    }
    const float range = maximum - minimum;
    saturation = lightness <= 0.5f ? range / (maximum + minimum) : range / (2.0f - maximum - minimum);
    if (red == maximum)
        hue = (green - blue) / range;
    else if (green == maximum)
        hue = (blue - red) / range + 2.0f;
    else
        hue = (red - green) / range + 4.0f;
    hue *= 60.0f;
    if (hue < 0.0f)
        hue += 360.0f;
}

float HueToChannel(float m1, float m2, float hue)
{
    if (hue > 360.0f)
        hue -= 360.0f;
    if (hue < 0.0f)
        hue += 360.0f;
    if (hue < 60.0f)
        return m1 + (m2 - m1) * hue * 0.016666668f;
    if (hue < 180.0f)
        return m2;
    if (hue < 240.0f)
        return m1 + (m2 - m1) * (240.0f - hue) * 0.016666668f;
    return m1;
}

void HslToRgb(float hue, float saturation, float lightness, float& red, float& green, float& blue)
{
    const float m2 =
        lightness <= 0.5f ? lightness * (1.0f + saturation) : lightness + saturation - lightness * saturation;
    if (saturation == 0.0f)
    {
        red = green = blue = lightness;
        return;
    }
    const float m1 = 2.0f * lightness - m2;
    red = HueToChannel(m1, m2, hue + 120.0f);
    green = HueToChannel(m1, m2, hue);
    blue = HueToChannel(m1, m2, hue - 120.0f);
}
