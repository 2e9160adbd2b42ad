#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/sound/direct_sound_manager.h"
#include "engine/app/sound/music_player.h"
#include "engine/core/files/file_search.h"
#include "engine/core/settings/settings.h"
#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"
#include "engine/platform/periodic_timers.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/music_test_folder.h"
#include "tests/support/sound_fixtures.h"

namespace {

// Stereo 16-bit 44100 Hz: four bytes a frame.
constexpr uint32_t kFrameBytes = 4;

// A track whose left samples count its frames from base and whose right
// samples are constant.
std::vector<int16_t> CountingSamples(uint32_t frames, int16_t base, int16_t right)
{
    std::vector<int16_t> samples;
    for (uint32_t i = 0; i < frames; i++)
    {
        samples.push_back(static_cast<int16_t>(base + static_cast<int16_t>(i % 20000)));
        samples.push_back(right);
    }
    return samples;
}

class MusicPlayerTest : public MusicTestFolder
{
protected:
    void TearDown() override
    {
        m_Player.reset();
        MusicTestFolder::TearDown();
    }

    // Writes Data/Music/<name> with the samples.
    void WriteTrack(const std::string& name, const std::vector<int16_t>& samples, uint16_t channels = 2,
                    uint32_t rate = 44100)
    {
        m_Folder.WriteFile("Data/Music/" + name, PcmWave(channels, rate, 16, Samples16(samples)));
    }

    CMusicPlayer& Player()
    {
        if (!m_Player)
            m_Player = std::make_unique<CMusicPlayer>();
        return *m_Player;
    }

    void BuildMusicList()
    {
        CSearchSpec search;
        search.SetFolderAndExtension("Music/", "wav");
        search.AddExtension("ogg");
        GetMusicList().Build(search, CFileList::kByName, nullptr, 0);
    }

    // Mixes frames in periods, refilling after each as the timer would, and
    // answers the left samples heard.
    std::vector<int16_t> Hear(uint32_t frames)
    {
        std::vector<int16_t> left;
        while (frames > 0)
        {
            const uint32_t now = std::min(frames, kManualPeriodFrames);
            std::vector<int16_t> out(now * 2);
            GetDirectSoundManager().GetDevice()->Mix(out.data(), now);
            for (uint32_t i = 0; i < now; i++)
                left.push_back(out[2 * i]);
            RunPeriodicTimersOnce();
            frames -= now;
        }
        return left;
    }

    std::string Ring()
    {
        CSoundBuffer* ring = Player().GetStreamBuffer();
        uint8_t* region1;
        uint8_t* region2;
        uint32_t bytes1;
        uint32_t bytes2;
        ring->Lock(0, ring->GetSize(), region1, bytes1, region2, bytes2);
        std::string bytes(reinterpret_cast<char*>(region1), bytes1);
        ring->Unlock();
        return bytes;
    }

    std::string Path(const std::string& name) const { return "Music/" + name; }

