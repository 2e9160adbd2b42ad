#pragma once

#include <cstdint>

// Switches anywhere in the command line, letter case ignored.

// Only the first occurrence counts, and it must be followed by white space or
// the end: with "/exitnow /exit" there is no "/exit".
bool HasCommandLineSwitch(const char* switchText);

// The number after the first occurrence of the switch, plain or in double
// quotes ("/ScreenWidth 1024", "/ScreenWidth \"1024\""); the default when
// the switch is absent or nothing follows it.
int32_t GetCommandLineInt(const char* switchText, int32_t defaultValue);
