#include "game/playfield/tessivue_display.h"

#include <algorithm>

namespace {

CTessivueDisplay* s_pHudDisplay = nullptr;

} // namespace

CTessivueDisplay::CTessivueDisplay(CFont* normalFont, CFont* alternateFont, CFont* numberFont, int32_t, int32_t,
                                   int32_t, int32_t)
    : m_LineFonts{}
    , m_LineCount(0)
    , m_pNormalFont(normalFont)
    , m_pAlternateFont(alternateFont)
    , m_pNumberFont(numberFont)
    , m_Timeout(0.0f)
    , m_Blink(false)
{
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
    m_LineCount = 0;
    AddText(text, fontCode);
    m_Timeout = timeout;
}

void CTessivueDisplay::AddText(const CString& text, int32_t fontCode)
{
    if (text.IsEmpty() || m_LineCount == kMaxLines)
        return;
    m_Lines[m_LineCount] = text;
    m_LineFonts[m_LineCount] = GetFont(fontCode);
    m_LineCount++;
}

void CTessivueDisplay::ExtendTimeout(float seconds)
{
    m_Timeout = std::max(m_Timeout, seconds);
}

CTessivueDisplay* GetHudDisplay()
{
    return s_pHudDisplay;
}

void SetHudDisplay(CTessivueDisplay* display)
{
    s_pHudDisplay = display;
}
