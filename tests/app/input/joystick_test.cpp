#include <gtest/gtest.h>

#include <string>

#include "engine/app/input/joystick.h"
#include "engine/platform/joystick_devices.h"
#include "engine/platform/tick_counter.h"

namespace {

// One device with axes 0..65535 whose readings the test sets.
class CFakeJoystickDevices : public CJoystickDevices
{
public:
    uint32_t count = 1;
    JoystickRanges ranges = { 0, 65535, 0, 65535 };
    JoystickReading reading = { 32768, 32768, 0, JOYSTICK_HAT_CENTRED };
    const char* name = "  Test Pad  ";

    uint32_t GetCount() override { return count; }

    bool GetRanges(uint32_t device, JoystickRanges& out) override
    {
        if (device >= count)
            return false;
        out = ranges;
        return true;
    }

    bool Read(uint32_t device, JoystickReading& out) override
    {
        if (device >= count)
            return false;
        out = reading;
        return true;
    }

    bool GetName(uint32_t device, std::string& out) override
    {
        if (device >= count || !name)
            return false;
        out = name;
        return true;
    }

    // The raw axis position that reads as value (-1..1) before the dead zone.
    static uint32_t Raw(float value) { return static_cast<uint32_t>((value + 1.0f) * 65535.0f / 2.0f + 0.5f); }
};

int64_t g_Now = 0;

int64_t ManualClock()
{
    return g_Now;
}

void SetMilliseconds(int64_t milliseconds)
{
    g_Now = milliseconds * 1000000;
}

class JoystickTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousDevices = SetJoystickDevices(&devices);
        m_PreviousClock = SetNanosecondClock(ManualClock);
        SetMilliseconds(1000000);
    }

    void TearDown() override
    {
        SetJoystickDevices(m_PreviousDevices);
        SetNanosecondClock(m_PreviousClock);
    }

    CFakeJoystickDevices devices;

private:
    CJoystickDevices* m_PreviousDevices = nullptr;
    NanosecondClock m_PreviousClock = nullptr;
};

} // namespace

TEST_F(JoystickTest, OpeningAnAttachedDeviceTakesItsTrimmedName)
{
    CJoystick joystick(0);
    EXPECT_TRUE(joystick.IsPresent());
    EXPECT_STREQ(joystick.GetName().GetText(), "Test Pad");
}

TEST_F(JoystickTest, ABlankOrMissingNameReadsUnknownJoystick)
{
    devices.name = "   ";
    EXPECT_STREQ(CJoystick(0).GetName().GetText(), "Unknown Joystick");
    devices.name = nullptr;
    EXPECT_STREQ(CJoystick(0).GetName().GetText(), "Unknown Joystick");
}

TEST_F(JoystickTest, WithoutADeviceTheNameIsNoJoystickAndEveryPollIsZero)
{
    devices.count = 0;
    CJoystick joystick(0);
    EXPECT_FALSE(joystick.IsPresent());
    EXPECT_STREQ(joystick.GetName().GetText(), "NO JOYSTICK");
    devices.count = 1;
    devices.reading.buttons = 1;
    EXPECT_EQ(joystick.Poll(), 0u);
    devices.reading.buttons = 0;
    EXPECT_EQ(joystick.Poll(), 0u);
    devices.reading.buttons = 1;
    EXPECT_EQ(joystick.Poll(), 0u);
}

TEST_F(JoystickTest, ReopeningOnADeviceBeyondThoseAttachedLeavesItAbsent)
{
    CJoystick joystick(0);
    EXPECT_FALSE(joystick.Open(3));
    EXPECT_FALSE(joystick.IsPresent());
    EXPECT_STREQ(joystick.GetName().GetText(), "NO JOYSTICK");
    joystick.Poll();
    devices.reading.buttons = 1;
    EXPECT_EQ(joystick.Poll(), 0u);
}

