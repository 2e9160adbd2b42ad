#pragma once

#include "engine/blit/blit_type.h"

// 16-bit alpha run-length frames drawn onto a 5-6-5 screen through the
// brightening type: the shape of "Normal"'s routine and the same row
// renderers, but every run goes through a run table of the brightening
// type, which brightens each source pixel before it is copied or blended.
// The blit type handed over must be the brightening type, whose offsets
// the runs read. The four-lane routine differs only in how stream 0's
// literal runs are brightened (four pixels per step, same bits).
void BlitBrighten565Rle16AlphaTo16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitBrighten565Rle16AlphaTo16FourLane(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
