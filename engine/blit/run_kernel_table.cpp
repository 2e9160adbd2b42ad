// Every row is one per-pixel operation instantiated 18 times: a routine
// doing nothing for slot 0, one per length for slots 1 to 16 (the length a
// constant, so short runs compile to straight code) and the general
// routine of slots 17 to 63. The table is built by constant expressions,
// so it is complete before static initialisation starts and no blit type
// has to finish it.
#include "engine/blit/run_kernel_table.h"

#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/blit/opacity_row.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"

namespace {

uint16_t Load16(const uint8_t* at)
{
    uint16_t value;
    std::memcpy(&value, at, 2);
    return value;
}

void Store16(uint8_t* at, uint32_t value)
{
    const uint16_t word = static_cast<uint16_t>(value);
    std::memcpy(at, &word, 2);
}

// ---- Copies and fills --------------------------------------------------

template <uint32_t Bytes>
struct CopyPixels
{
    static void Run(uint8_t* destination, const uint8_t* source, uint32_t count)
    {
        CopyRun(destination, source, size_t{count} * Bytes);
    }
};

struct Fill8
{
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        std::memset(destination, static_cast<uint8_t>(value), count);
    }
};

struct Fill16
{
    static void Run(uint8_t* destination, uint32_t value, uint32_t count) { FillRun16(destination, value, count); }
};

// The first pixel is written, then copied forward byte by byte from three
// bytes behind, so it repeats over the run.
struct Fill24
{
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        if (count == 0)
            return;
        destination[0] = static_cast<uint8_t>(value);
        destination[1] = static_cast<uint8_t>(value >> 8);
        destination[2] = static_cast<uint8_t>(value >> 16);
        for (uint32_t i = 3; i < 3 * count; i++)
            destination[i] = destination[i - 3];
    }
};

// ---- Palette blend tables ----------------------------------------------

// Which table and which way round it is indexed: [destination][source]
// or [source][destination]. Without a full blend table nothing is drawn.
template <CColorTable* Table, bool DestinationFirst>
struct TableBlend
{
    static const uint8_t* Data() { return Table->Holds(CColorTable::BLEND_TABLE) ? Table->GetData() : nullptr; }
    static uint8_t Of(const uint8_t* data, uint8_t destination, uint8_t source)
    {
        return DestinationFirst ? data[destination * 256 + source] : data[source * 256 + destination];
    }
    static void Run(uint8_t* destination, const uint8_t* source, uint32_t count)
    {
        if (const uint8_t* data = Data())
            for (uint32_t i = 0; i < count; i++)
                destination[i] = Of(data, destination[i], source[i]);
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        if (const uint8_t* data = Data())
            for (uint32_t i = 0; i < count; i++)
                destination[i] = Of(data, destination[i], static_cast<uint8_t>(value));
    }
};

// ---- 5-6-5 blends ------------------------------------------------------

// The weight of one pixel, from its alpha byte (or the run's alpha).
struct ByAlpha
{
    static int32_t Of(uint32_t alpha) { return static_cast<int32_t>(alpha & 0xFF); }
};
struct ByOpacity
{
    static int32_t Of(uint32_t) { return CurrentOpacityRow[255]; }
};
struct ByScaledAlpha
{
    static int32_t Of(uint32_t alpha) { return CurrentOpacityRow[alpha & 0xFF] & 0xFF; }
};
// The four-lane steps of the alpha-times-opacity row multiply and shift
// where the plain pixels look up floor(o x a / 255).
struct ByAlphaTimesOpacity
{
    static int32_t Of(uint32_t alpha) { return static_cast<int32_t>(((alpha & 0xFF) * CurrentOpacityRow[255]) >> 8); }
};

// Pixels below 4 x (count div 4) go through the four-lane arithmetic with
// the FourLane weight when FourLaneSteps is set, the rest through the plain
// arithmetic with the Plain weight. Lanes are independent, so blending the
// group members one by one gives the group's result.
template <bool FourLaneSteps, class FourLane, class Plain>
uint16_t BlendPixel565(uint32_t index, uint32_t count, uint16_t destination, uint16_t source, uint32_t alpha)
{
    if (FourLaneSteps && index < (count & ~3u))
        return Blend565FourLane(destination, source, FourLane::Of(alpha));
    return Blend565(destination, source, Plain::Of(alpha));
}

