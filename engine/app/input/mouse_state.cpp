#include "engine/app/input/mouse_state.h"

#include <algorithm>
#include <cmath>

#include "engine/app/input/system_pointer.h"
#include "engine/graphics/sequence.h"
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

// The whole steps are bounded well inside the integer range: a wheel that
// reported absurd amounts must not make the conversion overflow.
int32_t CMouseState::TakeWheelSteps()
{
    const float whole = std::clamp(std::trunc(m_WheelSteps), -1.0e9f, 1.0e9f);
    m_WheelSteps -= whole;
    return static_cast<int32_t>(whole);
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

void CMouseState::SetCursorAnimation(const CSequence* sequence, bool loop, bool reverse)
{
    m_pCursorSequence = sequence;
    m_Animation.Start(sequence != nullptr ? static_cast<int32_t>(sequence->GetFrameCount()) : 0, loop, reverse);
    ApplySystemCursor();
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
