#include "game/frontend/game_controller.h"

#include <cstdlib>

#include "engine/app/game_services.h"
#include "engine/core/settings/command_line.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/ui/toolkit_state.h"

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
    CFont* defaultFont = fonts.FindFont("OCR Monospaced Numbers");
    CFont* textFont = fonts.FindFont("Small Blue");
    SetupScreen(*GetScreenFrame(), &GetFrameList(), &GetInterfaceTextureList(), defaultFont, textFont);
    SetEditorSettingsFileName(".\\Vantrell Editor.ini");
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
