#pragma once

#include <cstdint>

// The start-up tables that turn the packing and blending of pixels into
// lookups, and the display depth that loaded images are converted to.
//
// The tables are zero until InitPixelFormatTables builds them; Pack565 and
// Pack555 (engine/core/color/color.h) work before that with their own
// arithmetic.

// round(i * 31 / 255), and the same moved into its place in a 5-5-5 or
// 5-6-5 word.
extern int32_t Scale8To5[256];
extern int32_t Scale8To5Green555[256];
extern int32_t Scale8To5Red555[256];
extern int32_t Scale8To5Red565[256];
// round(i * 63 / 255) << 5.
extern int32_t Scale8To6Green565[256];
// [i][j] = i * j.
extern int32_t ProductTable[256][256];
// [opacity byte][alpha] = floor(opacity * alpha / 255).
extern int32_t ScaledAlphaTable[256][256];
// 5 - ((i * 6) >> 8): the translucency level (0 opaque .. 5) of an opacity
// byte.
extern int32_t TranslucencyLevelTable[256];

// Channel widths widened to 8 bits. Entry 11 of the five-bit table is 91,
// one below round(11 * 255 / 31): stored pixels depend on it.
extern const uint8_t Expand5To8[32];
extern const uint8_t Expand6To8[64];

// Builds the tables; the palette is named for the callers' sake, the
// tables do not depend on it.
void InitPixelFormatTables(const char* paletteFolder, const char* paletteName);
bool ArePixelFormatTablesBuilt();

// The depth frames are converted to for display. Engine frames are 5-6-5:
// any depth asked for is served as 16 (with a line on stderr when it was
// another), and 16 is the answer before any is set.
int32_t GetDisplayBitDepth();
void SetDisplayBitDepth(int32_t bits);
// The name the screen set-up uses for the same thing.
inline void SetFrameDepth(int32_t bits)
{
    SetDisplayBitDepth(bits);
}
