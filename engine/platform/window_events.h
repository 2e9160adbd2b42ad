#pragma once

#include "engine/platform/window_handle.h"

// Queues a close request for the window, as its close box would; nothing
// happens without a window or before events are running.
void PostWindowClose(WindowHandle window);

// Bits per pixel of the desktop; 32 when no display can be asked.
int GetDesktopBitsPerPixel();
