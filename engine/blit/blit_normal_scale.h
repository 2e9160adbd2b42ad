#pragma once

#include "engine/blit/blit_type.h"

// "Normal Scale": the source rectangle stretched or shrunk onto a
// destination rectangle of another size by nearest-neighbour sampling,
// for plain frames of equal or widening depth. The size of the destination
// rectangle sets the scale. Destination pixel i samples source column
// left + ((i x step) >> 16), step = source width x 65536 / destination
// width truncated, and rows alike: the last pixel never samples past the
// source rectangle.
//
// Blits clip it in proportion, so a clipped draw samples the same source
// pixels as the part of the unclipped draw it shows (up to the rounding
// of the cut).
class CBlitNormalScale : public CBlitType
{
public:
    CBlitNormalScale();
    ~CBlitNormalScale() override = default;

    bool ReturnsTrue() override { return false; }
};

CBlitNormalScale& GetBlitNormalScale();
