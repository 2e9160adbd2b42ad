#pragma once

#include <cstdint>

#include "engine/core/color/color.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/strings/ref_string.h"

class CFont;
class CFrameInterface;

// One short text shown in the middle of the picture for a few seconds, on a
// translucent black box, fading out over its last half second. The game's
// update counts it down once per step and its draw draws it after the
// playfield.
//
// The text is wrapped and placed for the area it is shown in: the clip
// rectangle when one is set, else the bounds of the first frame it is drawn
// on. A text shown before the area is known waits for it.
class COnScreenMessage
{
public:
    COnScreenMessage();

    // An empty or blank text hides the message; seconds -1 means 4, y -1 the
    // middle of the area (else y below the area's top). Without a font
    // nothing is shown.
    void Show(const CString& text, float seconds = -1.0f, int32_t y = -1);
    void Update(float seconds);
    void Draw(CFrameInterface& destination);
    // The message is placed and wrapped in the rectangle and drawn only
    // inside it.
    void SetClipRect(const CRect& rect);

    void SetFont(CFont* font) { m_pFont = font; }
    CFont* GetFont() const { return m_pFont; }
    // The wrapped text; empty while hidden or waiting for its area.
    const CString& GetText() const { return m_Text; }
    float GetTimeLeft() const { return m_TimeLeft; }
    const CRect& GetBox() const { return m_Box; }
    const CRect& GetArea() const { return m_Area; }

private:
    void Hide();
    void LayOut();

    CFont* m_pFont;
    CString m_Text;
    // The text as shown, until it is laid out.
    CString m_PendingText;
    bool m_LayoutPending;
    int32_t m_RequestedY;
    float m_TimeLeft;
    CRect m_Area;
    bool m_Clipped;
    CRect m_Box;
    CColor m_BoxColor;
};

// The one message, its font looked up again on every call: the "Fonts" entry
// "Big White".
COnScreenMessage* GetOnScreenMessage();
