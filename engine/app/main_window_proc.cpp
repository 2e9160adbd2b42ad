#include "engine/app/main_window_proc.h"

#include <cstdlib>

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/main_window.h"
#include "engine/core/program/main_window.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/video_system.h"
#include "engine/platform/window_placement.h"

namespace {

bool s_Active = false;
bool s_Minimised = false;
bool s_GameCreated = false;

constexpr int32_t kLeftAltScanCode = 0x38;
constexpr int32_t kRightAltScanCode = 0x138;
constexpr int32_t kEnterVirtualKey = 0x0D;

bool IsRunning()
{
    return s_Active && !s_Minimised;
}

[[noreturn]] void Close()
{
    GetGameServices().StopAllSounds();
    SetShuttingDown();
    CGameBase* game = GetGameObject();
    if (game && s_GameCreated)
        delete game;
    std::exit(0);
}

void Activate(const SystemEvent& event)
{
    s_Active = event.character != 0;
    s_Minimised = event.button != 0;
    if (CGameBase* game = GetGameObject())
    {
        game->SetAppActive(IsRunning());
        CKeyboardState& keyboard = GetKeyboardState();
        keyboard.ClearAll(true);
        keyboard.ClearPressedBits(true);
        keyboard.ClearDownBits(true);
        game->ResetFrameTimers();
    }
    // Entering the window shows the game's pointer, or the system's where
    // the game has given it back.
    if (s_Active)
        GetMouseState().ApplySystemCursor();
}

void ToggleFullScreen()
{
    CScreenFrame* screen = GetScreenFrame();
    if (screen->IsFullScreen())
    {
        EnterWindowedStyle();
        screen->RestoreFullScreen(false);
    }
    else
    {
        EnterFullScreenWindowStyle();
        screen->RestoreFullScreen(true);
    }
    if (CGameBase* game = GetGameObject())
        game->SetAppActive(IsRunning());
}

bool IsAltDown()
{
    const CKeyboardState& keyboard = GetKeyboardState();
    return keyboard.IsKeyDown(kLeftAltScanCode) || keyboard.IsKeyDown(kRightAltScanCode);
}

} // namespace

void MainWindowProc(const SystemEvent& event)
{
    CScreenFrame* screen = GetScreenFrame();
    switch (event.kind)
    {
    case SystemEventKind::WindowClose:
        Close();
    case SystemEventKind::WindowActivated:
        Activate(event);
        break;
    case SystemEventKind::WindowMovedOrSized:
        s_Minimised = IsIconic(GetMainWindow());
        if (CGameBase* game = GetGameObject())
            game->SetAppActive(IsRunning());
        // A full screen covers the display from its corner; a window
        // manager that dragged it away would leave part of the picture off
        // the display.
        if (screen->IsModeSet() && screen->IsFullScreen())
            MoveWindowTo(GetMainWindow(), 0, 0);
        break;
    case SystemEventKind::WindowExposed:
        if (screen->IsModeSet() && !screen->IsFullScreen())
            screen->Present();
        break;
    case SystemEventKind::KeyUp:
        if (event.virtualKey == kEnterVirtualKey && IsAltDown() && screen->IsModeSet())
            ToggleFullScreen();
        break;
    default:
        break;
    }
}

bool IsApplicationActive()
{
    return s_Active;
}

bool IsApplicationMinimised()
{
    return s_Minimised;
}

void SetApplicationMinimised(bool minimised)
{
    s_Minimised = minimised;
}

void SetGameCreated()
{
    s_GameCreated = true;
}
