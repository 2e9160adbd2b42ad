// How input travels down the window tree.
//
// Siblings are visited front to back, and a modal child ends the visit
// whether it took part or not. Every loop takes the next sibling before it
// calls into a child: a handler may destroy windows, which inside the
// root's deferred-destroy scope only marks them dying (hidden, not modal),
// and dying windows are passed over.

#include "engine/app/input/mouse_state.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/modifier_keys.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"
#include "engine/object/editor_hooks.h"

namespace {

bool TakesPartInPress(const CJWindow* child)
{
    return child->IsVisible() && child->IsEnabled() && !child->IsDying();
}

uint32_t ButtonMask(int32_t button)
{
    return 1u << button;
}
} // namespace

bool CJWindow::MouseDown(int32_t button, CPoint point)
{
    bool broughtToFront = false;
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        // A modal front child takes every press: a popup closes itself on
        // a press outside it.
        bool hit = TakesPartInPress(child) &&
                   (RectContains(child->m_VisibleRect, point) || (child == m_pFrontChild && child->m_Modal));
        if (hit && child != m_pFrontChild && !broughtToFront)
        {
            BringToFront(child);
            broughtToFront = true;
        }
        CJWindow* next = child->m_pNextSibling;
        if (hit && child->MouseDown(button, point))
            return true;
        if (child->m_Modal)
            break;
        child = next;
    }
    m_PressPoint = point;
    m_DragDistance = 0;
    const CSequence* cursor = nullptr;
    if (!TrackMouse(point, CPoint{0, 0}, ButtonMask(button), cursor))
        return false;
    m_CapturedButtons |= ButtonMask(button);
    return true;
}

bool CJWindow::DoubleClick(int32_t button, CPoint point, bool& continueAsPress)
{
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        if (TakesPartInPress(child) &&
            (RectContains(child->m_VisibleRect, point) || (child == m_pFrontChild && child->m_Modal)))
        {
            if (child->DoubleClick(button, point, continueAsPress))
                return true;
        }
        if (child->m_Modal)
            break;
        child = next;
    }
    return false;
}

bool CJWindow::MouseRepeat(int32_t button, CPoint point)
{
    return MouseDown(button, point);
}

bool CJWindow::MouseUp(int32_t button, CPoint point)
{
    if ((m_CapturedButtons & ButtonMask(button)) != 0)
    {
        m_CapturedButtons &= ~ButtonMask(button);
        OnMouseUp(point, ButtonMask(button));
        return true;
    }
    // Hidden and disabled children too: a release must reach whoever saw
    // the press.
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        if (!child->m_Dying && child->MouseUp(button, point))
            return true;
        if (child->m_Modal)
            break;
        child = next;
    }
    return false;
}

bool CJWindow::MouseMove(CPoint point, CPoint movement, const CSequence*& cursor)
{
    if (m_CapturedButtons != 0 && TrackMouse(point, movement, m_CapturedButtons, cursor))
        return true;
    bool found = false;
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        bool takesPart = child->m_Visible && !child->m_Dying && (child->m_Enabled || child->m_MovesWhenDisabled);
        if (takesPart)
        {
            bool hit = RectContains(child->m_VisibleRect, point);
            if (hit && !found)
            {
                found = true;
                if (!child->HasChildren() || child->m_HoverWithChildren)
                    child->OnHover(point);
                cursor =
                    child->GetCursor(CPoint{point.x - child->m_ScreenRect.left, point.y - child->m_ScreenRect.top});
                if (child->MouseMove(point, movement, cursor))
                    return true;
            }
            else if (!hit)
            {
                // Lets the child drop its hover state.
                if (child->MouseMove(point, movement, cursor))
                    return true;
            }
        }
        if (child->m_Modal)
            break;
        child = next;
    }
    if (HasChildren() && !found && m_Visible && m_Enabled && RectContains(m_VisibleRect, point))
        OnHover(point);
    return false;
}

bool CJWindow::TrackMouse(CPoint, CPoint, uint32_t, const CSequence*&)
{
    return false;
}

void CJWindow::OnMouseUp(CPoint, uint32_t)
{
}

void CJWindow::CancelCapture(uint32_t)
{
}

void CJWindow::CancelMouseCapture()
{
    // While the root tears the tree down, the pointer stays where it is and
    // nothing is routed through windows on their way out.
    CScreenWindow* root = GetScreenWindowOf(this);
    if (root == nullptr || !root->IsTearingDown())
    {
        GetMouseState().SetPosition(m_PressPoint.x, m_PressPoint.y);
        if (root != nullptr)
            root->UpdateMouseMove();
    }
    uint32_t buttons = m_CapturedButtons;
    m_CapturedButtons = 0;
    CancelCapture(buttons);
}

bool CJWindow::HasDraggedBeyond(CPoint point, CPoint movement, CPoint& movementOut, int32_t threshold)
{
    if (m_DragDistance >= threshold)
    {
        movementOut = movement;
        return movement.x != 0 || movement.y != 0;
    }
    int64_t dx = static_cast<int64_t>(point.x) - m_PressPoint.x;
    int64_t dy = static_cast<int64_t>(point.y) - m_PressPoint.y;
    int64_t distance = dx * dx + dy * dy;
    if (distance > m_DragDistance)
        m_DragDistance = distance;
    if (m_DragDistance >= threshold)
    {
        movementOut = CPoint{static_cast<int32_t>(dx), static_cast<int32_t>(dy)};
        return true;
    }
    movementOut = CPoint{0, 0};
    return false;
}

