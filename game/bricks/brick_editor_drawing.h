#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"

class CColor;
class CFrameInterface;

// The editor's picture of a motion: an anti-aliased shaft from the start
// along the vector and two head strokes back from its tip, 5 pixels back
// and 5 to each side, turned with the vector.
void DrawArrow(CFrameInterface& frame, const Vector2& start, const Vector2& vector, const CColor& colour);

// The size, 0 to 1, of an area preview at the editor counter: it grows from
// nothing over growFrames, holds at full size for 60 frames, and starts
// again.
float GrowThenHoldScale(int32_t counter, int32_t growFrames);
// An area preview: eight lines joining the points of the ellipse of the
// radii at every eighth of a turn round the centre.
void DrawAreaOctagon(CFrameInterface& frame, const Vector2& centre, float radiusX, float radiusY,
                     const CColor& colour);
