#pragma once

#include <cstdint>

// How the platform layer names a key that SDL reports by its scancode: the
// PC keyboard's set-1 scan code, with 0x100 for the extended keys (so
// 1..511), and the virtual key. Both 0 for a key the game does not know.
struct KeyIdentity
{
    uint16_t scanCode;
    uint8_t virtualKey;
};

// The keypad's digits and point mean their navigation keys while Num Lock
// is off, as they do on the keyboard they come from.
KeyIdentity IdentifyKey(int sdlScancode, bool numLock);
