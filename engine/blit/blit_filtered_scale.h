#pragma once

#include "engine/blit/blit_type.h"

// Smooth scaling for level thumbnails: the source rectangle is converted
// to a 5-6-5 working frame with "Normal", resampled to the destination
// rectangle's size (CScaleResampler) and drawn with "Normal" again, so
// every pair converts through 5-6-5 (a 32-bit source loses its alpha);
// onto 8 bits the result is turned back into palette indices with
// Floyd-Steinberg dithering first.
// Not registered by name.
class CBlitFilteredScale : public CBlitType
{
public:
    CBlitFilteredScale();
    ~CBlitFilteredScale() override = default;
};

CBlitFilteredScale& GetBlitFilteredScale();
