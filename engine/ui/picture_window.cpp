#include "engine/blit/blit_normal.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/input_capture_window.h"

CJPictureWindow::CJPictureWindow(CJWindow* parent, CFrameInterface* picture, int32_t x, int32_t y)
    : CJInputCaptureWindow(parent)
    , m_pPicture(picture)
    , m_X(x)
    , m_Y(y)
{
    if (picture != nullptr)
        SetSize(picture->GetWidth(), picture->GetHeight());
    SetBevelUnits(2);
}

void CJPictureWindow::Draw(CFrameInterface& frame)
{
    if (m_pPicture != nullptr)
        frame.BlitAt(m_pPicture, m_X, m_Y, &GetBlitNormal());
    CJWindow::Draw(frame);
}

bool CJPictureWindow::TrackMouse(CPoint, CPoint, uint32_t, const CSequence*&)
{
    return false;
}
