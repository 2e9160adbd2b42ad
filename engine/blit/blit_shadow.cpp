#include "engine/blit/blit_shadow.h"

#include "engine/blit/blit_rows.h"
#include "engine/blit/cpu_info.h"
#include "engine/blit/opacity_row.h"
#include "engine/blit/run_length_renderers.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/pixel_formats.h"

namespace {

constexpr int32_t SHADOW_WEIGHT = 100;

// The weight of the opacity-1.0 shadow, through the opacity row when the
// blit is not opaque.
template <bool WithOpacity>
int32_t Faded(int32_t weight)
{
    return WithOpacity ? CurrentOpacityRow[weight] : weight;
}

// One pixel of a run of count toward black: the groups of four in the
// four-lane arithmetic when asked, the rest plain.
template <bool FourLane>
void Darken(uint8_t* at, uint32_t index, uint32_t count, int32_t weight)
{
    const uint16_t pixel = Load16(at);
    Store16(at, FourLane && index < (count & ~3u) ? Blend565FourLane(pixel, 0, weight) : Blend565(pixel, 0, weight));
}

template <bool FourLane, bool WithOpacity>
struct ShadowRuns
{
    static void Opaque(uint8_t* destination, uint32_t count)
    {
        const int32_t weight = Faded<WithOpacity>(SHADOW_WEIGHT);
        for (uint32_t i = 0; i < count; i++)
            Darken<FourLane>(destination + 2 * i, i, count, weight);
    }
    static void OpaqueLiteral(uint8_t* destination, const uint8_t*, uint32_t count) { Opaque(destination, count); }
    static void OpaqueFill(uint8_t* destination, uint32_t, uint32_t count) { Opaque(destination, count); }
    static void TranslucentLiteral(uint8_t* destination, const uint8_t*, const uint8_t* alpha, uint32_t count)
    {
        for (uint32_t i = 0; i < count; i++)
        {
            const bool lanes = FourLane && i < (count & ~3u);
            const int32_t weight = lanes ? (alpha[i] * SHADOW_WEIGHT) >> 8 : ScaledAlphaTable[SHADOW_WEIGHT][alpha[i]];
            Darken<FourLane>(destination + 2 * i, i, count, Faded<WithOpacity>(weight));
        }
    }
    static void TranslucentFill(uint8_t* destination, uint32_t, uint32_t alpha, uint32_t count)
    {
        const int32_t weight = Faded<WithOpacity>(static_cast<int32_t>(((alpha & 0xFF) * SHADOW_WEIGHT) >> 8));
        for (uint32_t i = 0; i < count; i++)
            Darken<FourLane>(destination + 2 * i, i, count, weight);
    }
};

struct ShadowRows
{
    RunKernelRow opaqueLiteral, opaqueFill, translucentLiteral, translucentFill;
};

template <bool FourLane, bool WithOpacity>
const ShadowRows& RowsOf()
{
    using Runs = ShadowRuns<FourLane, WithOpacity>;
    static const ShadowRows rows{SameKernelInEverySlot(Runs::OpaqueLiteral), SameKernelInEverySlot(Runs::OpaqueFill),
                                 SameKernelInEverySlot(Runs::TranslucentLiteral),
                                 SameKernelInEverySlot(Runs::TranslucentFill)};
    return rows;
}

template <bool FourLane>
void BlitShadowRle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                              const CRect& destinationRect, CBlitType* blitType)
{
    const ShadowRows& rows = IsOpaque(blitType) ? RowsOf<FourLane, false>() : RowsOf<FourLane, true>();
    DrawRle16AlphaThrough(source, sourceRect, destination, destinationRect, {&rows.opaqueLiteral, &rows.opaqueFill},
                          {&rows.translucentLiteral, &rows.translucentFill}, RunRowsFor(source, sourceRect));
}

} // namespace

CBlitAsShadow::CBlitAsShadow(bool useFourLaneForms)
{
    AddEntry(16, 4, 16, 0, useFourLaneForms ? BlitShadowRle16AlphaTo16<true> : BlitShadowRle16AlphaTo16<false>);
}

CBlitAsShadow& GetBlitAsShadow()
{
    static CBlitAsShadow s_Shadow(GetCpuInfo().HasMMX());
    return s_Shadow;
}
