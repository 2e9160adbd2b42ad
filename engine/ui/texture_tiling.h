#pragma once

#include "engine/core/geometry/rect.h"

class CFrameInterface;

// Fills the rectangle with the texture repeated from the frame's origin, so
// that neighbouring faces line up; nothing without a texture.
void TileTexture(CFrameInterface& frame, CFrameInterface* texture, const CRect& rect);
