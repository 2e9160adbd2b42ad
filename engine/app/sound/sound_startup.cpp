#include "engine/app/sound/sound_startup.h"

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/app/sound/sound_settings.h"

bool StartSound(const char* introTrack)
{
    GetSoundManager().Init();
    ApplySoundSettings();
    CMusicPlayer& player = GetMusicPlayer();
    if (!introTrack || GetMusicList().Find(introTrack, -1) == -1)
        return false;
    player.QueueTrack(introTrack);
    return true;
}

void StopSoundCallbacks()
{
    GetSoundManager().CSoundManager::Shutdown();
}

void ShutDownSound()
{
    GetSoundManager().Shutdown();
}
