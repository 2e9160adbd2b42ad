#pragma once

#include "engine/ui/skin_painter.h"

class CJWindowAlphaTheme;

// Buttons framed by the skin's button borders (pressed and hover ones when
// the skin has them), with the bevel width the skin asks for.
class CAlphaButtonPainter : public CButtonPainter
{
public:
    CAlphaButtonPainter(CJWindowAlphaTheme* theme, CJButton* button);
    // "Remove Button Border": the button and what it holds stop drawing
    // borders and backgrounds.
    bool HandleMessage(CMessage& message) override;
    void Paint(CFrameInterface& frame) override;
    void UpdateMetrics() override;
    bool HasNoBorder() const { return m_NoBorder; }

private:
    void PaintImages(CFrameInterface& frame, int32_t pressed);

    CJWindowAlphaTheme* m_pTheme;
    bool m_NoBorder;
};

// Gives a static text the skin's static-text font when it is made.
class CAlphaTextPainter : public CTextPainter
{
public:
    CAlphaTextPainter(CJWindowAlphaTheme* theme, CJStaticText* text);

private:
    CJWindowAlphaTheme* m_pTheme;
};

// The dialog's frame from the skin's window border, and its title in the
// heading font, which may reach up to 100 pixels above the dialog.
class CAlphaFramePainter : public CFramePainter
{
public:
    CAlphaFramePainter(CJWindowAlphaTheme* theme, CJDialog* dialog);
    void Paint(CFrameInterface& frame) override;
    CFont* GetTitleFont() override;

private:
    CJWindowAlphaTheme* m_pTheme;
};
