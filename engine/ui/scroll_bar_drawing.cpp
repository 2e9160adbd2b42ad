// How a scroll bar draws: a darkened, sunken track, two arrow faces that
// sink while pressed (the glyph moving one pixel right and down with them)
// and a raised thumb. Faces are the window texture under a bevel.

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/arrow_glyphs.h"
#include "engine/ui/bevel.h"
#include "engine/ui/scroll_bar.h"
#include "engine/ui/texture_tiling.h"

namespace {

CFrameInterface* FaceTexture(CJWindow& window)
{
    return window.IsTransparent() ? nullptr : window.GetWindowTexture();
}

void DrawFace(CJWindow& window, CFrameInterface& frame, const CRect& rect, const CString& glyph, bool raised)
{
    TileTexture(frame, FaceTexture(window), rect);
    DrawBevel(window.GetFont(), frame, rect, window.GetHighlightColor(), window.GetTextColor(), raised, BEVEL_ALL_EDGES,
              false);
    CFont* font = window.GetFont();
    if (glyph.IsEmpty() || font == nullptr)
        return;
    int32_t shift = raised ? 0 : 1;
    int32_t x = rect.left + (rect.right - rect.left - font->GetTextWidth(glyph)) / 2 + shift;
    int32_t y = rect.top + (rect.bottom - rect.top - font->GetLineHeight()) / 2 + shift;
    font->DrawText(frame, x, y, glyph);
}
} // namespace

void CJScrollBar::DrawTrack(CFrameInterface& frame, const CRect& rect, const CColor& light, const CColor& dark, bool)
{
    TileTexture(frame, FaceTexture(*this), rect);
    ShadeRect(frame, rect, BEVEL_SHADE_DARK);
    DrawBevel(m_pFont, frame, rect, light, dark, false, BEVEL_ALL_EDGES, false);
}

void CJScrollBar::DrawBackArrow(CFrameInterface& frame, const CRect& rect, const CString& glyph, bool raised)
{
    DrawFace(*this, frame, rect, glyph, raised);
}

void CJScrollBar::DrawForwardArrow(CFrameInterface& frame, const CRect& rect, const CString& glyph, bool raised)
{
    DrawFace(*this, frame, rect, glyph, raised);
}

void CJScrollBar::DrawThumb(CFrameInterface& frame, const CRect& rect)
{
    DrawFace(*this, frame, rect, CString(), true);
}

void CJScrollBar::Draw(CFrameInterface& frame)
{
    bool vertical = IsVertical();
    DrawTrack(frame, m_TrackRect, m_HighlightColor, m_TextColor,
              m_PressedPart == PART_TRACK_BEFORE || m_PressedPart == PART_TRACK_AFTER);
    DrawBackArrow(frame, m_BackArrowRect, CString(vertical ? UP_TRIANGLE : LEFT_TRIANGLE),
                  m_PressedPart != PART_BACK_ARROW);
    DrawForwardArrow(frame, m_ForwardArrowRect, CString(vertical ? DOWN_TRIANGLE : RIGHT_TRIANGLE),
                     m_PressedPart != PART_FORWARD_ARROW);
    DrawThumb(frame, m_ThumbRect);
    CJWindow::Draw(frame);
}
