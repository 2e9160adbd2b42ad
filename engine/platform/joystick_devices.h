#pragma once

#include <cstdint>
#include <string>

// The joysticks attached, numbered 0, 1, ... in the order the system lists
// them. Axes are read raw as unsigned values within the device's ranges,
// buttons as bits (button 1 is bit 0), and the first hat as hundredths of a
// degree clockwise from up, or centred.
struct JoystickRanges
{
    uint32_t xMin;
    uint32_t xMax;
    uint32_t yMin;
    uint32_t yMax;
};

struct JoystickReading
{
    uint32_t x;
    uint32_t y;
    uint32_t buttons;
    uint32_t hat;
};

const uint32_t JOYSTICK_HAT_CENTRED = 0xFFFF;

class CJoystickDevices
{
public:
    virtual ~CJoystickDevices() = default;

    virtual uint32_t GetCount() = 0;
    // False when the device does not answer.
    virtual bool GetRanges(uint32_t device, JoystickRanges& ranges) = 0;
    virtual bool Read(uint32_t device, JoystickReading& reading) = 0;
    // False when the device has no name to give.
    virtual bool GetName(uint32_t device, std::string& name) = 0;
};

// The devices the game reads: the system's, unless a test installed others.
CJoystickDevices& GetJoystickDevices();

// Installs other devices (none restores the system's); answers the previous.
CJoystickDevices* SetJoystickDevices(CJoystickDevices* devices);
