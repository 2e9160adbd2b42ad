#pragma once

#include <cstdint>

// Reading one pixel of a run-length stream in place: the row is walked
// from column 0 up to the run covering the column, or up to the width. A
// run starting at column s with length n covers s <= x < s + n. The data
// is trusted (the frame readers validate it).

// -1 when a run of row y covers column x, else 0; for stored values of 1,
// 2 and 3 bytes.
int32_t FindRunPixel8(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y);
int32_t FindRunPixel16(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y);
int32_t FindRunPixel24(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y);
// The covering run's byte for column x; 0 when none covers it.
uint8_t ReadRunPixel8(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y);

// What a walk found: the stored value for the column and how many alpha
// bytes the row's translucent runs consumed before it (the index of its
// alpha byte in the row of the alpha stream).
struct RunPixel
{
    uint32_t value;
    uint32_t alphaIndex;
};

bool FindRunPixel(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, uint32_t valueBytes, int32_t x,
                  int32_t y, RunPixel& found);
