#include "engine/ui/panel.h"

bool CJPanel::Cut(bool doIt)
{
    return m_pFrontChild != nullptr && m_pFrontChild->Cut(doIt);
}

bool CJPanel::Copy(bool doIt)
{
    return m_pFrontChild != nullptr && m_pFrontChild->Copy(doIt);
}

bool CJPanel::Paste(bool doIt)
{
    return m_pFrontChild != nullptr && m_pFrontChild->Paste(doIt);
}

bool CJPanel::Delete(bool doIt)
{
    return m_pFrontChild != nullptr && m_pFrontChild->Delete(doIt);
}

bool CJPanel::OnHover(CPoint)
{
    ShowTooltip(false, CString(), -1, -1);
    return true;
}
