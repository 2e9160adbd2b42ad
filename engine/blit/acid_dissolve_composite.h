#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"

class CFrameInterface;

// The picture of a brick being eaten by acid: the brick with the overlay
// painted on it, shown only where both the brick and the mask cover, by
// their smaller coverage.
//
// Work rectangle W: the brick's bounds within the mask frame's bounds moved
// by the offset (hot-spot coordinates; the mask and overlay frames' hot
// spots lie at the offset from the brick's). Within W:
//   colour  C = the brick, opaque and translucent pixels alike, with the
//               overlay drawn over it by "Normal";
//   mask    M = min(the brick's coverage, the mask frame's coverage), a
//               byte per pixel: 255 for opaque pixels, the alpha of
//               translucent ones, 0 elsewhere.
// Every destination pixel under W is then blended toward C by M (the
// 5-6-5 blend, so 255 is not quite a copy). The work frames keep the
// brick's own coordinates, so C lands exactly on the brick's place and the
// mask and overlay at their offset whatever part of the brick W covers.
// Nothing is drawn outside the destination rectangle.
//
// brick: a 16-bit alpha run-length frame; mask: a frame of that kind;
// overlay: any frame "Normal" draws onto 16 bits. The rectangles are those
// of the blit (pixel coordinates, clipped).
void DrawAcidComposite(CFrameInterface* brick, const CRect& sourceRect, CFrameInterface* destination,
                       const CRect& destinationRect, CFrameInterface* mask, CFrameInterface* overlay, int32_t xOffset,
                       int32_t yOffset);
