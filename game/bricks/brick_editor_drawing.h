#pragma once

#include "engine/core/geometry/vector2d.h"

class CColor;
class CFrameInterface;

// The editor's picture of a motion: an anti-aliased shaft from the start
// along the vector and two head strokes back from its tip, 5 pixels back
// and 5 to each side, turned with the vector.
void DrawArrow(CFrameInterface& frame, const Vector2& start, const Vector2& vector, const CColor& colour);
