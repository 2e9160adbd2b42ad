#include "engine/ui/check_box.h"

#include <optional>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/bevel.h"

namespace {
constexpr float DISABLED_TEXT_OPACITY = 0.4f;
constexpr float DISABLED_SHADE_OPACITY = 0.6f;
} // namespace

CJCheckBox::CJCheckBox(CJWindow* parent, const CString* caption, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
    InitCheckBox(nullptr);
}

CJCheckBox::CJCheckBox(CJWindow* parent, const char* caption, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
    InitCheckBox(nullptr);
}

CJCheckBox::CJCheckBox(CJWindow* parent, const CString* caption, uint8_t* boundFlag, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
    InitCheckBox(boundFlag);
}

void CJCheckBox::InitCheckBox(uint8_t* boundFlag)
{
    m_pBoundFlag = boundFlag;
    m_BoxSize = m_pFont != nullptr ? m_pFont->GetHeight() + 2 : 2;
    SetAlwaysOutlined(false);
    FitToCaption();
    if (m_pBoundFlag != nullptr)
        SetChecked(*m_pBoundFlag);
}

void CJCheckBox::FitToCaption()
{
    if (m_pFont == nullptr)
        return;
    int32_t captionWidth = m_pFont->GetTextWidth(m_Text.IsEmpty() ? CString("XXX") : m_Text);
    int32_t lineHeight = m_pFont->GetLineHeight() + 2;
    SetSize(m_BoxSize + captionWidth + 1, m_BoxSize > lineHeight ? m_BoxSize : lineHeight);
}

void CJCheckBox::SetText(const CString& text)
{
    CJButton::SetText(text);
    // Before the box is measured the button's own sizing stands.
    if (m_BoxSize != 0)
        FitToCaption();
}

void CJCheckBox::Click()
{
    if (GetChecked() != 0 && IsInRing())
        return;
    PlayClickSound();
    int32_t state = GetChecked() == 0 ? 1 : 0;
    if (m_pBoundFlag != nullptr)
        *m_pBoundFlag = static_cast<uint8_t>(state);
    SetChecked(state);
    Fire();
}

void CJCheckBox::PlayClickSound()
{
    PlayToolkitSound(BUTTON_SWITCH_SOUND);
}

void CJCheckBox::Draw(CFrameInterface& frame)
{
    if (GetImage() != nullptr || GetShapedImage() != nullptr || GetOverlayImage() != nullptr)
    {
        CJButton::Draw(frame);
        return;
    }
    std::optional<CScopedBlitOpacity> textFade;
    std::optional<CScopedBlitOpacity> shadeFade;
    if (!IsEnabledInTree())
    {
        textFade.emplace(GetBlitTransparentMask(), DISABLED_TEXT_OPACITY);
        shadeFade.emplace(GetBlitBlendBlackBias(), DISABLED_SHADE_OPACITY);
    }
    DrawLabel(frame);
    int32_t x = m_LabelFirst && m_pFont != nullptr ? m_pFont->GetTextWidth(m_Text) + 1 : 0;
    if (m_Held && m_PointerInside)
        DrawBoxPressed(frame, x, 0);
    else if (GetChecked() != 0)
    {
        DrawBoxPressed(frame, x, 0);
        DrawCheckMark(frame, x, 0);
    }
    else if (m_PointerInside)
        DrawBoxHover(frame, x, 0);
    else
        DrawBox(frame, x, 0);
    m_Flash = false;
    CJWindow::Draw(frame);
}

void CJCheckBox::DrawLabel(CFrameInterface& frame)
{
    DrawText(frame, m_LabelFirst ? -1 : m_BoxSize, 1, 0);
}

void CJCheckBox::DrawBox(CFrameInterface& frame, int32_t x, int32_t y)
{
    DrawBevel(m_pFont, frame, CRect{x, y, x + m_BoxSize, y + m_BoxSize}, m_HighlightColor, m_TextColor, false,
              BEVEL_ALL_EDGES, false);
}

void CJCheckBox::DrawBoxPressed(CFrameInterface& frame, int32_t x, int32_t y)
{
    DrawBox(frame, x, y);
}

void CJCheckBox::DrawBoxHover(CFrameInterface& frame, int32_t x, int32_t y)
{
    DrawBox(frame, x, y);
}

void CJCheckBox::DrawCheckMark(CFrameInterface& frame, int32_t x, int32_t y)
{
    int32_t far = m_BoxSize - 2;
    frame.DrawLine(x + 1, y + 1, x + far, y + far, m_BackgroundColor);
    frame.DrawLine(x + far, y + 1, x + 1, y + far, m_BackgroundColor);
}
