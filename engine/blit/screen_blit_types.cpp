#include "engine/blit/screen_blit_types.h"

#include <algorithm>

#include "engine/blit/blit_rows.h"
#include "engine/blit/brighten_run_length.h"
#include "engine/blit/cpu_info.h"
#include "engine/blit/normal_routines.h"
#include "engine/blit/screen_pixel_operations.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"

namespace {

using ScreenPixels::BLUE;
using ScreenPixels::Brighten565;
using ScreenPixels::Darken565;

uint32_t ToFiveFiveFive(uint32_t value)
{
    return ((value & 0xFFC0) >> 1) | (value & BLUE);
}

struct Convert555
{
    static uint32_t Plain(uint32_t v, const CBlitType&) { return ToFiveFiveFive(v); }
    static uint32_t Lane(uint32_t v, const CBlitType&) { return ToFiveFiveFive(v); }
};

// Plain: converted first, then each five-bit channel offset.
struct Brighten555
{
    static uint32_t Plain(uint32_t v, const CBlitScreenAmount& type)
    {
        const uint32_t c = ToFiveFiveFive(v);
        const int32_t k5 = type.GetFiveBitOffset();
        return static_cast<uint32_t>(type.RedTable()[(c >> 10) + k5] | type.GreenTable()[((c >> 5) & 31) + k5] |
                                     type.BlueTable()[(c & BLUE) + k5]);
    }
    static uint32_t Lane(uint32_t v, const CBlitScreenAmount& type)
    {
        return ToFiveFiveFive(Brighten565::Lane(v, type));
    }
};

struct Darken555
{
    static uint32_t Plain(uint32_t v, const CBlitScreenAmount& type)
    {
        const int32_t c = static_cast<int32_t>(ToFiveFiveFive(v));
        const int32_t k5 = type.GetFiveBitOffset();
        return static_cast<uint32_t>(type.RedTable()[(c >> 10) - k5] | type.GreenTable()[((c >> 5) & 31) - k5] |
                                     type.BlueTable()[(c & 31) - k5]);
    }
    static uint32_t Lane(uint32_t v, const CBlitScreenAmount& type) { return ToFiveFiveFive(Darken565::Lane(v, type)); }
};

// The blit type's opacity only points the shared opacity row, as "Normal"'s
// routines do (IsOpaque); the picture is never faded by it.
template <typename Operation, typename Type>
void Blit16To16Plain(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    const Type& type = static_cast<const Type&>(*blitType);
    ForEachRow<2, 2>(source, sourceRect, destination, destinationRect,
                     [&type](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            Store16(to + 2 * x, Operation::Plain(Load16(from + 2 * x), type));
    });
}

template <typename Operation, typename Type>
void Blit16To16FourLane(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    const Type& type = static_cast<const Type&>(*blitType);
    ForEachRow<2, 2>(source, sourceRect, destination, destinationRect,
                     [&type](const uint8_t* from, uint8_t* to, int32_t count) {
        int32_t x = 0;
        for (; x < count && reinterpret_cast<uintptr_t>(to + 2 * x) % 8 != 0; x++)
            Store16(to + 2 * x, Operation::Plain(Load16(from + 2 * x), type));
        for (; x + 4 <= count; x += 4)
            for (int32_t lane = 0; lane < 4; lane++)
                Store16(to + 2 * (x + lane), Operation::Lane(Load16(from + 2 * (x + lane)), type));
        for (; x < count; x++)
            Store16(to + 2 * x, Operation::Plain(Load16(from + 2 * x), type));
    });
}

template <typename Operation, typename Type>
BlitRoutine Blit16To16(bool useFourLaneForms)
{
    return useFourLaneForms ? Blit16To16FourLane<Operation, Type> : Blit16To16Plain<Operation, Type>;
}

void Blit8To555(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<1, 2>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            Store16(to + 2 * x, static_cast<uint32_t>(Palette555Lookup[from[x]]));
    });
}

void Blit24To555(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                 const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<3, 2>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, from += 3)
            Store16(to + 2 * x,
                    static_cast<uint32_t>((Scale8To5[from[2]] << 10) + (Scale8To5[from[1]] << 5) + Scale8To5[from[0]]));
    });
}

