#include "engine/platform/window_events.h"

#include <SDL.h>

#include "engine/platform/display_presence.h"

void PostWindowClose(WindowHandle window)
{
    if (!window || !SDL_WasInit(SDL_INIT_EVENTS))
        return;
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(window);
    SDL_PushEvent(&event);
}

static int BitsPerPixelOfDesktop()
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.format == SDL_PIXELFORMAT_UNKNOWN)
        return 32;
    // 15-bit formats are stored in 16 bits; count storage, as the game's
    // original platform does.
    return SDL_BYTESPERPIXEL(mode.format) * 8;
}

int GetDesktopBitsPerPixel()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return BitsPerPixelOfDesktop();
    if (!HasDisplay() || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return 32;
    int bits = BitsPerPixelOfDesktop();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return bits;
}
