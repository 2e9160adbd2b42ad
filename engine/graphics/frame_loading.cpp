#include "engine/graphics/frame_loading.h"

#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"

CImageFilterChain& GetDefaultFrameLoadSteps()
{
    static CImageFilterChain chain;
    chain.Clear();
    for (int32_t id : {IMAGE_STEP_ALPHA_THRESHOLD, IMAGE_STEP_TRIM, IMAGE_STEP_UNPREMULTIPLY,
                       IMAGE_STEP_BIT_DEPTH_DITHERED, IMAGE_STEP_RUN_LENGTH})
        chain.AddStep(id);
    return chain;
}

void BuildFrameLoadSteps(CFrame& frame, bool dither, bool runLength, int32_t depth)
{
    CImageFilterChain chain;
    chain.InsertStep(new CBitDepthFilter(depth == -1 ? GetDisplayBitDepth() : depth, dither));
    if (runLength)
        chain.AddStep(IMAGE_STEP_RUN_LENGTH);
    chain.Apply(frame);
}
