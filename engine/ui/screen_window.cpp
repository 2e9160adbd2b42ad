#include "engine/ui/screen_window.h"

#include "engine/app/input/keyboard_state.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/toolkit_state.h"

CScreenWindow::CScreenWindow(CFrameInterface& screenFrame, CFont* font)
    : CJWindow(nullptr, "~CScreenWindow")
{
    CToolkitState& toolkit = GetToolkitState();
    if (toolkit.m_pScreenWindow == nullptr)
        toolkit.m_pScreenWindow = this;
    if (font != nullptr)
    {
        toolkit.m_pDefaultFont = font;
        SetFont(font);
    }
    m_Focused = true;
    GetKeyboardState().ClearAll(true);
    GetKeyboardState().ClearTypedQueue(true);
    CRect bounds;
    screenFrame.GetBounds(bounds);
    SetRect(CRect{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top});
}

CScreenWindow::~CScreenWindow()
{
    CToolkitState& toolkit = GetToolkitState();
    if (toolkit.m_pScreenWindow == this)
        toolkit.m_pScreenWindow = nullptr;
}

bool CScreenWindow::IsScreenWindow() const
{
    return true;
}

void CScreenWindow::GrowToContain(CJWindow*, int32_t)
{
}

void CScreenWindow::UpdateMouseMove()
{
}

void CScreenWindow::SetTooltip(bool, CJWindow*, int32_t, const CString&, int32_t, int32_t, int32_t)
{
}

void CScreenWindow::ClearTooltip()
{
}

void CScreenWindow::ScheduleRepeat(CJWindow*, int32_t, int32_t)
{
}

bool CScreenWindow::IsRepeatPress() const
{
    return false;
}

CScreenWindow* GetScreenWindow()
{
    return GetToolkitState().m_pScreenWindow;
}
