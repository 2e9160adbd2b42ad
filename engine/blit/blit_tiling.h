#pragma once

#include "engine/blit/blit_type.h"

// The two ways of filling a rectangle with copies of a source, for window
// backgrounds and skin borders. Neither is registered by name: their users
// hold the objects. The source point (the top left of the clipped source
// rectangle, in the source's pixel coordinates) sets the phase of the
// repetition, so a rectangle may start anywhere in the pattern.
//
// CBlitTile wraps a texture whose sides are powers of two with bit masks:
// destination pixel (c, r) of the rectangle takes texture pixel
// ((sx + c) & width mask, (sy + r) & height mask); a texture of another size
// repeats only its first 2^n columns and rows. Onto 32 bits the fourth byte
// becomes 255. It also textures a 16-bit alpha run-length frame in place:
// every stored value of streams 0 and 4 takes the texture pixel at its
// position, so the frame keeps its shape and alpha and takes the texture's
// colours.
//
// CBlitRepeat draws the whole source over and over with "Normal" at its
// own opacity (always 1.0), any size and encoding, the first copy at the
// source point's phase.
//
// A source without pixels, or of width or height 0, draws nothing.
class CBlitTile : public CBlitType
{
public:
    CBlitTile();
    ~CBlitTile() override = default;
};

class CBlitRepeat : public CBlitType
{
public:
    CBlitRepeat();
    ~CBlitRepeat() override = default;
};

CBlitTile& GetBlitTile();
CBlitRepeat& GetBlitRepeat();
