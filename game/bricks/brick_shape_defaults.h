#pragma once

#include "engine/core/geometry/polygon2d.h"

class CClassInfo;

// A closed rectangle round the centre, upper left first, clockwise: the
// shape bricks collide and snap to unless their style draws another.
Polygon2D ClosedRectangle(float halfWidth, float halfHeight);

// A style class whose kind is shaped otherwise than the common brick gives
// its own copies of "Collision Poly" and "Grid Polygon" other defaults, or
// none; the polygons must outlive the class.
void SetShapeDefaults(CClassInfo* styleSheetClass, const Polygon2D* collision, const Polygon2D* grid);
// The same with closed rectangles of the half sizes, made here for as long
// as the program runs.
void SetRectangleShapeDefaults(CClassInfo* styleSheetClass, float collisionHalfWidth, float collisionHalfHeight,
                               float gridHalfWidth, float gridHalfHeight);
