#pragma once

#include <cstdint>

// The engine key code a key-down types by its virtual key: navigation and
// function keys, and Tab and the digits while Ctrl is held (either Ctrl key
// down in the keyboard state). 0 for every other key, whose typing, if
// any, arrives as a character of its own.
int32_t TranslateVirtualKey(int32_t virtualKey);
