#pragma once

#include <cstdint>
#include <memory>

#include "engine/core/color/color.h"
#include "engine/core/geometry/point.h"

class CFontBitmap;
class CFrameInterface;
class CJWindow;

// What a test window paints before its children: a fill of the whole
// window, a raised bevel of all edges, its caption at a point.
struct CWindowPaint
{
    bool fills = false;
    CColor fill{0, 0, 0, 255};
    bool bevel = false;
    bool caption = false;
    CPoint captionAt{0, 0};

    void Paint(CJWindow& window, CFrameInterface& frame) const;
};

// A fixed-width font cut from a strip of 8 x 15 cells, codes 32 to 126,
// each glyph a pattern of white pixels of its own between transparent
// ones, so letters stay apart and differ; no face behind it, so it draws
// the same everywhere.
std::unique_ptr<CFontBitmap> MakePatternFont();
