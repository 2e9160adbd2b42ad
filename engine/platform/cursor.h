#pragma once

#include <cstdint>

#include "engine/platform/window_handle.h"

// The system's pointer over the game's window: the arrow, or none while the
// game draws its own. Nothing happens before the video system is running.
void ShowArrowCursor();
void HideSystemCursor();

// Moves the system pointer to a point of the window given in the screen's
// coordinates (800 x 600 however large the window is drawn); nothing
// happens without a window or video.
void WarpPointer(WindowHandle window, int32_t x, int32_t y);
