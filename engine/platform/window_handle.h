#pragma once

// The one window type the operating system knows; everything above the
// platform layer holds it only as an opaque pointer.
struct SDL_Window;
typedef SDL_Window* WindowHandle;
