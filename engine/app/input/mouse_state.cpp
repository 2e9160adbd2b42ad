#include "engine/app/input/mouse_state.h"

#include "engine/app/input/system_pointer.h"
#include "engine/platform/cursor.h"

CMouseState::CMouseState()
    : m_pCursorSequence(nullptr)
    , m_SystemCursorWanted(false)
    , m_PointerVisible(false)
    , m_X(0)
    , m_Y(0)
    , m_ButtonsDown(0)
    , m_DoubleClicks(0)
    , m_WheelSteps(0.0f)
{
    HideSystemCursor();
}

void CMouseState::GetPosition(int32_t& x, int32_t& y) const
{
    x = m_X;
    y = m_Y;
}

void CMouseState::SetPositionFromSystem(int32_t x, int32_t y)
{
    m_X = x;
    m_Y = y;
}

void CMouseState::SetPosition(int32_t x, int32_t y)
{
    m_X = x;
    m_Y = y;
    SetSystemCursorPos(x, y);
}

void CMouseState::SetDoubleClick(uint32_t button)
{
    m_DoubleClicks |= button;
    m_ButtonsDown |= button;
}

bool CMouseState::TakeDoubleClick(uint32_t buttons)
{
    if ((m_DoubleClicks & buttons) == 0)
        return false;
    m_DoubleClicks &= ~buttons;
    m_ButtonsDown &= ~buttons;
    return true;
}

int32_t CMouseState::TakeWheelSteps()
{
    const int32_t steps = static_cast<int32_t>(m_WheelSteps);
    m_WheelSteps -= static_cast<float>(steps);
    return steps;
}

bool CMouseState::HidePointer()
{
    const bool previous = m_PointerVisible;
    m_PointerVisible = false;
    ApplySystemCursor();
    return previous;
}

bool CMouseState::ShowPointer()
{
    const bool previous = m_PointerVisible;
    m_PointerVisible = true;
    ApplySystemCursor();
    return previous;
}

bool CMouseState::SetPointerVisible(bool visible)
{
    const bool previous = m_PointerVisible;
    if (visible != previous)
    {
        m_PointerVisible = visible;
        ApplySystemCursor();
    }
    return previous;
}

void CMouseState::ApplySystemCursor()
{
    if (ShouldShowSystemArrow(m_PointerVisible, m_SystemCursorWanted, m_pCursorSequence != nullptr))
        ShowArrowCursor();
    else
        HideSystemCursor();
}

CMouseState& GetMouseState()
{
    static CMouseState mouse;
    return mouse;
}