#if defined(__SSE2__)
// The fast form: eight lanes of the four-lane arithmetic at once, the same
// 16-bit operations in the same order, so the same bits. Weights are 0..255
// per lane.
__m128i BlendEight565(__m128i destination, __m128i source, __m128i weight)
{
    const __m128i a6 = _mm_srli_epi16(weight, 2);
    const __m128i a5 = _mm_srli_epi16(a6, 1);
    const __m128i inverse5 = _mm_sub_epi16(_mm_set1_epi16(31), a5);
    const __m128i inverse6 = _mm_sub_epi16(_mm_set1_epi16(63), a6);
    const __m128i greenMask = _mm_set1_epi16(0x03F0);
    const __m128i sg = _mm_and_si128(_mm_srli_epi16(source, 1), greenMask);
    const __m128i dg = _mm_and_si128(_mm_srli_epi16(destination, 1), greenMask);
    __m128i y =
        _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(sg, a6), _mm_mullo_epi16(dg, inverse6)), _mm_set1_epi16(512));
    y = _mm_srli_epi16(_mm_add_epi16(y, _mm_srli_epi16(y, 6)), 10);
    auto fiveBits = [&](__m128i sc, __m128i dc) {
        __m128i z =
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(sc, a5), _mm_mullo_epi16(dc, inverse5)), _mm_set1_epi16(16));
        return _mm_srli_epi16(_mm_add_epi16(z, _mm_srli_epi16(z, 5)), 5);
    };
    const __m128i blueMask = _mm_set1_epi16(31);
    const __m128i red = fiveBits(_mm_srli_epi16(source, 11), _mm_srli_epi16(destination, 11));
    const __m128i blue = fiveBits(_mm_and_si128(source, blueMask), _mm_and_si128(destination, blueMask));
    return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(red, 11), _mm_slli_epi16(y, 5)), blue);
}

__m128i AlphaLanes(const uint8_t* alpha)
{
    return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha)), _mm_setzero_si128());
}

// Eight-pixel steps over the groups of four; answers how many pixels they
// did. The rest is left to the per-pixel loop.
template <class Weights, class Sources>
uint32_t BlendEights(uint8_t* destination, uint32_t count, Weights weights, Sources sources)
{
    uint32_t i = 0;
    for (; i + 8 <= (count & ~3u); i += 8)
    {
        __m128i* at = reinterpret_cast<__m128i*>(destination + 2 * i);
        _mm_storeu_si128(at, BlendEight565(_mm_loadu_si128(at), sources(i), weights(i)));
    }
    return i;
}
#endif

// The lane weights of the fast form, for the rows with per-pixel alpha.
struct LaneByAlpha
{
#if defined(__SSE2__)
    static __m128i Lanes(const uint8_t* alpha)
    {
        return AlphaLanes(alpha);
    }
#endif
};
struct LaneByAlphaTimesOpacity
{
#if defined(__SSE2__)
    static __m128i Lanes(const uint8_t* alpha)
    {
        const __m128i opacity = _mm_set1_epi16(static_cast<int16_t>(CurrentOpacityRow[255]));
        return _mm_srli_epi16(_mm_mullo_epi16(AlphaLanes(alpha), opacity), 8);
    }
#endif
};

// Fast: the four-lane steps eight pixels at a time where the processor
// has the lanes; the reference does them one pixel at a time.
template <bool FourLaneSteps, class FourLane, class Plain, bool Fast = false, class LaneWeights = LaneByAlpha>
struct Blend565Rows
{
    // Per-pixel alpha.
    static void Run(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, uint32_t count)
    {
        uint32_t i = 0;
#if defined(__SSE2__)
        if constexpr (Fast)
            i = BlendEights(
                destination, count, [alpha](uint32_t at) { return LaneWeights::Lanes(alpha + at); },
                [source](uint32_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 2 * at)); });
