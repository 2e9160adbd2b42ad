#pragma once

// Hue, saturation and lightness. Channels run 0.0 to 1.0, hue in degrees.
void RgbToHsl(float red, float green, float blue, float& hue, float& saturation, float& lightness);
void HslToRgb(float hue, float saturation, float lightness, float& red, float& green, float& blue);
// One channel of HslToRgb, the hue shifted to that channel's place.
float HueToChannel(float m1, float m2, float hue);
