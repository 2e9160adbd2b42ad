#include "engine/app/input/joystick.h"

#include <cmath>
#include <string>

#include "engine/core/localization/localized_string.h"
#include "engine/platform/joystick_devices.h"
#include "engine/platform/tick_counter.h"

static CLocalizedString s_NoJoystick("NO JOYSTICK");
static CLocalizedString s_Button("Button");

static const float DEFAULT_DEAD_ZONE = 0.2f;
static const float WAKE_DISTANCE = 0.35f;
static const uint32_t IDLE_MILLISECONDS = 30000;

static float RescaleFor(float deadZone)
{
    return 1.0f / (1.0f - deadZone);
}

CJoystick::CJoystick(uint32_t deviceId)
    : m_DeviceId(deviceId)
    , m_XDeadZone(DEFAULT_DEAD_ZONE)
    , m_XRescale(RescaleFor(DEFAULT_DEAD_ZONE))
    , m_YDeadZone(DEFAULT_DEAD_ZONE)
    , m_YRescale(RescaleFor(DEFAULT_DEAD_ZONE))
    , m_X(0.0f)
    , m_Y(0.0f)
    , m_XOffset(0)
    , m_YOffset(0)
    , m_XScale(0.0f)
    , m_YScale(0.0f)
    , m_InputMask(0)
    , m_ArmedMask(0)
    , m_ReferenceX(0.0f)
    , m_ReferenceY(0.0f)
    , m_LastMovementTime(0)
    , m_Polled(false)
    , m_Present(false)
{
    Open(deviceId);
}

// 2 over the axis's span, or 0 for a device that reports an empty span:
// that axis then reads centred instead of dividing by zero.
static float ScaleOfRange(uint32_t minimum, uint32_t maximum)
{
    const uint32_t span = maximum - minimum;
    return span != 0 ? 2.0f / static_cast<float>(span) : 0.0f;
}

bool CJoystick::Open(uint32_t deviceId)
{
    m_ArmedMask = 0;
    m_Name = s_NoJoystick.GetText();
    CJoystickDevices& devices = GetJoystickDevices();
    // A device beyond those attached leaves the joystick absent, so that it
    // never goes on reading the device it had while named "NO JOYSTICK".
    m_Present = false;
    if (deviceId >= devices.GetCount())
        return false;
    m_DeviceId = deviceId;
    JoystickRanges ranges;
    JoystickReading reading;
    if (!devices.GetRanges(deviceId, ranges) || !devices.Read(deviceId, reading))
        return false;

    m_XOffset = -static_cast<int32_t>(ranges.xMin);
    m_YOffset = -static_cast<int32_t>(ranges.yMin);
    m_XScale = ScaleOfRange(ranges.xMin, ranges.xMax);
    m_YScale = ScaleOfRange(ranges.yMin, ranges.yMax);

    GetJoystickOemName(deviceId, m_Name);
    m_Name.TrimLeft();
    m_Name.TrimRight();
    if (m_Name.IsBlank())
        m_Name = "Unknown Joystick";
    m_Present = true;
    return true;
}

void CJoystick::SetAxisDeadZones(float xDeadZone, float yDeadZone)
{
    m_XDeadZone = xDeadZone;
    m_XRescale = RescaleFor(xDeadZone);
    m_YDeadZone = yDeadZone;
    m_YRescale = RescaleFor(yDeadZone);
}

// Continuous at the zone's edge, and still -1 and 1 at the ends.
float CJoystick::ReadAxis(uint32_t raw, int32_t offset, float scale, float deadZone, float rescale) const
{
    if (scale == 0.0f)
        return 0.0f;
    const float value = static_cast<float>(static_cast<int64_t>(raw) + offset) * scale - 1.0f;
    if (value < -deadZone)
        return rescale * (value + deadZone);
    if (value > deadZone)
        return (value - deadZone) * rescale;
    return 0.0f;
}

