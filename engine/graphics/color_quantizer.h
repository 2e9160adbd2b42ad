#pragma once

#include <cstdint>

class CFrame;

// A 64 x 64 x 64 count of colours: cell (a, b, c) of a pixel's first,
// second and third bytes over 4 at a * 4096 + b * 64 + c.
constexpr uint32_t COLOR_HISTOGRAM_CELLS = 64 * 64 * 64;

void ClearColorHistogram(uint32_t* histogram);
// Counts every pixel of a plain 24-bit frame.
void CountColorHistogram(uint32_t* histogram, const CFrame& frame);

// Greedy box splitting: starting from the box of every counted colour, the
// box with the largest squared error is cut where the two halves' errors
// sum least, until there are n boxes or none can be cut. Writes each box's
// mean (cell x 4, rounded) as three bytes in the histogram's order and
// their number. Answers 0, or 1 when the working memory cannot be had.
int32_t QuantizeBoxes(const uint32_t* histogram, int32_t n, uint8_t* output, int32_t* count);

class CColorTable;

// Makes the table a palette of the histogram's colours: entry 0 black,
// entries 1 to 254 the boxes' colours (black where fewer), entry 255
// white.
void BuildPaletteFromHistogram(CColorTable& palette, const uint32_t* histogram);
