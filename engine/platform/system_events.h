#pragma once

#include <cstdint>

// What the operating system reports of the keyboard and mouse, already in
// the game's terms: keys by set-1 scan code (0x100 marks the extended keys)
// with their virtual key, typed characters as Latin-1 or control codes,
// mouse positions in the screen's coordinates (800 x 600 whatever the
// window's size) and buttons as bits: left 1, right 2, middle 4, the extra
// buttons 8 and 16.
enum class SystemEventKind : uint8_t
{
    KeyDown, // also each auto-repeat of a held key
    KeyUp,
    TypedCharacter,
    MouseMove, // x, y: may lie outside the screen while a button is held
    MouseButtonDown,
    MouseButtonUp,
    MouseDoubleClick, // the second press of a double click, in place of its down
    MouseWheel, // steps: one per notch, positive away from the user
    // The window's own events. Focus and minimising come as they happen;
    // under a driver that shows nothing (dummy, offscreen) showing the
    // window reports it active and not minimised, as nothing else would.
    WindowActivated, // character: 1 active, 0 not; button: 1 minimised, 0 not
    WindowMovedOrSized, // x, y: the new position or size
    WindowExposed, // the picture must be shown again
    WindowClose, // the close box, Alt+F4, a quit request, SIGINT or SIGTERM
};

struct SystemEvent
{
    SystemEventKind kind;
    int32_t scanCode;
    int32_t virtualKey;
    int32_t character;
    int32_t x;
    int32_t y;
    uint32_t button;
    float wheelSteps;
};

// Takes the next event; false when none is waiting, or before the event
// system has started.
//
// A key press gives its key-down and then, where the press types
// something, the character: text the system composes (letters, digits,
// accented letters; characters beyond Latin-1 are dropped), and the codes
// that keys without text give: Backspace 8, Tab 9 (not with Ctrl), either
// Enter 13, Escape 27, Ctrl with a letter 1..26, Alt with a letter or digit
// that character, the Menu key 18. Text typed while Ctrl is held without Alt
// is dropped, and a press never types twice. Mouse moves waiting one after
// another arrive as one move to the last position.
bool PollSystemEvent(SystemEvent& event);
// The event PollSystemEvent would answer next, left in the queue.
bool PeekSystemEvent(SystemEvent& event);
