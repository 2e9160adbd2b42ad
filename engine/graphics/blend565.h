#pragma once

#include <cstdint>

// Blending one 5-6-5 pixel toward another by an 8-bit weight w. Two
// arithmetics exist and both are part of the behaviour:
//
// The plain one moves red and blue by floor(difference x a5 / 32) and green
// by floor(difference x a6 / 64), with a6 = w >> 2 and a5 = a6 >> 1,
// rounding toward minus infinity.
//
// The four-lane one is what the processor's packed 16-bit lanes compute,
// four pixels at a time, in unsigned lanes that never overflow:
//   red   = (W + (W >> 5)) >> 5,   W = cr x a5 + dr x (31 - a5) + 16
//   green = (Y + (Y >> 6)) >> 10,  Y = 16 x (cg x a6 + dg x (63 - a6)) + 512
// (blue as red). It rounds where the plain one floors, so the two differ.

inline uint16_t Blend565(uint16_t destination, uint16_t colour, int32_t weight)
{
    const int32_t a6 = weight >> 2;
    const int32_t a5 = a6 >> 1;
    const int32_t dr = destination >> 11, dg = (destination >> 5) & 63, db = destination & 31;
    const int32_t cr = colour >> 11, cg = (colour >> 5) & 63, cb = colour & 31;
    // Arithmetic shifts of negative products floor, as the blend needs.
    const int32_t red = dr + (((cr - dr) * a5) >> 5);
    const int32_t green = dg + (((cg - dg) * a6) >> 6);
    const int32_t blue = db + (((cb - db) * a5) >> 5);
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

inline uint16_t Blend565FourLane(uint16_t destination, uint16_t colour, int32_t weight)
{
    const uint32_t a6 = static_cast<uint32_t>(weight) >> 2;
    const uint32_t a5 = a6 >> 1;
    const uint32_t dr = destination >> 11, dg = (destination >> 5) & 63, db = destination & 31;
    const uint32_t cr = colour >> 11, cg = (colour >> 5) & 63, cb = colour & 31;
    const uint32_t w = cr * a5 + dr * (31 - a5) + 16;
    const uint32_t y = 16 * (cg * a6 + dg * (63 - a6)) + 512;
    const uint32_t b = cb * a5 + db * (31 - a5) + 16;
    const uint32_t red = (w + (w >> 5)) >> 5;
    const uint32_t green = (y + (y >> 6)) >> 10;
    const uint32_t blue = (b + (b >> 5)) >> 5;
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

// A row of pixels blended toward one colour: four-lane in groups of four
// and plain for the 0 to 3 left over, or plain throughout.
void BlendRow565(uint16_t* row, int32_t count, uint16_t colour, int32_t weight, bool fourLane);
