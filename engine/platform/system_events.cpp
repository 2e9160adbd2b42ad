#include "engine/platform/system_events.h"

#include <SDL.h>

#include <cmath>
#include <deque>

#include "engine/platform/key_table.h"

// SDL reports a press as a key event and, separately, the text it types;
// the game wants the codes its original platform gives, where keys without
// text (Backspace, Enter, Ctrl with a letter) type control codes too. Those
// are made here from the key-down, and the modifiers that decide them are
// followed from the key events this poll has passed on, so that events
// replayed or injected read the same as live ones. A key-down may thus give
// two events; the second waits in the pending queue.

namespace {

std::deque<SystemEvent> s_Pending;
bool s_Held[SDL_NUM_SCANCODES];
// The latest key press typed a code of its own: text SDL sends for the same
// press would type it a second time.
bool s_PressTyped = false;

bool IsHeld(SDL_Scancode left, SDL_Scancode right)
{
    return s_Held[left] || s_Held[right];
}

bool IsCtrlHeld()
{
    return IsHeld(SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL);
}

bool IsAltHeld()
{
    return IsHeld(SDL_SCANCODE_LALT, SDL_SCANCODE_RALT);
}

bool IsShiftHeld()
{
    return IsHeld(SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT);
}

SystemEvent MakeEvent(SystemEventKind kind)
{
    SystemEvent event = {};
    event.kind = kind;
    return event;
}

void QueueCharacter(int32_t character)
{
    SystemEvent event = MakeEvent(SystemEventKind::TypedCharacter);
    event.character = character;
    s_Pending.push_back(event);
}

// The letter a key stands for in the current layout, else the letter of its
// place on the keyboard (so Ctrl+C copies on any layout); 0 for other keys.
char LetterOfKey(const SDL_Keysym& key, bool byPlace)
{
    if (key.sym >= 'a' && key.sym <= 'z')
        return static_cast<char>(key.sym);
    if (byPlace && key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
        return static_cast<char>('a' + (key.scancode - SDL_SCANCODE_A));
    return 0;
}

int32_t CodeTypedWithAlt(const SDL_Keysym& key)
{
    const char letter = LetterOfKey(key, false);
    if (letter)
    {
        const bool upper = IsShiftHeld() != ((key.mod & KMOD_CAPS) != 0);
        return upper ? letter - 'a' + 'A' : letter;
    }
    if (key.sym >= '0' && key.sym <= '9' && !IsShiftHeld())
        return key.sym;
    return 0;
}

// The code a key press types although SDL sends no text for it; 0 when the
// press types nothing or types text.
int32_t CodeTypedByKey(const SDL_Keysym& key)
{
    switch (key.scancode)
    {
    case SDL_SCANCODE_BACKSPACE:
        return 8;
    case SDL_SCANCODE_TAB:
        return IsCtrlHeld() ? 0 : 9;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return 13;
    case SDL_SCANCODE_ESCAPE:
        return 27;
    case SDL_SCANCODE_APPLICATION:
        return 18;
    default:
        break;
    }
    const bool ctrl = IsCtrlHeld();
    const bool alt = IsAltHeld();
    if (ctrl && !alt)
    {
        const char letter = LetterOfKey(key, true);
        return letter ? letter - 'a' + 1 : 0;
    }
    if (alt && !ctrl)
        return CodeTypedWithAlt(key);
    return 0;
}

void QueueKey(const SDL_KeyboardEvent& key)
{
    const bool down = key.type == SDL_KEYDOWN;
    const SDL_Scancode scancode = key.keysym.scancode;
    if (scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES)
        s_Held[scancode] = down;
    // A window manager closes the window on Alt+F4 by itself; without one
    // (the dummy driver, bare X servers) the game does, so the key works
    // everywhere. Where both act the first close ends the program.
    const bool closes = down && scancode == SDL_SCANCODE_F4 && IsAltHeld() && !IsCtrlHeld() && !key.repeat;

    const KeyIdentity identity = IdentifyKey(scancode, (key.keysym.mod & KMOD_NUM) != 0);
    if (identity.scanCode != 0)
    {
        SystemEvent event = MakeEvent(down ? SystemEventKind::KeyDown : SystemEventKind::KeyUp);
        event.scanCode = identity.scanCode;
        event.virtualKey = identity.virtualKey;
        s_Pending.push_back(event);
    }
    // SDL sends a press's text between its key-down and its key-up.
    s_PressTyped = false;
    if (!down)
        return;
    const int32_t code = CodeTypedByKey(key.keysym);
    s_PressTyped = code != 0;
    if (code != 0)
        QueueCharacter(code);
    if (closes)
        s_Pending.push_back(MakeEvent(SystemEventKind::WindowClose));
}

void QueueActivation(bool active, bool minimised)
{
    SystemEvent event = MakeEvent(SystemEventKind::WindowActivated);
    event.character = active ? 1 : 0;
    event.button = minimised ? 1 : 0;
    s_Pending.push_back(event);
}

bool IsMinimised(uint32_t windowId)
{
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
}

bool DriverShowsNothing()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (SDL_strcasecmp(driver, "dummy") == 0 || SDL_strcasecmp(driver, "offscreen") == 0);
}

void QueueWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event)
    {
    case SDL_WINDOWEVENT_SHOWN:
        if (DriverShowsNothing())
            QueueActivation(true, false);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        QueueActivation(true, IsMinimised(window.windowID));
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        QueueActivation(false, IsMinimised(window.windowID));
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    {
        SystemEvent event = MakeEvent(SystemEventKind::WindowMovedOrSized);
        event.x = window.data1;
        event.y = window.data2;
        s_Pending.push_back(event);
        break;
    }
    case SDL_WINDOWEVENT_EXPOSED:
        s_Pending.push_back(MakeEvent(SystemEventKind::WindowExposed));
        break;
    case SDL_WINDOWEVENT_CLOSE:
        s_Pending.push_back(MakeEvent(SystemEventKind::WindowClose));
        break;
    default:
        break;
    }
}

