#pragma once

#include "engine/object/object.h"

class CButtonPainter;
class CFrameInterface;
class CFramePainter;
class CJButton;
class CJDialog;
class CJStaticText;
class CJWindow;
class CTextPainter;

// The look of windows: a theme sets a window's font, colours, margin and
// spacing while the window is constructed and names its background
// texture. Windows share their theme and never own it.
class CSkinTheme : public CObject
{
    VP_DECLARE_CLASS(CSkinTheme)
public:
    CSkinTheme() { ConstructProperties(SGetClassInfo()); }
    ~CSkinTheme() override { DestroyProperties(SGetClassInfo()); }

    // Runs after the window's default colours are set and before its
    // margin, spacing and bevel get their font-derived defaults, so what a
    // theme sets wins. The parent may be null.
    virtual void ApplyToWindow(CJWindow* window, CJWindow* parent) = 0;
    // Null: the window uses the shared window textures.
    virtual CFrameInterface* GetWindowTexture();
    // The painters a control asks for once and then owns.
    virtual CButtonPainter* CreateButtonPainter(CJButton* button) = 0;
    virtual CTextPainter* CreateTextPainter(CJStaticText* text) = 0;
    virtual CFramePainter* CreateFramePainter(CJDialog* dialog) = 0;

    // The theme windows get when their parent lends none; null until set.
    static CSkinTheme* GetDefaultTheme();
    static void SetDefaultTheme(CSkinTheme* theme);
};

// The bevelled look, with no settings of its own; also the fallback theme
// while the game has set none.
class CJWindowClassicTheme : public CSkinTheme
{
    VP_DECLARE_CLASS(CJWindowClassicTheme)
public:
    CJWindowClassicTheme() { ConstructProperties(SGetClassInfo()); }
    ~CJWindowClassicTheme() override { DestroyProperties(SGetClassInfo()); }

    // A child takes its parent's current font; a window without parent
    // keeps the toolkit's default font.
    void ApplyToWindow(CJWindow* window, CJWindow* parent) override;
    CButtonPainter* CreateButtonPainter(CJButton* button) override;
    CTextPainter* CreateTextPainter(CJStaticText* text) override;
    CFramePainter* CreateFramePainter(CJDialog* dialog) override;

    // Built on first use, kept until the program ends.
    static CJWindowClassicTheme* GetDefault();
};
