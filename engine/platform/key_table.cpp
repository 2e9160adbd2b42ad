#include "engine/platform/key_names.h"
#include "engine/platform/key_table.h"

#include <SDL.h>

#include <array>

#include "engine/platform/virtual_keys.h"

namespace {

struct KeyRow
{
    SDL_Scancode sdl;
    uint16_t scanCode;
    uint8_t virtualKey;
    const char* name;
};

// The game stores keys by scan code (bindings, key-state words), so each
// physical key keeps the code it has on a PC keyboard whatever SDL calls it.
const KeyRow KEY_ROWS[] = {
    { SDL_SCANCODE_ESCAPE, 1, VirtualKey::Escape, "Esc" },
    { SDL_SCANCODE_1, 2, VirtualKey::Digit0 + 1, "1" },
    { SDL_SCANCODE_2, 3, VirtualKey::Digit0 + 2, "2" },
    { SDL_SCANCODE_3, 4, VirtualKey::Digit0 + 3, "3" },
    { SDL_SCANCODE_4, 5, VirtualKey::Digit0 + 4, "4" },
    { SDL_SCANCODE_5, 6, VirtualKey::Digit0 + 5, "5" },
    { SDL_SCANCODE_6, 7, VirtualKey::Digit0 + 6, "6" },
    { SDL_SCANCODE_7, 8, VirtualKey::Digit0 + 7, "7" },
    { SDL_SCANCODE_8, 9, VirtualKey::Digit0 + 8, "8" },
    { SDL_SCANCODE_9, 10, VirtualKey::Digit0 + 9, "9" },
    { SDL_SCANCODE_0, 11, VirtualKey::Digit0, "0" },
    { SDL_SCANCODE_MINUS, 12, VirtualKey::Minus, "-" },
    { SDL_SCANCODE_EQUALS, 13, VirtualKey::Equals, "=" },
    { SDL_SCANCODE_BACKSPACE, 14, VirtualKey::Backspace, "Backspace" },
    { SDL_SCANCODE_TAB, 15, VirtualKey::Tab, "Tab" },
    { SDL_SCANCODE_Q, 16, VirtualKey::LetterA + 16, "Q" },
    { SDL_SCANCODE_W, 17, VirtualKey::LetterA + 22, "W" },
    { SDL_SCANCODE_E, 18, VirtualKey::LetterA + 4, "E" },
    { SDL_SCANCODE_R, 19, VirtualKey::LetterA + 17, "R" },
    { SDL_SCANCODE_T, 20, VirtualKey::LetterA + 19, "T" },
    { SDL_SCANCODE_Y, 21, VirtualKey::LetterA + 24, "Y" },
    { SDL_SCANCODE_U, 22, VirtualKey::LetterA + 20, "U" },
    { SDL_SCANCODE_I, 23, VirtualKey::LetterA + 8, "I" },
    { SDL_SCANCODE_O, 24, VirtualKey::LetterA + 14, "O" },
    { SDL_SCANCODE_P, 25, VirtualKey::LetterA + 15, "P" },
    { SDL_SCANCODE_LEFTBRACKET, 26, VirtualKey::LeftBracket, "[" },
    { SDL_SCANCODE_RIGHTBRACKET, 27, VirtualKey::RightBracket, "]" },
    { SDL_SCANCODE_RETURN, 28, VirtualKey::Enter, "Enter" },
    { SDL_SCANCODE_LCTRL, 29, VirtualKey::Control, "Ctrl" },
    { SDL_SCANCODE_A, 30, VirtualKey::LetterA + 0, "A" },
    { SDL_SCANCODE_S, 31, VirtualKey::LetterA + 18, "S" },
    { SDL_SCANCODE_D, 32, VirtualKey::LetterA + 3, "D" },
    { SDL_SCANCODE_F, 33, VirtualKey::LetterA + 5, "F" },
    { SDL_SCANCODE_G, 34, VirtualKey::LetterA + 6, "G" },
    { SDL_SCANCODE_H, 35, VirtualKey::LetterA + 7, "H" },
    { SDL_SCANCODE_J, 36, VirtualKey::LetterA + 9, "J" },
    { SDL_SCANCODE_K, 37, VirtualKey::LetterA + 10, "K" },
    { SDL_SCANCODE_L, 38, VirtualKey::LetterA + 11, "L" },
    { SDL_SCANCODE_SEMICOLON, 39, VirtualKey::Semicolon, ";" },
    { SDL_SCANCODE_APOSTROPHE, 40, VirtualKey::Apostrophe, "'" },
    { SDL_SCANCODE_GRAVE, 41, VirtualKey::Grave, "`" },
    { SDL_SCANCODE_LSHIFT, 42, VirtualKey::Shift, "Shift" },
    { SDL_SCANCODE_BACKSLASH, 43, VirtualKey::Backslash, "\\" },
    { SDL_SCANCODE_NONUSHASH, 43, VirtualKey::Backslash, "\\" },
    { SDL_SCANCODE_Z, 44, VirtualKey::LetterA + 25, "Z" },
    { SDL_SCANCODE_X, 45, VirtualKey::LetterA + 23, "X" },
    { SDL_SCANCODE_C, 46, VirtualKey::LetterA + 2, "C" },
    { SDL_SCANCODE_V, 47, VirtualKey::LetterA + 21, "V" },
    { SDL_SCANCODE_B, 48, VirtualKey::LetterA + 1, "B" },
    { SDL_SCANCODE_N, 49, VirtualKey::LetterA + 13, "N" },
    { SDL_SCANCODE_M, 50, VirtualKey::LetterA + 12, "M" },
    { SDL_SCANCODE_COMMA, 51, VirtualKey::Comma, "," },
    { SDL_SCANCODE_PERIOD, 52, VirtualKey::Period, "." },
    { SDL_SCANCODE_SLASH, 53, VirtualKey::Slash, "/" },
    { SDL_SCANCODE_RSHIFT, 54, VirtualKey::Shift, "Right Shift" },
    { SDL_SCANCODE_KP_MULTIPLY, 55, VirtualKey::KeypadMultiply, "Num *" },
    { SDL_SCANCODE_LALT, 56, VirtualKey::Alt, "Alt" },
    { SDL_SCANCODE_SPACE, 57, VirtualKey::Space, "Space" },
    { SDL_SCANCODE_CAPSLOCK, 58, VirtualKey::CapsLock, "Caps Lock" },
    { SDL_SCANCODE_F1, 59, VirtualKey::F1, "F1" },
    { SDL_SCANCODE_F2, 60, VirtualKey::F1 + 1, "F2" },
    { SDL_SCANCODE_F3, 61, VirtualKey::F1 + 2, "F3" },
    { SDL_SCANCODE_F4, 62, VirtualKey::F1 + 3, "F4" },
    { SDL_SCANCODE_F5, 63, VirtualKey::F1 + 4, "F5" },
    { SDL_SCANCODE_F6, 64, VirtualKey::F1 + 5, "F6" },
    { SDL_SCANCODE_F7, 65, VirtualKey::F1 + 6, "F7" },
    { SDL_SCANCODE_F8, 66, VirtualKey::F1 + 7, "F8" },
    { SDL_SCANCODE_F9, 67, VirtualKey::F1 + 8, "F9" },
    { SDL_SCANCODE_F10, 68, VirtualKey::F1 + 9, "F10" },
    { SDL_SCANCODE_PAUSE, 69, VirtualKey::Pause, "Pause" },
    { SDL_SCANCODE_SCROLLLOCK, 70, VirtualKey::ScrollLock, "Scroll Lock" },
    { SDL_SCANCODE_KP_7, 71, VirtualKey::Keypad0 + 7, "Num 7" },
    { SDL_SCANCODE_KP_8, 72, VirtualKey::Keypad0 + 8, "Num 8" },
    { SDL_SCANCODE_KP_9, 73, VirtualKey::Keypad0 + 9, "Num 9" },
    { SDL_SCANCODE_KP_MINUS, 74, VirtualKey::KeypadMinus, "Num -" },
    { SDL_SCANCODE_KP_4, 75, VirtualKey::Keypad0 + 4, "Num 4" },
    { SDL_SCANCODE_KP_5, 76, VirtualKey::Keypad0 + 5, "Num 5" },
    { SDL_SCANCODE_KP_6, 77, VirtualKey::Keypad0 + 6, "Num 6" },
    { SDL_SCANCODE_KP_PLUS, 78, VirtualKey::KeypadPlus, "Num +" },
    { SDL_SCANCODE_KP_1, 79, VirtualKey::Keypad0 + 1, "Num 1" },
    { SDL_SCANCODE_KP_2, 80, VirtualKey::Keypad0 + 2, "Num 2" },
    { SDL_SCANCODE_KP_3, 81, VirtualKey::Keypad0 + 3, "Num 3" },
    { SDL_SCANCODE_KP_0, 82, VirtualKey::Keypad0, "Num 0" },
    { SDL_SCANCODE_KP_PERIOD, 83, VirtualKey::KeypadPoint, "Num Del" },
    { SDL_SCANCODE_NONUSBACKSLASH, 86, VirtualKey::ExtraBackslash, "\\" },
    { SDL_SCANCODE_F11, 87, VirtualKey::F1 + 10, "F11" },
    { SDL_SCANCODE_F12, 88, VirtualKey::F1 + 11, "F12" },
    { SDL_SCANCODE_KP_ENTER, 0x11C, VirtualKey::Enter, "Num Enter" },
    { SDL_SCANCODE_RCTRL, 0x11D, VirtualKey::Control, "Right Ctrl" },
    { SDL_SCANCODE_KP_DIVIDE, 0x135, VirtualKey::KeypadDivide, "Num /" },
    { SDL_SCANCODE_PRINTSCREEN, 0x137, VirtualKey::PrintScreen, "Print Screen" },
    { SDL_SCANCODE_RALT, 0x138, VirtualKey::Alt, "Right Alt" },
    { SDL_SCANCODE_NUMLOCKCLEAR, 0x145, VirtualKey::NumLock, "Num Lock" },
    { SDL_SCANCODE_HOME, 0x147, VirtualKey::Home, "Home" },
    { SDL_SCANCODE_UP, 0x148, VirtualKey::Up, "Up" },
    { SDL_SCANCODE_PAGEUP, 0x149, VirtualKey::PageUp, "Page Up" },
    { SDL_SCANCODE_LEFT, 0x14B, VirtualKey::Left, "Left" },
    { SDL_SCANCODE_RIGHT, 0x14D, VirtualKey::Right, "Right" },
    { SDL_SCANCODE_END, 0x14F, VirtualKey::End, "End" },
    { SDL_SCANCODE_DOWN, 0x150, VirtualKey::Down, "Down" },
    { SDL_SCANCODE_PAGEDOWN, 0x151, VirtualKey::PageDown, "Page Down" },
    { SDL_SCANCODE_INSERT, 0x152, VirtualKey::Insert, "Insert" },
    { SDL_SCANCODE_DELETE, 0x153, VirtualKey::Delete, "Delete" },
    { SDL_SCANCODE_LGUI, 0x15B, VirtualKey::LeftWindows, "Left Windows" },
    { SDL_SCANCODE_RGUI, 0x15C, VirtualKey::RightWindows, "Right Windows" },
    { SDL_SCANCODE_APPLICATION, 0x15D, VirtualKey::Menu, "Application" },
};

using KeyIndex = std::array<const KeyRow*, SDL_NUM_SCANCODES>;

KeyIndex BuildKeyIndex()
{
    KeyIndex index = {};
    for (const KeyRow& row : KEY_ROWS)
        index[row.sdl] = &row;
    return index;
}

const KeyRow* FindRow(int sdlScancode)
{
    static const KeyIndex index = BuildKeyIndex();
    if (sdlScancode <= 0 || sdlScancode >= SDL_NUM_SCANCODES)
        return nullptr;
    return index[static_cast<size_t>(sdlScancode)];
}

// Keypad 0..9 and the point without Num Lock: Insert, End, Down, Page Down,
// Left, Clear, Right, Home, Up, Page Up, then Delete.
uint8_t NavigationKeyOfKeypad(uint8_t virtualKey)
{
    static const uint8_t NAVIGATION[10] = { VirtualKey::Insert, VirtualKey::End, VirtualKey::Down,
        VirtualKey::PageDown, VirtualKey::Left, VirtualKey::Clear, VirtualKey::Right, VirtualKey::Home,
        VirtualKey::Up, VirtualKey::PageUp };
    if (virtualKey >= VirtualKey::Keypad0 && virtualKey <= VirtualKey::Keypad0 + 9)
        return NAVIGATION[virtualKey - VirtualKey::Keypad0];
    if (virtualKey == VirtualKey::KeypadPoint)
        return VirtualKey::Delete;
    return virtualKey;
}

} // namespace

KeyIdentity IdentifyKey(int sdlScancode, bool numLock)
{
    const KeyRow* row = FindRow(sdlScancode);
    if (!row)
        return { 0, VirtualKey::None };
    return { row->scanCode, numLock ? row->virtualKey : NavigationKeyOfKeypad(row->virtualKey) };
}

const char* GetKeyNameForScanCode(int32_t scanCode)
{
    for (const KeyRow& row : KEY_ROWS)
        if (row.scanCode == scanCode)
            return row.name;
    return nullptr;
}
