#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"
#include "engine/ui/toolkit_state.h"

class CColor;
class CFont;
class CFrameInterface;

// Bevel edges, as bits: which sides of the rectangle get lines.
constexpr int32_t BEVEL_LEFT = 1;
constexpr int32_t BEVEL_TOP = 2;
constexpr int32_t BEVEL_RIGHT = 4;
constexpr int32_t BEVEL_BOTTOM = 8;
constexpr int32_t BEVEL_ALL_EDGES = 15;

// The shared bevel of controls, menu items and painters: font height / 5
// lines, each one pixel further in, top and left in the light shade and
// right and bottom in the dark one when raised (the other way round when
// sunken); strong uses the outer shades. It stops when the rest is
// narrower or lower than 3 pixels. On a frame of palette indices the lines
// remap the pixels under them instead of blending. The two colours are not read: every
// bevel uses the shared shades.
void DrawBevel(CFont* font, CFrameInterface& frame, const CRect& rect, const CColor& light, const CColor& dark,
               bool raised, int32_t edges, bool strong);

// One of the shared shades over the rectangle: blended, or on a frame of
// palette indices remapped.
void ShadeRect(CFrameInterface& frame, const CRect& rect, BevelShade shade);

// Fills the shared shades once: the translucent colours, and the remap
// tables when a palette is loaded (without one, 8-bit bevels change
// nothing). The first window constructed calls it.
void FillBevelShades();
