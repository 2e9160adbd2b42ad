#pragma once

#include <cstdint>
#include <vector>

#include "engine/graphics/frame.h"

// Smooth scaling of one 5-6-5 frame onto another: a separable
// Mitchell-Netravali cubic (B = C = 1/3), rows first into this frame (the
// destination's width by the source's height), then columns into the
// destination. Channels are filtered at 8 bits and packed back through
// tables that hold values from -128 to 383 within range.
//
// Destination position i is centred on source coordinate i / scale, with
// no half-pixel offset. Enlarging takes the source positions within 2 of
// it at weight K(distance); shrinking widens the support to 2 / scale and
// takes scale x K(scale x distance). Weights are not normalised. A tap
// past an edge is reflected (-p, or 2m - p - 1) and then held within the
// source, which a source narrower than the filter needs.
//
// The tap tables are kept for the sizes and scale they were built for, so
// repeated scaling between the same sizes reuses them. One shared object,
// built on first use; main thread only.
class CScaleResampler : public CFrame
{
public:
    struct Tap
    {
        int32_t position;
        float weight;
    };
    using TapList = std::vector<Tap>;

    CScaleResampler();

    // The whole source onto the whole destination, both 16-bit plain.
    void Resample(CFrame& destination, const CFrame& source);

    // One tap list per destination position.
    static void BuildTaps(std::vector<TapList>& taps, int32_t sourceSize, int32_t destinationSize, float scale);
    void BuildHorizontalTaps(int32_t sourceSize, int32_t destinationSize, float scale);
    void BuildVerticalTaps(int32_t sourceSize, int32_t destinationSize, float scale);
    const std::vector<TapList>& GetHorizontalTaps() const { return m_Horizontal.taps; }
    const std::vector<TapList>& GetVerticalTaps() const { return m_Vertical.taps; }

    // The filter: (7|x|^3 - 12x^2 + 16/3) / 6 within 1, (-7/3|x|^3 + 12x^2 -
    // 20|x| + 32/3) / 6 within 2, else 0.
    static double Kernel(double x);
    // The 5-6-5 word of filtered channels, each rounded and held in range.
    static uint16_t Pack(double blue, double green, double red);

private:
    struct TapTable
    {
        std::vector<TapList> taps;
        float scale = 0.0f;
        int32_t sourceSize = -1;
        int32_t destinationSize = -1;

        // Rebuilt only for another scale or size.
        void Prepare(int32_t source, int32_t destination, float newScale);
    };

    TapTable m_Horizontal;
    TapTable m_Vertical;
};

// Built on the first call.
CScaleResampler& GetScaleResampler();
