// Keyboard, text and mouse events come from the desktop, and an input
// method or a remote session may send anything: any scancode, key symbol
// and modifiers, text bytes that are not UTF-8, any button or click count,
// any wheel amount. Whatever arrives, the input handling leaves key bits, typed codes
// of 1..255 and a position that is never negative, without undefined
// behaviour.

#include <SDL.h>

#include <cstdint>
#include <cstring>

#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/input/apply_system_event.h"
#include "engine/platform/system_events.h"
#include "fuzz/support/fuzz_input.h"

namespace {

class CByteReader
{
public:
    CByteReader(const uint8_t* data, size_t size)
        : m_pData(data)
        , m_Size(size)
    {
    }

    bool IsEmpty() const { return m_Size == 0; }

    template <typename T>
    T Take()
    {
        T value = {};
        const size_t n = m_Size < sizeof(T) ? m_Size : sizeof(T);
        std::memcpy(&value, m_pData, n);
        m_pData += n;
        m_Size -= n;
        return value;
    }

private:
    const uint8_t* m_pData;
    size_t m_Size;
};

SDL_Event NextEvent(CByteReader& input)
{
    SDL_Event event = {};
    switch (input.Take<uint8_t>() % 5)
    {
    case 0:
        event.type = input.Take<uint8_t>() & 1 ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.scancode = static_cast<SDL_Scancode>(input.Take<uint16_t>() % SDL_NUM_SCANCODES);
        event.key.keysym.sym = input.Take<int32_t>();
        event.key.keysym.mod = input.Take<uint16_t>();
        break;
    case 1:
    {
        event.type = SDL_TEXTINPUT;
        const size_t length = input.Take<uint8_t>() % sizeof(event.text.text);
        for (size_t i = 0; i < length; i++)
            event.text.text[i] = static_cast<char>(input.Take<uint8_t>());
        break;
    }
    case 2:
        event.type = SDL_MOUSEMOTION;
        event.motion.x = input.Take<int32_t>();
        event.motion.y = input.Take<int32_t>();
        break;
    case 3:
        event.type = input.Take<uint8_t>() & 1 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = input.Take<uint8_t>();
        event.button.clicks = input.Take<uint8_t>();
        break;
    default:
        event.type = SDL_MOUSEWHEEL;
        event.wheel.preciseY = input.Take<float>();
        event.wheel.direction = input.Take<uint8_t>() & 1;
        break;
    }
    return event;
}

// Releases the modifiers the poll follows, so that every input starts from
// the same state and a finding can be replayed alone.
void ReleaseModifiers()
{
    const SDL_Scancode modifiers[] = { SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL, SDL_SCANCODE_LALT, SDL_SCANCODE_RALT,
        SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT };
    for (SDL_Scancode scancode : modifiers)
    {
        SDL_Event event = {};
        event.type = SDL_KEYUP;
        event.key.keysym.scancode = scancode;
        SDL_PushEvent(&event);
    }
}

void CheckStates()
{
    CKeyboardState& keyboard = GetKeyboardState();
    while (int32_t code = keyboard.GetTypedChar())
        FuzzCheck(code >= 1 && code <= 255, "a typed code outside 1..255");
    const CPoint position = GetMouseState().GetPosition();
    FuzzCheck(position.x >= 0 && position.y >= 0, "a negative mouse position");
    GetMouseState().TakeWheelSteps();
    while (keyboard.TakeAnyPressedKey() != 0)
    {
    }
}

// The input half of the pump. The whole pump also runs the window
// procedure, whose close (Alt+F4 is a key sequence like any other) ends the
// process, and waits 100 ms a fetch while the window is in the background.
void ApplyQueuedEvents()
{
    SystemEvent event;
    while (PollSystemEvent(event))
        ApplySystemEvent(event);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool started = (SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy"), SDL_InitSubSystem(SDL_INIT_VIDEO) == 0);
    FuzzCheck(started, "SDL's events did not start");

    ReleaseModifiers();
    ApplyQueuedEvents();
    GetKeyboardState().ClearAll(true);
    GetMouseState().SetButtonsDown(0);

    CByteReader input(data, size);
    for (int32_t count = 1; !input.IsEmpty() && count <= 512; count++)
    {
        SDL_Event event = NextEvent(input);
        SDL_PushEvent(&event);
        if (count % 32 == 0)
        {
            ApplyQueuedEvents();
            CheckStates();
        }
    }
    ApplyQueuedEvents();
    CheckStates();
    return 0;
}
