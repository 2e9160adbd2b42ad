#include <gtest/gtest.h>

#include <vector>

#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/pump_system_events.h"
#include "tests/support/sdl_input_events.h"

// Events go through SDL's own queue and the pump into the process-wide
// keyboard and mouse, as they do in the running game.

namespace {

class SystemEventInput : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Sdl.IsRunning()) << SDL_GetError();
        GetKeyboardState().ClearAll(true);
        CMouseState& mouse = GetMouseState();
        mouse.SetButtonsDown(0);
        mouse.TakeDoubleClick(~0u);
        mouse.TakeWheelSteps();
        mouse.AddWheelSteps(-mouse.GetPendingWheelSteps());
    }

    static std::vector<int32_t> TypedCodes()
    {
        std::vector<int32_t> codes;
        while (int32_t code = GetKeyboardState().GetTypedChar())
            codes.push_back(code);
        return codes;
    }

private:
    CScopedSdlEvents m_Sdl;
};

struct TypingCase
{
    const char* name;
    std::vector<SDL_Event> events;
    std::vector<int32_t> codes;
};

SDL_Event Down(SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN)
{
    return SdlKeyEvent(true, scancode, sym);
}

SDL_Event Up(SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN)
{
    return SdlKeyEvent(false, scancode, sym);
}

// Each case leaves every key released again.
std::vector<TypingCase> TypingCases()
{
    const SDL_Scancode lctrl = SDL_SCANCODE_LCTRL;
    const SDL_Scancode rctrl = SDL_SCANCODE_RCTRL;
    const SDL_Scancode alt = SDL_SCANCODE_LALT;
    return {
        { "Page Up", { Down(SDL_SCANCODE_PAGEUP), Up(SDL_SCANCODE_PAGEUP) }, { 7 } },
        { "Ctrl+5", { Down(lctrl), Down(SDL_SCANCODE_5, '5'), SdlTextEvent("5"), Up(SDL_SCANCODE_5, '5'), Up(lctrl) },
            { 53 } },
        { "right Ctrl+0", { Down(rctrl), Down(SDL_SCANCODE_0, '0'), Up(SDL_SCANCODE_0, '0'), Up(rctrl) }, { 48 } },
        { "Ctrl+Tab", { Down(lctrl), Down(SDL_SCANCODE_TAB, '\t'), Up(SDL_SCANCODE_TAB, '\t'), Up(lctrl) }, { 9 } },
        { "Tab", { Down(SDL_SCANCODE_TAB, '\t'), Up(SDL_SCANCODE_TAB, '\t') }, { 9 } },
        { "F3", { Down(SDL_SCANCODE_F3), Up(SDL_SCANCODE_F3) }, {} },
        { "a letter's key alone", { Down(SDL_SCANCODE_Q, 'q'), Up(SDL_SCANCODE_Q, 'q') }, {} },
        { "a letter with its text", { Down(SDL_SCANCODE_Q, 'q'), SdlTextEvent("q"), Up(SDL_SCANCODE_Q, 'q') }, { 'q' } },
        { "Ctrl+C", { Down(lctrl), Down(SDL_SCANCODE_C, 'c'), SdlTextEvent("c"), Up(SDL_SCANCODE_C, 'c'), Up(lctrl) },
            { 3 } },
        { "Ctrl+V", { Down(lctrl), Down(SDL_SCANCODE_V, 'v'), Up(SDL_SCANCODE_V, 'v'), Up(lctrl) }, { 22 } },
        { "Ctrl+X", { Down(lctrl), Down(SDL_SCANCODE_X, 'x'), Up(SDL_SCANCODE_X, 'x'), Up(lctrl) }, { 24 } },
        { "Backspace", { Down(SDL_SCANCODE_BACKSPACE), Up(SDL_SCANCODE_BACKSPACE) }, { 8 } },
        { "Enter", { Down(SDL_SCANCODE_RETURN), Up(SDL_SCANCODE_RETURN) }, { 13 } },
        { "keypad Enter", { Down(SDL_SCANCODE_KP_ENTER), Up(SDL_SCANCODE_KP_ENTER) }, { 13 } },
        { "Escape", { Down(SDL_SCANCODE_ESCAPE), Up(SDL_SCANCODE_ESCAPE) }, { 27 } },
        { "Menu", { Down(SDL_SCANCODE_APPLICATION), Up(SDL_SCANCODE_APPLICATION) }, { 18 } },
        { "e acute", { SdlTextEvent("\xC3\xA9") }, { 233 } },
        { "euro sign", { SdlTextEvent("\xE2\x82\xAC") }, {} },
        { "Alt+Enter", { Down(alt), Down(SDL_SCANCODE_RETURN), Up(SDL_SCANCODE_RETURN), Up(alt) }, { 13 } },
        { "Alt+A with its text", { Down(alt), Down(SDL_SCANCODE_A, 'a'), SdlTextEvent("a"), Up(SDL_SCANCODE_A, 'a'), Up(alt) },
            { 'a' } },
        { "Alt+Shift+B", { Down(alt), Down(SDL_SCANCODE_LSHIFT), Down(SDL_SCANCODE_B, 'b'), Up(SDL_SCANCODE_B, 'b'),
                             Up(SDL_SCANCODE_LSHIFT), Up(alt) },
            { 'B' } },
        { "Alt+7", { Down(alt), Down(SDL_SCANCODE_7, '7'), Up(SDL_SCANCODE_7, '7'), Up(alt) }, { '7' } },
    };
}

} // namespace

