#include "game/playfield/tessivue_display.h"

#include "engine/blit/blit_type.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_interface.h"

namespace {

CLocalizedString s_StartupText("Tessivue BIOS v4.31", "Tessivue startup message");

CTessivueDisplay* g_pHudDisplay = nullptr;

constexpr float kStep = 0.016666668f;
// Shown, fading, hidden: one blink cycle.
constexpr float kBlinkShown = 0.75f;
constexpr float kBlinkFade = 0.25f;
constexpr float kBlinkCycle = 1.5f;
constexpr float kFadeOutSeconds = 0.5f;

bool IsLineBreakBlank(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The three shared blit types the box draws through.
class CBoxOpacity
{
public:
    CBoxOpacity()
    {
        CBlitTypeRegistry& registry = GetBlitTypeRegistry();
        static const char* const kNames[] = {"Transparent Mask", "Normal", "Blend Black Bias"};
        for (uint32_t i = 0; i < 3; i++)
            m_Types[i] = registry.GetBlitType(registry.Find(kNames[i], -1));
    }

    void Set(float opacity)
    {
        for (CBlitType* type : m_Types)
            type->SetOpacity(opacity);
    }

    CBlitType* Normal() const { return m_Types[1]; }

private:
    CBlitType* m_Types[3];
};

} // namespace

CTessivueDisplay* GetHudDisplay()
{
    return g_pHudDisplay;
}

void SetHudDisplay(CTessivueDisplay* display)
{
    g_pHudDisplay = display;
}

CTessivueDisplay::CTessivueDisplay(CFont* normalFont, CFont* alternateFont, CFont* numberFont, int32_t left,
                                   int32_t top, int32_t width, int32_t height)
    : m_Left(left)
    , m_Top(top)
    , m_Right(left + width)
    , m_Bottom(top + height)
    , m_pPicture(nullptr)
    , m_LineFonts{}
    , m_LineCount(0)
    , m_pNormalFont(normalFont)
    , m_pAlternateFont(alternateFont)
    , m_pNumberFont(numberFont)
    , m_Timeout(0.0f)
    , m_TotalHeight(0)
    , m_Blink(false)
    , m_BlinkPhase(0.0f)
{
    ShowText(s_StartupText.GetText(), kAlternateFont, 4.0f, false);
}

CFont* CTessivueDisplay::GetFont(int32_t fontCode) const
{
    if (fontCode == kNormalFont)
        return m_pNormalFont;
    if (fontCode == kNumberFont)
        return m_pNumberFont;
    return m_pAlternateFont;
}

void CTessivueDisplay::ShowText(const CString& text, int32_t fontCode, float timeout, bool blink)
{
    m_Blink = blink;
    m_BlinkPhase = 0.0f;
    Clear();
    AddText(text, fontCode);
    m_Timeout = timeout;
}

void CTessivueDisplay::SetPicture(CFrame* picture, float timeout, bool blink)
{
    Clear();
    m_pPicture = picture;
    m_Blink = blink;
    m_BlinkPhase = 0.0f;
    m_Timeout = timeout;
}

bool CTessivueDisplay::HasRoomFor(const CFont& font) const
{
    const int64_t needed = static_cast<int64_t>(m_TotalHeight) + font.GetPointSize();
    return m_LineCount < kMaxLines && static_cast<int64_t>(m_Bottom) - m_Top >= needed;
}

void CTessivueDisplay::AppendLine(const CString& line, CFont* font)
{
    m_Lines[m_LineCount] = line;
    m_LineFonts[m_LineCount] = font;
    m_LineCount++;
    m_TotalHeight += static_cast<uint32_t>(font->GetPointSize());
}

void CTessivueDisplay::AddText(const CString& text, int32_t fontCode)
{
    CFont* font = GetFont(fontCode);
    if (text.IsEmpty() || font == nullptr)
        return;
    CString rest = text;
    rest.TrimLeft();
    rest.TrimRight();
    const uint32_t length = rest.GetLength();
    const int32_t width = m_Right - m_Left;
    uint32_t position = 0;
    for (;;)
    {
        while (position < length && IsLineBreakBlank(rest.GetAt(position)))
            position++;
        if (position >= length)
            return;
        CString tail;
        rest.Mid(tail, position);
        const int32_t count = font->FitLine(tail, width, nullptr, true);
        // Not even the first character fits the width: nothing further ever
        // will, and the position would never move on.
        if (count <= 0)
            return;
        if (HasRoomFor(*font))
        {
            CString line;
            tail.Left(line, static_cast<uint32_t>(count));
            line.TrimLeft();
            line.TrimRight();
            AppendLine(line, font);
        }
        position += static_cast<uint32_t>(count);
    }
}

void CTessivueDisplay::AddBlankLine()
{
    if (m_pNormalFont != nullptr && HasRoomFor(*m_pNormalFont))
        AppendLine(CString(), m_pNormalFont);
}

void CTessivueDisplay::ExtendTimeout(float seconds)
{
    if (seconds > m_Timeout)
        m_Timeout = seconds;
}

void CTessivueDisplay::Clear()
{
    m_pPicture = nullptr;
    for (uint32_t i = 0; i < m_LineCount; i++)
        m_Lines[i].Empty();
    m_LineCount = 0;
    m_TotalHeight = 0;
}

void CTessivueDisplay::Update(float step)
{
    if (m_Timeout <= 0.0f)
        return;
    m_Timeout -= step;
    // A timeout that lands exactly on 0 has run out too: left at 0 it would
    // read as "shown until replaced".
    if (m_Timeout <= 0.0f)
    {
        Clear();
        m_Timeout = 0.0f;
    }
}

float CTessivueDisplay::AdvanceBlink(float fade)
{
    if (!m_Blink)
        return fade;
    m_BlinkPhase += kStep;
    if (m_BlinkPhase > kBlinkCycle)
        m_BlinkPhase -= kBlinkCycle;
    if (m_BlinkPhase <= kBlinkShown)
        return fade;
    const float intoFade = m_BlinkPhase - kBlinkShown;
    if (intoFade <= kBlinkFade)
        return (kBlinkFade - intoFade) * 4.0f;
    return 0.0f;
}

void CTessivueDisplay::Draw(CFrameInterface& destination)
{
    const float fade = m_Timeout > 0.0f && m_Timeout <= kFadeOutSeconds ? 2.0f * m_Timeout : 1.0f;
    CBoxOpacity opacity;
    opacity.Set(AdvanceBlink(fade));

    const int32_t x = m_Left + (m_Right - m_Left) / 2;
    int32_t y = m_Top + static_cast<int32_t>(static_cast<uint32_t>(m_Bottom - static_cast<int32_t>(m_TotalHeight) -
                                                                   m_Top) /
                                             2);
    if (m_pPicture != nullptr)
    {
        const int32_t width = m_pPicture->GetWidth();
        const int32_t height = m_pPicture->GetHeight();
        destination.BlitAt(m_pPicture, x - width / 2 - m_pPicture->GetUpperLeftXOffset(),
                           y - height / 2 - m_pPicture->GetUpperLeftYOffset(), opacity.Normal());
        y += height / 2;
    }
    for (uint32_t i = 0; i < m_LineCount; i++)
    {
        m_LineFonts[i]->DrawText(destination, x, y, m_Lines[i], JUSTIFY_CENTER);
        y += m_LineFonts[i]->GetPointSize();
        // Blinking takes the picture and the first line only.
        if (i == 0)
            opacity.Set(fade);
    }
    opacity.Set(1.0f);
}
