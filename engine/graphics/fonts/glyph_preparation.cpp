#include "engine/graphics/fonts/glyph_preparation.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"

void PrepareGlyphForDrawing(CFrame& glyph)
{
    CImageFilterChain chain;
    chain.AddStep(IMAGE_STEP_BIT_DEPTH);
    chain.AddStep(IMAGE_STEP_RUN_LENGTH);
    chain.Apply(glyph);
}