// The first poll takes the stick's place as the reference and counts it as
// having rested for the whole idle time already, so a stick found
// off-centre does not steer until it moves.
void CJoystick::ApplyIdleRule()
{
    const uint32_t now = GetTickCount();
    if (!m_Polled)
    {
        m_Polled = true;
        m_ReferenceX = m_X;
        m_ReferenceY = m_Y;
        m_LastMovementTime = now - IDLE_MILLISECONDS;
    }
    if (std::fabs(m_X - m_ReferenceX) > WAKE_DISTANCE || std::fabs(m_Y - m_ReferenceY) > WAKE_DISTANCE)
    {
        m_ReferenceX = m_X;
        m_ReferenceY = m_Y;
        m_LastMovementTime = now;
    }
    if (now - m_LastMovementTime > IDLE_MILLISECONDS)
    {
        m_X = 0.0f;
        m_Y = 0.0f;
    }
}

static uint32_t HatBits(uint32_t hat)
{
    uint32_t bits = 0;
    if ((hat > 28500 && hat <= 36000) || hat < 7500)
        bits |= CJoystick::HAT_UP;
    if (hat > 1500 && hat < 16500)
        bits |= CJoystick::HAT_RIGHT;
    if (hat > 10500 && hat < 25500)
        bits |= CJoystick::HAT_DOWN;
    if (hat > 19500 && hat < 34500)
        bits |= CJoystick::HAT_LEFT;
    return bits;
}

uint32_t CJoystick::Poll()
{
    uint32_t mask = 0;
    m_X = 0.0f;
    m_Y = 0.0f;
    JoystickReading reading;
    if (m_Present && GetJoystickDevices().Read(m_DeviceId, reading))
    {
        m_X = ReadAxis(reading.x, m_XOffset, m_XScale, m_XDeadZone, m_XRescale);
        m_Y = ReadAxis(reading.y, m_YOffset, m_YScale, m_YDeadZone, m_YRescale);
        ApplyIdleRule();
        if (m_Y < 0.0f)
            mask |= STICK_UP;
        if (m_Y > 0.0f)
            mask |= STICK_DOWN;
        if (m_X < 0.0f)
            mask |= STICK_LEFT;
        if (m_X > 0.0f)
            mask |= STICK_RIGHT;
        mask |= reading.buttons & BUTTON_BITS;
        mask |= HatBits(reading.hat);
    }
    // An input counts once it has been seen released after the device was
    // opened.
    m_InputMask = mask & m_ArmedMask;
    m_ArmedMask |= ~mask;
    return m_InputMask;
}

void CJoystick::DescribeInput(int32_t bit, CString& out) const
{
    static const char* const DIRECTION_NAMES[8] = { "Hat Left", "Hat Right", "Hat Up", "Hat Down", "Left", "Right",
        "Up", "Down" };
    if (bit >= 24 && bit < 32)
    {
        out = DIRECTION_NAMES[bit - 24];
        return;
    }
    // Drivers name no buttons here, so every button goes by its number.
    out = s_Button.GetText();
    out += " ";
    out.AppendInt(bit + 1);
}

void CJoystick::DescribeButtons(uint32_t mask, CString& out) const
{
    out.Empty();
    bool first = true;
    for (int32_t bit = 0; bit < 32; bit++)
    {
        if ((mask & (1u << bit)) == 0)
            continue;
        out += first ? "Joy " : "+";
        first = false;
        CString input;
        DescribeInput(bit, input);
        out += input;
    }
}

int32_t GetJoystickOemName(uint32_t deviceId, CString& out)
{
    static const int32_t NO_NAME = 166;
    CJoystickDevices& devices = GetJoystickDevices();
    if (deviceId >= devices.GetCount())
        return NO_NAME;
    std::string name;
    if (!devices.GetName(deviceId, name))
    {
        out.Empty();
        return NO_NAME;
    }
    out = name.c_str();
    return 0;
}

bool IsJoystickPresent(uint32_t deviceId, CString& out)
{
    return GetJoystickOemName(deviceId, out) == 0;
}

bool ProbeJoystick(uint32_t deviceId)
{
    CJoystickDevices& devices = GetJoystickDevices();
    JoystickRanges ranges;
    JoystickReading reading;
    return devices.GetRanges(deviceId, ranges) && devices.Read(deviceId, reading);
}

CJoystick& GetFirstJoystick()
{
    static CJoystick joystick(0);
    return joystick;
}

[[maybe_unused]] static CJoystick& s_FirstJoystickAtStart = GetFirstJoystick();
