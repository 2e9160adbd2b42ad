#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/direct_sound_manager.h"
#include "engine/app/sound/music_player.h"
#include "engine/core/settings/settings.h"
#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"
#include "engine/platform/periodic_timers.h"
#include "game/playfield/music_mixer.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/music_test_folder.h"
#include "tests/support/object_forms.h"
#include "tests/support/sound_fixtures.h"

namespace {

constexpr float kStep = 1.0f / 60.0f;

// Every track holds one sample value throughout, so the first sample of the
// ring tells which track the stream started.
std::string ConstantTrack(int16_t value, uint32_t frames, uint16_t channels = 2, uint32_t rate = 44100)
{
    return PcmWave(channels, rate, 16, Samples16(std::vector<int16_t>(frames * channels, value)));
}

class MusicMixerTest : public MusicTestFolder
{
protected:
    void TearDown() override
    {
        m_Mixer.reset();
        MusicTestFolder::TearDown();
    }

    // Ambient 1000, full 2000, medium 3000, and a mono track of another
    // format; then the mixer with the first three as its songs.
    void WriteTracksAndMakeMixer(float switchSeconds = 5.0f, uint32_t ambientFrames = 200000)
    {
        m_Folder.WriteFile("Data/Music/Ambient.wav", ConstantTrack(1000, ambientFrames));
        m_Folder.WriteFile("Data/Music/Full.wav", ConstantTrack(2000, 200000));
        m_Folder.WriteFile("Data/Music/Medium.wav", ConstantTrack(3000, 200000));
        m_Folder.WriteFile("Data/Music/Other.wav", ConstantTrack(4000, 100000, 1, 22050));
        m_Mixer = std::make_unique<CMusicMixer>();
        CMusicMixerData data;
        data.SetDefaults();
        data.m_NumSecondsToSwitch = switchSeconds;
        data.m_AmbientSong = Song("Ambient.wav");
        data.m_FullMixSong = Song("Full.wav");
        data.m_MedMixSong = Song("Medium.wav");
        m_Mixer->SetSongs(data);
    }

    // As start-up does: the request, then an update of no time, which starts
    // the song of a mixer that plays nothing yet.
    void StartAmbient()
    {
        m_Mixer->RequestLevel(CMusicMixer::kAmbient);
        m_Mixer->Update(0.0f);
    }

    static int32_t Song(const char* name) { return GetMusicList().Find(name, -1); }

    CMusicPlayer& Stream() const { return m_Mixer->GetFirstStream(); }

    int16_t FirstSampleOfTheRing() const
    {
        CSoundBuffer* ring = Stream().GetStreamBuffer();
        uint8_t* region1;
        uint8_t* region2;
        uint32_t bytes1;
        uint32_t bytes2;
        ring->Lock(0, 4, region1, bytes1, region2, bytes2);
        const int16_t sample = static_cast<int16_t>(region1[0] | (region1[1] << 8));
        ring->Unlock();
        return sample;
    }

    std::unique_ptr<CMusicMixer> m_Mixer;
};

TEST_F(MusicMixerTest, ALevelChangeFadesOverTheSwitchTimeAndARequestMeanwhileWaits)
{
    WriteTracksAndMakeMixer();
    StartAmbient();
    ASSERT_TRUE(Stream().IsPlaying());
    EXPECT_EQ(FirstSampleOfTheRing(), 1000);
    EXPECT_EQ(Stream().GetVolume(), GetMusicPlayer().GetMusicVolume());

    m_Mixer->RequestLevel(CMusicMixer::kFullMix);
    EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kFullMix);
    EXPECT_TRUE(Stream().HasSecondStream());
    for (int update = 1; update <= 301; update++)
    {
        SCOPED_TRACE(update);
        if (update == 120)
        {
            m_Mixer->RequestLevel(CMusicMixer::kMediumMix);
            EXPECT_EQ(m_Mixer->GetQueuedLevel(), CMusicMixer::kMediumMix);
            EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kFullMix);
        }
        m_Mixer->Update(kStep);
        if (update == 1)
        {
            EXPECT_EQ(Stream().GetMixWeight(), 1.0f);
        }
        if (update == 150)
        {
            EXPECT_NEAR(Stream().GetMixWeight(), 0.503f, 0.001f);
        }
        if (update < 300)
        {
            EXPECT_TRUE(Stream().HasSecondStream());
        }
        if (update == 300)
        {
            EXPECT_FALSE(Stream().HasSecondStream());
            EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kFullMix);
        }
    }
    EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kMediumMix);
    EXPECT_TRUE(Stream().HasSecondStream());
    EXPECT_EQ(Stream().GetMixWeight(), 1.0f);
}

