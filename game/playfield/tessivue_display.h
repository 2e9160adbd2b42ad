#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

class CFont;
class CFrame;
class CFrameInterface;

// The score board's message box: short centred lines (round names, point
// amounts, power-up names, "Game Over") or a picture, shown for a while and
// fading out over their last half second, optionally blinking. It holds at
// most ten lines; what does not fit into its rectangle is dropped rather
// than squeezed.
//
// Fonts and pictures draw through the shared "Transparent Mask", "Normal"
// and "Blend Black Bias" blit types: the draw sets their opacity for the box
// and puts it back to 1.0 before it returns.
class CTessivueDisplay
{
public:
    static constexpr uint32_t kMaxLines = 10;

    // Font codes: 0 the normal font, 2 the number font, anything else the
    // alternate font.
    static constexpr int32_t kNormalFont = 0;
    static constexpr int32_t kAlternateFont = 1;
    static constexpr int32_t kNumberFont = 2;

    // Opens with the start-up text in the alternate font for four seconds.
    CTessivueDisplay(CFont* normalFont, CFont* alternateFont, CFont* numberFont, int32_t left, int32_t top,
                     int32_t width, int32_t height);

    // Replaces the content by the text. A timeout of 0 keeps it until it is
    // replaced.
    void ShowText(const CString& text, int32_t fontCode, float timeout, bool blink);
    // Replaces the content by the picture (not owned), without lines.
    void SetPicture(CFrame* picture, float timeout, bool blink);
    // Appends the text as lines wrapped to the box's width.
    void AddText(const CString& text, int32_t fontCode);
    void AddBlankLine();
    // The content lives at least that long from now.
    void ExtendTimeout(float seconds);
    // Empties the box; the timeout stays.
    void Clear();
    // Counts the timeout down; the step that uses it up empties the box.
    void Update(float step);
    void Draw(CFrameInterface& destination);

    uint32_t GetLineCount() const { return m_LineCount; }
    const CString& GetLine(uint32_t index) const { return m_Lines[index]; }
    CFont* GetLineFont(uint32_t index) const { return m_LineFonts[index]; }
    CFrame* GetPicture() const { return m_pPicture; }
    float GetTimeout() const { return m_Timeout; }
    uint32_t GetTotalHeight() const { return m_TotalHeight; }
    bool IsBlinking() const { return m_Blink; }

    CTessivueDisplay(const CTessivueDisplay&) = delete;
    CTessivueDisplay& operator=(const CTessivueDisplay&) = delete;

private:
    CFont* GetFont(int32_t fontCode) const;
    // Whether one more line of the font fits below the held ones.
    bool HasRoomFor(const CFont& font) const;
    void AppendLine(const CString& line, CFont* font);
    // The opacity of the picture and the first line this draw.
    float AdvanceBlink(float fade);

    int32_t m_Left;
    int32_t m_Top;
    int32_t m_Right;
    int32_t m_Bottom;
    CFrame* m_pPicture;
    CString m_Lines[kMaxLines];
    CFont* m_LineFonts[kMaxLines];
    uint32_t m_LineCount;
    CFont* m_pNormalFont;
    CFont* m_pAlternateFont;
    CFont* m_pNumberFont;
    float m_Timeout;
    uint32_t m_TotalHeight;
    bool m_Blink;
    float m_BlinkPhase;
};

// The box its owner registered; none before and after.
CTessivueDisplay* GetHudDisplay();
void SetHudDisplay(CTessivueDisplay* display);
