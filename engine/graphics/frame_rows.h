#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/graphics/frame.h"

// Row y of a plain frame, through its row table.
inline uint8_t* PlainFrameRow(const CFrame& frame, int32_t y)
{
    return frame.GetPixels() + static_cast<size_t>(frame.GetRowOffsets()[y]) * frame.GetBytesPerPixel();
}

inline bool IsPlainFrameWithPixels(const CFrame& frame)
{
    return frame.GetPixels() != nullptr && frame.GetRowOffsets() != nullptr && !IsRunLengthFormat(frame.GetFormat());
}

// Calls visit(pixel) for every 4-byte pixel of a plain 32-bit frame;
// false, visiting nothing, for any other frame.
template <typename Visit>
bool ForEachPixel32(CFrame& frame, Visit visit)
{
    if (frame.GetBitsPerPixel() != 32 || IsRunLengthFormat(frame.GetFormat()))
        return false;
    if (!IsPlainFrameWithPixels(frame))
        return true;
    for (int32_t y = 0; y < frame.GetHeight(); y++)
    {
        uint8_t* pixel = PlainFrameRow(frame, y);
        for (int32_t x = 0; x < frame.GetWidth(); x++, pixel += 4)
            visit(pixel);
    }
    return true;
}
