// Nine run tables stand in for the kernel rows: copy (plain and four-lane),
// fill, blends by each pixel's alpha or the run's, by the opacity, and by
// alpha scaled by the opacity, each on the brightened source. A run routine
// gets no blit type, so the routine that drives the runs names the
// brightening in progress first, as it points the shared opacity row; blits
// never overlap, so one pointer serves.
#include "engine/blit/brighten_run_length.h"

#include <cstdint>
#include <utility>

#include "engine/blit/blit_rows.h"
#include "engine/blit/opacity_row.h"
#include "engine/blit/run_kernel_table.h"
#include "engine/blit/run_length_renderers.h"
#include "engine/blit/screen_pixel_operations.h"
#include "engine/graphics/blend565.h"

namespace {

using ScreenPixels::Brighten565;

const CBlitScreenAmount* s_Brightening = nullptr;

uint16_t Brightened(uint32_t value)
{
    return static_cast<uint16_t>(Brighten565::Plain(value & 0xFFFF, *s_Brightening));
}

void Copy(uint8_t* destination, const uint8_t* source, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        Store16(destination + 2 * i, Brightened(Load16(source + 2 * i)));
}

// A pixel at a time until the destination lies on 8 bytes, then four per
// step in 16-bit lanes, then the last 0 to 3; the lanes give the plain
// bits.
void CopyFourLane(uint8_t* destination, const uint8_t* source, uint32_t count)
{
    uint32_t i = 0;
    for (; i < count && reinterpret_cast<uintptr_t>(destination + 2 * i) % 8 != 0; i++)
        Store16(destination + 2 * i, Brightened(Load16(source + 2 * i)));
    for (; i + 4 <= count; i += 4)
        for (uint32_t lane = 0; lane < 4; lane++)
            Store16(destination + 2 * (i + lane), Brighten565::Lane(Load16(source + 2 * (i + lane)), *s_Brightening));
    for (; i < count; i++)
        Store16(destination + 2 * i, Brightened(Load16(source + 2 * i)));
}

void Fill(uint8_t* destination, uint32_t value, uint32_t count)
{
    const uint16_t colour = Brightened(value);
    for (uint32_t i = 0; i < count; i++)
        Store16(destination + 2 * i, colour);
}

void BlendOver(uint8_t* at, uint16_t colour, int32_t weight)
{
    Store16(at, Blend565(Load16(at), colour, weight));
}

// The weight of each pixel: its alpha byte, or the opacity, or the alpha
// scaled by the opacity.
int32_t ByAlpha(uint32_t alpha)
{
    return static_cast<int32_t>(alpha & 0xFF);
}
int32_t ByOpacity(uint32_t)
{
    return CurrentOpacityRow[255];
}
int32_t ByScaledAlpha(uint32_t alpha)
{
    return CurrentOpacityRow[alpha & 0xFF] & 0xFF;
}

template <int32_t (*Weight)(uint32_t)>
void CopyAlpha(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        BlendOver(destination + 2 * i, Brightened(Load16(source + 2 * i)), Weight(alpha[i]));
}

template <int32_t (*Weight)(uint32_t)>
void FillAlpha(uint8_t* destination, uint32_t value, uint32_t alpha, uint32_t count)
{
    const uint16_t colour = Brightened(value);
    const int32_t weight = Weight(alpha);
    for (uint32_t i = 0; i < count; i++)
        BlendOver(destination + 2 * i, colour, weight);
}

void CopyOpacity(uint8_t* destination, const uint8_t* source, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        BlendOver(destination + 2 * i, Brightened(Load16(source + 2 * i)), ByOpacity(0));
}

void FillOpacity(uint8_t* destination, uint32_t value, uint32_t count)
{
    FillAlpha<ByOpacity>(destination, value, 0, count);
}

// Slot 0 draws nothing; every other slot holds the one routine, which
// reads its count.
template <typename Routine, size_t... Slots>
constexpr RunKernelRow RunTable(Routine nothing, Routine routine, std::index_sequence<Slots...>)
{
    return RunKernelRow{(Slots == 0 ? RunKernel(nothing) : RunKernel(routine))...};
}

template <typename Routine>
constexpr RunKernelRow RunTable(Routine nothing, Routine routine)
{
    return RunTable(nothing, routine, std::make_index_sequence<RUN_KERNEL_SLOTS>());
}

constexpr RunCopyRoutine COPY_NOTHING = [](uint8_t*, const uint8_t*, uint32_t) {};
constexpr RunFillRoutine FILL_NOTHING = [](uint8_t*, uint32_t, uint32_t) {};
constexpr RunCopyAlphaRoutine COPY_ALPHA_NOTHING = [](uint8_t*, const uint8_t*, const uint8_t*, uint32_t) {};
constexpr RunFillAlphaRoutine FILL_ALPHA_NOTHING = [](uint8_t*, uint32_t, uint32_t, uint32_t) {};

constinit const RunKernelRow COPY_TABLE = RunTable(COPY_NOTHING, &Copy);
constinit const RunKernelRow COPY_FOUR_LANE_TABLE = RunTable(COPY_NOTHING, &CopyFourLane);
constinit const RunKernelRow FILL_TABLE = RunTable(FILL_NOTHING, &Fill);
constinit const RunKernelRow ALPHA_COPY_TABLE = RunTable(COPY_ALPHA_NOTHING, &CopyAlpha<ByAlpha>);
constinit const RunKernelRow ALPHA_FILL_TABLE = RunTable(FILL_ALPHA_NOTHING, &FillAlpha<ByAlpha>);
constinit const RunKernelRow OPACITY_COPY_TABLE = RunTable(COPY_NOTHING, &CopyOpacity);
constinit const RunKernelRow OPACITY_FILL_TABLE = RunTable(FILL_NOTHING, &FillOpacity);
constinit const RunKernelRow ALPHA_OPACITY_COPY_TABLE = RunTable(COPY_ALPHA_NOTHING, &CopyAlpha<ByScaledAlpha>);
constinit const RunKernelRow ALPHA_OPACITY_FILL_TABLE = RunTable(FILL_ALPHA_NOTHING, &FillAlpha<ByScaledAlpha>);

void Rle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, CBlitType* blitType, const RunKernelRow& copyTable)
{
    s_Brightening = static_cast<const CBlitScreenAmount*>(blitType);
    const bool opaque = IsOpaque(blitType);
    const RunKernelPair opaqueStream =
        opaque ? RunKernelPair{&copyTable, &FILL_TABLE} : RunKernelPair{&OPACITY_COPY_TABLE, &OPACITY_FILL_TABLE};
    const RunKernelPair translucentStream = opaque
                                                ? RunKernelPair{&ALPHA_COPY_TABLE, &ALPHA_FILL_TABLE}
                                                : RunKernelPair{&ALPHA_OPACITY_COPY_TABLE, &ALPHA_OPACITY_FILL_TABLE};
    DrawRle16AlphaThrough(source, sourceRect, destination, destinationRect, opaqueStream, translucentStream,
                          RunRowsFor(source, sourceRect));
}

} // namespace

void BlitBrighten565Rle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                                   const CRect& destinationRect, CBlitType* blitType)
{
    Rle16AlphaTo16(source, sourceRect, destination, destinationRect, blitType, COPY_TABLE);
}

void BlitBrighten565Rle16AlphaTo16FourLane(CFrameInterface* source, const CRect& sourceRect,
                                           CFrameInterface* destination, const CRect& destinationRect,
                                           CBlitType* blitType)
{
    Rle16AlphaTo16(source, sourceRect, destination, destinationRect, blitType, COPY_FOUR_LANE_TABLE);
}
