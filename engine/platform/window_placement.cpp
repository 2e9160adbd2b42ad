#include "engine/platform/window_placement.h"

#include <SDL.h>

#include <algorithm>

#include "engine/platform/text_encoding.h"

WindowHandle CreateHiddenWindow(const char* title, int32_t clientWidth, int32_t clientHeight)
{
    if (clientWidth <= 0 || clientHeight <= 0)
        return nullptr;
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return nullptr;
    return SDL_CreateWindow(Latin1ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, clientWidth,
                            clientHeight, SDL_WINDOW_HIDDEN);
}

static bool IsLive(WindowHandle window)
{
    return window && SDL_WasInit(SDL_INIT_VIDEO);
}

bool PlaceWindowFullScreen(WindowHandle window)
{
    return IsLive(window) && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

bool PlaceWindowWindowed(WindowHandle window, int32_t clientWidth, int32_t clientHeight)
{
    if (!IsLive(window) || clientWidth <= 0 || clientHeight <= 0)
        return false;
    if (SDL_SetWindowFullscreen(window, 0) != 0)
        return false;
    SDL_SetWindowSize(window, clientWidth, clientHeight);

    SDL_Rect usable;
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0)
        return true;
    int top = 0;
    int left = 0;
    // Borders are unknown until a window manager decorates the window.
    if (SDL_GetWindowBordersSize(window, &top, &left, nullptr, nullptr) != 0)
        top = left = 0;
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    x = std::max(x - left, usable.x) + left;
    y = std::max(y - top, usable.y) + top;
    SDL_SetWindowPosition(window, x, y);
    return true;
}

void MoveWindowTo(WindowHandle window, int32_t x, int32_t y)
{
    if (IsLive(window))
        SDL_SetWindowPosition(window, x, y);
}

void ShowWindow(WindowHandle window)
{
    if (IsLive(window))
        SDL_ShowWindow(window);
}

bool IsWindowShown(WindowHandle window)
{
    return IsLive(window) && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
}

bool IsWindowFullScreen(WindowHandle window)
{
    return IsLive(window) &&
           (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}
