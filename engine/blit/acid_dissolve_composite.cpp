#include "engine/blit/acid_dissolve_composite.h"

#include <algorithm>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_rows.h"
#include "engine/blit/run_length_renderers.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_clipping.h"

namespace {

// ---- coverage: the brick's streams drawn without their alpha

void CopyIgnoringAlpha(uint8_t* destination, const uint8_t* source, const uint8_t*, uint32_t count)
{
    std::copy(source, source + 2 * count, destination);
}

void FillIgnoringAlpha(uint8_t* destination, uint32_t value, uint32_t, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        Store16(destination + 2 * i, value);
}

void OpaqueCoverage(uint8_t* destination, const uint8_t*, uint32_t count)
{
    std::fill(destination, destination + count, uint8_t{255});
}

void OpaqueFillCoverage(uint8_t* destination, uint32_t, uint32_t count)
{
    OpaqueCoverage(destination, nullptr, count);
}

void AlphaCoverage(uint8_t* destination, const uint8_t*, const uint8_t* alpha, uint32_t count)
{
    std::copy(alpha, alpha + count, destination);
}

void AlphaFillCoverage(uint8_t* destination, uint32_t, uint32_t alpha, uint32_t count)
{
    std::fill(destination, destination + count, static_cast<uint8_t>(alpha));
}

void Coverage16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                const CRect& destinationRect, CBlitType*)
{
    static const RunKernelRow copy = SameKernelInEverySlot(CopyIgnoringAlpha);
    static const RunKernelRow fill = SameKernelInEverySlot(FillIgnoringAlpha);
    DrawRle16AlphaThrough(source, sourceRect, destination, destinationRect, {&RunKernelTable[10], &RunKernelTable[11]},
                          {&copy, &fill}, RunRowsFor(source, sourceRect));
}

void Coverage8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
               const CRect& destinationRect, CBlitType*)
{
    static const RunKernelRow opaque = SameKernelInEverySlot(OpaqueCoverage);
    static const RunKernelRow opaqueFill = SameKernelInEverySlot(OpaqueFillCoverage);
    static const RunKernelRow alpha = SameKernelInEverySlot(AlphaCoverage);
    static const RunKernelRow alphaFill = SameKernelInEverySlot(AlphaFillCoverage);
    DrawRle16AlphaTo8Through(source, sourceRect, destination, destinationRect, {&opaque, &opaqueFill},
                             {&alpha, &alphaFill}, RunRowsFor(source, sourceRect));
}

// ---- the smaller of two coverages

void Minimum8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
              const CRect& destinationRect, CBlitType*)
{
    ForEachRow<1, 1>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            to[x] = std::min(to[x], from[x]);
    });
}

// ---- the composite: the colour frame carries the mask in its stream-4
// slot, one byte per pixel at the colour pixel's position.

void MaskedBlend16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                   const CRect& destinationRect, CBlitType*)
{
    const uint8_t* mask = source->GetStream4Data();
    const int32_t* maskRows = source->GetStream4RowOffsets();
    const int32_t* sourceRows = source->GetRowOffsets();
    const int32_t* destinationRows = destination->GetRowOffsets();
    const uint8_t* colours = source->GetPixels();
    uint8_t* pixels = destination->GetPixels();
    const int32_t width = destinationRect.right - destinationRect.left;
    for (int32_t y = 0; y < destinationRect.bottom - destinationRect.top; y++)
    {
        const int32_t sourceY = sourceRect.top + y;
        const uint8_t* weights = mask + maskRows[sourceY] + sourceRect.left;
        const uint8_t* from = colours + (static_cast<size_t>(sourceRows[sourceY]) + sourceRect.left) * 2;
        uint8_t* to =
            pixels + (static_cast<size_t>(destinationRows[destinationRect.top + y]) + destinationRect.left) * 2;
        for (int32_t x = 0; x < width; x++)
            Store16(to + 2 * x, Blend565(Load16(to + 2 * x), Load16(from + 2 * x), weights[x]));
    }
}

