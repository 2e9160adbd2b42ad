#pragma once

#include "engine/graphics/image_filter_chain.h"

// The cleaning steps of the load chain. Steps that work on alpha answer
// false, changing nothing, for a frame that is not 32-bit.

// The hot spot moves to the centre of the image as loaded.
class CImageStepCenterHotSpot : public CImageFilterChain
{
public:
    CImageStepCenterHotSpot() : CImageFilterChain(IMAGE_STEP_CENTER_HOT_SPOT) {}
    CImageFilterChain* Clone() const override { return new CImageStepCenterHotSpot; }
    bool ApplyStep(CFrame& frame, const CRect& context) override;
};

// Alpha below the threshold becomes 0; colours stay.
class CImageStepAlphaThreshold : public CImageFilterChain
{
public:
    explicit CImageStepAlphaThreshold(int32_t threshold)
        : CImageFilterChain(IMAGE_STEP_ALPHA_THRESHOLD), m_Threshold(threshold) {}
    CImageFilterChain* Clone() const override { return new CImageStepAlphaThreshold(m_Threshold); }
    bool ApplyStep(CFrame& frame, const CRect& context) override;

    int32_t m_Threshold;
};

// An image drawn over black becomes transparent: at 8 bits near-black
// turns into index 0 or a zero pixel; at other depths the alpha of every
// visible pixel becomes its brightest channel (the un-premultiply step
// that comes with it restores the colour).
class CImageStepBlackToTransparent : public CImageFilterChain
{
public:
    CImageStepBlackToTransparent() : CImageFilterChain(IMAGE_STEP_BLACK_TO_TRANSPARENT) {}
    CImageFilterChain* Clone() const override { return new CImageStepBlackToTransparent; }
    bool ApplyStep(CFrame& frame, const CRect& context) override;
};

// Pixels whose brightest channel lies below the threshold vanish.
class CImageStepMaxColorThreshold : public CImageFilterChain
{
public:
    explicit CImageStepMaxColorThreshold(int32_t threshold)
        : CImageFilterChain(IMAGE_STEP_COLOR_THRESHOLD), m_Threshold(threshold) {}
    CImageFilterChain* Clone() const override { return new CImageStepMaxColorThreshold(m_Threshold); }
    bool ApplyStep(CFrame& frame, const CRect& context) override;

    int32_t m_Threshold;
};

// Cuts the frame to its visible pixels, keeping the hot spot where it was;
// an image with none is left without pixels.
class CImageStepTrim : public CImageFilterChain
{
public:
    CImageStepTrim() : CImageFilterChain(IMAGE_STEP_TRIM) {}
    CImageFilterChain* Clone() const override { return new CImageStepTrim; }
    bool ApplyStep(CFrame& frame, const CRect& context) override;
};

// Colours of partly transparent pixels divided by their alpha.
class CImageStepUnpremultiply : public CImageFilterChain
{
public:
    CImageStepUnpremultiply() : CImageFilterChain(IMAGE_STEP_UNPREMULTIPLY) {}
    CImageFilterChain* Clone() const override { return new CImageStepUnpremultiply; }
    bool ApplyStep(CFrame& frame, const CRect& context) override;
};

// Rebuilds the palette of a 24-bit frame's own palette holder from its
// colours.
class CImageStepPaletteReduce : public CImageFilterChain
{
public:
    CImageStepPaletteReduce() : CImageFilterChain(IMAGE_STEP_PALETTE_REDUCE) {}
    CImageFilterChain* Clone() const override { return new CImageStepPaletteReduce; }
    bool ApplyStep(CFrame& frame, const CRect& context) override;
};

// A 24-bit frame becomes a 32-bit copy of itself (opaque, same offsets).
void ConvertFrame24To32(CFrame& frame);
