#pragma once

#include <cstdint>
#include <vector>

class CColorTable;

// Error diffusion over an image given pixel by pixel in row order. Only
// one row (plus one cell) of error per channel is kept, in a ring.
//
// A pixel whose chosen colour lies farther than the limit from the colour
// it came in with is chosen again from that incoming colour, and only the
// second choice's error is carried on: a large carried error never turns
// a pixel into a colour far from its own.
class FloydSteinbergDither
{
public:
    // Without a palette and lookup the caller chooses colours itself
    // (TakePixel, Diffuse).
    FloydSteinbergDither(int32_t width, float limit, const CColorTable* palette, CColorTable* lookup);

    // Channels in 0..1; answers the chosen palette index (1 to 255).
    uint8_t ChooseIndex(float red, float green, float blue);

    void TakePixel(float c1, float c2, float c3);
    // The channels with the carried error, clamped to 0..1.
    float Adjusted(int32_t channel) const { return m_Adjusted[channel]; }
    // Passes on the chosen colour's error; true when the caller must choose
    // again from Adjusted (now the incoming colour) and call again.
    bool Diffuse(float c1, float c2, float c3);

private:
    int32_t m_Width;
    int32_t m_RingSize;
    int32_t m_Position;
    int32_t m_Column;
    std::vector<float> m_Errors[3];
    float m_Incoming[3];
    float m_Adjusted[3];
    float m_LimitSquared;
    bool m_Retry;
    const CColorTable* m_pPalette;
    CColorTable* m_pLookup;
};

// Takes one pixel (channels 0..1) and answers its red, green and blue
// bytes reduced to 5-6-5 levels (truncated), with the error passed on.
void DitherPixelTo565(FloydSteinbergDither& ditherer, float red, float green, float blue, uint8_t out[3]);

// The single-precision 1/255 that colour channels are scaled by.
constexpr float CHANNEL_SCALE = 0.003921569f;
