#pragma once

#include "engine/platform/window_handle.h"

// Starts the video and event systems for the program's window. The shutdown
// of both is registered with atexit first, so however the program ends the
// display is given back, and platform calls made after it do nothing. With
// no display and no driver named in SDL_VIDEODRIVER the dummy driver is
// used, said in one line on stderr. False when the video system cannot
// start.
bool StartVideoSystem();

// The window is minimised.
bool IsIconic(WindowHandle window);
