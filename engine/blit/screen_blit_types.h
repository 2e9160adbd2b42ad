#pragma once

#include <cstdint>

#include "engine/blit/blit_type.h"

// The blit types of the last copy onto a 16-bit screen. Every frame of the
// engine is 5-6-5; only the screen may be 5-5-5, and only the screen shows
// the brightness setting and the fade. So the screen swaps "Normal" for one
// of these when it copies onto itself: brighten or darken onto a 5-6-5
// screen, convert onto a 5-5-5 one, or brighten or darken while converting.
// Off-screen frames never see them, and none is in the blit type registry:
// the screen reaches each through its getter.
//
// The four types with an amount (0 to 255) move each channel by
// k5 = amount >> 3 on the five-bit scale and k6 = amount >> 2 on the
// six-bit one, saturating. 8- and 24-bit sources are converted to the
// screen's packing without being brightened or darkened; 32-bit and
// run-length sources have no routine and draw nothing, except the 16-bit
// alpha run-length frames the brightening 5-6-5 type draws brightened.
//
// Each type has a plain form and a four-lane form of its 16-bit routine,
// chosen at construction. The four-lane form works pixel by pixel until the
// destination address is a multiple of 8 bytes, then on four pixels at a
// time in 16-bit lanes (each channel moved to the top of its lane and
// offset with unsigned saturation), then on the last 0 to 3 pixels
// plainly. For the 5-6-5 types and the conversion the lanes give the plain
// results. The two converting brightness types offset green on the six-bit
// scale before dropping its lowest bit, where the plain form drops the bit
// first: green comes out one level higher (brighten: g odd, k6 odd,
// (g >> 1) + k5 < 31) or lower (darken: g even, k6 odd, (g >> 1) - k5 > 0)
// in the lanes. Which pixels take the lanes depends on their address.

// An amount and the two offsets made from it.
class CBlitScreenAmount : public CBlitType
{
public:
    // Held within 0..255.
    void SetAmount(int32_t amount);
    int32_t GetAmount() const { return m_Amount; }
    int32_t GetFiveBitOffset() const { return m_FiveBitOffset; }
    int32_t GetSixBitOffset() const { return m_SixBitOffset; }

    // The plain saturating arithmetic as lookups, one table per channel,
    // each word already in its place: entry [i], i from -64 to 127, is the
    // channel at level i held within its range, so the tables serve
    // channel + offset (brighten) and channel - offset (darken) alike.
    static constexpr int32_t TABLE_BIAS = 64;
    static constexpr int32_t TABLE_SIZE = 192;
    const uint16_t* RedTable() const { return m_Red + TABLE_BIAS; }
    const uint16_t* GreenTable() const { return m_Green + TABLE_BIAS; }
    const uint16_t* BlueTable() const { return m_Blue + TABLE_BIAS; }

protected:
    // The red, green and blue fields of the packing the type writes.
    CBlitScreenAmount(int32_t redShift, int32_t greenLevels, int32_t greenShift);

private:
    int32_t m_Amount = 0;
    int32_t m_FiveBitOffset = 0;
    int32_t m_SixBitOffset = 0;
    uint16_t m_Red[TABLE_SIZE];
    uint16_t m_Green[TABLE_SIZE];
    uint16_t m_Blue[TABLE_SIZE];
};

class CBlitBrighten565 : public CBlitScreenAmount
{
public:
    explicit CBlitBrighten565(bool useFourLaneForms);
};

class CBlitDarken565 : public CBlitScreenAmount
{
public:
    explicit CBlitDarken565(bool useFourLaneForms);
};

class CBlitConvert555 : public CBlitType
{
public:
    explicit CBlitConvert555(bool useFourLaneForms);
};

class CBlitBrighten555 : public CBlitScreenAmount
{
public:
    explicit CBlitBrighten555(bool useFourLaneForms);
};

class CBlitDarken555 : public CBlitScreenAmount
{
public:
    explicit CBlitDarken555(bool useFourLaneForms);
};

// The one of each type, with the forms the processor offers; built on
// first use.
CBlitBrighten565& GetBlitBrighten565();
CBlitDarken565& GetBlitDarken565();
CBlitConvert555& GetBlitConvert555();
CBlitBrighten555& GetBlitBrighten555();
CBlitDarken555& GetBlitDarken555();
