#pragma once

class CFrame;

// Turns a freshly made 32-bit glyph (the colour, alpha = coverage) into the
// display-ready frame text draws from: converted to the display depth and
// run-length encoded, keeping the alpha as its own stream.
void PrepareGlyphForDrawing(CFrame& glyph);
