#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "engine/platform/system_events.h"
#include "tests/support/sdl_input_events.h"

namespace {

std::vector<SystemEvent> PollAll()
{
    std::vector<SystemEvent> events;
    SystemEvent event;
    while (PollSystemEvent(event))
        events.push_back(event);
    return events;
}

} // namespace

TEST(SystemEvents, NothingArrivesBeforeTheEventSystemStarts)
{
    SystemEvent event;
    EXPECT_FALSE(PollSystemEvent(event));
}

TEST(SystemEvents, AKeyDownComesBeforeTheCodeItTypes)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    PushSdlKeyTap(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
    const std::vector<SystemEvent> events = PollAll();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, SystemEventKind::KeyDown);
    EXPECT_EQ(events[0].scanCode, 1);
    EXPECT_EQ(events[1].kind, SystemEventKind::TypedCharacter);
    EXPECT_EQ(events[1].character, 27);
    EXPECT_EQ(events[2].kind, SystemEventKind::KeyUp);
}

TEST(SystemEvents, ARunOfMovesArrivesAsOneMoveToTheLastPosition)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    for (int i = 0; i < 50; i++)
        PushSdlEvent(SdlMotionEvent(i, i + 1));
    PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_RIGHT, 1));
    PushSdlEvent(SdlMotionEvent(7, 8));
    const std::vector<SystemEvent> events = PollAll();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, SystemEventKind::MouseMove);
    EXPECT_EQ(events[0].x, 49);
    EXPECT_EQ(events[0].y, 50);
    EXPECT_EQ(events[1].kind, SystemEventKind::MouseButtonDown);
    EXPECT_EQ(events[1].button, 2u);
    EXPECT_EQ(events[2].x, 7);
}

TEST(SystemEvents, EverySecondClickOfASeriesIsADoubleClick)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    for (Uint8 clicks = 1; clicks <= 4; clicks++)
        PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_MIDDLE, clicks));
    const std::vector<SystemEvent> events = PollAll();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].kind, SystemEventKind::MouseButtonDown);
    EXPECT_EQ(events[1].kind, SystemEventKind::MouseDoubleClick);
    EXPECT_EQ(events[2].kind, SystemEventKind::MouseButtonDown);
    EXPECT_EQ(events[3].kind, SystemEventKind::MouseDoubleClick);
    EXPECT_EQ(events[3].button, 4u);
}

TEST(SystemEvents, AFlippedWheelTurnsTheOtherWay)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    PushSdlEvent(SdlWheelEvent(1.5f, true));
    const std::vector<SystemEvent> events = PollAll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_FLOAT_EQ(events[0].wheelSteps, -1.5f);
}

TEST(SystemEvents, KeypadDigitsWithoutNumLockMeanTheirNavigationKeys)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    SDL_Event down = SdlKeyEvent(true, SDL_SCANCODE_KP_8, SDLK_KP_8);
    down.key.keysym.mod = KMOD_NONE;
    PushSdlEvent(down);
    SDL_Event upWithNumLock = SdlKeyEvent(false, SDL_SCANCODE_KP_8, SDLK_KP_8);
    PushSdlEvent(upWithNumLock);
    const std::vector<SystemEvent> events = PollAll();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].scanCode, 72);
    EXPECT_EQ(events[0].virtualKey, 0x26);
    EXPECT_EQ(events[1].virtualKey, 0x68);
}

TEST(SystemEvents, AWheelAmountThatIsNoNumberIsDropped)
{
    CScopedSdlEvents sdl;
    ASSERT_TRUE(sdl.IsRunning());
    PushSdlEvent(SdlWheelEvent(std::numeric_limits<float>::quiet_NaN(), false));
    PushSdlEvent(SdlWheelEvent(std::numeric_limits<float>::infinity(), false));
    PushSdlEvent(SdlWheelEvent(2.0f, false));
    const std::vector<SystemEvent> events = PollAll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_FLOAT_EQ(events[0].wheelSteps, 2.0f);
}

namespace {

SDL_Event WindowEvent(Uint8 kind, Uint32 windowId = 0)
{
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    event.window.windowID = windowId;
    return event;
}

} // namespace

TEST(SystemEvents, WindowEventsJoinTheStream)
{
    CScopedSdlEvents sdl;
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_EXPOSED));
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_MOVED));
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_CLOSE));
    PushSdlEvent(quit);
    const std::vector<SystemEvent> events = PollAll();
    std::vector<SystemEventKind> kinds;
    for (const SystemEvent& event : events)
        kinds.push_back(event.kind);
    EXPECT_EQ(kinds, (std::vector<SystemEventKind>{SystemEventKind::WindowActivated, SystemEventKind::WindowActivated,
                                                   SystemEventKind::WindowExposed, SystemEventKind::WindowMovedOrSized,
                                                   SystemEventKind::WindowClose, SystemEventKind::WindowClose}));
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].character, 0); // lost: not active
    EXPECT_EQ(events[1].character, 1); // gained: active, not minimised
    EXPECT_EQ(events[1].button, 0u);
}

TEST(SystemEvents, ShowingTheWindowUnderTheDummyDriverReportsItActive)
{
    CScopedSdlEvents sdl;
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 8, 8, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr);
    PollAll();
    SDL_ShowWindow(window);
    bool activated = false;
    for (const SystemEvent& event : PollAll())
        activated |= event.kind == SystemEventKind::WindowActivated && event.character == 1 && event.button == 0;
    EXPECT_TRUE(activated);
    SDL_DestroyWindow(window);
}

TEST(SystemEvents, AltF4ClosesEvenWithoutAWindowManager)
{
    CScopedSdlEvents sdl;
    PushSdlEvent(SdlKeyEvent(true, SDL_SCANCODE_LALT, SDLK_LALT));
    PushSdlEvent(SdlKeyEvent(true, SDL_SCANCODE_F4, SDLK_F4));
    PushSdlEvent(SdlKeyEvent(false, SDL_SCANCODE_F4, SDLK_F4));
    PushSdlEvent(SdlKeyEvent(false, SDL_SCANCODE_LALT, SDLK_LALT));
    PushSdlEvent(SdlKeyEvent(true, SDL_SCANCODE_F4, SDLK_F4)); // F4 alone closes nothing
    int closes = 0;
    for (const SystemEvent& event : PollAll())
        closes += event.kind == SystemEventKind::WindowClose;
    EXPECT_EQ(closes, 1);
}
