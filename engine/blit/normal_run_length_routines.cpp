#include "engine/blit/normal_run_length_routines.h"

#include "engine/blit/opacity_row.h"
#include "engine/blit/run_length_renderers.h"

namespace {

// True when the blit type is not exactly opaque; the opacity row is then
// pointed at for the blends that read it.
bool PrepareOpacity(const CBlitType* blitType)
{
    if (blitType->GetOpacity() == 1.0f)
        return false;
    PointOpacityRowAt(blitType->GetOpacityByte());
    return true;
}

void Rle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, CBlitType* blitType, bool fourLane)
{
    const bool withOpacity = PrepareOpacity(blitType);
    const RunBlend blend = withOpacity ? (fourLane ? RunBlend::OPACITY_FOUR_LANE : RunBlend::OPACITY)
                                       : (fourLane ? RunBlend::OPAQUE_FOUR_LANE : RunBlend::OPAQUE);
    DrawRle16Alpha(source, sourceRect, destination, destinationRect, blend, RunRowsFor(source, sourceRect));
}

} // namespace

void BlitNormalRle8To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                       const CRect& destinationRect, CBlitType* blitType)
{
    DrawRle8(source, sourceRect, destination, destinationRect, blitType->GetTranslucencyLevel(),
             RunRowsFor(source, sourceRect));
}

void BlitNormalRle8To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, CBlitType* blitType)
{
    DrawRle8To16(source, sourceRect, destination, destinationRect, blitType->GetTranslucencyLevel(),
                 RunRowsFor(source, sourceRect));
}

void BlitNormalRle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                              const CRect& destinationRect, CBlitType* blitType)
{
    Rle16AlphaTo16(source, sourceRect, destination, destinationRect, blitType, false);
}

void BlitNormalRle16AlphaTo16FourLane(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                                      const CRect& destinationRect, CBlitType* blitType)
{
    Rle16AlphaTo16(source, sourceRect, destination, destinationRect, blitType, true);
}

void BlitNormalRle16AlphaTo16FourLaneReference(CFrameInterface* source, const CRect& sourceRect,
                                               CFrameInterface* destination, const CRect& destinationRect,
                                               CBlitType* blitType)
{
    // The reference rows stand in for rows 18 to 23 in order.
    const RunKernelRow* lanes = RunKernelFourLaneReference;
    const bool withOpacity = PrepareOpacity(blitType);
    const RunKernelPair opaque =
        withOpacity ? RunKernelPair{&lanes[2], &lanes[3]} : RunKernelPair{&RunKernelTable[10], &RunKernelTable[11]};
    const RunKernelPair translucent =
        withOpacity ? RunKernelPair{&lanes[4], &lanes[5]} : RunKernelPair{&lanes[0], &lanes[1]};
    DrawRle16AlphaThrough(source, sourceRect, destination, destinationRect, opaque, translucent,
                          RunRowsFor(source, sourceRect));
}

void BlitNormalRle16AlphaTo24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                              const CRect& destinationRect, CBlitType* blitType)
{
    PrepareOpacity(blitType);
    DrawRle16AlphaTo24(source, sourceRect, destination, destinationRect, RunRowsFor(source, sourceRect));
}

void BlitNormalRle16AlphaTo32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                              const CRect& destinationRect, CBlitType* blitType)
{
    PrepareOpacity(blitType);
    DrawRle16AlphaTo32(source, sourceRect, destination, destinationRect, RunRowsFor(source, sourceRect));
}

void BlitRle24AlphaTo24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, CBlitType* blitType)
{
    DrawRle24Alpha(source, sourceRect, destination, destinationRect, PrepareOpacity(blitType),
                   RunRowsFor(source, sourceRect));
}

void BlitRle24AlphaTo32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, CBlitType* blitType)
{
    DrawRle24AlphaTo32(source, sourceRect, destination, destinationRect, PrepareOpacity(blitType),
                       RunRowsFor(source, sourceRect));
}
