#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// The name of a difficulty (0 Easy .. 3 Insane) in the player's language;
// "Normal" for any other value, as a hand-edited record may hold one.
const CString& DifficultyName(uint32_t difficulty);