// The entries of the types that write 5-5-5.
void AddFiveFiveFiveEntries(CBlitType& type, BlitRoutine sixteenBitRoutine)
{
    type.AddEntry(8, 0, 16, 0, Blit8To555);
    type.AddEntry(16, 0, 16, 0, sixteenBitRoutine);
    type.AddEntry(24, 0, 16, 0, Blit24To555);
}

// 8- and 24-bit sources onto a 5-6-5 screen are only converted, as
// "Normal" does.
void AddFiveSixFiveEntries(CBlitType& type, BlitRoutine sixteenBitRoutine)
{
    type.AddEntry(8, 0, 16, 0, BlitNormal8To16);
    type.AddEntry(16, 0, 16, 0, sixteenBitRoutine);
    type.AddEntry(24, 0, 16, 0, BlitNormal24To16);
}

} // namespace

CBlitScreenAmount::CBlitScreenAmount(int32_t redShift, int32_t greenLevels, int32_t greenShift)
{
    for (int32_t i = 0; i < TABLE_SIZE; i++)
    {
        const int32_t level = i - TABLE_BIAS;
        const int32_t five = std::clamp(level, 0, 31);
        m_Red[i] = static_cast<uint16_t>(five << redShift);
        m_Green[i] = static_cast<uint16_t>(std::clamp(level, 0, greenLevels - 1) << greenShift);
        m_Blue[i] = static_cast<uint16_t>(five);
    }
}

void CBlitScreenAmount::SetAmount(int32_t amount)
{
    m_Amount = std::clamp(amount, 0, 255);
    m_FiveBitOffset = m_Amount >> 3;
    m_SixBitOffset = m_Amount >> 2;
}

CBlitBrighten565::CBlitBrighten565(bool useFourLaneForms)
    : CBlitScreenAmount(11, 64, 5)
{
    AddFiveSixFiveEntries(*this, Blit16To16<Brighten565, CBlitScreenAmount>(useFourLaneForms));
    AddEntry(16, 4, 16, 0, useFourLaneForms ? BlitBrighten565Rle16AlphaTo16FourLane : BlitBrighten565Rle16AlphaTo16);
}

CBlitDarken565::CBlitDarken565(bool useFourLaneForms)
    : CBlitScreenAmount(11, 64, 5)
{
    AddFiveSixFiveEntries(*this, Blit16To16<Darken565, CBlitScreenAmount>(useFourLaneForms));
}

CBlitConvert555::CBlitConvert555(bool useFourLaneForms)
{
    AddFiveFiveFiveEntries(*this, Blit16To16<Convert555, CBlitType>(useFourLaneForms));
}

CBlitBrighten555::CBlitBrighten555(bool useFourLaneForms)
    : CBlitScreenAmount(10, 32, 5)
{
    AddFiveFiveFiveEntries(*this, Blit16To16<Brighten555, CBlitScreenAmount>(useFourLaneForms));
}

CBlitDarken555::CBlitDarken555(bool useFourLaneForms)
    : CBlitScreenAmount(10, 32, 5)
{
    AddFiveFiveFiveEntries(*this, Blit16To16<Darken555, CBlitScreenAmount>(useFourLaneForms));
}

CBlitBrighten565& GetBlitBrighten565()
{
    static CBlitBrighten565 s_Type(GetCpuInfo().HasMMX());
    return s_Type;
}

CBlitDarken565& GetBlitDarken565()
{
    static CBlitDarken565 s_Type(GetCpuInfo().HasMMX());
    return s_Type;
}

CBlitConvert555& GetBlitConvert555()
{
    static CBlitConvert555 s_Type(GetCpuInfo().HasMMX());
    return s_Type;
}

CBlitBrighten555& GetBlitBrighten555()
{
    static CBlitBrighten555 s_Type(GetCpuInfo().HasMMX());
    return s_Type;
}

CBlitDarken555& GetBlitDarken555()
{
    static CBlitDarken555 s_Type(GetCpuInfo().HasMMX());
    return s_Type;
}
