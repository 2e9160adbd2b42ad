#pragma once

#include <SDL.h>

// Builders of the SDL events that the keyboard, the text input and the mouse
// send, for tests that push them through the real event queue. Keys are
// sent with Num Lock on, as most keyboards start.
SDL_Event SdlKeyEvent(bool down, SDL_Scancode scancode, SDL_Keycode sym);
SDL_Event SdlTextEvent(const char* utf8);
SDL_Event SdlMotionEvent(int x, int y);
SDL_Event SdlButtonEvent(bool down, Uint8 button, Uint8 clicks);
SDL_Event SdlWheelEvent(float preciseY, bool flipped);

// A key pressed and released.
void PushSdlKeyTap(SDL_Scancode scancode, SDL_Keycode sym);
void PushSdlEvent(SDL_Event event);

// Starts SDL's events (with the dummy video driver) for the life of the
// object.
class CScopedSdlEvents
{
public:
    CScopedSdlEvents();
    ~CScopedSdlEvents();
    bool IsRunning() const { return m_Running; }

private:
    bool m_Running;
};