    std::unique_ptr<CMusicPlayer> m_Player;
};

TEST_F(MusicPlayerTest, TrackShorterThanTheRingStopsAfterItsLastByteIsHeard)
{
    WriteTrack("Short.wav", CountingSamples(12500, 1, 7));
    ASSERT_TRUE(Player().StartStream(Path("Short.wav").c_str(), 0, false));
    EXPECT_TRUE(Player().IsThreaded());
    EXPECT_EQ(CountPeriodicTimers(), 1u);
    const std::vector<int16_t> heard = Hear(12000);
    EXPECT_EQ(heard.front(), 1);
    EXPECT_EQ(heard.back(), 12000);
    EXPECT_TRUE(Player().IsPlaying());
    const std::vector<int16_t> end = Hear(600);
    EXPECT_EQ(end[499], 12500);
    EXPECT_EQ(end[500], 0);
    EXPECT_FALSE(Player().IsPlaying());
    Player().RefillFromMainThread();
    EXPECT_EQ(CountPeriodicTimers(), 0u);
}

// Everything heard is the track in order, written in pieces of at least
// 40000 bytes behind the play cursor.
TEST_F(MusicPlayerTest, LongTrackRefillsInLargePiecesAndIsHeardWhole)
{
    const uint32_t frames = 62500;
    WriteTrack("Long.wav", CountingSamples(frames, 1, 7));
    ASSERT_TRUE(Player().StartStream(Path("Long.wav").c_str(), 0, false));
    std::vector<int16_t> heard;
    std::string before = Ring();
    int refills = 0;
    while (Player().IsPlaying() && heard.size() < 200000)
    {
        std::vector<int16_t> out(kManualPeriodFrames * 2);
        GetDirectSoundManager().GetDevice()->Mix(out.data(), kManualPeriodFrames);
        for (uint32_t i = 0; i < kManualPeriodFrames; i++)
            heard.push_back(out[2 * i]);
        RunPeriodicTimersOnce();
        if (!Player().IsPlaying())
            break;
        const std::string after = Ring();
        uint32_t changed = 0;
        for (size_t i = 0; i < after.size(); i++)
            changed += after[i] != before[i] ? 1 : 0;
        if (changed > 0)
        {
            refills++;
            // Samples that change are two of every four bytes at most.
            EXPECT_GE(changed, kMusicRefillBytes / 4) << refills;
        }
        before = after;
    }
    EXPECT_GE(refills, 3);
    ASSERT_GE(heard.size(), frames);
    for (uint32_t i = 0; i < frames; i++)
        ASSERT_EQ(heard[i], static_cast<int16_t>(1 + i % 20000)) << i;
    EXPECT_EQ(heard[frames], 0);
    EXPECT_FALSE(Player().IsPlaying());
}

TEST_F(MusicPlayerTest, LoopingTrackRestartsAndTakesItsSecondStreamAlong)
{
    WriteTrack("Loop.wav", CountingSamples(15000, 1000, 0));
    WriteTrack("Blend.wav", std::vector<int16_t>(30000, 3000));
    ASSERT_TRUE(Player().StartStream(Path("Loop.wav").c_str(), 0, true));
    ASSERT_TRUE(Player().OpenSecondStream(Path("Blend.wav").c_str(), 0.5f, false));
    const std::vector<int16_t> heard = Hear(45000);
    // The ring was primed before the second stream came: the track alone,
    // and again from its first byte.
    EXPECT_EQ(heard[14999], 1000 + 14999);
    EXPECT_EQ(heard[15000], 1000);
    // From the first refill on both are blended, and both restart together.
    EXPECT_EQ(heard[25000], 1000 + (3000 - 1000 - 10000) / 2 + 10000);
    EXPECT_EQ(heard[30000], 2000);
    EXPECT_EQ(heard[30001], 2000);
    EXPECT_TRUE(Player().IsPlaying());
}

TEST_F(MusicPlayerTest, SecondStreamOfAnotherFormatIsRefused)
{
    WriteTrack("Main.wav", CountingSamples(30000, 1, 0));
    WriteTrack("Half.wav", CountingSamples(1000, 1, 0), 2, 22050);
    WriteTrack("Mono.wav", std::vector<int16_t>(1000, 5), 1, 44100);
    WriteTrack("Same.wav", CountingSamples(1000, 1, 0));
    ASSERT_TRUE(Player().StartStream(Path("Main.wav").c_str(), 0, false));
    EXPECT_FALSE(Player().OpenSecondStream(Path("Half.wav").c_str(), 1.0f, false));
    EXPECT_FALSE(Player().OpenSecondStream(Path("Mono.wav").c_str(), 1.0f, false));
    EXPECT_FALSE(Player().OpenSecondStream(Path("Missing.wav").c_str(), 1.0f, false));
    EXPECT_TRUE(Player().OpenSecondStream(Path("Same.wav").c_str(), 1.0f, true));
    EXPECT_TRUE(Player().PromoteSecondStream());
    EXPECT_TRUE(Player().IsPlaying());
    EXPECT_EQ(Hear(100)[99], 100);
}

TEST_F(MusicPlayerTest, UnthreadedStreamRefillsOncePerUpdate)
{
    WriteSettingInt(GetGeneralSettings().GetFileName(), "Options", "Use Threaded Stream", 0);
    WriteTrack("Long.wav", CountingSamples(60000, 1, 7));
    ASSERT_TRUE(Player().StartStream(Path("Long.wav").c_str(), 0, false));
    EXPECT_FALSE(Player().IsThreaded());
    EXPECT_EQ(CountPeriodicTimers(), 0u);
    std::vector<int16_t> out(11000 * 2);
    GetDirectSoundManager().GetDevice()->Mix(out.data(), 11000);
    const std::string before = Ring();
    Player().RefillFromMainThread();
    const std::string after = Ring();
    EXPECT_NE(before.substr(0, 44000), after.substr(0, 44000));
    EXPECT_EQ(before.substr(44000), after.substr(44000));
    // The ring now starts with the frames after the first 100000 bytes.
    EXPECT_EQ(static_cast<uint8_t>(after[0]) | (static_cast<uint8_t>(after[1]) << 8), 1 + 25000 % 20000);
}

TEST_F(MusicPlayerTest, PlayingTheCurrentTrackByNameChangesNothing)
{
    WriteTrack("A.wav", CountingSamples(30000, 1, 0));
    WriteTrack("B.wav", CountingSamples(30000, 5000, 0));
    BuildMusicList();
    Player().SetMusicVolume(0);
    Player().QueueTrack("B.wav");
    Player().UpdatePlayback();
    ASSERT_TRUE(Player().IsPlaying());
    Hear(2000);
    EXPECT_TRUE(Player().PlayTrack("b.ogg"));
    uint32_t play = 0;
    uint32_t write = 0;
    Player().GetStreamBuffer()->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 2000 * kFrameBytes);
    EXPECT_EQ(Hear(1)[0], 5000 + 2000);
    // Another name switches at once.
    EXPECT_TRUE(Player().PlayTrack("A.wav"));
    EXPECT_EQ(Hear(1)[0], 1);
}

