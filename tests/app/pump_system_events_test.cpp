#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/main_window_proc.h"
#include "engine/app/pump_system_events.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/sdl_input_events.h"

namespace {

SDL_Event WindowEvent(Uint8 kind)
{
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    return event;
}

// Records the activations the window procedure hands it; while the pump
// runs it tries to pump again.
class CActivationGame : public CGameBase
{
public:
    bool SetAppActive(bool active) override
    {
        const int64_t before = GetHighResolutionCounter();
        PumpSystemEvents();
        nestedPumpCost += GetHighResolutionCounter() - before;
        activations.push_back(active);
        return CGameBase::SetAppActive(active);
    }

    std::vector<bool> activations;
    int64_t nestedPumpCost = 0;
};

class PumpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StartFakeClock();
        ASSERT_TRUE(m_Events.IsRunning());
    }

    CScopedSdlEvents m_Events;
};

// Runs first: the application starts neither active nor minimised.
TEST_F(PumpTest, InBackgroundEveryFetchWaitsAHundredMillisecondsTheLastEmptyOneToo)
{
    ASSERT_FALSE(IsApplicationActive());
    const int k = 3;
    // A letter's key event types nothing by itself: one event each.
    PushSdlEvent(SdlKeyEvent(true, SDL_SCANCODE_A, SDLK_a));
    PushSdlEvent(SdlKeyEvent(false, SDL_SCANCODE_A, SDLK_a));
    PushSdlEvent(SdlKeyEvent(true, SDL_SCANCODE_B, SDLK_b));
    const int64_t start = GetHighResolutionCounter();
    PumpSystemEvents();
    EXPECT_EQ(GetHighResolutionCounter() - start, (k + 1) * 100 * 1000000LL);
    EXPECT_TRUE(GetKeyboardState().IsKeyDown(48)); // B: the events were applied
}

TEST_F(PumpTest, FocusLostThenGainedReachesTheGameAndClearsTheKeyboard)
{
    CActivationGame game;
    GetKeyboardState().SetKeyDown(30);
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    PumpSystemEvents();
    EXPECT_EQ(game.activations, (std::vector<bool>{false, true}));
    EXPECT_FALSE(GetKeyboardState().IsKeyDown(30));
    EXPECT_TRUE(IsApplicationActive());
    // The pump called from inside the pump returned at once: no wait, though
    // the application was in the background for the second event.
    EXPECT_EQ(game.nestedPumpCost, 0);

    // Active: fetching costs nothing.
    const int64_t start = GetHighResolutionCounter();
    PushSdlKeyTap(SDL_SCANCODE_A, SDLK_a);
    PumpSystemEvents();
    EXPECT_EQ(GetHighResolutionCounter(), start);
}

TEST_F(PumpTest, InBackgroundTheWindowsOwnChangesArriveWithoutWaiting)
{
    const struct
    {
        const char* what;
        std::vector<SDL_Event> events;
        int64_t waits;
    } cases[] = {
        {"moved, exposed and activated, then a key",
         {WindowEvent(SDL_WINDOWEVENT_MOVED), WindowEvent(SDL_WINDOWEVENT_EXPOSED),
          WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), SdlKeyEvent(true, SDL_SCANCODE_A, SDLK_a)},
         0},
        {"a key before the activation waits",
         {SdlKeyEvent(true, SDL_SCANCODE_A, SDLK_a), WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)},
         1},
        {"still in the background: the last empty fetch waits", {WindowEvent(SDL_WINDOWEVENT_EXPOSED)}, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
        PumpSystemEvents();
        ASSERT_FALSE(IsApplicationActive());
        for (const SDL_Event& event : c.events)
            PushSdlEvent(event);
        const int64_t start = GetHighResolutionCounter();
        PumpSystemEvents();
        EXPECT_EQ(GetHighResolutionCounter() - start, c.waits * 100 * 1000000LL);
    }
}

// A services object that says what it is asked, on stderr, so that a child
// process's order of events can be read back.
class CLoudServices : public CGameServices
{
public:
    void StopAllSounds() override { std::fputs("[stop all sounds]", stderr); }
};

class CLoudGame : public CGameBase
{
public:
    ~CLoudGame() override { std::fputs("[game destroyed]", stderr); }
};

TEST(CloseDeathTest, QuitStopsTheSoundsBeforeTheGameGoesAndExitsWithZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CScopedSdlEvents events;
            static CLoudServices services;
            SetGameServices(&services);
            new CLoudGame;
            SetGameCreated();
            SDL_Event quit = {};
            quit.type = SDL_QUIT;
            PushSdlEvent(quit);
            PumpSystemEvents();
            std::abort(); // the pump never returns from a quit
        },
        ::testing::ExitedWithCode(0), "\\[stop all sounds\\]\\[game destroyed\\]");
}

TEST(CloseDeathTest, QuitBeforeTheGameIsBuiltLeavesItAlone)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CScopedSdlEvents events;
            static CLoudServices services;
            SetGameServices(&services);
            new CLoudGame; // still "under construction": no SetGameCreated
            PushSdlEvent(WindowEvent(SDL_WINDOWEVENT_CLOSE));
            PumpSystemEvents();
            std::abort();
        },
        ::testing::ExitedWithCode(0), "^\\[stop all sounds\\]$");
}

} // namespace
