#pragma once

#include <cstdint>

// The format word of a frame: its encoding, its depth and whether it owns
// its pixels. Blit routines are looked up by the encoding and depth bits of
// the two frames (FRAME_BLIT_KEY_MASK).
constexpr uint32_t FRAME_ENCODING_MASK = 0x0e;
constexpr uint32_t FRAME_ENCODING_PLAIN = 0x00;
// Up to five streams of palette indices, drawn with rising transparency.
constexpr uint32_t FRAME_ENCODING_RLE8 = 0x02;
// Opaque and translucent streams with 8-bit alpha.
constexpr uint32_t FRAME_ENCODING_RLE_ALPHA = 0x04;
constexpr uint32_t FRAME_RUN_LENGTH_BITS = 0x06;

constexpr uint32_t FRAME_DEPTH_MASK = 0x1e0;
constexpr uint32_t FRAME_DEPTH_8 = 0x20;
constexpr uint32_t FRAME_DEPTH_16 = 0x40;
constexpr uint32_t FRAME_DEPTH_24 = 0x80;
constexpr uint32_t FRAME_DEPTH_32 = 0x100;

// The data blocks and row tables lie in a buffer the frame does not own.
constexpr uint32_t FRAME_BORROWED_PIXELS = 0x4000;

constexpr uint32_t FRAME_BLIT_KEY_MASK = 0x1ee;

inline bool IsRunLengthFormat(uint32_t format)
{
    return (format & FRAME_RUN_LENGTH_BITS) != 0;
}

// 8, 16, 24 or 32 for one depth bit, 0 otherwise.
inline int32_t BitsPerPixelOfFormat(uint32_t format)
{
    switch (format & FRAME_DEPTH_MASK)
    {
    case FRAME_DEPTH_8:
        return 8;
    case FRAME_DEPTH_16:
        return 16;
    case FRAME_DEPTH_24:
        return 24;
    case FRAME_DEPTH_32:
        return 32;
    default:
        return 0;
    }
}

// The depth bit of a bit count; 0 for a count without one.
inline uint32_t DepthBitsOf(int32_t bitsPerPixel)
{
    switch (bitsPerPixel)
    {
    case 8:
        return FRAME_DEPTH_8;
    case 16:
        return FRAME_DEPTH_16;
    case 24:
        return FRAME_DEPTH_24;
    case 32:
        return FRAME_DEPTH_32;
    default:
        return 0;
    }
}
