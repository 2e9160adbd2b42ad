#include "engine/app/game_services.h"

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/app/sound/sound_startup.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/slide_show.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/library_catalogue.h"

CGameServices::~CGameServices() = default;

void CGameServices::CreateGame()
{
}

bool CGameServices::StartSound(const char* introTrack)
{
    return ::StartSound(introTrack);
}

void CGameServices::StartIntroTrack()
{
    GetMusicPlayer().UpdatePlayback();
}

void CGameServices::TickSound()
{
    GetSoundManager().Tick();
}

void CGameServices::UpdateMusic(float step)
{
    GetMusicPlayer().Update(step);
}

void CGameServices::DoMusicIdleProcessing()
{
    GetMusicPlayer().UpdatePlayback();
}

void CGameServices::PlaySoundByName(const char* name)
{
    GetSoundList().PlayByName(name);
}

void CGameServices::StopAllSounds()
{
    GetSoundManager().StopAllSounds();
}

void CGameServices::StopSoundCallbacks()
{
    ::StopSoundCallbacks();
}

void CGameServices::ShutDownSound()
{
    ::ShutDownSound();
}

void CGameServices::InitInterfaceLibraries()
{
    InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
    InitCatalogueLibrary(GetFrameOverlayLibrary(), LIBRARY_FRAME_OVERLAY_OPTIONS);
    BuildFontFileList();
    InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
}

void CGameServices::ShowCompanyLogo(CSlideShow* slideShow)
{
    CStandAloneFrameList& frames = GetFrameList();
    const int32_t logo = frames.Find("CompanyLogo", -1);
    if (slideShow == nullptr || logo < 0)
        return;
    CFrameOverlayLibrary& overlays = GetFrameOverlayLibrary();
    const int32_t overlay = overlays.Find("CompanyLogo", -1);
    slideShow->ShowFrame(frames.GetItemObject(static_cast<uint32_t>(logo)),
                         overlay >= 0 ? overlays.GetItemObject(static_cast<uint32_t>(overlay)) : nullptr);
}

void CGameServices::BuildLineIntensityTable()
{
}

void CGameServices::ReleaseLineTables()
{
}

static CGameServices s_BaseServices;
static CGameServices* s_pServices = &s_BaseServices;

CGameServices& GetGameServices()
{
    return *s_pServices;
}

CGameServices* SetGameServices(CGameServices* services)
{
    CGameServices* previous = s_pServices;
    s_pServices = services ? services : &s_BaseServices;
    return previous;
}
