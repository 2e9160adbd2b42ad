#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// One joystick read as a 32-bit input mask and two stick axes. The mask has
// buttons 1..24 in bits 0..23, then the hat left, right, up and down, then
// the stick left, right, up and down. The axes read -1..1 after a dead zone
// round the centre, rescaled so that they still reach the ends.
//
// An input counts only once it has been seen released since the device was
// opened, so a button held while a device is chosen does not fire. A stick
// that rests without moving more than 0.35 for 30 seconds reads centred, so
// one left off-centre stops steering; it wakes when it moves again.
class CJoystick
{
public:
    static constexpr uint32_t BUTTON_BITS = 0x00FFFFFF;
    static constexpr uint32_t HAT_LEFT = 0x01000000;
    static constexpr uint32_t HAT_RIGHT = 0x02000000;
    static constexpr uint32_t HAT_UP = 0x04000000;
    static constexpr uint32_t HAT_DOWN = 0x08000000;
    static constexpr uint32_t STICK_LEFT = 0x10000000;
    static constexpr uint32_t STICK_RIGHT = 0x20000000;
    static constexpr uint32_t STICK_UP = 0x40000000;
    static constexpr uint32_t STICK_DOWN = 0x80000000;

    explicit CJoystick(uint32_t deviceId);

    // Chooses a device (0-based) and reads its ranges and name; false when
    // it does not answer, which leaves the joystick absent and named
    // "NO JOYSTICK". Inputs held at this moment are ignored until released.
    bool Open(uint32_t deviceId);

    // Reads the device: the input mask, also kept with the axes. 0 while
    // absent or when the read fails.
    uint32_t Poll();

    CString GetName() const { return m_Name; }
    bool IsPresent() const { return m_Present; }
    uint32_t GetDeviceId() const { return m_DeviceId; }
    uint32_t GetInputMask() const { return m_InputMask; }
    float GetX() const { return m_X; }
    float GetY() const { return m_Y; }

    // A zone of 0 passes the raw axis on.
    void SetAxisDeadZones(float xDeadZone, float yDeadZone);

    // The name of one input bit for bindings: "Hat Up", "Left", "Button 3".
    void DescribeInput(int32_t bit, CString& out) const;
    // "Joy " and the names of the mask's inputs joined by "+"; empty for 0.
    void DescribeButtons(uint32_t mask, CString& out) const;

private:
    float ReadAxis(uint32_t raw, int32_t offset, float scale, float deadZone, float rescale) const;
    void ApplyIdleRule();

    uint32_t m_DeviceId;
    float m_XDeadZone;
    float m_XRescale;
    float m_YDeadZone;
    float m_YRescale;
    float m_X;
    float m_Y;
    int32_t m_XOffset;
    int32_t m_YOffset;
    float m_XScale;
    float m_YScale;
    uint32_t m_InputMask;
    CString m_Name;
    uint32_t m_ArmedMask;
    float m_ReferenceX;
    float m_ReferenceY;
    uint32_t m_LastMovementTime;
    bool m_Polled;
    bool m_Present;
};

// The device's name from its driver into out: 0 when there was one, else
// 166 (the device is absent or nameless).
int32_t GetJoystickOemName(uint32_t deviceId, CString& out);

// True when the device has a name to give (it is there), which goes to out.
bool IsJoystickPresent(uint32_t deviceId, CString& out);

// True when the device answers for its ranges and a reading.
bool ProbeJoystick(uint32_t deviceId);

// The first device's joystick, built before the program's main code (when
// no device can be seen yet, so it starts absent) and kept until exit.
CJoystick& GetFirstJoystick();