TEST_F(JoystickTest, TheDeadZoneMapsRawValuesContinuouslyOntoTheWholeRange)
{
    const struct
    {
        float raw;
        float expected;
    } cases[] = { { -0.1f, 0.0f }, { -0.6f, -0.5f }, { -1.0f, -1.0f }, { 0.6f, 0.5f }, { 1.0f, 1.0f } };
    for (const auto& c : cases)
    {
        devices.reading.x = CFakeJoystickDevices::Raw(c.raw);
        CJoystick joystick(0);
        // The clock stands still, so the idle rule leaves the first reading.
        joystick.Poll();
        EXPECT_NEAR(joystick.GetX(), c.expected, 0.0002f) << c.raw;
    }
}

TEST_F(JoystickTest, AButtonHeldAtOpenCountsOnlyAfterItWasReleasedOnce)
{
    devices.reading.buttons = 1;
    CJoystick joystick(0);
    EXPECT_EQ(joystick.Poll(), 0u);
    EXPECT_EQ(joystick.Poll(), 0u);
    devices.reading.buttons = 0;
    EXPECT_EQ(joystick.Poll(), 0u);
    devices.reading.buttons = 1;
    EXPECT_EQ(joystick.Poll(), 1u);
    EXPECT_EQ(joystick.Poll(), 1u);
}

TEST_F(JoystickTest, OpeningAgainForgetsWhichInputsWereSeenReleased)
{
    CJoystick joystick(0);
    joystick.Poll();
    devices.reading.buttons = 4;
    EXPECT_EQ(joystick.Poll(), 4u);
    joystick.Open(0);
    EXPECT_EQ(joystick.Poll(), 0u);
}

TEST_F(JoystickTest, HatAnglesSetTheirDirectionBits)
{
    const struct
    {
        uint32_t hat;
        uint32_t bits;
    } cases[] = {
        { 0, CJoystick::HAT_UP },
        { 4500, CJoystick::HAT_UP | CJoystick::HAT_RIGHT },
        { 9000, CJoystick::HAT_RIGHT },
        { 13500, CJoystick::HAT_RIGHT | CJoystick::HAT_DOWN },
        { 18000, CJoystick::HAT_DOWN },
        { 27000, CJoystick::HAT_LEFT },
        { 31500, CJoystick::HAT_UP | CJoystick::HAT_LEFT },
        { JOYSTICK_HAT_CENTRED, 0 },
    };
    for (const auto& c : cases)
    {
        CJoystick joystick(0);
        joystick.Poll();
        devices.reading.hat = c.hat;
        EXPECT_EQ(joystick.Poll(), c.bits) << c.hat;
        devices.reading.hat = JOYSTICK_HAT_CENTRED;
    }
}

TEST_F(JoystickTest, StickDirectionsFollowTheAxes)
{
    CJoystick joystick(0);
    joystick.Poll();
    devices.reading.x = CFakeJoystickDevices::Raw(-1.0f);
    devices.reading.y = CFakeJoystickDevices::Raw(1.0f);
    EXPECT_EQ(joystick.Poll(), CJoystick::STICK_LEFT | CJoystick::STICK_DOWN);
    devices.reading.x = CFakeJoystickDevices::Raw(1.0f);
    devices.reading.y = CFakeJoystickDevices::Raw(-1.0f);
    EXPECT_EQ(joystick.Poll(), CJoystick::STICK_RIGHT | CJoystick::STICK_UP);
}

