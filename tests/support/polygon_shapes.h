#pragma once

#include <initializer_list>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/geometry/vector2d.h"

// A polygon through the points in order; closed when close is set.
Polygon2D MakePolygon(std::initializer_list<Vector2> points, bool close);

// A ball of the radius as a closed octagon, clockwise on screen.
Polygon2D MakeOctagon(float radius);

// A closed axis-aligned rectangle of half sizes around (0, 0), clockwise
// on screen.
Polygon2D MakeBox(float halfWidth, float halfHeight);
