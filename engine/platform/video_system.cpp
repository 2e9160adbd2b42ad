#include "engine/platform/video_system.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "engine/platform/display_presence.h"

static void QuitSdl()
{
    SDL_Quit();
}

bool StartVideoSystem()
{
    static bool s_QuitRegistered = false;
    if (!s_QuitRegistered)
    {
        std::atexit(QuitSdl);
        s_QuitRegistered = true;
    }
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (!HasDisplay() && !(driver && driver[0]))
    {
        std::fputs("No display found: running without a window (SDL dummy video driver).\n", stderr);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
}

bool IsIconic(WindowHandle window)
{
    return window && SDL_WasInit(SDL_INIT_VIDEO) && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
}
