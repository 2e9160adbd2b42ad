#pragma once

#include <cstdint>

class CFrame;

// Writes a plain 24-bit frame as an uncompressed 24-bit ".BMP" (bottom row
// first, rows padded to four bytes), the form outside video makers take.
// Not a registered image format: registered extensions are the ones source
// images are looked for by. False for another kind of frame or a failed
// save.
bool WriteBmp24(const CFrame& frame, const char* path, uint32_t flags);
