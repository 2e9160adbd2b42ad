#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"

class CColor;
class CFrameInterface;

// Anti-aliased (Wu) lines for every plain depth, and circles and arcs made
// of them. For each step along the major axis the two pixels that straddle
// the exact minor coordinate are blended toward the colour in proportion to
// their nearness: the pixel above (or left) by 255 - f, the one below (or
// right) by f, f the top 8 bits of the minor coordinate's fraction.
//
// End points far outside the frame are first cut to its rectangle in
// floating point, since their 16.16 fixed-point form could not hold them.

// What CFrame::DrawLineAA runs: float end points in the frame's hot-spot
// coordinates; nothing for NaN or a frame of another depth.
void DrawAntiAliasedLine(CFrameInterface& frame, float x0, float y0, float x1, float y1, const CColor& colour);

// The per-depth routines: 16.16 pixel coordinates already inside the
// frame's pixel rectangle and the colour's pixel value at that depth.
void DrawAntiAliasedLine8(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t index);
void DrawAntiAliasedLine16(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t word);
void DrawAntiAliasedLine24(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb);
void DrawAntiAliasedLine32(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t bgra);

// The blue, green and red value of each entry of the current palette, for
// the 8-bit line, which blends channel by channel and finds the result's
// index through the game palette's inverse table (32,768 entries by 5-5-5
// word; without it nothing is drawn).
extern int32_t PaletteChannelTables[3][256];
// Fills the tables from CurrentPalette; the 8-bit line does so before it
// draws, so a palette change is always seen.
void BuildLineIntensityTable();

// An outline of line segments through the frame's own anti-aliased line
// operation, so any frame kind draws it: n = max(radius, radius x aspect)
// / 4 segments (10 to 25) from the start angle to the end angle (radians,
// the table sine and cosine); with connect, lines from the centre to both
// ends make a pie slice.
void DrawEllipseArc(CFrameInterface& frame, const Vector2& centre, float radius, float aspect, const CColor& colour,
                    float startAngle, float endAngle, bool connectToCentre);
// A full circle.
void DrawEllipse(CFrameInterface& frame, const Vector2& centre, float radius, const CColor& colour);
