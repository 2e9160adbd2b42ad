#include "engine/app/game_services.h"

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/app/sound/sound_startup.h"

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

bool CGameServices::QueryScreenWindow(int32_t)
{
    return false;
}

void CGameServices::UpdateScreenWindow(float)
{
}

void CGameServices::InitInterfaceLibraries()
{
}

void CGameServices::ShowCompanyLogo(CSlideShow*)
{
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
