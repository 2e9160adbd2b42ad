#include "engine/ui/skin_theme.h"

#include "engine/ui/classic_painters.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CSkinTheme, CObject, 1.0f)

void CSkinTheme::RegisterProperties(CClassInfo*)
{
}

CFrameInterface* CSkinTheme::GetWindowTexture()
{
    return nullptr;
}

CSkinTheme* CSkinTheme::GetDefaultTheme()
{
    return GetToolkitState().m_pDefaultTheme;
}

void CSkinTheme::SetDefaultTheme(CSkinTheme* theme)
{
    GetToolkitState().m_pDefaultTheme = theme;
}

VP_IMPLEMENT_CLASS(CJWindowClassicTheme, CSkinTheme, 1.0f)

void CJWindowClassicTheme::RegisterProperties(CClassInfo*)
{
}

void CJWindowClassicTheme::ApplyToWindow(CJWindow* window, CJWindow* parent)
{
    if (parent != nullptr)
        window->SetFont(parent->GetFont());
}

CButtonPainter* CJWindowClassicTheme::CreateButtonPainter(CJButton* button)
{
    return new CClassicButtonPainter(this, button);
}

CTextPainter* CJWindowClassicTheme::CreateTextPainter(CJStaticText* text)
{
    return new CClassicTextPainter(this, text);
}

CFramePainter* CJWindowClassicTheme::CreateFramePainter(CJDialog* dialog)
{
    return new CClassicFramePainter(this, dialog);
}

CJWindowClassicTheme* CJWindowClassicTheme::GetDefault()
{
    static CJWindowClassicTheme s_Default;
    return &s_Default;
}
