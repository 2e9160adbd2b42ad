#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/sound/direct_sound_manager.h"
#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/scoped_temp_folder.h"
#include "tests/support/sound_fixtures.h"

namespace {

class SoundTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CSoundManager& manager = GetSoundManager();
        manager.SetSoundLimit(16);
        manager.SetEffectsScale(1.0f);
        manager.SetMasterOffset(0);
        manager.StoreStereo(true);
        ASSERT_TRUE(manager.Init());
        // 100 frames of a constant at the device's own rate.
        m_Folder.WriteFile("Beep.wav", PcmWave(1, 44100, 16, Samples16(std::vector<int16_t>(100, 1000))));
    }

    void TearDown() override
    {
        for (CSound* sound : m_Sounds)
            GetSoundManager().DeleteSound(sound);
        GetSoundManager().Shutdown();
    }

    CSound* NewSound(bool deferred = false, bool looping = false)
    {
        CSound* sound = GetSoundManager().CreateSound();
        m_Sounds.push_back(sound);
        EXPECT_TRUE(sound->LoadFromName((m_Folder.Path() + "Beep.wav").c_str(), looping, deferred));
        return sound;
    }

    static void Mix(uint32_t frames)
    {
        std::vector<int16_t> out(frames * 2);
        GetDirectSoundManager().GetDevice()->Mix(out.data(), frames);
    }

    // Voices of the sound and its chain of copies that are playing.
    static int Voices(CSound* sound)
    {
        int voices = 0;
        for (; sound; sound = sound->GetCopy())
            voices += sound->IsPlaying() ? 1 : 0;
        return voices;
    }

    static int PlayingListLength()
    {
        int length = 0;
        for (CSound* sound = GetSoundManager().GetFirstPlaying(); sound; sound = sound->GetNextPlaying())
            length++;
        return length;
    }

    ScopedManualAudio m_Audio;
    ScopedTempFolder m_Folder;
    std::vector<CSound*> m_Sounds;
};

TEST_F(SoundTest, EffectiveVolumeOfMasterAndScale)
{
    struct Case
    {
        int32_t master;
        float scale;
        int32_t volume;
    } cases[] = {
        {0, 1.0f, 0},          {-1000, 1.0f, -1000}, {-3333, 1.0f, -3333}, {-10000, 1.0f, -10000},
        {0, 0.5f, -1666},      {-1000, 0.5f, -2166}, {-3333, 0.5f, -3333}, {-10000, 0.5f, -6666},
        {0, 0.0f, -3333},      {-1000, 0.0f, -3333}, {-3333, 0.0f, -3333}, {-10000, 0.0f, -3333},
    };
    CSoundManager& manager = GetSoundManager();
    for (const Case& c : cases)
    {
        manager.SetMasterOffset(c.master);
        manager.SetEffectsScale(c.scale);
        EXPECT_EQ(manager.EffectiveVolume(0), c.volume) << c.master << " " << c.scale;
        EXPECT_EQ(DeviceVolume(manager.EffectiveVolume(0)), c.volume <= -3333 ? -10000 : c.volume);
    }
}

TEST_F(SoundTest, LoadsAtFirstUseAndCountsItsData)
{
    CSoundManager& manager = GetSoundManager();
    const uint32_t before = manager.GetLoadedBytes();
    CSound* sound = NewSound(true);
    EXPECT_FALSE(sound->IsLoaded());
    EXPECT_TRUE(sound->IsPending());
    sound->PlayBuffer(1);
    EXPECT_TRUE(sound->IsLoaded());
    EXPECT_EQ(sound->GetDataBytes(), 200u);
    EXPECT_EQ(sound->GetBaseFrequency(), 44100u);
    EXPECT_EQ(sound->GetFlags() & CSound::kSixteenBit, CSound::kSixteenBit);
    EXPECT_EQ(manager.GetLoadedBytes(), before + 200);
    EXPECT_TRUE(sound->IsPlaying());
    Mix(100);
    EXPECT_FALSE(sound->IsPlaying());
    sound->Unload();
    EXPECT_EQ(manager.GetLoadedBytes(), before);
}

TEST_F(SoundTest, ThreePlaysInOneUpdateStartAtMostTwoVoices)
{
    CSound* sound = NewSound();
    for (int i = 0; i < 3; i++)
        sound->PlayBuffer(1);
    EXPECT_EQ(Voices(sound), 2);
    GetSoundManager().Tick();
    sound->PlayBuffer(1);
    EXPECT_EQ(Voices(sound), 3);
}

