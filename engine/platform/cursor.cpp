#include "engine/platform/cursor.h"

#include <SDL.h>

void ShowArrowCursor(bool show)
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    if (show)
        SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}
