#include "engine/app/sound/sound_settings.h"

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/settings/settings.h"

namespace {

const char* const kSection = "Options";

// The texts of the sound options; some are kept for translators only.
CLocalizedString g_SoundOptionsText("Sound Options");
CLocalizedString g_MasterVolumeText("Master Volume");
CLocalizedString g_MuteText("Mute");
CLocalizedString g_SfxVolumeText("Sfx Volume", "sound effects volume");
CLocalizedString g_MusicVolumeText("Music Volume");
CLocalizedString g_DoneText("DONE");
CLocalizedString g_VoiceoversText("Voiceovers", "should the voiceovers play during gameplay");
CLocalizedString g_OnText("On");
CLocalizedString g_OffText("Off");
CLocalizedString g_StereoSelectionText("Stereo", "stereo/monophonic selection");
CLocalizedString g_StereoText("Stereo", "Stereophonic");
CLocalizedString g_MonoText("Mono", "monophonic");
CLocalizedString g_SoundMixingText("Sound Mixing", "Sound mixing quality selection");
CLocalizedString g_BestText("Best", "more accurate, but more sluggish");
CLocalizedString g_FasterText("Faster", "less accurate, but less sluggish");

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