#endif
        for (; i < count; i++)
            Store16(destination + 2 * i, BlendPixel565<FourLaneSteps, FourLane, Plain>(
                                             i, count, Load16(destination + 2 * i), Load16(source + 2 * i), alpha[i]));
    }
    // One colour and one alpha.
    static void Run(uint8_t* destination, uint32_t value, uint32_t alpha, uint32_t count)
    {
        uint32_t i = 0;
#if defined(__SSE2__)
        if constexpr (Fast)
        {
            const __m128i weight = _mm_set1_epi16(static_cast<int16_t>(FourLane::Of(alpha)));
            const __m128i colour = _mm_set1_epi16(static_cast<int16_t>(value));
            i = BlendEights(
                destination, count, [weight](uint32_t) { return weight; }, [colour](uint32_t) { return colour; });
        }
#endif
        for (; i < count; i++)
            Store16(destination + 2 * i,
                    BlendPixel565<FourLaneSteps, FourLane, Plain>(i, count, Load16(destination + 2 * i),
                                                                  static_cast<uint16_t>(value), alpha));
    }
};

// The opacity alone: no alpha bytes.
template <bool FourLaneSteps, bool Fast = false>
struct Blend565OpacityRows
{
    static void Run(uint8_t* destination, const uint8_t* source, uint32_t count)
    {
        uint32_t i = 0;
#if defined(__SSE2__)
        if constexpr (Fast)
        {
            const __m128i weight = _mm_set1_epi16(static_cast<int16_t>(ByOpacity::Of(0)));
            i = BlendEights(
                destination, count, [weight](uint32_t) { return weight; },
                [source](uint32_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 2 * at)); });
        }
#endif
        for (; i < count; i++)
            Store16(destination + 2 * i, BlendPixel565<FourLaneSteps, ByOpacity, ByOpacity>(
                                             i, count, Load16(destination + 2 * i), Load16(source + 2 * i), 0));
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        uint32_t i = 0;
#if defined(__SSE2__)
        if constexpr (Fast)
        {
            const __m128i weight = _mm_set1_epi16(static_cast<int16_t>(ByOpacity::Of(0)));
            const __m128i colour = _mm_set1_epi16(static_cast<int16_t>(value));
            i = BlendEights(
                destination, count, [weight](uint32_t) { return weight; }, [colour](uint32_t) { return colour; });
        }
#endif
        for (; i < count; i++)
            Store16(destination + 2 * i, BlendPixel565<FourLaneSteps, ByOpacity, ByOpacity>(
                                             i, count, Load16(destination + 2 * i), static_cast<uint16_t>(value), 0));
    }
};

// ---- 24-bit blends -----------------------------------------------------

void BlendPixel24(uint8_t* destination, const uint8_t* source, int32_t weight)
{
    for (int32_t k = 0; k < 3; k++)
        destination[k] = Blend24(destination[k], source[k], weight);
}

template <class Weight>
struct Blend24Rows
{
    static void Run(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            BlendPixel24(destination + 3 * i, source + 3 * i, Weight::Of(alpha[i]));
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t alpha, uint32_t count)
    {
        const uint8_t bytes[3] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                  static_cast<uint8_t>(value >> 16)};
        for (uint32_t i = 0; i < count; i++)
            BlendPixel24(destination + 3 * i, bytes, Weight::Of(alpha));
    }
    static void Run(uint8_t* destination, const uint8_t* source, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            BlendPixel24(destination + 3 * i, source + 3 * i, Weight::Of(0));
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        const uint8_t bytes[3] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                  static_cast<uint8_t>(value >> 16)};
        for (uint32_t i = 0; i < count; i++)
            BlendPixel24(destination + 3 * i, bytes, Weight::Of(0));
    }
};

// ---- Conversions -------------------------------------------------------

void Store565As24(uint8_t* at, uint16_t word)
{
    at[0] = Expand5To8[word & 31];
    at[1] = Expand6To8[(word >> 5) & 63];
    at[2] = Expand5To8[word >> 11];
}

struct Convert8To565
{
    static void Run(uint8_t* destination, const uint8_t* source, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            Store16(destination + 2 * i, static_cast<uint32_t>(Palette565Lookup[source[i]]));
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        Fill16::Run(destination, static_cast<uint32_t>(Palette565Lookup[value & 0xFF]), count);
    }
};

