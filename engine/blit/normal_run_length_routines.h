#pragma once

#include "engine/blit/blit_type.h"

// The run-length routines of "Normal" (and those "Transparent Mask"
// shares): whole rows go to the whole-row renderers, any other rectangle
// through the clipping ones. An opacity other than exactly 1.0 points
// CurrentOpacityRow at its row first; 8-bit frames feel the opacity only
// through the translucency level.
void BlitNormalRle8To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormalRle8To16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
// 5-6-5 blends in the plain arithmetic or in four-lane steps.
void BlitNormalRle16AlphaTo16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormalRle16AlphaTo16FourLane(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
// The four-lane routine through the reference rows, a pixel at a time,
// whose bits the registered form reproduces (for tests and the benchmark).
void BlitNormalRle16AlphaTo16FourLaneReference(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&,
                                               CBlitType*);
void BlitNormalRle16AlphaTo24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormalRle16AlphaTo32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
// Registered by "Transparent Mask" only.
void BlitRle24AlphaTo24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitRle24AlphaTo32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
