#pragma once

#include <cstdint>

class CBrickBase;
class CClassInfo;

// Placed bricks that carry data for scripts (paths, named points) are no
// bricks for the player: they show only while the level editor builds the
// round or a test game shows markers, and have no shape unless their style
// gives them one.

// Gives the brick's sprite a part with the sequence, at a random progress,
// only while markers are shown.
void ShowMarkerLook(CBrickBase& brick, int32_t primarySequence);
// A marker style class's collision and grid polygons default to none.
void ClearMarkerShapeDefaults(CClassInfo* styleSheetClass);
