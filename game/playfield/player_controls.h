#pragma once

#include <cstdint>

class CJoystick;

// A player's input as actions ("Shoot" is action 0), whatever device and
// keys the player bound them to. The front end fills it each step: the bits
// of the step before stay readable, so a button let go of this very step
// still counts as held where the game asks for a clean press.
class CPlayerControls
{
public:
    static constexpr int32_t ACTION_SHOOT = 0;

    bool IsActionDown(int32_t action) const { return (m_ActionBits & Bit(action)) != 0; }
    bool WasActionDown(int32_t action) const { return (m_PreviousActionBits & Bit(action)) != 0; }
    void SetActionDown(int32_t action, bool down)
    {
        m_ActionBits = down ? m_ActionBits | Bit(action) : m_ActionBits & ~Bit(action);
    }
    // A new step: the current bits become the previous ones.
    void BeginStep() { m_PreviousActionBits = m_ActionBits; }

    // The player's joystick, when the player steers with one.
    CJoystick* m_pJoystick = nullptr;

private:
    static uint32_t Bit(int32_t action) { return 1u << static_cast<uint32_t>(action); }

    uint32_t m_ActionBits = 0;
    uint32_t m_PreviousActionBits = 0;
};
