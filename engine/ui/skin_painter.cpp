#include "engine/ui/skin_painter.h"

#include "engine/ui/dialog.h"

bool CSkinPainter::HandleMessage(CMessage&)
{
    return false;
}

CFont* CFramePainter::GetTitleFont()
{
    return m_pDialog->GetFont();
}