TEST_F(MusicPlayerTest, QuietestVolumeStopsAndAHigherOneStartsTheNextTrack)
{
    WriteTrack("A.wav", CountingSamples(30000, 1, 0));
    WriteTrack("B.wav", CountingSamples(30000, 5000, 0));
    BuildMusicList();
    GetSoundManager().SetMasterOffset(-1000);
    Player().SetMusicVolume(-500);
    Player().QueueTrack(nullptr);
    Player().UpdatePlayback();
    ASSERT_TRUE(Player().IsPlaying());
    EXPECT_STREQ(GetMusicList().GetLastName(), "A.wav");
    EXPECT_EQ(Player().GetStreamBuffer()->GetVolume(), -1500);

    Player().SetMusicVolume(-3333);
    Player().UpdatePlayback();
    EXPECT_FALSE(Player().IsPlaying());

    Player().SetMusicVolume(-2000);
    Player().UpdatePlayback();
    ASSERT_TRUE(Player().IsPlaying());
    EXPECT_EQ(Player().GetVolume(), -2000);
    EXPECT_EQ(Player().GetStreamBuffer()->GetVolume(), -3000);
    EXPECT_STREQ(GetMusicList().GetLastName(), "B.wav");
}

TEST_F(MusicPlayerTest, WithoutADeviceNothingStreams)
{
    GetSoundManager().Shutdown();
    CMusicPlayer player;
    EXPECT_FALSE(player.HasStream());
    WriteTrack("A.wav", CountingSamples(100, 1, 0));
    EXPECT_FALSE(player.StartStream(Path("A.wav").c_str(), 0, false));
    EXPECT_FALSE(player.IsPlaying());
}

} // namespace
