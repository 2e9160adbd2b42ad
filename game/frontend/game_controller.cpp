#include "game/frontend/game_controller.h"

#include <cstdlib>

#include "engine/app/game_services.h"
#include "engine/core/settings/command_line.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/ui/toolkit_state.h"
#include "game/playfield/delayed_call_queue.h"

void CGameController::Create()
{
    // The loading slide show comes with the fonts and frames; until then
    // loading shows nothing.
    CSlideShow* slideShow = nullptr;
    CGameController* controller = new CGameController(slideShow);
    controller->LoadResources(slideShow);
    if (HasCommandLineSwitch("/exit"))
        std::exit(0);
}

CGameController::CGameController(CSlideShow* slideShow)
    : CGameBase(1.0f / 60.0f, 1.0f / 60.0f, 1.0f / 12.0f, slideShow, "Intro.wav")
{
}

void CGameController::LoadResources(CSlideShow* slideShow)
{
    CGameBase::LoadResources(slideShow);
    CFontLibrary& fonts = GetFontLibrary();
    SetupScreen(*GetScreenFrame(), &GetFrameList(), &GetInterfaceTextureList(), fonts.FindFont("OCR Monospaced Numbers"),
                fonts.FindFont("Small Blue"));
    SetEditorSettingsFileName(".\\Vantrell Editor.ini");
}

void CGameController::Update(float step)
{
    MarkUpdateStart();
    GetDelayedCallQueue().Update(step);
    CGameBase::Update(step);
}

bool CGameController::Draw()
{
    MarkDrawStart();
    CScreenFrame* screen = GetScreenFrame();
    screen->LockBackBuffer();
    screen->Clear();
    DrawWindows();
    screen->UnlockBackBuffer();
    return CGameBase::Draw();
}

void CGameControllerServices::CreateGame()
{
    CGameController::Create();
}
