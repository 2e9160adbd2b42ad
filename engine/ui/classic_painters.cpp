#include "engine/ui/classic_painters.h"

#include <optional>

#include "engine/blit/blit_normal.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/bevel.h"
#include "engine/ui/button.h"
#include "engine/ui/dialog.h"
#include "engine/ui/texture_tiling.h"
#include "engine/ui/toolkit_state.h"

namespace {
int32_t TextWidthOrPlaceholder(CFont* font, const CString& text)
{
    return font->GetTextWidth(text.IsEmpty() ? CString("XXX") : text);
}
} // namespace

void CClassicButtonPainter::Paint(CFrameInterface& frame)
{
    CJButton& button = *m_pButton;
    int32_t width = button.GetWidth();
    int32_t height = button.GetHeight();
    int32_t bevel = button.GetBevelWidth();
    int32_t pressed = PressedOffset();
    CFrameInterface* image = button.GetImage();
    CFrameInterface* shaped = button.GetShapedImage();

    if ((image == nullptr || bevel != 0) && !button.IsTransparent())
    {
        // The texture lines up with the parent's background and shifts with
        // the pressed face.
        CRect rect = button.GetRect();
        TileTexture(frame, button.GetWindowTexture(),
                 CRect{rect.left, rect.top, rect.right - pressed, rect.bottom - pressed},
                 CRect{pressed, pressed, width, height});
    }
    if (image != nullptr || shaped != nullptr)
    {
        CBlitNormal& normal = GetBlitNormal();
        std::optional<CScopedBlitOpacity> dimmed;
        if (!button.IsEnabledInTree())
        {
            if (button.GetDisabledImage() != nullptr)
                frame.BlitAt(button.GetDisabledImage(), bevel, bevel, &normal);
            dimmed.emplace(normal, DISABLED_IMAGE_OPACITY);
        }
        if (shaped != nullptr)
        {
            if (pressed != 0)
                frame.BlitAt(shaped, bevel, bevel, &normal);
        }
        else if (button.IsImageCentred())
            frame.BlitAt(image, width / 2 + pressed, height / 2 + pressed, &normal);
        else
            frame.BlitAt(image, bevel + pressed, bevel + pressed, &normal);
    }
    if ((image == nullptr && shaped == nullptr) || button.IsCaptionOverImage())
    {
        int32_t y = (height - button.GetFont()->GetLineHeight()) / 2 + pressed;
        button.DrawText(frame, CaptionX(pressed), y, button.GetTextJustification());
    }
    if (shaped != nullptr)
        return;
    if (button.GetOverlayImage() != nullptr)
        frame.BlitAt(button.GetOverlayImage(), bevel, bevel, &GetBlitNormal());
    else
        DrawBevel(button.GetFont(), frame, CRect{0, 0, width, height}, button.GetHighlightColor(),
                  button.GetTextColor(), pressed == 0, BEVEL_ALL_EDGES, false);
}

void CClassicButtonPainter::UpdateMetrics()
{
    CJButton& button = *m_pButton;
    CFont* font = button.GetFont();
    if (font == nullptr)
        return;
    int32_t bevels = 2 * button.GetBevelWidth() + 2;
    button.SetSize(TextWidthOrPlaceholder(font, button.GetText()) + bevels, font->GetLineHeight() + bevels);
}

void CClassicFramePainter::Paint(CFrameInterface& frame)
{
    CJDialog& dialog = *m_pDialog;
    int32_t width = dialog.GetWidth();
    int32_t height = dialog.GetHeight();
    CFont* font = dialog.GetFont();
    if (!dialog.IsTransparent())
        TileTexture(frame, dialog.GetWindowTexture(), CRect{0, 0, width, height});
    DrawBevel(font, frame, CRect{0, 0, width, height}, dialog.GetHighlightColor(), dialog.GetTextColor(), true,
              BEVEL_ALL_EDGES, false);
    if (dialog.GetText().IsEmpty() || font == nullptr)
        return;
    int32_t fontHeight = font->GetHeight();
    int32_t titleBottom = fontHeight + (fontHeight / 5) * 4;
    CToolkitState& toolkit = GetToolkitState();
    if (toolkit.m_pWindowTitleTile != nullptr)
    {
        CRect bar{3, 3, width - 3, titleBottom};
        if (bar.right > bar.left && bar.bottom > bar.top && !dialog.IsTransparent())
            TileTexture(frame, dialog.IsActive() ? toolkit.m_pWindowTitleTile : toolkit.m_pInactiveWindowTitleTile,
                     CRect{0, 0, bar.right - bar.left, bar.bottom - bar.top}, bar);
    }
    font->DrawText(frame, width / 2, (fontHeight / 5) * 2 + 1, dialog.GetText(), JUSTIFY_CENTER);
    CRect dark{1, titleBottom + 1, width, titleBottom + 2};
    CRect light{1, titleBottom + 2, width, titleBottom + 3};
    if (frame.GetBitsPerPixel() == 8)
    {
        // As the bevels, the frame's own depth decides. Without a palette
        // loaded there are no tables and the rows stay.
        const CBevelShades& shades = toolkit.m_BevelShades;
        if (!shades.m_RemapTables[BEVEL_SHADE_DARK].empty())
            frame.RemapRect(dark, shades.m_RemapTables[BEVEL_SHADE_DARK].data());
        if (!shades.m_RemapTables[BEVEL_SHADE_LIGHT].empty())
            frame.RemapRect(light, shades.m_RemapTables[BEVEL_SHADE_LIGHT].data());
        return;
    }
    frame.FillRect(dark, toolkit.m_BevelShades.m_Colours[BEVEL_SHADE_DARK]);
    frame.FillRect(light, toolkit.m_BevelShades.m_Colours[BEVEL_SHADE_LIGHT]);
}
