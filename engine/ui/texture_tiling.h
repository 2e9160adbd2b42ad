#pragma once

#include "engine/core/geometry/rect.h"

class CFrameInterface;

// Fills the rectangle with the texture repeated from the frame's origin, so
// that neighbouring faces line up; nothing without a texture.
void TileTexture(CFrameInterface& frame, CFrameInterface* texture, const CRect& rect);
// The same with the texture's phase taken from a source rectangle of its
// own: a face lined up with its parent's background, a pressed face moved
// by a pixel, a mask painted with the texture under its corner.
void TileTexture(CFrameInterface& frame, CFrameInterface* texture, CRect source, CRect destination);