TEST_F(SoundTest, PlaysAtTheLimitAreDroppedUntilVoicesFinish)
{
    GetSoundManager().SetSoundLimit(2);
    CSound* first = NewSound();
    CSound* second = NewSound();
    CSound* third = NewSound();
    first->PlayBuffer(0);
    Mix(50);
    second->PlayBuffer(0);
    third->PlayBuffer(0);
    EXPECT_FALSE(third->IsPlaying());
    EXPECT_EQ(PlayingListLength(), 2);
    // The first finishes; the next play drops it from the list and starts.
    Mix(50);
    EXPECT_FALSE(first->IsPlaying());
    third->PlayBuffer(0);
    EXPECT_TRUE(third->IsPlaying());
    EXPECT_EQ(PlayingListLength(), 2);
}

TEST_F(SoundTest, LoopingSoundPlayedAgainKeepsItsPosition)
{
    CSound* sound = NewSound(false, true);
    sound->PlayBuffer(1);
    Mix(30);
    sound->PlayBuffer(0);
    auto* buffer = static_cast<CDirectSoundSound*>(sound)->GetBuffer();
    uint32_t play = 0;
    uint32_t write = 0;
    buffer->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 60u);
    Mix(200);
    EXPECT_TRUE(sound->IsPlaying());

    // A sound that is not looping restarts from its beginning.
    CSound* once = NewSound();
    once->PlayBuffer(0);
    Mix(30);
    once->PlayBuffer(0);
    static_cast<CDirectSoundSound*>(once)->GetBuffer()->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 0u);
}

TEST_F(SoundTest, DuplicateAskedBeforeItsSourceLoadedIsMadeAtFirstUse)
{
    CSound* source = NewSound(true);
    CSound* copy = GetSoundManager().CreateSound();
    m_Sounds.push_back(copy);
    EXPECT_FALSE(copy->DuplicateFrom(source));
    EXPECT_TRUE(copy->IsPending());
    EXPECT_FALSE(source->IsLoaded());
    copy->SetLooping(true);
    copy->PlayBuffer(0);
    EXPECT_TRUE(source->IsLoaded());
    EXPECT_FALSE(copy->IsPending());
    EXPECT_TRUE(copy->IsLooping());
    EXPECT_TRUE(copy->IsPlaying());
    EXPECT_FALSE(source->IsPlaying());
    EXPECT_EQ(copy->GetDataBytes(), 0u);
}

// Every voice started is on the playing list, so stopping everything stops
// the sound that kept playing while its copy started too.
TEST_F(SoundTest, StopAllSoundsReachesAnEffectPlayedTwice)
{
    CSound* sound = NewSound();
    sound->PlayBuffer(1);
    sound->PlayBuffer(1);
    ASSERT_EQ(Voices(sound), 2);
    EXPECT_EQ(PlayingListLength(), 2);
    GetSoundManager().StopAllSounds();
    EXPECT_EQ(Voices(sound), 0);
    EXPECT_EQ(GetSoundManager().GetFirstPlaying(), nullptr);
}

TEST_F(SoundTest, MutedMasterSilencesEveryBuffer)
{
    GetSoundManager().SetMasterOffset(kMutedVolume);
    CSound* sound = NewSound();
    sound->PlayBuffer(1);
    sound->PlayBuffer(1);
    for (CSound* voice = sound; voice; voice = voice->GetCopy())
        EXPECT_EQ(static_cast<CDirectSoundSound*>(voice)->GetBuffer()->GetVolume(), -10000);
}

TEST(SoundDeviceTest, RefusedRateIsRetriedAt22100AndNoDeviceIsSilent)
{
    {
        ScopedManualAudio refusing(44100);
        ASSERT_TRUE(GetSoundManager().Init());
        EXPECT_EQ(GetDirectSoundManager().GetDevice()->GetRate(), 22100u);
        GetSoundManager().Shutdown();
    }
    ScopedManualAudio none(0, true);
    EXPECT_FALSE(GetSoundManager().Init());
    ScopedTempFolder folder;
    folder.WriteFile("Beep.wav", PcmWave(1, 8000, 16, Samples16({1, 2})));
    CSound* sound = GetSoundManager().CreateSound();
    EXPECT_FALSE(sound->LoadFromName((folder.Path() + "Beep.wav").c_str(), false, false));
    sound->PlayBuffer(1);
    EXPECT_FALSE(sound->IsPlaying());
    GetSoundManager().DeleteSound(sound);
}

TEST(SoundShutdownTest, CallbacksRunOnceInOrder)
{
    static std::string calls;
    calls.clear();
    GetSoundManager().AddShutdownCallback([] { calls += "a"; });
    GetSoundManager().AddShutdownCallback([] { calls += "b"; });
    GetSoundManager().Shutdown();
    GetSoundManager().Shutdown();
    EXPECT_EQ(calls, "ab");
}

} // namespace
