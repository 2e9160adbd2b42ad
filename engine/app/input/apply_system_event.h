#pragma once

#include "engine/platform/system_events.h"

// Writes one keyboard or mouse event into the keyboard and mouse states: a
// key-down types the engine key code of its virtual key (if it has one)
// before it sets the key's bits, positions left of or above the screen
// become 0.
void ApplySystemEvent(const SystemEvent& event);
