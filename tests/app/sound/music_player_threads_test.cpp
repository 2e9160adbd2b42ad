#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "engine/app/sound/direct_sound_manager.h"
#include "engine/app/sound/music_player.h"
#include "engine/platform/audio/audio_device.h"
#include "engine/platform/periodic_timers.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/sound_fixtures.h"

namespace {

class MusicPlayerThreadsTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        ASSERT_TRUE(GetSoundManager().Init());
    }

    void TearDown() override
    {
        GetSoundManager().Shutdown();
        ArchiveTestFolder::TearDown();
    }

    ScopedManualAudio m_Audio;
};

// Second streams are opened, blended and promoted, and tracks started and
// stopped, while the live timer thread refills and another thread mixes
// the ring as the audio device would.
TEST_F(MusicPlayerThreadsTest, OpenPromoteAndStopCyclesAgainstTheLiveRefill)
{
    const std::string track = PcmWave(2, 44100, 16, Samples16(SineSamples(30000, 2)));
    m_Folder.WriteFile("Data/Music/A.wav", track);
    m_Folder.WriteFile("Data/Music/B.wav", track);

    std::atomic<bool> mixing{true};
    CAudioDevice* device = GetDirectSoundManager().GetDevice();
    // The mixer consumes at the pace of a real output: small pieces at the
    // track's rate. Far faster, it would lap the whole ring between a
    // refill's reading of the play cursor and its write, which no device
    // does and no streaming ring survives.
    constexpr uint32_t kPieceFrames = 128;
    std::thread mixer([&] {
        std::vector<int16_t> out(kPieceFrames * 2);
        while (mixing)
        {
            device->Mix(out.data(), kPieceFrames);
            std::this_thread::sleep_for(std::chrono::microseconds(kPieceFrames * 1000000 / 44100));
        }
    });

    CMusicPlayer player;
    ASSERT_TRUE(player.IsThreaded());
    int started = 0;
    for (int cycle = 0; cycle < 10000; cycle++)
    {
        if (cycle % 1000 == 0)
        {
            ASSERT_TRUE(player.StartStream("Music/A.wav", 0, true));
            started++;
        }
        ASSERT_TRUE(player.OpenSecondStream("Music/B.wav", 0.5f, cycle % 3 == 0));
        player.SetLoop(0.25f);
        if (cycle % 2 == 0)
            player.PromoteSecondStream();
        if (cycle % 4 == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        if (cycle % 1000 == 999)
        {
            player.StopAndWait();
            EXPECT_FALSE(player.IsPlaying());
        }
        player.RefillFromMainThread();
    }
    player.Stop();
    mixing = false;
    mixer.join();
    EXPECT_EQ(started, 10);
    EXPECT_EQ(CountPeriodicTimers(), 0u);
}

} // namespace
