#include "game/frontend/game_controller.h"

#include <cstdlib>

#include "engine/app/game_services.h"
#include "engine/blit/blit_normal.h"
#include "engine/core/settings/command_line.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/slide_show.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/toolkit_state.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/frontend/round_music_and_text_box.h"
#include "game/playfield/delayed_call_queue.h"
#include "game/playfield/music_mixer.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/tessivue_display.h"

void CGameController::Create()
{
    CSlideShow* slideShow = new CSlideShow;
    CGameController* controller = new CGameController(slideShow);
    controller->LoadResources(slideShow);
    // Deleted without fading: the controller's own draw keeps the same
    // logo where the slide show left it.
    delete slideShow;
    if (HasCommandLineSwitch("/exit"))
    {
        // Shut down as a closed window does: the music streams and their
        // refill timer must be gone before the process's own statics are.
        delete controller;
        std::exit(0);
    }
}

CGameController::CGameController(CSlideShow* slideShow)
    : CGameBase(1.0f / 60.0f, 1.0f / 60.0f, 1.0f / 12.0f, slideShow, "Intro.wav")
{
    CFrame* logo = nullptr;
    CFrameOverlayOptions* overlays = nullptr;
    if (FindPictureWithOverlays("CompanyLogo", logo, overlays) && logo != nullptr && logo->GetPixels() != nullptr)
        m_pLogo.reset(CFrameOverlayOptions::DrawOverlaysOnCopy(overlays, *logo, nullptr));
    RequestMenuMusic();
    GetMusicMixer().Update(0.0f);
}

CGameController::~CGameController()
{
    SetHudDisplay(nullptr);
}

void CGameController::LoadResources(CSlideShow* slideShow)
{
    CGameBase::LoadResources(slideShow);
    InitBrickStyleSheetLibrary();
    InitCatalogueLibrary(GetBrickInfoLibrary(), LIBRARY_BRICK_INFO);
    InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
    m_pTextBox = CreateTextBox();
    SetHudDisplay(m_pTextBox.get());
    CFontLibrary& fonts = GetFontLibrary();
    CFont* defaultFont = fonts.FindFont("OCR Monospaced Numbers");
    CFont* textFont = fonts.FindFont("Small Blue");
    SetupScreen(*GetScreenFrame(), &GetFrameList(), &GetInterfaceTextureList(), defaultFont, textFont);
    SetEditorSettingsFileName(".\\Vantrell Editor.ini");
    UseGameSkin();
}

void CGameController::UseGameSkin()
{
    CSkinLibrary& skins = GetSkinLibrary();
    InitCatalogueLibrary(skins, LIBRARY_SKIN_THEMES);
    CSkinTheme* skin = skins.GetItemObject(static_cast<uint32_t>(skins.FindOrFail("Vantrell", -1)));
    CSkinTheme::SetDefaultTheme(skin);
    // The root was built before the skin was known.
    if (CScreenWindow* root = GetScreenWindow())
        root->SetTheme(skin);
}

void CGameController::Update(float step)
{
    MarkUpdateStart();
    GetDelayedCallQueue().Update(step);
    if (m_pTextBox)
        m_pTextBox->Update(step);
    GetMusicMixer().Update(step);
    CGameBase::Update(step);
}

bool CGameController::Draw()
{
    MarkDrawStart();
    CScreenFrame* screen = GetScreenFrame();
    screen->LockBackBuffer();
    screen->Clear();
    if (m_pLogo)
        screen->BlitAt(m_pLogo.get(), (screen->GetWidth() - m_pLogo->GetWidth()) / 2,
                       (screen->GetHeight() - m_pLogo->GetHeight()) / 2, &GetBlitNormal());
    if (m_pTextBox)
        m_pTextBox->Draw(*screen);
    DrawWindows();
    screen->UnlockBackBuffer();
    return CGameBase::Draw();
}

void CGameControllerServices::CreateGame()
{
    CGameController::Create();
}
