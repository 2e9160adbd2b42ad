#pragma once

#include <cstdint>

#include "engine/graphics/image_filter_chain.h"

class CFrame;

// Converts a frame to the display depth: plain frames pixel by pixel, and
// the run-length frames the encoder leaves with 32-bit stored values by
// narrowing every stored value in place. Targets 8 need the palettes and
// leave the frame unchanged without them.
class CBitDepthFilter : public CImageFilterChain
{
public:
    CBitDepthFilter(int32_t targetDepth, bool dither)
        : CImageFilterChain(IMAGE_STEP_BIT_DEPTH), m_TargetDepth(targetDepth), m_Dither(dither) {}
    CImageFilterChain* Clone() const override { return new CBitDepthFilter(m_TargetDepth, m_Dither); }
    bool ApplyStep(CFrame& frame, const CRect& context) override;

    int32_t m_TargetDepth;
    bool m_Dither;
};

// Each answers whether the frame was converted.
bool ConvertFrameTo8(CFrame& frame, bool dither);
bool ConvertFrameTo16(CFrame& frame, bool dither);
bool ConvertFrameTo24(CFrame& frame);

// Rewrites a run-length stream of 32-bit stored values into its alpha
// bytes: one per literal pixel, one per fill run, none for a skip; the row
// table is updated and the block's size word rewritten.
void ExtractAlphaStream(uint8_t* block, int32_t* rowOffsets, int32_t width, int32_t height);
