#include "engine/blit/blit_filtered_scale.h"

#include "engine/blit/blit_normal.h"
#include "engine/blit/scale_resampler.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"

namespace {

// The rectangles arrive in pixel coordinates; the frames' own blits take
// hot-spot coordinates, so the upper-left offsets are added back.
void FilteredScale(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                   const CRect& destinationRect, CBlitType*)
{
    const int32_t sourceWidth = sourceRect.right - sourceRect.left;
    const int32_t sourceHeight = sourceRect.bottom - sourceRect.top;
    const int32_t width = destinationRect.right - destinationRect.left;
    const int32_t height = destinationRect.bottom - destinationRect.top;
    if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0)
        return;
    CFrame working;
    working.Create(static_cast<uint32_t>(sourceWidth), static_cast<uint32_t>(sourceHeight), 16);
    const int32_t sourceX = source->GetUpperLeftXOffset(), sourceY = source->GetUpperLeftYOffset();
    CRect from{sourceRect.left + sourceX, sourceRect.top + sourceY, sourceRect.right + sourceX,
               sourceRect.bottom + sourceY};
    CRect into{0, 0, sourceWidth, sourceHeight};
    CBlitNormal& normal = GetBlitNormal();
    if (!working.Blit(source, from, into, &normal))
        return;
    CFrame scaled;
    scaled.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 16);
    GetScaleResampler().Resample(scaled, working);
    if (destination->GetBitsPerPixel() == 8)
    {
        // Back to palette indices, dithered, as a load step would.
        CImageFilterChain chain;
        chain.InsertStep(new CBitDepthFilter(8, true));
        chain.Apply(scaled);
    }
    destination->BlitAt(&scaled, destinationRect.left + destination->GetUpperLeftXOffset(),
                        destinationRect.top + destination->GetUpperLeftYOffset(), &normal);
}

} // namespace

CBlitFilteredScale::CBlitFilteredScale()
    : CBlitType(SCALES)
{
    AddEntry(8, 0, 8, 0, FilteredScale);
    AddEntry(16, 0, 16, 0, FilteredScale);
    AddEntry(24, 0, 24, 0, FilteredScale);
    AddEntry(32, 0, 24, 0, FilteredScale);
}

CBlitFilteredScale& GetBlitFilteredScale()
{
    static CBlitFilteredScale s_FilteredScale;
    return s_FilteredScale;
}
