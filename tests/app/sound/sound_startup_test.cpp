#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/app/sound/sound_startup.h"
#include "engine/core/settings/settings.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/sound_fixtures.h"

namespace {

class SoundStartupTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        GetGeneralSettings().SetFileName((m_Folder.Path() + "Game.CFG").c_str());
    }

    void TearDown() override
    {
        GetSoundManager().Shutdown();
        GetGeneralSettings().SetFileName(".\\Config.INI");
        ArchiveTestFolder::TearDown();
    }

    ScopedManualAudio m_Audio;
};

TEST_F(SoundStartupTest, IntroIsQueuedOnlyWhenTheMusicFolderHoldsIt)
{
    m_Folder.WriteFile("Data/Music/Intro.ogg", EncodeOggVorbis(SineSamples(4000, 2), 2, 44100));
    WriteSettingInt(GetGeneralSettings().GetFileName(), "Options", "Master Volume", 2333);
    EXPECT_TRUE(StartSound("Intro.wav"));
    EXPECT_EQ(GetSoundManager().GetMasterOffset(), -1000);
    EXPECT_TRUE(GetMusicPlayer().IsEnabled());
    GetMusicPlayer().UpdatePlayback();
    EXPECT_TRUE(GetMusicPlayer().IsPlaying());

    // The shutdown callbacks stop the music and delete the player.
    StopSoundCallbacks();
    EXPECT_FALSE(GetMusicPlayer().IsEnabled());
    ShutDownSound();
    EXPECT_FALSE(StartSound("Missing.wav"));
}

} // namespace
