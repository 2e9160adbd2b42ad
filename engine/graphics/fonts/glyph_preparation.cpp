#include "engine/graphics/fonts/glyph_preparation.h"

#include "engine/graphics/frame.h"

void PrepareGlyphForDrawing(CFrame&)
{
}
