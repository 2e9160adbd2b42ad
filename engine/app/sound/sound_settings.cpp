#include "engine/app/sound/sound_settings.h"

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/settings.h"

namespace {

const char* const kSection = "Options";

} // namespace

void ApplySoundSettings()
{
    const char* file = GetGeneralSettings().GetFileName();
    CSoundManager& manager = GetSoundManager();

    manager.SetMasterOffset(ReadSettingInt(file, kSection, "Master Mute", 0) != 0
                                ? kMutedVolume
                                : ReadSettingInt(file, kSection, "Master Volume", 3333) + kQuietestVolume);

    // "Voume" is how the key has always been stored.
    float scale = ReadSettingFloat(file, kSection, "SFx Voume", 1.0f);
    if (scale < 0.5f)
    {
        scale = 0.5f;
        WriteSettingFloat(file, kSection, "SFx Voume", scale);
    }
    else if (scale > 1.0f)
    {
        scale = 1.0f;
        WriteSettingFloat(file, kSection, "SFx Voume", scale);
    }
    manager.SetEffectsScale(ReadSettingInt(file, kSection, "SFx Mute", 0) != 0 ? 0.0f : scale);

    int32_t limit = ReadSettingInt(file, kSection, "Sounds Mixing Channels", 32);
    if (limit != 32 && limit != 5)
    {
        limit = 32;
        WriteSettingInt(file, kSection, "Sounds Mixing Channels", limit);
    }
    manager.SetSoundLimit(limit);

    manager.SetStereo(ReadSettingInt(file, kSection, "Stereo Sounds", 1) != 0);

    GetMusicPlayer().SetMusicVolume(ReadSettingInt(file, kSection, "Music Mute", 0) != 0
                                        ? kQuietestVolume
                                        : ReadSettingInt(file, kSection, "Music Volume", -1112));
}
