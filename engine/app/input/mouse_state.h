#pragma once

#include <cstdint>

#include "engine/app/input/cursor_animation.h"
#include "engine/core/geometry/point.h"

class CSequence;

// The mouse as the message pump leaves it and the game polls it once per
// frame: the position in the screen's coordinates, the buttons down as bits
// (1 left, 2 right, 4 middle, 8 and 16 the extra buttons), double clicks
// not yet taken, the wheel's steps not yet taken, and the software cursor
// that the game draws in place of the system's pointer.
class CMouseState
{
public:
    static constexpr uint32_t LEFT_BUTTON = 1;
    static constexpr uint32_t RIGHT_BUTTON = 2;
    static constexpr uint32_t MIDDLE_BUTTON = 4;
    static constexpr uint32_t FIRST_EXTRA_BUTTON = 8;
    static constexpr uint32_t SECOND_EXTRA_BUTTON = 16;

    // Building it removes the system pointer: the game draws its own.
    CMouseState();

    void GetPosition(int32_t& x, int32_t& y) const;
    CPoint GetPosition() const { return { m_X, m_Y }; }
    // The position the pointer reported.
    void SetPositionFromSystem(int32_t x, int32_t y);
    // Also moves the system pointer there.
    void SetPosition(int32_t x, int32_t y);

    uint32_t GetButtonsDown() const { return m_ButtonsDown; }
    // The root window writes the mask back after turning it into events.
    void SetButtonsDown(uint32_t buttons) { m_ButtonsDown = buttons; }
    void SetButtonDown(uint32_t button) { m_ButtonsDown |= button; }
    void SetButtonUp(uint32_t button) { m_ButtonsDown &= ~button; }
    // The second press of a double click: down, and marked as a double click.
    void SetDoubleClick(uint32_t button);

    // True when any button of the mask was double-clicked since the last
    // take; the mask's double clicks and down bits are then cleared.
    bool TakeDoubleClick(uint32_t buttons);

    // One step per wheel notch, fractions kept for later.
    void AddWheelSteps(float steps) { m_WheelSteps += steps; }
    // The whole steps, truncated toward zero; the rest (with its sign) stays.
    int32_t TakeWheelSteps();
    float GetPendingWheelSteps() const { return m_WheelSteps; }

    const CSequence* GetCursorSequence() const { return m_pCursorSequence; }
    // The software cursor becomes the sequence (none: no software cursor),
    // its animation starting afresh.
    void SetCursorAnimation(const CSequence* sequence, bool loop, bool reverse);
    const CCursorAnimation& GetCursorAnimation() const { return m_Animation; }

    // The system pointer stands in for the software cursor (while the game
    // is not the active program); it changes at the next ApplySystemCursor.
    void UseSystemCursor() { m_SystemCursorWanted = true; }
    void UseSoftwareCursor() { m_SystemCursorWanted = false; }

    // Each sets the system pointer at once and answers the previous
    // visibility; SetPointerVisible leaves everything alone when the
    // visibility does not change.
    bool HidePointer();
    bool ShowPointer();
    bool SetPointerVisible(bool visible);
    bool IsPointerVisible() const { return m_PointerVisible; }

    // Shows or removes the system arrow by the pointer rule (the window asks
    // whenever the pointer enters or moves over it).
    void ApplySystemCursor();

    CMouseState(const CMouseState&) = delete;
    CMouseState& operator=(const CMouseState&) = delete;

private:
    const CSequence* m_pCursorSequence;
    CCursorAnimation m_Animation;
    bool m_SystemCursorWanted;
    bool m_PointerVisible;
    int32_t m_X;
    int32_t m_Y;
    uint32_t m_ButtonsDown;
    uint32_t m_DoubleClicks;
    float m_WheelSteps;
};

// The one mouse state, built on first use.
CMouseState& GetMouseState();
