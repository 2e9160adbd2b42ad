#include "engine/blit/opacity_row.h"

#include "engine/graphics/pixel_formats.h"

const int32_t* CurrentOpacityRow = ScaledAlphaTable[255];

void PointOpacityRowAt(int32_t opacityByte)
{
    CurrentOpacityRow = ScaledAlphaTable[opacityByte];
}
