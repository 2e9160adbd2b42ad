#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

class CFont;

// The score board's message box: short lines (round names, point amounts,
// "Game Over") shown for a while, optionally blinking. It holds at most ten
// lines; what does not fit is dropped.
class CTessivueDisplay
{
public:
    static constexpr uint32_t kMaxLines = 10;

    // Font codes: 0 the normal font, 2 the number font, anything else the
    // alternate font.
    static constexpr int32_t kNormalFont = 0;
    static constexpr int32_t kAlternateFont = 1;
    static constexpr int32_t kNumberFont = 2;

    CTessivueDisplay(CFont* normalFont, CFont* alternateFont, CFont* numberFont, int32_t left, int32_t top,
                     int32_t width, int32_t height);

    // Replaces the content by the text. A timeout of 0 keeps it until it is
    // replaced.
    void ShowText(const CString& text, int32_t fontCode, float timeout, bool blink);
    void AddText(const CString& text, int32_t fontCode);
    // The content lives at least that long from now.
    void ExtendTimeout(float seconds);

    uint32_t GetLineCount() const { return m_LineCount; }
    const CString& GetLine(uint32_t index) const { return m_Lines[index]; }
    CFont* GetLineFont(uint32_t index) const { return m_LineFonts[index]; }
    float GetTimeout() const { return m_Timeout; }
    bool IsBlinking() const { return m_Blink; }

    CTessivueDisplay(const CTessivueDisplay&) = delete;
    CTessivueDisplay& operator=(const CTessivueDisplay&) = delete;

private:
    CFont* GetFont(int32_t fontCode) const;

    CString m_Lines[kMaxLines];
    CFont* m_LineFonts[kMaxLines];
    uint32_t m_LineCount;
    CFont* m_pNormalFont;
    CFont* m_pAlternateFont;
    CFont* m_pNumberFont;
    float m_Timeout;
    bool m_Blink;
};

// The box its owner registered; none before and after.
CTessivueDisplay* GetHudDisplay();
void SetHudDisplay(CTessivueDisplay* display);