TEST_F(MusicMixerTest, ThePlayingLevelOrABackgroundWithTheSameSongsChangesNothing)
{
    WriteTracksAndMakeMixer();
    StartAmbient();
    CSoundBuffer* ring = Stream().GetStreamBuffer();
    m_Mixer->Update(kStep);
    m_Mixer->RequestLevel(CMusicMixer::kAmbient);

    CMusicMixerData same;
    same.CopyFrom(m_Mixer->GetMixerData());
    m_Mixer->SetSongs(same);
    m_Mixer->RequestLevel(CMusicMixer::kAmbient);
    m_Mixer->Update(kStep);
    EXPECT_TRUE(Stream().IsPlaying());
    EXPECT_FALSE(Stream().HasSecondStream());
    EXPECT_EQ(Stream().GetStreamBuffer(), ring);
    EXPECT_GE(m_Mixer->GetFadeTime(), 5.0f);
}

TEST_F(MusicMixerTest, ASongThatEndsStartsAgainAtOnce)
{
    WriteTracksAndMakeMixer(5.0f, 3000);
    StartAmbient();
    std::vector<int16_t> out(kManualPeriodFrames * 2);
    for (int period = 0; period < 200 && Stream().IsPlaying(); period++)
    {
        GetDirectSoundManager().GetDevice()->Mix(out.data(), kManualPeriodFrames);
        RunPeriodicTimersOnce();
    }
    ASSERT_FALSE(Stream().IsPlaying());
    m_Mixer->Update(kStep);
    EXPECT_TRUE(Stream().IsPlaying());
    EXPECT_EQ(FirstSampleOfTheRing(), 1000);
    EXPECT_FALSE(Stream().HasSecondStream());
    EXPECT_EQ(m_Mixer->GetFadeTime(), 5.0f);
}

TEST_F(MusicMixerTest, ASongOfAnotherFormatStartsHard)
{
    WriteTracksAndMakeMixer();
    StartAmbient();
    m_Mixer->SetSong(CMusicMixer::kFullMix, Song("Other.wav"));
    m_Mixer->RequestLevel(CMusicMixer::kFullMix);
    EXPECT_TRUE(Stream().IsPlaying());
    EXPECT_FALSE(Stream().HasSecondStream());
    EXPECT_EQ(FirstSampleOfTheRing(), 4000);
    EXPECT_EQ(m_Mixer->GetFadeTime(), 5.0f);
    EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kFullMix);
}

// A blend without switch time would never end: the new song plays at once,
// as for a switch time no fade ever reaches.
TEST_F(MusicMixerTest, WithoutSwitchTimeTheNewSongPlaysAtOnce)
{
    for (const float switchSeconds : {0.0f, -2.0f, INFINITY})
    {
        SCOPED_TRACE(switchSeconds);
        m_Mixer.reset();
        WriteTracksAndMakeMixer(switchSeconds);
        StartAmbient();
        m_Mixer->RequestLevel(CMusicMixer::kFullMix);
        m_Mixer->Update(kStep);
        EXPECT_TRUE(Stream().IsPlaying());
        EXPECT_FALSE(Stream().HasSecondStream());
        EXPECT_EQ(FirstSampleOfTheRing(), 2000);
        EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kFullMix);
    }
}

TEST_F(MusicMixerTest, AnEmptyMusicFolderMakesEveryCallDoNothing)
{
    m_Mixer = std::make_unique<CMusicMixer>();
    ASSERT_EQ(GetMusicList().GetCount(), 0u);
    m_Mixer->SetSong(CMusicMixer::kFullMix, 3);
    m_Mixer->RequestLevel(CMusicMixer::kFullMix);
    m_Mixer->Update(kStep);
    EXPECT_FALSE(Stream().IsPlaying());
    EXPECT_EQ(m_Mixer->GetCurrentLevel(), CMusicMixer::kAmbient);
    EXPECT_EQ(m_Mixer->GetFadeTime(), 0.0f);
}

// Backgrounds written before the level was spelt right still name their
// ambient song.
TEST_F(MusicMixerTest, MixerDataReadsTheLegacyAmbientName)
{
    m_Folder.WriteFile("Data/Music/Ambient.wav", ConstantTrack(1000, 100));
    m_Folder.WriteFile("Data/Music/Theme.wav", ConstantTrack(1000, 100));
    GetMusicPlayer();
    CMusicMixerData data;
    ASSERT_TRUE(ReadObjectText(&data, "CMusicMixerData\r\n{\r\n\tAmbiant Song=Theme.wav\r\n}\r\n"));
    EXPECT_EQ(data.m_AmbientSong, GetMusicList().Find("Theme.wav", -1));
    EXPECT_NE(data.m_AmbientSong, 0);
    EXPECT_EQ(data.m_NumSecondsToSwitch, 5.0f);
}

} // namespace
