#pragma once

#include "engine/blit/blit_type.h"

// The plain-pixel routines of "Normal", one per pair of depths. Each reads
// the source from the source rectangle's top-left corner and draws exactly
// the destination rectangle.
//
// The pairs onto 8 bits need tables that only an 8-bit display would fill
// (the blend table, the inverse palettes); without a table of the kind and
// size they read, they draw nothing.
void BlitNormal8To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal8To16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal8To24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal8To32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal16To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal16To16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal16To24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal16To32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal24To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal24To16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal24To24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal24To32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
// Blends each pixel by its own alpha (the opacity is not used).
void BlitNormal32To16Blended(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
// Truncates each channel and ignores alpha: what the packed-lane form does.
void BlitNormal32To16Truncated(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal32To24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitNormal32To32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);

// "Transparent Mask"'s own plain routines: as Normal's at full opacity,
// except that a source value 0 leaves the destination unchanged. They only
// point the opacity row for what follows; the opacity does not blend.
void BlitMasked8To8(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitMasked8To16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitMasked8To24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitMasked8To32(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitMasked16To16(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
void BlitMasked16To24(CFrameInterface*, const CRect&, CFrameInterface*, const CRect&, CBlitType*);
