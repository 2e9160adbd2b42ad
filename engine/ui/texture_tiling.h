#pragma once

#include "engine/core/geometry/rect.h"

class CFrameInterface;

// Tiles a texture (sides powers of two) over the destination, the source
// rectangle giving the phase: window backgrounds and skin borders line
// their textures up with the window that owns them this way. A null
// texture draws nothing.
void TileTexture(CFrameInterface& frame, CFrameInterface* texture, CRect source, CRect destination);