// Bytes per destination pixel 3 or 4; onto 4 the fourth byte is 255 for
// opaque forms and the alpha for translucent ones. Onto 3 the alpha is
// dropped: the pixel is drawn as if opaque.
template <uint32_t Bytes>
struct Convert565
{
    static void Put(uint8_t* at, uint16_t word, uint32_t alpha)
    {
        Store565As24(at, word);
        if (Bytes == 4)
            at[3] = static_cast<uint8_t>(alpha);
    }
    static void Run(uint8_t* destination, const uint8_t* source, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            Put(destination + Bytes * i, Load16(source + 2 * i), 255);
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            Put(destination + Bytes * i, static_cast<uint16_t>(value), 255);
    }
    static void Run(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            Put(destination + Bytes * i, Load16(source + 2 * i), Bytes == 4 ? alpha[i] : 255);
    }
    static void Run(uint8_t* destination, uint32_t value, uint32_t alpha, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
            Put(destination + Bytes * i, static_cast<uint16_t>(value), alpha & 0xFF);
    }
};

// ---- Building the rows -------------------------------------------------

// Length 0 selects the general routine, which reads its count.
template <class Op, uint32_t Length>
void Copy(uint8_t* destination, const uint8_t* source, uint32_t count)
{
    Op::Run(destination, source, Length != 0 ? Length : count);
}
template <class Op, uint32_t Length>
void Fill(uint8_t* destination, uint32_t value, uint32_t count)
{
    Op::Run(destination, value, Length != 0 ? Length : count);
}
template <class Op, uint32_t Length>
void CopyAlpha(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, uint32_t count)
{
    Op::Run(destination, source, alpha, Length != 0 ? Length : count);
}
template <class Op, uint32_t Length>
void FillAlpha(uint8_t* destination, uint32_t value, uint32_t alpha, uint32_t count)
{
    Op::Run(destination, value, alpha, Length != 0 ? Length : count);
}

void CopyNothing(uint8_t*, const uint8_t*, uint32_t)
{
}
void FillNothing(uint8_t*, uint32_t, uint32_t)
{
}
void CopyAlphaNothing(uint8_t*, const uint8_t*, const uint8_t*, uint32_t)
{
}
void FillAlphaNothing(uint8_t*, uint32_t, uint32_t, uint32_t)
{
}

enum Form
{
    COPY,
    FILL,
    COPY_ALPHA,
    FILL_ALPHA
};

// Slot 0 nothing, 1..16 by length, 17..63 general.
constexpr uint32_t LengthOfSlot(size_t slot)
{
    return slot <= 16 ? static_cast<uint32_t>(slot) : 0;
}

template <Form F, class Op, uint32_t Length, bool Nothing>
constexpr RunKernel Slot()
{
    if constexpr (F == COPY)
        return Nothing ? RunKernel(&CopyNothing) : RunKernel(&Copy<Op, Length>);
    else if constexpr (F == FILL)
        return Nothing ? RunKernel(&FillNothing) : RunKernel(&Fill<Op, Length>);
    else if constexpr (F == COPY_ALPHA)
        return Nothing ? RunKernel(&CopyAlphaNothing) : RunKernel(&CopyAlpha<Op, Length>);
    else
        return Nothing ? RunKernel(&FillAlphaNothing) : RunKernel(&FillAlpha<Op, Length>);
}

template <Form F, class Op, size_t... Slots>
constexpr RunKernelRow MakeRow(std::index_sequence<Slots...>)
{
    return RunKernelRow{Slot<F, Op, LengthOfSlot(Slots), Slots == 0>()...};
}

template <Form F, class Op>
constexpr RunKernelRow Row()
{
    return MakeRow<F, Op>(std::make_index_sequence<RUN_KERNEL_SLOTS>());
}

// Conversion rows: the general routine everywhere, slot 0 included.
template <Form F, class Op, size_t... Slots>
constexpr RunKernelRow MakeConversionRow(std::index_sequence<Slots...>)
{
    return RunKernelRow{(static_cast<void>(Slots), Slot<F, Op, 0, false>())...};
}

template <Form F, class Op>
constexpr RunKernelRow ConversionRow()
{
    return MakeConversionRow<F, Op>(std::make_index_sequence<RUN_KERNEL_SLOTS>());
}

using TableA_DS = TableBlend<&PaletteBlendTableA, true>;
using TableB_DS = TableBlend<&PaletteBlendTableB, true>;
using TableB_SD = TableBlend<&PaletteBlendTableB, false>;
using TableA_SD = TableBlend<&PaletteBlendTableA, false>;

