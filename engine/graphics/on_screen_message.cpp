#include "engine/graphics/on_screen_message.h"

#include "engine/blit/blit_type.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/mapped_proxy_frames.h"

namespace {

constexpr float kDefaultSeconds = 4.0f;
constexpr float kFadeSeconds = 0.5f;
constexpr int32_t kLineGap = 2;
constexpr int32_t kBoxMargin = 5;
constexpr uint8_t kBoxAlpha = 128;

} // namespace

COnScreenMessage::COnScreenMessage()
    : m_pFont(nullptr)
    , m_LayoutPending(false)
    , m_RequestedY(-1)
    , m_TimeLeft(0.0f)
    , m_Area{0, 0, 0, 0}
    , m_Clipped(false)
    , m_Box{0, 0, 0, 0}
    , m_BoxColor(0, 0, 0, kBoxAlpha)
{
}

void COnScreenMessage::Hide()
{
    m_TimeLeft = 0.0f;
    m_Text.Empty();
    m_PendingText.Empty();
    m_LayoutPending = false;
}

void COnScreenMessage::Show(const CString& text, float seconds, int32_t y)
{
    if (text.IsEmpty() || text.IsBlank() || m_pFont == nullptr)
    {
        Hide();
        return;
    }
    m_TimeLeft = seconds == -1.0f ? kDefaultSeconds : seconds;
    m_PendingText = text;
    m_Text.Empty();
    m_RequestedY = y;
    m_LayoutPending = true;
    if (m_Area.right != m_Area.left)
        LayOut();
}

void COnScreenMessage::LayOut()
{
    m_LayoutPending = false;
    m_Text = m_pFont->WrapText(m_PendingText, m_Area.right - m_Area.left);
    m_PendingText.Empty();
    const int32_t height = m_pFont->GetTextBlockHeight(m_Text, kLineGap);
    const int32_t width = m_pFont->GetMultiLineWidth(m_Text);
    const int32_t centreY = m_RequestedY == -1 ? (m_Area.bottom - m_Area.top) >> 1 : m_RequestedY;
    // A text wider than the area sticks out on both sides.
    m_Box.top = m_Area.top + centreY - height / 2;
    m_Box.left = m_Area.left + ((m_Area.right - m_Area.left - width) >> 1);
    m_Box.right = m_Box.left + width;
    m_Box.bottom = m_Box.top + height;
}

void COnScreenMessage::Update(float seconds)
{
    m_TimeLeft -= seconds;
    if (m_TimeLeft < 0.0f)
        Hide();
}

void COnScreenMessage::SetClipRect(const CRect& rect)
{
    m_Area = rect;
    m_Clipped = true;
    if (m_LayoutPending && m_pFont != nullptr)
        LayOut();
}

void COnScreenMessage::Draw(CFrameInterface& destination)
{
    if (m_pFont == nullptr || !(m_TimeLeft > 0.0f))
        return;
    if (m_Area.right == m_Area.left)
        destination.GetBounds(m_Area);
    if (m_LayoutPending)
        LayOut();

    CClippedProxyFrame clipped(&destination);
    CFrameInterface* target = &destination;
    if (m_Clipped)
    {
        clipped.SetClipRect(m_Area);
        target = &clipped;
    }

    const float fade = m_TimeLeft < kFadeSeconds ? m_TimeLeft / kFadeSeconds : 1.0f;
    CBlitType* blitType = m_pFont->GetBlitType();
    blitType->SetOpacity(fade);
    CColor box = m_BoxColor;
    box.SetRGBA(box.m_Red, box.m_Green, box.m_Blue, static_cast<int32_t>(kBoxAlpha * fade));
    target->FillRect(m_Box.left - kBoxMargin, m_Box.top - kBoxMargin, m_Box.right + kBoxMargin,
                     m_Box.bottom + kBoxMargin, box);
    m_pFont->DrawMultiLineText(*target, m_Box.left + ((m_Box.right - m_Box.left) >> 1), m_Box.top, m_Text, kLineGap,
                               JUSTIFY_CENTER);
    blitType->SetOpacity(1.0f);
}

COnScreenMessage* GetOnScreenMessage()
{
    static COnScreenMessage message;
    CFontLibrary& fonts = GetFontLibrary();
    message.SetFont(fonts.GetFont(fonts.Find("Big White", -1)));
    return &message;
}
