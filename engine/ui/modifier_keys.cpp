#include "engine/ui/modifier_keys.h"

#include <cstdint>

#include "engine/app/input/keyboard_state.h"

namespace {
constexpr int32_t SCAN_LEFT_CTRL = 29;
constexpr int32_t SCAN_RIGHT_CTRL = 285;
constexpr int32_t SCAN_LEFT_SHIFT = 42;
constexpr int32_t SCAN_RIGHT_SHIFT = 54;
constexpr int32_t SCAN_LEFT_ALT = 56;
constexpr int32_t SCAN_RIGHT_ALT = 312;

bool EitherHeld(int32_t first, int32_t second)
{
    const CKeyboardState& keyboard = GetKeyboardState();
    return keyboard.IsKeyDown(first) || keyboard.IsKeyDown(second);
}
} // namespace

bool IsShiftHeld()
{
    return EitherHeld(SCAN_LEFT_SHIFT, SCAN_RIGHT_SHIFT);
}

bool IsCtrlHeld()
{
    return EitherHeld(SCAN_LEFT_CTRL, SCAN_RIGHT_CTRL);
}

bool IsAltHeld()
{
    return EitherHeld(SCAN_LEFT_ALT, SCAN_RIGHT_ALT);
}
