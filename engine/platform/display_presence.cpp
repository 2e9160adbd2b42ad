#include "engine/platform/display_presence.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

static bool IsHeadlessDriver(const char* driver)
{
    return driver && (SDL_strcasecmp(driver, "dummy") == 0 || SDL_strcasecmp(driver, "offscreen") == 0);
}

static bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0];
}

bool HasDisplay()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return !IsHeadlessDriver(SDL_GetCurrentVideoDriver());
    if (IsHeadlessDriver(std::getenv("SDL_VIDEODRIVER")))
        return false;
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}
