#pragma once

#include <algorithm>
#include <cstdint>

#include "engine/blit/screen_blit_types.h"

// Brightening and darkening one 5-6-5 pixel by the offsets of a screen blit
// type: the whole-frame routines and the run tables of the brightening
// type share them. Each has a plain form (lookups in the type's saturating
// tables) and the form of four 16-bit lanes; for 5-6-5 the two agree.
namespace ScreenPixels {

inline constexpr uint32_t RED_565 = 0xF800;
inline constexpr uint32_t GREEN_565 = 0x07E0;
inline constexpr uint32_t BLUE = 0x001F;

// ---- the four 16-bit lanes of a packed register, one lane at a time

inline uint32_t AddSaturating(uint32_t lane, uint32_t offset)
{
    return std::min<uint32_t>(lane + offset, 0xFFFF);
}

inline uint32_t SubtractSaturating(uint32_t lane, uint32_t offset)
{
    return lane > offset ? lane - offset : 0;
}

// Each channel isolated by its mask and moved to the top of its lane (blue
// by 11 bits, green by 5, red is there), offset there with saturation, and
// moved back.
template <uint32_t (*Saturate)(uint32_t, uint32_t)>
inline uint32_t OffsetLane565(uint32_t value, int32_t fiveBitOffset, int32_t sixBitOffset)
{
    const uint32_t red = Saturate(value & RED_565, static_cast<uint32_t>(fiveBitOffset) << 11) & RED_565;
    const uint32_t green =
        (Saturate((value & GREEN_565) << 5, static_cast<uint32_t>(sixBitOffset) << 10) >> 5) & GREEN_565;
    const uint32_t blue = Saturate((value & BLUE) << 11, static_cast<uint32_t>(fiveBitOffset) << 11) >> 11;
    return red | green | blue;
}

// ---- per-pixel operations; each has a plain and a lane form

struct Brighten565
{
    static uint32_t Plain(uint32_t v, const CBlitScreenAmount& type)
    {
        const int32_t k5 = type.GetFiveBitOffset();
        return static_cast<uint32_t>(type.RedTable()[(v >> 11) + k5] |
                                     type.GreenTable()[((v >> 5) & 63) + type.GetSixBitOffset()] |
                                     type.BlueTable()[(v & BLUE) + k5]);
    }
    static uint32_t Lane(uint32_t v, const CBlitScreenAmount& type)
    {
        return OffsetLane565<AddSaturating>(v, type.GetFiveBitOffset(), type.GetSixBitOffset());
    }
};

struct Darken565
{
    static uint32_t Plain(uint32_t v, const CBlitScreenAmount& type)
    {
        const int32_t k5 = type.GetFiveBitOffset();
        return static_cast<uint32_t>(type.RedTable()[static_cast<int32_t>(v >> 11) - k5] |
                                     type.GreenTable()[static_cast<int32_t>((v >> 5) & 63) - type.GetSixBitOffset()] |
                                     type.BlueTable()[static_cast<int32_t>(v & BLUE) - k5]);
    }
    static uint32_t Lane(uint32_t v, const CBlitScreenAmount& type)
    {
        return OffsetLane565<SubtractSaturating>(v, type.GetFiveBitOffset(), type.GetSixBitOffset());
    }
};

} // namespace ScreenPixels
