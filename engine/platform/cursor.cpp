#include "engine/platform/cursor.h"

#include <SDL.h>

void ShowArrowCursor()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_ShowCursor(SDL_ENABLE);
}

void HideSystemCursor()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    SDL_ShowCursor(SDL_DISABLE);
}

void WarpPointer(WindowHandle window, int32_t x, int32_t y)
{
    if (!window || !SDL_WasInit(SDL_INIT_VIDEO))
        return;
    int windowX = x;
    int windowY = y;
    // A renderer with a logical size scales the screen into the window, and
    // SDL scales the pointer's positions back; a warp goes the other way.
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    int logicalWidth = 0;
    int logicalHeight = 0;
    if (renderer)
        SDL_RenderGetLogicalSize(renderer, &logicalWidth, &logicalHeight);
    if (logicalWidth != 0 && logicalHeight != 0)
        SDL_RenderLogicalToWindow(renderer, static_cast<float>(x), static_cast<float>(y), &windowX, &windowY);
    SDL_WarpMouseInWindow(window, windowX, windowY);
}
