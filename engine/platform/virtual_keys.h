#pragma once

#include <cstdint>

// The virtual keys that key-down events carry beside the scan code: a code
// for what the key means rather than where it sits. Keys of one meaning
// share a code (both Shift keys, both Enter keys).
namespace VirtualKey {
enum : uint8_t
{
    None = 0x00,
    Backspace = 0x08,
    Tab = 0x09,
    Clear = 0x0C,
    Enter = 0x0D,
    Shift = 0x10,
    Control = 0x11,
    Alt = 0x12,
    Pause = 0x13,
    CapsLock = 0x14,
    Escape = 0x1B,
    Space = 0x20,
    PageUp = 0x21,
    PageDown = 0x22,
    End = 0x23,
    Home = 0x24,
    Left = 0x25,
    Up = 0x26,
    Right = 0x27,
    Down = 0x28,
    PrintScreen = 0x2C,
    Insert = 0x2D,
    Delete = 0x2E,
    Digit0 = 0x30, // Digit0 + n for the digit n
    LetterA = 0x41, // LetterA + n for the n-th letter
    LeftWindows = 0x5B,
    RightWindows = 0x5C,
    Menu = 0x5D,
    Keypad0 = 0x60, // Keypad0 + n for the keypad digit n
    KeypadMultiply = 0x6A,
    KeypadPlus = 0x6B,
    KeypadMinus = 0x6D,
    KeypadPoint = 0x6E,
    KeypadDivide = 0x6F,
    F1 = 0x70, // F1 + n - 1 for the function key n, up to F24
    NumLock = 0x90,
    ScrollLock = 0x91,
    Semicolon = 0xBA,
    Equals = 0xBB,
    Comma = 0xBC,
    Minus = 0xBD,
    Period = 0xBE,
    Slash = 0xBF,
    Grave = 0xC0,
    LeftBracket = 0xDB,
    Backslash = 0xDC,
    RightBracket = 0xDD,
    Apostrophe = 0xDE,
    ExtraBackslash = 0xE2,
};
}
