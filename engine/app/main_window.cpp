#include "engine/app/main_window.h"

#include "engine/core/program/main_window.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/window_placement.h"

bool CreateMainWindow()
{
    WindowHandle window = CreateHiddenWindow("Vantrell Pellucine", DEFAULT_SCREEN_WIDTH, DEFAULT_SCREEN_HEIGHT);
    if (!window)
        return false;
    SetMainWindow(window);
    return true;
}

void EnterWindowedStyle()
{
    const CScreenFrame* screen = GetScreenFrame();
    const bool sized = screen->IsModeSet() && screen->GetWidth() > 0;
    PlaceWindowWindowed(GetMainWindow(), sized ? screen->GetWidth() : DEFAULT_SCREEN_WIDTH,
                        sized ? screen->GetHeight() : DEFAULT_SCREEN_HEIGHT);
}

void EnterFullScreenWindowStyle()
{
    PlaceWindowFullScreen(GetMainWindow());
}
