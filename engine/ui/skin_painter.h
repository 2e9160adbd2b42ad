#pragma once

class CButtonPainter;
class CFont;
class CFrameInterface;
class CFramePainter;
class CJButton;
class CJDialog;
class CJStaticText;
class CMessage;
class CSkinTheme;
class CTextPainter;

// The object through which a theme draws one control. The control asks
// its theme for its painter once, at construction, owns it and calls it at
// every paint, so a theme decides the look without the control knowing
// which theme it has.
class CSkinPainter
{
public:
    virtual ~CSkinPainter() = default;
    // A theme-specific request a control forwards; false: not understood.
    virtual bool HandleMessage(CMessage& message);

protected:
    CSkinPainter() = default;
    CSkinPainter(const CSkinPainter&) = delete;
    CSkinPainter& operator=(const CSkinPainter&) = delete;
};

class CButtonPainter : public CSkinPainter
{
public:
    explicit CButtonPainter(CJButton* button)
        : m_pButton(button)
    {
    }
    // Face, images, caption and bevel in the button's own coordinates.
    virtual void Paint(CFrameInterface& frame) = 0;
    // Gives the button its default size.
    virtual void UpdateMetrics() = 0;

protected:
    CJButton* m_pButton;
};

// Static texts draw themselves; a text painter only adjusts the label when
// it is made.
class CTextPainter : public CSkinPainter
{
public:
    explicit CTextPainter(CJStaticText* text)
        : m_pText(text)
    {
    }

protected:
    CJStaticText* m_pText;
};

class CFramePainter : public CSkinPainter
{
public:
    explicit CFramePainter(CJDialog* dialog)
        : m_pDialog(dialog)
    {
    }
    // Border, background and title.
    virtual void Paint(CFrameInterface& frame) = 0;
    virtual CFont* GetTitleFont();

protected:
    CJDialog* m_pDialog;
};
