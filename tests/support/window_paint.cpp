#include "tests/support/window_paint.h"

#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/frame.h"
#include "engine/ui/bevel.h"
#include "engine/ui/window.h"
#include "tests/support/frame_pixels.h"

void CWindowPaint::Paint(CJWindow& window, CFrameInterface& frame) const
{
    CRect own = {0, 0, window.GetWidth(), window.GetHeight()};
    if (fills)
        frame.FillRect(own, fill);
    if (bevel)
        DrawBevel(window.GetFont(), frame, own, window.GetHighlightColor(), window.GetTextColor(), true,
                  BEVEL_ALL_EDGES, false);
    if (caption)
        window.DrawText(frame, captionAt.x, captionAt.y, 0);
}

std::unique_ptr<CFontBitmap> MakePatternFont()
{
    constexpr uint32_t FIRST = 32;
    constexpr uint32_t LAST = 126;
    constexpr int32_t CELL = 8;
    CFrame strip;
    strip.Create((LAST - FIRST + 1) * CELL, 15, 32);
    for (uint32_t code = FIRST + 1; code <= LAST; ++code)
        for (int32_t y = 3; y < 13; ++y)
            for (int32_t x = 1; x < CELL - 1; ++x)
                if ((static_cast<uint32_t>(x * y) + code) % 3 != 0)
                    WritePixel(strip, static_cast<int32_t>(code - FIRST) * CELL + x, y, 0xFFFFFFFFu);
    auto font = std::make_unique<CFontBitmap>();
    font->SetFixedWidth(true);
    font->SetCodeRange(FIRST, LAST);
    font->BuildGlyphs(strip);
    return font;
}
