#pragma once

#include "engine/ui/skin_painter.h"

class CJWindowClassicTheme;

// The bevelled look: faces tiled with the shared window textures, which
// line up with the parent's background, and the shared bevel shades.
class CClassicButtonPainter : public CButtonPainter
{
public:
    CClassicButtonPainter(CJWindowClassicTheme* theme, CJButton* button)
        : CButtonPainter(button)
        , m_pTheme(theme)
    {
    }
    void Paint(CFrameInterface& frame) override;
    void UpdateMetrics() override;
    CJWindowClassicTheme* GetTheme() const { return m_pTheme; }

private:
    CJWindowClassicTheme* m_pTheme;
};

class CClassicTextPainter : public CTextPainter
{
public:
    CClassicTextPainter(CJWindowClassicTheme* theme, CJStaticText* text)
        : CTextPainter(text)
        , m_pTheme(theme)
    {
    }
    CJWindowClassicTheme* GetTheme() const { return m_pTheme; }

private:
    CJWindowClassicTheme* m_pTheme;
};

class CClassicFramePainter : public CFramePainter
{
public:
    CClassicFramePainter(CJWindowClassicTheme* theme, CJDialog* dialog)
        : CFramePainter(dialog)
        , m_pTheme(theme)
    {
    }
    void Paint(CFrameInterface& frame) override;
    CJWindowClassicTheme* GetTheme() const { return m_pTheme; }

private:
    CJWindowClassicTheme* m_pTheme;
};
