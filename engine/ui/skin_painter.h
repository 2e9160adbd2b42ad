#pragma once

#include <cstdint>

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

// Images of a disabled button are drawn at this opacity of "Normal".
constexpr float DISABLED_IMAGE_OPACITY = 0.4f;

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
    // 1 while the button looks pressed: held with the pointer on it,
    // flashing, or checked.
    int32_t PressedOffset() const;
    // Where a caption starts for the button's justification (0 left,
    // 1 centred, 2 right), moved by shift.
    int32_t CaptionX(int32_t shift) const;

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
