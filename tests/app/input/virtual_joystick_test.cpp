#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/app/input/joystick.h"
#include "engine/platform/joystick_devices.h"
#include "tests/support/sdl_input_events.h"

// A joystick SDL simulates, read through the system's own devices.
TEST(VirtualJoystick, PushedFullyRightItReadsStickRightAndOne)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    // The joysticks start on first use once SDL is up.
    GetJoystickDevices().GetCount();
    ASSERT_TRUE(SDL_WasInit(SDL_INIT_JOYSTICK));

    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 1);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* handle = SDL_JoystickOpen(device);
    ASSERT_NE(handle, nullptr);
    SDL_JoystickSetVirtualAxis(handle, 0, 0);
    SDL_JoystickSetVirtualAxis(handle, 1, 0);

    CJoystick joystick(static_cast<uint32_t>(device));
    EXPECT_TRUE(joystick.IsPresent());
    EXPECT_STRNE(joystick.GetName().GetText(), "NO JOYSTICK");
    EXPECT_EQ(joystick.Poll(), 0u);

    SDL_JoystickSetVirtualAxis(handle, 0, 32767);
    SDL_JoystickSetVirtualButton(handle, 2, SDL_PRESSED);
    SDL_JoystickSetVirtualHat(handle, 0, SDL_HAT_DOWN);
    EXPECT_EQ(joystick.Poll(), CJoystick::STICK_RIGHT | (1u << 2) | CJoystick::HAT_DOWN);
    EXPECT_FLOAT_EQ(joystick.GetX(), 1.0f);
    EXPECT_EQ(joystick.GetY(), 0.0f);

    SDL_JoystickClose(handle);
    SDL_JoystickDetachVirtual(device);
}
