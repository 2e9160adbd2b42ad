#include "engine/ui/skin_painter.h"

#include "engine/ui/button.h"
#include "engine/ui/dialog.h"

bool CSkinPainter::HandleMessage(CMessage&)
{
    return false;
}

CFont* CFramePainter::GetTitleFont()
{
    return m_pDialog->GetFont();
}

int32_t CButtonPainter::PressedOffset() const
{
    const CJButton& button = *m_pButton;
    return (button.IsHeld() && button.IsPointerInside()) || button.IsFlashing() || button.GetChecked() != 0;
}

int32_t CButtonPainter::CaptionX(int32_t shift) const
{
    const CJButton& button = *m_pButton;
    int32_t bevel = button.GetBevelWidth();
    switch (button.GetTextJustification())
    {
    case 0:
        return bevel + shift + 1;
    case 1:
        return button.GetWidth() / 2 + shift;
    default:
        return button.GetWidth() - bevel + shift - 1;
    }
}
