#include "engine/ui/input_capture_window.h"

#include "engine/ui/deferred_destroy.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/screen_window.h"

namespace {
constexpr int32_t PLACE_CENTRED = 6;
} // namespace

CJInputCaptureWindow::CJInputCaptureWindow(CJWindow* parent)
    : CJDialog(parent)
{
    Init();
}

CJInputCaptureWindow::CJInputCaptureWindow(CJWindow* parent, const char* name)
    : CJDialog(parent, name)
{
    Init();
}

CJInputCaptureWindow::CJInputCaptureWindow(CJWindow* parent, const CString& name)
    : CJDialog(parent, name)
{
    Init();
}

void CJInputCaptureWindow::Init()
{
    SetMovable(false);
}

bool CJInputCaptureWindow::IsInputCaptureWindow() const
{
    return true;
}

bool CJInputCaptureWindow::KeyDown(int32_t key)
{
    if (CJDialog::KeyDown(key))
        return true;
    if (key == KEY_UP || key == KEY_LEFT)
        return FocusPrevTabStop();
    if (key == KEY_DOWN || key == KEY_RIGHT)
        return FocusNextTabStop();
    if (key == KEY_ENTER)
    {
        if (m_pFrontChild == nullptr)
            return false;
        if (m_pFrontChild->ActivateByHotkey())
            return true;
    }
    if (key == KEY_ENTER || key == KEY_CONFIRM)
    {
        if (m_pDefaultButton == nullptr)
            return false;
        m_pDefaultButton->ActivateByHotkey();
        return true;
    }
    if (key == KEY_ESCAPE)
    {
        if (m_pCancelButton == nullptr)
            return false;
        m_pCancelButton->ActivateByHotkey();
        return true;
    }
    return false;
}

void CJInputCaptureWindow::TakeReturnWindow(CJWindow* window, const CRect& rect)
{
    if (m_pReturnWindow != nullptr)
        m_pReturnWindow->Destroy();
    m_pReturnWindow = window;
    m_ReturnRect = rect;
}

void CJInputCaptureWindow::AddInFront(CJWindow* parent, CJWindow* window, bool centred)
{
    if (parent == nullptr)
        parent = GetScreenWindow();
    if (parent == nullptr)
    {
        window->Destroy();
        return;
    }
    parent->AddChildFront(window, centred ? PLACE_CENTRED : 0, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
}

void CJInputCaptureWindow::OpenOver(CJInputCaptureWindow* other, bool centred)
{
    CDeferredDestroyScope scope;
    other->SetModal(IsModal());
    // Taken first: removing this window clears its parent.
    CJWindow* parent = m_pParent;
    if (parent == nullptr)
    {
        AddInFront(nullptr, other, centred);
        return;
    }
    parent->RemoveChild(this);
    AddInFront(parent, other, centred);
    other->TakeReturnWindow(this, m_Rect);
    Show(false, false);
}

void CJInputCaptureWindow::PassReturnWindowTo(CJInputCaptureWindow* other, bool centred)
{
    CDeferredDestroyScope scope;
    CJWindow* parent = m_pParent;
    other->TakeReturnWindow(m_pReturnWindow, m_pReturnWindow != nullptr ? m_pReturnWindow->GetRect() : CRect{});
    if (m_pReturnWindow != nullptr)
        m_pReturnWindow->Show(false, false);
    m_pReturnWindow = nullptr;
    Close();
    AddInFront(parent, other, centred);
}

void CJInputCaptureWindow::DropReturnWindow()
{
    if (m_pReturnWindow == nullptr)
        return;
    m_pReturnWindow->DropReturnWindow();
    CJWindow* dropped = m_pReturnWindow;
    m_pReturnWindow = nullptr;
    dropped->Destroy();
}

void CJInputCaptureWindow::CloseWithoutReturn()
{
    DropReturnWindow();
    Close();
}

void CJInputCaptureWindow::TearDown()
{
    CJWindow* returning = m_pReturnWindow;
    m_pReturnWindow = nullptr;
    if (returning != nullptr)
    {
        if (m_pParent != nullptr)
        {
            m_pParent->AddChildFront(returning, 0, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
            returning->SetRect(m_ReturnRect);
            returning->Show(true, false);
        }
        else
            returning->Destroy();
    }
    CJDialog::TearDown();
}
