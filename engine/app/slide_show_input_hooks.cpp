// Gives the slide shows of the graphics layer the message pump, the keyboard,
// the mouse and the game object's frame counter, before the entry runs.

#include "engine/app/game_base.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/pump_system_events.h"
#include "engine/graphics/slides/slide_show_input.h"

namespace {

bool InstallSlideShowInput()
{
    CSlideShowInput& input = GetSlideShowInput();
    input.PumpEvents = []() { PumpSystemEvents(); };
    input.ClearKeyboard = []() { GetKeyboardState().ClearAll(false); };
    input.TakeAnyPressedKey = []() { return GetKeyboardState().TakeAnyPressedKey() != 0; };
    input.GetMouseButtonsDown = []() { return GetMouseState().GetButtonsDown(); };
    input.AdvanceFrameCounter = []() {
        if (CGameBase* game = GetGameObject())
            game->AdvanceDrawCounter();
    };
    return true;
}

[[maybe_unused]] const bool s_SlideShowInputInstalled = InstallSlideShowInput();

} // namespace
