#pragma once

#include <cstdint>
#include <cstring>

#include "engine/graphics/frame.h"

// Reading and writing pixels of plain frames by pixel coordinates, so tests
// compare exact pixel words without going through the operations under
// test.
inline uint8_t* PixelAddress(const CFrame& frame, int32_t x, int32_t y)
{
    return frame.GetPixels() + (static_cast<size_t>(frame.GetRowOffsets()[y]) + static_cast<size_t>(x)) *
                                   static_cast<size_t>(frame.GetBytesPerPixel());
}

inline uint32_t ReadPixel(const CFrame& frame, int32_t x, int32_t y)
{
    uint32_t value = 0;
    std::memcpy(&value, PixelAddress(frame, x, y), static_cast<size_t>(frame.GetBytesPerPixel()));
    return value;
}

inline void WritePixel(CFrame& frame, int32_t x, int32_t y, uint32_t value)
{
    std::memcpy(PixelAddress(frame, x, y), &value, static_cast<size_t>(frame.GetBytesPerPixel()));
}

// Every pixel a different value: 1 + x + width x y (masked to the depth).
inline void FillWithCounting(CFrame& frame)
{
    for (int32_t y = 0; y < frame.GetHeight(); y++)
        for (int32_t x = 0; x < frame.GetWidth(); x++)
            WritePixel(frame, x, y, static_cast<uint32_t>(1 + x + frame.GetWidth() * y));
}

// The value FillWithCounting gives pixel (x, y) of a frame of that width.
inline uint32_t CountingValue(int32_t x, int32_t y, int32_t width)
{
    return static_cast<uint32_t>(1 + x + width * y);
}

// A new plain frame filled by FillWithCounting.
struct CountingFrame : CFrame
{
    CountingFrame(uint32_t width, uint32_t height, int32_t bits)
    {
        Create(width, height, bits);
        FillWithCounting(*this);
    }
};

// Some pixel of a plain frame is not zero, at any depth.
inline bool AnyPixelSet(const CFrame& frame)
{
    for (int32_t y = 0; y < frame.GetHeight(); y++)
        for (int32_t x = 0; x < frame.GetWidth(); x++)
            if (ReadPixel(frame, x, y) != 0)
                return true;
    return false;
}
