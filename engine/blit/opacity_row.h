#pragma once

#include <cstdint>

// The row of the scaled-alpha table for the opacity byte of the blit in
// progress: entry a = floor(opacity x a / 255). A whole-frame routine whose
// blit type is not exactly opaque points it at its row before drawing, and
// the per-run blends it drives read it. Blits never overlap, so one shared
// pointer serves every blit type.
extern const int32_t* CurrentOpacityRow;

void PointOpacityRowAt(int32_t opacityByte);
