#include <gtest/gtest.h>

#include <string>

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/app/sound/sound_settings.h"
#include "engine/core/settings/settings.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

class SoundSettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_File = m_Folder.Path() + "Game.CFG";
        GetGeneralSettings().SetFileName(m_File.c_str());
    }

    void TearDown() override
    {
        // Deletes the music player through its shutdown callback.
        GetSoundManager().Shutdown();
        GetGeneralSettings().SetFileName(".\\Config.INI");
    }

    int32_t ReadInt(const char* key) { return ReadSettingInt(m_File.c_str(), "Options", key, -99999); }

    ScopedTempFolder m_Folder;
    std::string m_File;
};

TEST_F(SoundSettingsTest, DefaultsGiveFullVolumesAndTheMusicDefault)
{
    ApplySoundSettings();
    CSoundManager& manager = GetSoundManager();
    EXPECT_EQ(manager.GetMasterOffset(), 0);
    EXPECT_EQ(manager.GetEffectsScale(), 1.0f);
    EXPECT_EQ(manager.GetSoundLimit(), 32);
    EXPECT_TRUE(manager.IsStereo());
    EXPECT_EQ(GetMusicPlayer().GetMusicVolume(), -1112);
}

TEST_F(SoundSettingsTest, OutOfRangeValuesAreCorrectedInEffectAndInTheFile)
{
    WriteSettingFloat(m_File.c_str(), "Options", "SFx Voume", 0.2f);
    WriteSettingInt(m_File.c_str(), "Options", "Sounds Mixing Channels", 16);
    ApplySoundSettings();
    EXPECT_EQ(GetSoundManager().GetEffectsScale(), 0.5f);
    EXPECT_EQ(GetSoundManager().GetSoundLimit(), 32);
    EXPECT_EQ(ReadSettingFloat(m_File.c_str(), "Options", "SFx Voume", -1.0f), 0.5f);
    EXPECT_EQ(ReadInt("Sounds Mixing Channels"), 32);

    WriteSettingFloat(m_File.c_str(), "Options", "SFx Voume", 1.5f);
    WriteSettingInt(m_File.c_str(), "Options", "Sounds Mixing Channels", 5);
    ApplySoundSettings();
    EXPECT_EQ(GetSoundManager().GetEffectsScale(), 1.0f);
    EXPECT_EQ(ReadSettingFloat(m_File.c_str(), "Options", "SFx Voume", -1.0f), 1.0f);
    EXPECT_EQ(GetSoundManager().GetSoundLimit(), 5);
    EXPECT_EQ(ReadInt("Sounds Mixing Channels"), 5);
}

TEST_F(SoundSettingsTest, VolumesAndMutes)
{
    struct Case
    {
        const char* key;
        int32_t value;
        int32_t master;
        float scale;
        int32_t music;
    } cases[] = {
        {"Master Volume", 1000, -2333, 1.0f, -1112},
        {"Master Mute", 1, -10000, 1.0f, -1112},
        {"SFx Mute", 1, 0, 0.0f, -1112},
        {"Music Volume", -2000, 0, 1.0f, -2000},
        {"Music Mute", 1, 0, 1.0f, -3333},
    };
    for (const Case& c : cases)
    {
        ScopedTempFolder folder;
        const std::string file = folder.Path() + "Game.CFG";
        GetGeneralSettings().SetFileName(file.c_str());
        WriteSettingInt(file.c_str(), "Options", c.key, c.value);
        ApplySoundSettings();
        EXPECT_EQ(GetSoundManager().GetMasterOffset(), c.master) << c.key;
        EXPECT_EQ(GetSoundManager().GetEffectsScale(), c.scale) << c.key;
        EXPECT_EQ(GetMusicPlayer().GetMusicVolume(), c.music) << c.key;
    }
    WriteSettingInt(m_File.c_str(), "Options", "Stereo Sounds", 0);
    GetGeneralSettings().SetFileName(m_File.c_str());
    ApplySoundSettings();
    EXPECT_FALSE(GetSoundManager().IsStereo());
}

} // namespace
