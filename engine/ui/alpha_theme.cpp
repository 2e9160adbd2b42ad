#include "engine/ui/alpha_theme.h"

#include <cstdint>

#include "engine/graphics/frame.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/ui/alpha_painters.h"
#include "engine/ui/alpha_skin_data.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/window.h"

VP_IMPLEMENT_CLASS(CJWindowAlphaTheme, CSkinTheme, 1.0f)

void CJWindowAlphaTheme::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ObjectPointerProperty("Options", VP_MEMBER(m_pOptions),
                                                     CAlphaSkinData::SGetClassInfo(), EDITOR_EDITABLE,
                                                     CAlphaSkinData::SGetClassInfo()));
}

CJWindowAlphaTheme::CJWindowAlphaTheme()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CJWindowAlphaTheme::~CJWindowAlphaTheme()
{
    DestroyProperties(SGetClassInfo());
}

const CAlphaSkinData& CJWindowAlphaTheme::GetSkinData() const
{
    // Made once and kept to the end: reflected objects must not outlive
    // the class registry in static destruction.
    static const CAlphaSkinData* s_pDefaults = new CAlphaSkinData;
    return m_pOptions != nullptr ? *m_pOptions : *s_pDefaults;
}

void CJWindowAlphaTheme::ApplyToWindow(CJWindow* window, CJWindow*)
{
    const CAlphaSkinData& skin = GetSkinData();
    window->SetFont(skin.GetGeneralFont());
    window->SetHighlightColor(skin.m_ShortcutKeyHighlightColor);
    window->SetTextColor(skin.m_BackgroundColor);
    window->SetFifthColorRGB(skin.m_SelectColor.m_Red, skin.m_SelectColor.m_Green, skin.m_SelectColor.m_Blue);
    // A window keeps its spacing and margin in a signed byte: the low byte
    // of the skin's value.
    window->SetSpacing(static_cast<int8_t>(skin.m_SpaceBetweenControls & 0xff));
    window->SetMargin(static_cast<int8_t>(skin.m_Margin & 0xff));
}

CFrameInterface* CJWindowAlphaTheme::GetWindowTexture()
{
    const CSkinBorder* border = GetSkinData().m_pWindowBorder;
    return border != nullptr ? FindSkinFrame(border->m_BackgroundTexture) : nullptr;
}

CButtonPainter* CJWindowAlphaTheme::CreateButtonPainter(CJButton* button)
{
    return new CAlphaButtonPainter(this, button);
}

CTextPainter* CJWindowAlphaTheme::CreateTextPainter(CJStaticText* text)
{
    return new CAlphaTextPainter(this, text);
}

CFramePainter* CJWindowAlphaTheme::CreateFramePainter(CJDialog* dialog)
{
    return new CAlphaFramePainter(this, dialog);
}