bool CJWindow::MouseWheel(int32_t steps, CPoint point)
{
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        if (TakesPartInPress(child) && (RectContains(child->m_VisibleRect, point) || child->m_Focused) &&
            child->MouseWheel(steps, point))
            return true;
        if (child->m_Modal)
            break;
        child = next;
    }
    if (m_pScrollState == nullptr || !m_pScrollState->m_ScrollBarsEnabled)
        return false;
    CJWindow* vertical = m_pScrollState->m_pVerticalBar;
    CJWindow* horizontal = m_pScrollState->m_pHorizontalBar;
    if (vertical != nullptr && vertical->MouseWheel(steps, point))
        return true;
    return horizontal != nullptr && horizontal->MouseWheel(steps, point);
}

// Keys ------------------------------------------------------------------

bool CJWindow::KeyDown(int32_t key)
{
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        if (child->m_Focused && TakesPartInPress(child) && child->KeyDown(key))
            return true;
        if (child->m_Modal)
            break;
        child = next;
    }
    if (key == KEY_TAB && GetEditorHooks().IsLevelEditorOpen() && m_pFrontChild != m_pBackChild)
        return FocusTabStop(IsShiftHeld());
    if (key == KEY_ESCAPE && m_CapturedButtons != 0)
    {
        CancelMouseCapture();
        return true;
    }
    return false;
}

namespace {
bool IsVisibleTabStop(const CJWindow* window)
{
    return window->IsVisible() && window->IsTabStop() && !window->IsDying();
}
} // namespace

CJWindow* CJWindow::NextTabStop()
{
    if (m_pParent == nullptr)
        return nullptr;
    for (CJWindow* window = m_pNextSibling; window != nullptr; window = window->m_pNextSibling)
        if (IsVisibleTabStop(window))
            return window;
    for (CJWindow* window = m_pParent->m_pFrontChild; window != this; window = window->m_pNextSibling)
        if (IsVisibleTabStop(window))
            return window;
    return nullptr;
}

CJWindow* CJWindow::PrevTabStop()
{
    if (m_pParent == nullptr)
        return nullptr;
    for (CJWindow* window = m_pPrevSibling; window != nullptr; window = window->m_pPrevSibling)
        if (IsVisibleTabStop(window))
            return window;
    for (CJWindow* window = m_pParent->m_pBackChild; window != this; window = window->m_pPrevSibling)
        if (IsVisibleTabStop(window))
            return window;
    return nullptr;
}

bool CJWindow::FocusTabStop(bool backward)
{
    if (m_pFrontChild == nullptr)
        return false;
    GetToolkitState().m_FocusOutline = true;
    CJWindow* tabStop = backward ? m_pFrontChild->PrevTabStop() : m_pFrontChild->NextTabStop();
    if (tabStop == nullptr)
        return false;
    BringToFront(tabStop);
    return true;
}

bool CJWindow::FocusNextTabStop()
{
    return FocusTabStop(false);
}

bool CJWindow::FocusPrevTabStop()
{
    return FocusTabStop(true);
}

void CJWindow::SetFocused(bool focused)
{
    m_Focused = focused;
    if (m_pFrontChild != nullptr)
        m_pFrontChild->SetFocused(focused);
}

// Clipboard operations: the first visible child that can answers.
bool CJWindow::AskVisibleChildren(bool (CJWindow::*operation)(bool), bool doIt)
{
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        if (child->m_Visible && !child->m_Dying && (child->*operation)(doIt))
            return true;
        if (child->m_Modal)
            break;
        child = next;
    }
    return false;
}

bool CJWindow::Cut(bool doIt)
{
    return AskVisibleChildren(&CJWindow::Cut, doIt);
}

bool CJWindow::Copy(bool doIt)
{
    return AskVisibleChildren(&CJWindow::Copy, doIt);
}

bool CJWindow::Paste(bool doIt)
{
    return AskVisibleChildren(&CJWindow::Paste, doIt);
}

bool CJWindow::Delete(bool doIt)
{
    return AskVisibleChildren(&CJWindow::Delete, doIt);
}

// Pointer shape, hover, tooltips, repeats --------------------------------

const CSequence* CJWindow::GetCursor(CPoint)
{
    return GetCursorFromTable(0);
}

bool CJWindow::OnHover(CPoint point)
{
    return m_pParent != nullptr && m_pParent->OnHover(point);
}

void CJWindow::ShowTooltip(bool fromHover, const CString& text, int32_t x, int32_t y)
{
    ShowTooltipAt(fromHover, NO_HOTKEY_POSITION, text, x, y, 1);
}

void CJWindow::ShowTooltipAt(bool fromHover, int32_t hotkeyPosition, const CString& text, int32_t x, int32_t y,
                             int32_t hotkeyLength)
{
    if (CScreenWindow* root = GetScreenWindowOf(this))
        root->SetTooltip(fromHover, this, hotkeyPosition, text, x, y, hotkeyLength);
}

void CJWindow::ScheduleRepeat(int32_t firstDelayMs, int32_t intervalMs)
{
    if (CScreenWindow* root = GetScreenWindowOf(this))
        root->ScheduleRepeat(this, firstDelayMs, intervalMs);
}

bool CJWindow::IsRepeatPress() const
{
    CScreenWindow* root = GetScreenWindowOf(const_cast<CJWindow*>(this));
    return root != nullptr && root->IsRepeatPress();
}
