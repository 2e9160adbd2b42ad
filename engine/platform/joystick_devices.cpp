#include "engine/platform/joystick_devices.h"

#include <SDL.h>

// Joysticks are read raw, not as game controllers: the controller layer
// renumbers buttons, and only for pads it knows, while the players' bindings
// store raw button bits per device name.
//
// The joystick subsystem starts on first use, and only once some other part
// of SDL is up: objects built before the program's main code (the static
// joystick among them) must find no devices rather than start SDL.

namespace {

bool StartJoysticks()
{
    if (SDL_WasInit(SDL_INIT_JOYSTICK))
        return true;
    if (!SDL_WasInit(SDL_INIT_EVERYTHING))
        return false;
    return SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

// SDL's axes run -32768..32767; the game expects unsigned values.
const uint32_t AXIS_MAX = 65535;

uint32_t AxisValue(SDL_Joystick* joystick, int axis)
{
    if (SDL_JoystickNumAxes(joystick) <= axis)
        return AXIS_MAX / 2;
    return static_cast<uint32_t>(SDL_JoystickGetAxis(joystick, axis) + 32768);
}

uint32_t HatAngle(Uint8 hat)
{
    switch (hat)
    {
    case SDL_HAT_UP:
        return 0;
    case SDL_HAT_RIGHTUP:
        return 4500;
    case SDL_HAT_RIGHT:
        return 9000;
    case SDL_HAT_RIGHTDOWN:
        return 13500;
    case SDL_HAT_DOWN:
        return 18000;
    case SDL_HAT_LEFTDOWN:
        return 22500;
    case SDL_HAT_LEFT:
        return 27000;
    case SDL_HAT_LEFTUP:
        return 31500;
    default:
        return JOYSTICK_HAT_CENTRED;
    }
}

class CSdlJoystickDevices : public CJoystickDevices
{
public:
    uint32_t GetCount() override
    {
        if (!StartJoysticks())
            return 0;
        const int count = SDL_NumJoysticks();
        return count > 0 ? static_cast<uint32_t>(count) : 0;
    }

    bool GetRanges(uint32_t device, JoystickRanges& ranges) override
    {
        if (!Opened(device))
            return false;
        ranges = { 0, AXIS_MAX, 0, AXIS_MAX };
        return true;
    }

    bool Read(uint32_t device, JoystickReading& reading) override
    {
        SDL_Joystick* joystick = Opened(device);
        if (!joystick)
            return false;
        SDL_JoystickUpdate();
        reading.x = AxisValue(joystick, 0);
        reading.y = AxisValue(joystick, 1);
        reading.buttons = 0;
        const int buttons = SDL_JoystickNumButtons(joystick);
        for (int i = 0; i < buttons && i < 24; i++)
            if (SDL_JoystickGetButton(joystick, i))
                reading.buttons |= 1u << i;
        reading.hat = SDL_JoystickNumHats(joystick) > 0 ? HatAngle(SDL_JoystickGetHat(joystick, 0)) : JOYSTICK_HAT_CENTRED;
        return true;
    }

    bool GetName(uint32_t device, std::string& name) override
    {
        if (device >= GetCount())
            return false;
        const char* text = SDL_JoystickNameForIndex(static_cast<int>(device));
        if (!text)
            return false;
        name = text;
        return true;
    }

private:
    // The handle of the device now at this place of the list, opened on
    // first use. Devices come and go, so it is found by the device's own id
    // each time rather than kept: a handle kept could outlive the subsystem.
    SDL_Joystick* Opened(uint32_t device)
    {
        if (device >= GetCount())
            return nullptr;
        const int index = static_cast<int>(device);
        SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
        return joystick ? joystick : SDL_JoystickOpen(index);
    }
};

CJoystickDevices* s_pInstalled = nullptr;

} // namespace

CJoystickDevices& GetJoystickDevices()
{
    static CSdlJoystickDevices* system = new CSdlJoystickDevices;
    return s_pInstalled ? *s_pInstalled : *system;
}

CJoystickDevices* SetJoystickDevices(CJoystickDevices* devices)
{
    CJoystickDevices* previous = s_pInstalled;
    s_pInstalled = devices;
    return previous;
}
