#include "engine/ui/alpha_painters.h"

#include <optional>

#include "engine/blit/blit_normal.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/core/maths/bounded_coordinate.h"
#include "engine/core/messages/message_type.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/alpha_skin_data.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/button.h"
#include "engine/ui/dialog.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/static_text.h"

namespace {
// Captions are laid out without wrapping, two pixels between lines.
constexpr int32_t CAPTION_LINE_GAP = 2;
constexpr int32_t NO_WRAP_WIDTH = 9999999;
// How far above the dialog a title may reach.
constexpr int32_t TITLE_HEADROOM = 100;

int32_t RemoveButtonBorderTypeId()
{
    static const int32_t s_TypeId = GetMessageTypeId("Remove Button Border");
    return s_TypeId;
}
} // namespace

CAlphaButtonPainter::CAlphaButtonPainter(CJWindowAlphaTheme* theme, CJButton* button)
    : CButtonPainter(button)
    , m_pTheme(theme)
    , m_NoBorder(false)
{
    button->SetAlwaysOutlined(false);
    button->SetBevelUnits(theme->GetSkinData().m_SpaceAroundText);
}

bool CAlphaButtonPainter::HandleMessage(CMessage& message)
{
    if (message.GetTypeId() != RemoveButtonBorderTypeId())
        return false;
    m_NoBorder = true;
    m_pButton->SetTransparent(true);
    return true;
}

void CAlphaButtonPainter::Paint(CFrameInterface& frame)
{
    CJButton& button = *m_pButton;
    const CAlphaSkinData& skin = m_pTheme->GetSkinData();
    int32_t width = button.GetWidth();
    int32_t height = button.GetHeight();
    int32_t pressed = PressedOffset();

    if (!m_NoBorder && button.GetOverlayImage() == nullptr)
    {
        const CSkinBorder* border = skin.m_pButtonBorder;
        if (pressed != 0 && skin.m_pPressedButtonBorder != nullptr)
            border = skin.m_pPressedButtonBorder;
        else if (button.IsPointerInside() && button.IsEnabled() && !button.IsGreyed() &&
                 skin.m_pHoverButtonBorder != nullptr)
            border = skin.m_pHoverButtonBorder;
        CJWindowAlphaTheme::DrawBorder(&button, frame, CRect{0, 0, width, height}, border, !button.IsTransparent(),
                                       false);
    }
    PaintImages(frame, pressed);
    bool hasImage = button.GetImage() != nullptr || button.GetShapedImage() != nullptr;
    CFont* font = button.GetFont();
    if ((!hasImage || button.IsCaptionOverImage()) && font != nullptr)
    {
        int32_t shift = skin.m_ApplyTextOffsetWhenPressed ? pressed : 0;
        int32_t y = (height - font->GetTextBlockHeight(button.GetText(), CAPTION_LINE_GAP)) / 2 + shift;
        button.DrawText(frame, CaptionX(shift), y, button.GetTextJustification());
    }
    int32_t bevel = button.GetBevelWidth();
    if (button.GetOverlayImage() != nullptr && button.IsPointerInside())
        frame.BlitAt(button.GetOverlayImage(), bevel, bevel, &GetBlitNormal());
}

void CAlphaButtonPainter::PaintImages(CFrameInterface& frame, int32_t pressed)
{
    CJButton& button = *m_pButton;
    CFrameInterface* image = button.GetImage();
    CFrameInterface* shaped = button.GetShapedImage();
    if (image == nullptr && shaped == nullptr)
        return;
    int32_t bevel = button.GetBevelWidth();
    CBlitNormal& normal = GetBlitNormal();
    std::optional<CScopedBlitOpacity> dimmed;
    if (!button.IsEnabledInTree() || button.IsGreyed())
    {
        if (button.GetDisabledImage() != nullptr)
            frame.BlitAt(button.GetDisabledImage(), bevel, bevel, &normal);
        dimmed.emplace(normal, DISABLED_IMAGE_OPACITY);
    }
    if (shaped != nullptr && pressed != 0)
        frame.BlitAt(shaped, bevel, bevel, &normal);
    if (image == nullptr || (shaped != nullptr && pressed != 0))
        return;
    if (!button.IsImageCentred())
    {
        frame.BlitAt(image, bevel + pressed, bevel + pressed, &normal);
        return;
    }
    // The picture's bounding box is centred, wherever its hot spot lies.
    CRect bounds;
    image->GetBounds(bounds);
    int64_t x = int64_t{button.GetWidth() / 2} - (int64_t{bounds.left} + bounds.right) / 2 + pressed;
    int64_t y = int64_t{button.GetHeight() / 2} - (int64_t{bounds.top} + bounds.bottom) / 2 + pressed;
    frame.BlitAt(image, BoundedCoordinate(x), BoundedCoordinate(y), &normal);
}

void CAlphaButtonPainter::UpdateMetrics()
{
    CJButton& button = *m_pButton;
    CFont* font = button.GetFont();
    if (font == nullptr)
        return;
    int64_t bevels = 2 * int64_t{button.GetBevelWidth()} + 2;
    int64_t width = font->GetWrappedTextWidth(button.GetText(), NO_WRAP_WIDTH, CAPTION_LINE_GAP);
    int64_t height = font->GetTextBlockHeight(button.GetText(), CAPTION_LINE_GAP);
    button.SetSize(BoundedCoordinate(width + bevels), BoundedCoordinate(height + bevels));
}

CAlphaTextPainter::CAlphaTextPainter(CJWindowAlphaTheme* theme, CJStaticText* text)
    : CTextPainter(text)
    , m_pTheme(theme)
{
    text->SetFontOnly(theme->GetSkinData().GetStaticTextFont());
}

CAlphaFramePainter::CAlphaFramePainter(CJWindowAlphaTheme* theme, CJDialog* dialog)
    : CFramePainter(dialog)
    , m_pTheme(theme)
{
}

void CAlphaFramePainter::Paint(CFrameInterface& frame)
{
    CJDialog& dialog = *m_pDialog;
    const CAlphaSkinData& skin = m_pTheme->GetSkinData();
    int32_t width = dialog.GetWidth();
    CJWindowAlphaTheme::DrawBorder(&dialog, frame, CRect{0, 0, width, dialog.GetHeight()}, skin.m_pWindowBorder,
                                   !dialog.IsTransparent(), dialog.GetCloseBox() != nullptr);
    CFont* font = skin.GetHeadingFont();
    if (dialog.GetText().IsEmpty() || font == nullptr)
        return;
    int32_t y = BoundedCoordinate(int64_t{skin.m_HeadingOffset} + 5);
    if (!frame.IsKindOf(COffsetClippedProxyFrame::SGetClassInfo()))
    {
        font->DrawText(frame, width / 2, y, dialog.GetText(), JUSTIFY_CENTER);
        return;
    }
    // The saved clip is put back as it was: the proxy's bounds would give
    // back the widened one.
    COffsetClippedProxyFrame& proxy = static_cast<COffsetClippedProxyFrame&>(frame);
    CRect saved = proxy.GetClipRect();
    CRect widened = saved;
    widened.top = BoundedCoordinate(int64_t{widened.top} - TITLE_HEADROOM);
    proxy.SetClipRect(widened);
    font->DrawText(frame, width / 2, y, dialog.GetText(), JUSTIFY_CENTER);
    proxy.SetClipRect(saved);
}

CFont* CAlphaFramePainter::GetTitleFont()
{
    return m_pTheme->GetSkinData().GetHeadingFont();
}