// The helpers' blit types: plain, opaque, built once.
class CAcidHelperBlitType : public CBlitType
{
public:
    CAcidHelperBlitType(int32_t sourceBits, int32_t sourceEncoding, int32_t destinationBits, BlitRoutine routine,
                        BlitRoutine second = nullptr)
    {
        AddEntry(sourceBits, sourceEncoding, destinationBits, 0, routine);
        if (second)
            AddEntry(sourceBits, sourceEncoding, 8, 0, second);
    }
};

CBlitType& Coverage()
{
    static CAcidHelperBlitType s_Coverage(16, 4, 16, Coverage16, Coverage8);
    return s_Coverage;
}

CBlitType& Minimum()
{
    static CAcidHelperBlitType s_Minimum(8, 0, 8, Minimum8);
    return s_Minimum;
}

CBlitType& MaskedBlend()
{
    static CAcidHelperBlitType s_MaskedBlend(16, 0, 16, MaskedBlend16);
    return s_MaskedBlend;
}

// A zeroed work frame over the work rectangle, in the brick's coordinates.
void MakeWorkFrame(CFrame& frame, const CRect& work, int32_t bits)
{
    frame.Create(static_cast<uint32_t>(work.right - work.left), static_cast<uint32_t>(work.bottom - work.top), bits);
    frame.SetUpperLeftOffset(work.left, work.top);
}

} // namespace

void DrawAcidComposite(CFrameInterface* brick, const CRect& sourceRect, CFrameInterface* destination,
                       const CRect& destinationRect, CFrameInterface* mask, CFrameInterface* overlay, int32_t xOffset,
                       int32_t yOffset)
{
    CRect work;
    brick->GetBounds(work);
    const int32_t brickLeft = work.left, brickTop = work.top;
    CRect covered;
    mask->GetBounds(covered);
    covered = CRect{covered.left + xOffset, covered.top + yOffset, covered.right + xOffset, covered.bottom + yOffset};
    if (!ClipRect(covered, work))
        return;

    CFrame colour, coverage, maskCoverage;
    MakeWorkFrame(colour, work, 16);
    MakeWorkFrame(coverage, work, 8);
    MakeWorkFrame(maskCoverage, work, 8);
    if (colour.GetPixels() == nullptr || coverage.GetPixels() == nullptr || maskCoverage.GetPixels() == nullptr)
        return;
    colour.BlitAt(brick, 0, 0, &Coverage());
    colour.BlitAt(overlay, xOffset, yOffset, &GetBlitNormal());
    coverage.BlitAt(brick, 0, 0, &Coverage());
    maskCoverage.BlitAt(mask, xOffset, yOffset, &Coverage());
    coverage.BlitAt(&maskCoverage, 0, 0, &Minimum());

    // Brick pixel (sl, st) is drawn at destination pixel (dl, dt); the work
    // frame's pixel (0, 0) is brick pixel (W left - brick left, W top -
    // brick top). Blits take hot-spot coordinates: the destination's offset
    // is added back.
    const int32_t x = destinationRect.left - sourceRect.left + work.left - brickLeft;
    const int32_t y = destinationRect.top - sourceRect.top + work.top - brickTop;
    const int32_t hotX = destination->GetUpperLeftXOffset(), hotY = destination->GetUpperLeftYOffset();
    colour.SetUpperLeftOffset(0, 0);
    CRect from{0, 0, colour.GetWidth(), colour.GetHeight()};
    CRect into{x + hotX, y + hotY, x + hotX + colour.GetWidth(), y + hotY + colour.GetHeight()};
    const CRect allowed{destinationRect.left + hotX, destinationRect.top + hotY, destinationRect.right + hotX,
                        destinationRect.bottom + hotY};
    if (!ClipBlitRects(allowed, from, into))
        return;
    colour.SetStream(4, coverage.GetPixels(), const_cast<int32_t*>(coverage.GetRowOffsets()));
    destination->Blit(&colour, from, into, &MaskedBlend());
    colour.SetStream(4, nullptr, nullptr);
}
