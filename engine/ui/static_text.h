#pragma once

#include <cstdint>

#include "engine/graphics/fonts/font.h"
#include "engine/ui/window.h"

class CTextPainter;

// A label that sizes itself to its text: one line, several lines split at
// line feeds, or word-wrapped to a width. A single line grows with longer
// texts and never shrinks. A cut-off text shows itself as a tooltip, and a
// hotkey letter on the label activates the tab stop behind it.
class CJStaticText : public CJWindow
{
public:
    CJStaticText(CJWindow* parent, const char* text);
    CJStaticText(CJWindow* parent, const CString& text);
    CJStaticText(CJWindow* parent, const CString* text);
    ~CJStaticText() override;

    // No re-layout.
    virtual void SetJustification(int32_t justification);
    virtual void SetTextOnly(const CString& text);
    virtual void SetFontOnly(CFont* font);

    void Draw(CFrameInterface& frame) override;
    void SetText(const CString& text) override;
    // Measures again for the new font.
    void SetFont(CFont* font) override;
    bool OnHover(CPoint point) override;
    bool WantsAutoHotkey() const override;

    // wrapWidth -1: no wrapping; maximumHeight -1: no limit.
    void SetWrap(int32_t wrapWidth, int32_t maximumHeight);
    void SetTooltip(const CString& text, int32_t fromHover, int32_t overText);
    void SetAutoSize(bool autoSize) { m_AutoSize = autoSize; }
    void SetWrapStyle(const CTextWrapStyle& style) { m_WrapStyle = style; }
    bool IsMultiLine() const { return m_MultiLine; }
    CTextPainter* GetTextPainter() const { return m_pTextPainter; }

private:
    void Init();
    // The text is one unwrapped line wider than the label.
    bool IsCutOff() const;
    int32_t InnerWrapWidth() const;

    CString m_TooltipText;
    int32_t m_TooltipFromHover = 1;
    int32_t m_TooltipOverText = 0;
    bool m_MultiLine = false;
    bool m_AutoSize = true;
    int32_t m_WrapWidth = -1;
    int32_t m_MaximumHeight = -1;
    int32_t m_Justification = 0;
    CTextWrapStyle m_WrapStyle;
    CTextPainter* m_pTextPainter = nullptr;
    // Set while the label asks its neighbour, so a neighbouring label
    // asking back answers false.
    mutable bool m_AskingNeighbour = false;
};

// A one-pixel line, or a sunken panel, across its parent: a free width or
// height spans the parent less one pixel on each side.
class CJSeparator : public CJWindow
{
public:
    // 0 for a free size.
    CJSeparator(CJWindow* parent, int32_t width, int32_t height);

    void Draw(CFrameInterface& frame) override;
    void SetRect(const CRect& rect) override;

private:
    CRect LaidOut(const CRect& rect) const;

    int32_t m_RequestedWidth;
    int32_t m_RequestedHeight;
};

// Invisible windows that fade their parent's opacity in or out over a time
// and then close; the fade-out closes the parent as well.
class CJFadeIn : public CJWindow
{
public:
    explicit CJFadeIn(float duration);
    void Update(float step) override;

private:
    float m_Rate;
    float m_Remaining;
};

class CJFadeOut : public CJWindow
{
public:
    explicit CJFadeOut(float duration);
    void Update(float step) override;

private:
    float m_Rate;
    float m_Remaining;
};
