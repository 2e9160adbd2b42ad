#pragma once

#include <cstdint>

// The most pixels an image file may declare (2^24 at start). Header
// sizes multiply to far more than any memory holds; readers refuse such
// images before allocating. The fuzz targets lower it.
uint64_t GetImagePixelLimit();
void SetImagePixelLimit(uint64_t pixels);

inline bool IsWithinImagePixelLimit(uint32_t width, uint32_t height)
{
    return uint64_t{width} * height <= GetImagePixelLimit();
}
