#include "tests/support/sdl_input_events.h"

#include <cmath>
#include <cstring>

SDL_Event SdlKeyEvent(bool down, SDL_Scancode scancode, SDL_Keycode sym)
{
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = KMOD_NUM;
    return event;
}

SDL_Event SdlTextEvent(const char* utf8)
{
    SDL_Event event = {};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof(event.text.text) - 1);
    return event;
}

SDL_Event SdlMotionEvent(int x, int y)
{
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event SdlButtonEvent(bool down, Uint8 button, Uint8 clicks)
{
    SDL_Event event = {};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = clicks;
    return event;
}

SDL_Event SdlWheelEvent(float preciseY, bool flipped)
{
    SDL_Event event = {};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.preciseY = preciseY;
    // The whole notches SDL also reports; a test may send amounts that are
    // no number, which have none.
    event.wheel.y = std::isfinite(preciseY) ? static_cast<Sint32>(preciseY) : 0;
    event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    return event;
}

void PushSdlEvent(SDL_Event event)
{
    SDL_PushEvent(&event);
}

void PushSdlKeyTap(SDL_Scancode scancode, SDL_Keycode sym)
{
    PushSdlEvent(SdlKeyEvent(true, scancode, sym));
    PushSdlEvent(SdlKeyEvent(false, scancode, sym));
}

CScopedSdlEvents::CScopedSdlEvents()
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    m_Running = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    // Whatever SDL queued on starting is not the test's.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

CScopedSdlEvents::~CScopedSdlEvents()
{
    if (m_Running)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