// The next code point of UTF-8 text, advancing past it; -1 for a byte that
// starts no valid sequence (it is skipped).
int32_t NextCodePoint(const unsigned char*& text)
{
    const unsigned char lead = *text++;
    if (lead < 0x80)
        return lead;
    int32_t length = 0;
    int32_t point = 0;
    if ((lead & 0xE0) == 0xC0)
    {
        length = 1;
        point = lead & 0x1F;
    }
    else if ((lead & 0xF0) == 0xE0)
    {
        length = 2;
        point = lead & 0x0F;
    }
    else if ((lead & 0xF8) == 0xF0)
    {
        length = 3;
        point = lead & 0x07;
    }
    else
        return -1;
    for (int32_t i = 0; i < length; i++)
    {
        if ((*text & 0xC0) != 0x80)
            return -1;
        point = (point << 6) | (*text++ & 0x3F);
    }
    return point;
}

void QueueText(const char* text)
{
    if ((IsCtrlHeld() && !IsAltHeld()) || s_PressTyped)
        return;
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text);
    while (*at)
    {
        // Control codes come from the keys above, and the engine's text is
        // Latin-1: anything else has no code to type.
        const int32_t point = NextCodePoint(at);
        if ((point >= 0x20 && point < 0x7F) || (point >= 0xA0 && point <= 0xFF))
            QueueCharacter(point);
    }
}

uint32_t ButtonBit(uint8_t button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 4;
    case SDL_BUTTON_X1:
        return 8;
    case SDL_BUTTON_X2:
        return 16;
    default:
        return 0;
    }
}

void QueueButton(const SDL_MouseButtonEvent& button)
{
    const uint32_t bit = ButtonBit(button.button);
    if (bit == 0)
        return;
    SystemEventKind kind = SystemEventKind::MouseButtonUp;
    // SDL counts the clicks of a quick series; the original platform calls
    // every second one a double click and the others single clicks.
    if (button.type == SDL_MOUSEBUTTONDOWN)
        kind = button.clicks % 2 == 0 ? SystemEventKind::MouseDoubleClick : SystemEventKind::MouseButtonDown;
    SystemEvent event = MakeEvent(kind);
    event.button = bit;
    event.x = button.x;
    event.y = button.y;
    s_Pending.push_back(event);
}

// Only the last position of a run of moves matters; the moves after the
// first are taken from the queue while they come next.
void QueueMotion(const SDL_MouseMotionEvent& motion)
{
    SystemEvent event = MakeEvent(SystemEventKind::MouseMove);
    event.x = motion.x;
    event.y = motion.y;
    SDL_Event next;
    while (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && next.type == SDL_MOUSEMOTION)
    {
        SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
        event.x = next.motion.x;
        event.y = next.motion.y;
    }
    s_Pending.push_back(event);
}

void QueueWheel(const SDL_MouseWheelEvent& wheel)
{
    // An amount that is no number would make every later step count
    // meaningless.
    if (!std::isfinite(wheel.preciseY))
        return;
    SystemEvent event = MakeEvent(SystemEventKind::MouseWheel);
    event.wheelSteps = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.preciseY : wheel.preciseY;
    s_Pending.push_back(event);
}

void QueueEvent(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        QueueKey(event.key);
        break;
    case SDL_TEXTINPUT:
        QueueText(event.text.text);
        break;
    case SDL_MOUSEMOTION:
        QueueMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        QueueButton(event.button);
        break;
    case SDL_MOUSEWHEEL:
        QueueWheel(event.wheel);
        break;
    case SDL_WINDOWEVENT:
        QueueWindowEvent(event.window);
        break;
    case SDL_QUIT: // also SIGINT and SIGTERM, which SDL turns into a quit
        s_Pending.push_back(MakeEvent(SystemEventKind::WindowClose));
        break;
    default:
        break;
    }
}

} // namespace

bool PeekSystemEvent(SystemEvent& event)
{
    if (!SDL_WasInit(SDL_INIT_EVENTS))
        return false;
    SDL_Event sdlEvent;
    while (s_Pending.empty() && SDL_PollEvent(&sdlEvent))
        QueueEvent(sdlEvent);
    if (s_Pending.empty())
        return false;
    event = s_Pending.front();
    return true;
}

bool PollSystemEvent(SystemEvent& event)
{
    if (!PeekSystemEvent(event))
        return false;
    s_Pending.pop_front();
    return true;
}
