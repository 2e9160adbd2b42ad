#pragma once

#include "engine/core/geometry/rect.h"
#include "engine/ui/skin_theme.h"

class CAlphaSkinBorder;
class CAlphaSkinData;
class CClassicSkinBorder;
class CSkinBorder;

// The skinned look: alpha-blended borders, highlights and decals described
// by its skin data, which a skin file holds under "Options".
class CJWindowAlphaTheme : public CSkinTheme
{
    VP_DECLARE_CLASS(CJWindowAlphaTheme)
public:
    CJWindowAlphaTheme();
    ~CJWindowAlphaTheme() override;

    // Font, colours, margin and spacing from the skin; the parent is not
    // consulted.
    void ApplyToWindow(CJWindow* window, CJWindow* parent) override;
    // The window border's background texture; null when it has none.
    CFrameInterface* GetWindowTexture() override;
    CButtonPainter* CreateButtonPainter(CJButton* button) override;
    CTextPainter* CreateTextPainter(CJStaticText* text) override;
    CFramePainter* CreateFramePainter(CJDialog* dialog) override;

    // The skin data; a skin file may leave "Options" empty, and then the
    // theme draws as one with a default skin (shared, never written back).
    const CAlphaSkinData& GetSkinData() const;

    // One border of the window, drawn into the frame the window is drawn
    // through; the rectangle is the window's own (0, 0, W, H). A null
    // border draws nothing.
    static void DrawBorder(CJWindow* window, CFrameInterface& frame, const CRect& rect, const CSkinBorder* border,
                           bool drawBackground, bool closeBox);
    static void DrawBorderBackground(CJWindow* window, CFrameInterface& frame, const CRect& rect,
                                     const CSkinBorder* border);
    static void DrawBorderFrame(CJWindow* window, CFrameInterface& frame, const CRect& rect,
                                const CSkinBorder* border, bool closeBox);

    CAlphaSkinData* m_pOptions;
};
