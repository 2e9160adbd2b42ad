#pragma once

#include <cstdint>

// The English name of the key with a set-1 scan code (0x100 marks the
// extended keys), as key bindings show it; null for a code no key has.
const char* GetKeyNameForScanCode(int32_t scanCode);
