#pragma once

#include "engine/core/strings/ref_string.h"

class Polygon2D;

// The text form of a polygon in object files: the points as "x, y" pairs,
// every separator ", ", so the points (0, 0), (10, 0), (10, 10) read
// "0, 0, 10, 0, 10, 10". Each number is "%g" where that reads back as the
// same float, else the few more digits it needs: six digits alone would
// save 2500004 and 2500005 both as 2.5e+06, and the reader, which refuses a
// point equal to the one before, would drop the second.
CString FormatPolygonText(const Polygon2D& polygon);

// Appends the points of the text to the polygon (a caller that replaces the
// value empties it first). Reading stops quietly at the first pair that does
// not scan, keeping the points read so far. Numbers are plain decimals.
void ReadPolygonText(Polygon2D& polygon, const char* text);
