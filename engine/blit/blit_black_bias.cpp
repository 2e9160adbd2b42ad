#include "engine/blit/blit_black_bias.h"

#include "engine/blit/blit_rows.h"
#include "engine/blit/cpu_info.h"
#include "engine/blit/normal_routines.h"
#include "engine/blit/normal_run_length_routines.h"
#include "engine/blit/run_length_renderers.h"

namespace {

// The blend table of the blit in progress, for the run routines, which
// take no context: blits never overlap.
const uint8_t* s_pBlendTable = nullptr;

// T: the blit type's palette buffer when it holds a blend table; at
// opacity 1.0 also the source's own palette. Null when neither does.
const uint8_t* BlendTableOf(CFrameInterface* source, CBlitType* blitType)
{
    const bool opaque = IsOpaque(blitType);
    if (blitType->GetPalette()->Holds(CColorTable::BLEND_TABLE))
        return blitType->GetPalette()->GetData();
    const CColorTable* own = source->HasOwnPalette() ? source->GetPalette() : nullptr;
    if (opaque && own && own->Holds(CColorTable::BLEND_TABLE))
        return own->GetData();
    return nullptr;
}

void BlendLiteral(uint8_t* destination, const uint8_t* source, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        destination[i] = s_pBlendTable[source[i] * 256 + destination[i]];
}

void BlendFill(uint8_t* destination, uint32_t value, uint32_t count)
{
    const uint8_t* row = s_pBlendTable + (value & 0xFF) * 256;
    for (uint32_t i = 0; i < count; i++)
        destination[i] = row[destination[i]];
}

// Every pass reads T at the source's row: the per-pass row tables of an
// 8-bit display would all start at source x 256.
const RunKernelPair (&BlendPasses())[5]
{
    static const RunKernelRow literal = SameKernelInEverySlot(BlendLiteral);
    static const RunKernelRow fill = SameKernelInEverySlot(BlendFill);
    static const RunKernelPair passes[5] = {
        {&literal, &fill}, {&literal, &fill}, {&literal, &fill}, {&literal, &fill}, {&literal, &fill}};
    return passes;
}

} // namespace

void BlitBlackBias8To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                       const CRect& destinationRect, CBlitType* blitType)
{
    const uint8_t* table = BlendTableOf(source, blitType);
    if (table == nullptr)
    {
        BlitNormal8To8(source, sourceRect, destination, destinationRect, blitType);
        return;
    }
    ForEachRow<1, 1>(source, sourceRect, destination, destinationRect,
                     [table](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            to[x] = table[from[x] * 256 + to[x]];
    });
}

void BlitBlackBiasRle8To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                          const CRect& destinationRect, CBlitType* blitType)
{
    s_pBlendTable = BlendTableOf(source, blitType);
    if (s_pBlendTable == nullptr)
    {
        BlitNormalRle8To8(source, sourceRect, destination, destinationRect, blitType);
        return;
    }
    DrawRle8Through(source, sourceRect, destination, destinationRect, blitType->GetTranslucencyLevel(), BlendPasses(),
                    RunRowsFor(source, sourceRect));
}

void BlitBlackBias16To16FourLane(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                                 const CRect& destinationRect, CBlitType* blitType)
{
    if (IsOpaque(blitType))
    {
        BlitNormal16To16(source, sourceRect, destination, destinationRect, blitType);
        return;
    }
    // The kernel row of opacity blends in four-lane steps reads any count
    // from its last slot.
    const RunCopyRoutine blendRow = RunKernelTable[20][RUN_KERNEL_SLOTS - 1].copy;
    ForEachRow<2, 2>(source, sourceRect, destination, destinationRect,
                     [blendRow](const uint8_t* from, uint8_t* to, int32_t count) {
        blendRow(to, from, static_cast<uint32_t>(count));
    });
}

CBlitBlendBlackBias::CBlitBlendBlackBias(bool useFourLaneForms)
{
    AddEntry(8, 0, 8, 0, BlitBlackBias8To8);
    AddEntry(16, 0, 16, 0, useFourLaneForms ? BlitBlackBias16To16FourLane : BlitNormal16To16);
    // Blends by source alpha whatever the processor, where Normal's
    // four-lane form packs unblended.
    AddEntry(32, 0, 16, 0, BlitNormal32To16Blended);
    AddEntry(24, 0, 24, 0, BlitNormal24To24);
    AddEntry(32, 0, 24, 0, BlitNormal32To24);
    AddEntry(32, 0, 32, 0, BlitNormal32To32);
    AddEntry(8, 2, 8, 0, BlitBlackBiasRle8To8);
    AddEntry(16, 4, 16, 0, useFourLaneForms ? BlitNormalRle16AlphaTo16FourLane : BlitNormalRle16AlphaTo16);
    AddEntry(24, 4, 24, 0, BlitRle24AlphaTo24);
}

CBlitBlendBlackBias& GetBlitBlendBlackBias()
{
    static CBlitBlendBlackBias s_BlackBias(GetCpuInfo().HasMMX());
    return s_BlackBias;
}

CBlitBlendBlackBias& GetBlitBlendTestLight()
{
    static CBlitBlendBlackBias s_TestLight(GetCpuInfo().HasMMX());
    return s_TestLight;
}