using Plain565ByAlpha = Blend565Rows<false, ByAlpha, ByAlpha>;
using Plain565ByScaledAlpha = Blend565Rows<false, ByScaledAlpha, ByScaledAlpha>;
template <bool Fast>
using FourLane565ByAlpha = Blend565Rows<true, ByAlpha, ByAlpha, Fast>;
template <bool Fast>
using FourLane565ByScaledAlpha = Blend565Rows<true, ByAlphaTimesOpacity, ByScaledAlpha, Fast, LaneByAlphaTimesOpacity>;
template <bool Fast>
using FourLane565FillByScaledAlpha = Blend565Rows<true, ByScaledAlpha, ByScaledAlpha, Fast>;

} // namespace

constinit const RunKernelRow RunKernelTable[RUN_KERNEL_ROWS] = {
    Row<COPY, CopyPixels<1>>(),
    Row<FILL, Fill8>(),
    Row<COPY, TableA_DS>(),
    Row<FILL, TableA_DS>(),
    Row<COPY, TableB_DS>(),
    Row<FILL, TableB_DS>(),
    Row<COPY, TableB_SD>(),
    Row<FILL, TableB_SD>(),
    Row<COPY, TableA_SD>(),
    Row<FILL, TableA_SD>(),
    Row<COPY, CopyPixels<2>>(),
    Row<FILL, Fill16>(),
    Row<COPY_ALPHA, Plain565ByAlpha>(),
    Row<FILL_ALPHA, Plain565ByAlpha>(),
    Row<COPY, Blend565OpacityRows<false>>(),
    Row<FILL, Blend565OpacityRows<false>>(),
    Row<COPY_ALPHA, Plain565ByScaledAlpha>(),
    Row<FILL_ALPHA, Plain565ByScaledAlpha>(),
    Row<COPY_ALPHA, FourLane565ByAlpha<true>>(),
    Row<FILL_ALPHA, FourLane565ByAlpha<true>>(),
    Row<COPY, Blend565OpacityRows<true, true>>(),
    Row<FILL, Blend565OpacityRows<true, true>>(),
    Row<COPY_ALPHA, FourLane565ByScaledAlpha<true>>(),
    Row<FILL_ALPHA, FourLane565FillByScaledAlpha<true>>(),
    Row<COPY, CopyPixels<3>>(),
    Row<FILL, Fill24>(),
    Row<COPY_ALPHA, Blend24Rows<ByAlpha>>(),
    Row<FILL_ALPHA, Blend24Rows<ByAlpha>>(),
    Row<COPY, Blend24Rows<ByOpacity>>(),
    Row<FILL, Blend24Rows<ByOpacity>>(),
    Row<COPY_ALPHA, Blend24Rows<ByScaledAlpha>>(),
    Row<FILL_ALPHA, Blend24Rows<ByScaledAlpha>>(),
};

constinit const RunKernelRow RunConvert8To565Copy = ConversionRow<COPY, Convert8To565>();
constinit const RunKernelRow RunConvert8To565Fill = ConversionRow<FILL, Convert8To565>();
constinit const RunKernelRow RunConvert565To24Copy = ConversionRow<COPY, Convert565<3>>();
constinit const RunKernelRow RunConvert565To24Fill = ConversionRow<FILL, Convert565<3>>();
constinit const RunKernelRow RunConvert565To24CopyAlpha = ConversionRow<COPY_ALPHA, Convert565<3>>();
constinit const RunKernelRow RunConvert565To24FillAlpha = ConversionRow<FILL_ALPHA, Convert565<3>>();
constinit const RunKernelRow RunConvert565To32Copy = ConversionRow<COPY, Convert565<4>>();
constinit const RunKernelRow RunConvert565To32Fill = ConversionRow<FILL, Convert565<4>>();
constinit const RunKernelRow RunConvert565To32CopyAlpha = ConversionRow<COPY_ALPHA, Convert565<4>>();
constinit const RunKernelRow RunConvert565To32FillAlpha = ConversionRow<FILL_ALPHA, Convert565<4>>();

constinit const RunKernelRow RunKernelFourLaneReference[6] = {
    Row<COPY_ALPHA, FourLane565ByAlpha<false>>(),       Row<FILL_ALPHA, FourLane565ByAlpha<false>>(),
    Row<COPY, Blend565OpacityRows<true, false>>(),      Row<FILL, Blend565OpacityRows<true, false>>(),
    Row<COPY_ALPHA, FourLane565ByScaledAlpha<false>>(), Row<FILL_ALPHA, FourLane565FillByScaledAlpha<false>>(),
};