TEST_F(SystemEventInput, KeysTypeTheCodesOfTheirPresses)
{
    for (const TypingCase& c : TypingCases())
    {
        for (const SDL_Event& event : c.events)
            PushSdlEvent(event);
        PumpSystemEvents();
        EXPECT_EQ(TypedCodes(), c.codes) << c.name;
    }
}

TEST_F(SystemEventInput, KeyDownSetsDownAndPressedAndKeyUpClearsOnlyDown)
{
    PushSdlEvent(Down(SDL_SCANCODE_PAGEUP));
    PumpSystemEvents();
    EXPECT_TRUE(GetKeyboardState().IsKeyDown(329));

    PushSdlEvent(Up(SDL_SCANCODE_PAGEUP));
    PumpSystemEvents();
    EXPECT_FALSE(GetKeyboardState().IsKeyDown(329));
    EXPECT_EQ(GetKeyboardState().TakeAnyPressedKey(), 329);
}

TEST_F(SystemEventInput, KeysAreStoredByTheirScanCodes)
{
    const struct
    {
        SDL_Scancode key;
        int32_t scanCode;
    } cases[] = { { SDL_SCANCODE_SPACE, 57 }, { SDL_SCANCODE_LCTRL, 29 }, { SDL_SCANCODE_RCTRL, 285 },
        { SDL_SCANCODE_LSHIFT, 42 }, { SDL_SCANCODE_RSHIFT, 54 }, { SDL_SCANCODE_LALT, 56 }, { SDL_SCANCODE_RALT, 312 },
        { SDL_SCANCODE_DELETE, 339 }, { SDL_SCANCODE_UP, 328 }, { SDL_SCANCODE_LEFT, 331 },
        { SDL_SCANCODE_RIGHT, 333 }, { SDL_SCANCODE_DOWN, 336 }, { SDL_SCANCODE_KP_5, 76 } };
    for (const auto& c : cases)
    {
        PushSdlEvent(Down(c.key));
        PumpSystemEvents();
        EXPECT_EQ(GetKeyboardState().TakeAnyKey(), c.scanCode) << SDL_GetScancodeName(c.key);
        PushSdlEvent(Up(c.key));
        PumpSystemEvents();
        GetKeyboardState().ClearAll(true);
    }
}

TEST_F(SystemEventInput, PositionsLeftOfOrAboveTheScreenBecomeZero)
{
    PushSdlEvent(SdlMotionEvent(-5, 700));
    PumpSystemEvents();
    EXPECT_EQ(GetMouseState().GetPosition().x, 0);
    EXPECT_EQ(GetMouseState().GetPosition().y, 700);
}

TEST_F(SystemEventInput, AQueueOfMovesLeavesTheLastPosition)
{
    for (int i = 0; i < 50; i++)
        PushSdlEvent(SdlMotionEvent(i, 2 * i));
    PumpSystemEvents();
    EXPECT_EQ(GetMouseState().GetPosition().x, 49);
    EXPECT_EQ(GetMouseState().GetPosition().y, 98);
}

TEST_F(SystemEventInput, ExtraButtonsSetAndClearTheirBits)
{
    PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_X1, 1));
    PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_X2, 1));
    PumpSystemEvents();
    EXPECT_EQ(GetMouseState().GetButtonsDown(), 8u | 16u);
    PushSdlEvent(SdlButtonEvent(false, SDL_BUTTON_X1, 1));
    PumpSystemEvents();
    EXPECT_EQ(GetMouseState().GetButtonsDown(), 16u);
}

TEST_F(SystemEventInput, TheSecondClickOfADoubleClickMarksItAndHoldsTheButton)
{
    PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_LEFT, 1));
    PushSdlEvent(SdlButtonEvent(false, SDL_BUTTON_LEFT, 1));
    PumpSystemEvents();
    EXPECT_FALSE(GetMouseState().TakeDoubleClick(CMouseState::LEFT_BUTTON));

    PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_LEFT, 2));
    PumpSystemEvents();
    EXPECT_EQ(GetMouseState().GetButtonsDown(), CMouseState::LEFT_BUTTON);
    EXPECT_TRUE(GetMouseState().TakeDoubleClick(CMouseState::LEFT_BUTTON));
}

TEST_F(SystemEventInput, WheelStepsAccumulateWithTheirFractions)
{
    PushSdlEvent(SdlWheelEvent(1.0f, false));
    PumpSystemEvents();
    EXPECT_FLOAT_EQ(GetMouseState().GetPendingWheelSteps(), 1.0f);
    PushSdlEvent(SdlWheelEvent(0.5f, false));
    PumpSystemEvents();
    EXPECT_FLOAT_EQ(GetMouseState().GetPendingWheelSteps(), 1.5f);
}
