#pragma once

#include "engine/blit/blit_type.h"

// "Blend Black Bias" (and its twin "Blend Test Light"): a Normal-like blit
// type for images painted over black. What sets it apart lies outside:
// the image loaders recognise it and turn black transparent where other
// images are un-premultiplied. Text fading sets its opacity together with
// "Transparent Mask"'s, so fonts may draw with either.
//
// Its own routines: 16 to 16 in four-lane steps at an opacity below 1.0,
// and 8-bit pairs through the blit type's 256 x 256 blend table T
// (T[source][destination]). T lives in the blit type's palette buffer, which
// only an 8-bit display would fill; without a table of that size the 8-bit
// pairs draw as Normal's.
class CBlitBlendBlackBias : public CBlitType
{
public:
    explicit CBlitBlendBlackBias(bool useFourLaneForms);
    ~CBlitBlendBlackBias() override = default;
};

CBlitBlendBlackBias& GetBlitBlendBlackBias();
// Built and drawn alike; only its name differs, and no loader knows it.
CBlitBlendBlackBias& GetBlitBlendTestLight();

// Shared with "Blend Amplify Light".
void BlitBlackBias8To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitBlackBiasRle8To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
// Copies at opacity 1.0; otherwise blends by the opacity byte, groups of
// four in the four-lane arithmetic and the 0 to 3 left in each row plain.
void BlitBlackBias16To16FourLane(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
