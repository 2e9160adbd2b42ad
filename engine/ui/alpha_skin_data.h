#pragma once

#include <cstdint>

#include "engine/core/color/color.h"
#include "engine/object/object.h"

class CFont;
class CSkinBorder;

// The settings of an alpha skin: fonts, colours, spacing, the window
// border and the button borders. Its property list is the skin file.
class CAlphaSkinData : public CObject
{
    VP_DECLARE_CLASS(CAlphaSkinData)
public:
    CAlphaSkinData();
    ~CAlphaSkinData() override;

    // "General Font" when set, else the toolkit's default font.
    CFont* GetGeneralFont() const;
    // Each falls back to the general font, then to the default font.
    CFont* GetStaticTextFont() const;
    CFont* GetHeadingFont() const;

    // Owned; a file may leave any of them empty (null).
    CSkinBorder* m_pWindowBorder;
    int32_t m_HeadingOffset;
    int32_t m_SpaceBetweenControls;
    int32_t m_Margin;
    CSkinBorder* m_pListBoxBorder;
    CSkinBorder* m_pButtonBorder;
    CSkinBorder* m_pPressedButtonBorder;
    CSkinBorder* m_pHoverButtonBorder;
    CColor m_ShortcutKeyHighlightColor;
    CColor m_BackgroundColor;
    CColor m_SelectColor;
    int32_t m_SpaceAroundText;
    bool m_ApplyTextOffsetWhenPressed;
    int32_t m_GeneralFont;
    int32_t m_StaticTextFont;
    int32_t m_HeadingFont;
};