TEST_F(JoystickTest, AStickRestingForMoreThanThirtySecondsReadsCentredUntilItMoves)
{
    CJoystick joystick(0);
    joystick.Poll();
    devices.reading.x = CFakeJoystickDevices::Raw(1.0f);
    joystick.Poll();
    EXPECT_FLOAT_EQ(joystick.GetX(), 1.0f);

    SetMilliseconds(1000000 + 30000);
    EXPECT_EQ(joystick.Poll(), CJoystick::STICK_RIGHT);
    EXPECT_FLOAT_EQ(joystick.GetX(), 1.0f);

    // A small wobble is no movement.
    devices.reading.x = CFakeJoystickDevices::Raw(0.9f);
    SetMilliseconds(1000000 + 30001);
    EXPECT_EQ(joystick.Poll(), 0u);
    EXPECT_EQ(joystick.GetX(), 0.0f);
    EXPECT_EQ(joystick.GetY(), 0.0f);

    devices.reading.x = CFakeJoystickDevices::Raw(-1.0f);
    EXPECT_EQ(joystick.Poll(), CJoystick::STICK_LEFT);
    EXPECT_FLOAT_EQ(joystick.GetX(), -1.0f);
}

TEST_F(JoystickTest, AStickFoundOffCentreDoesNotSteerUntilItMoves)
{
    devices.reading.x = CFakeJoystickDevices::Raw(1.0f);
    CJoystick joystick(0);
    // The first reading counts as rested for the whole idle time already.
    joystick.Poll();
    EXPECT_FLOAT_EQ(joystick.GetX(), 1.0f);
    SetMilliseconds(1000000 + 1);
    joystick.Poll();
    EXPECT_EQ(joystick.GetX(), 0.0f);
}

TEST_F(JoystickTest, AnEmptyAxisRangeReadsCentredInsteadOfDividingByZero)
{
    devices.ranges = { 100, 100, 0, 65535 };
    CJoystick joystick(0);
    joystick.Poll();
    devices.reading.x = 5000;
    devices.reading.y = CFakeJoystickDevices::Raw(1.0f);
    EXPECT_EQ(joystick.Poll(), CJoystick::STICK_DOWN);
    EXPECT_EQ(joystick.GetX(), 0.0f);
    EXPECT_FLOAT_EQ(joystick.GetY(), 1.0f);
}

TEST_F(JoystickTest, DeadZonesOfZeroPassTheRawAxisOn)
{
    CJoystick joystick(0);
    joystick.SetAxisDeadZones(0.0f, 0.0f);
    joystick.Poll();
    devices.reading.x = CFakeJoystickDevices::Raw(-0.5f);
    joystick.Poll();
    EXPECT_NEAR(joystick.GetX(), -0.5f, 0.0001f);
}

TEST_F(JoystickTest, InputsAreDescribedByNameAndJoinedForBindings)
{
    CJoystick joystick(0);
    CString text;
    joystick.DescribeButtons((1u << 0) | (1u << 2), text);
    EXPECT_STREQ(text.GetText(), "Joy Button 1+Button 3");
    joystick.DescribeButtons(CJoystick::HAT_UP | CJoystick::STICK_LEFT, text);
    EXPECT_STREQ(text.GetText(), "Joy Hat Up+Left");
    joystick.DescribeButtons(0, text);
    EXPECT_STREQ(text.GetText(), "");
    joystick.DescribeInput(23, text);
    EXPECT_STREQ(text.GetText(), "Button 24");
}

TEST_F(JoystickTest, DeviceNamesAndPresence)
{
    CString name;
    EXPECT_EQ(GetJoystickOemName(0, name), 0);
    EXPECT_STREQ(name.GetText(), "  Test Pad  ");
    EXPECT_TRUE(IsJoystickPresent(0, name));
    EXPECT_EQ(GetJoystickOemName(1, name), 166);
    EXPECT_FALSE(IsJoystickPresent(1, name));
    EXPECT_TRUE(ProbeJoystick(0));
    EXPECT_FALSE(ProbeJoystick(1));
    devices.name = nullptr;
    EXPECT_EQ(GetJoystickOemName(0, name), 166);
    EXPECT_STREQ(name.GetText(), "");
}

TEST(FirstJoystick, BuiltBeforeMainItFoundNoDevice)
{
    EXPECT_STREQ(GetFirstJoystick().GetName().GetText(), "NO JOYSTICK");
    EXPECT_EQ(GetFirstJoystick().Poll(), 0u);
}
