#include "tests/support/sprite_recording_fixture.h"

#include "engine/app/demo_recorder.h"
#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "tests/support/sound_fixtures.h"

void SpriteRecordingTest::SetUp()
{
    ArchiveTestFolder::SetUp();
    ASSERT_TRUE(GetSoundManager().Init());
    GetSoundManager().SetSoundLimit(16);
    const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
    for (const char* name : {"A.wav", "B.wav", "C.wav"})
        m_Folder.WriteFile(std::string("Data/Sounds/") + name, wave);
    ASSERT_EQ(GetSoundList().Mount("Sounds", "Sounds", ".wav", ".ogg"), 3u);
}

// Mounting a folder without sounds deletes the items before the sound
// manager goes.
void SpriteRecordingTest::TearDown()
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StopRecording();
    recorder.StopPlaying();
    recorder.SetTargetFrame(nullptr);
    GetSoundList().Mount("Sounds", "No Sounds", ".wav", ".ogg");
    GetSoundManager().Shutdown();
    ArchiveTestFolder::TearDown();
}

std::string SpriteRecordingTest::Record(int32_t frames, const std::function<void(int32_t)>& drawFrame)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    for (int32_t frame = 0; frame < frames; frame++)
    {
        drawFrame(frame);
        recorder.EndFrame();
    }
    recorder.StopRecording();
    const std::string path = m_Folder.Path() + "Recording" + std::to_string(m_Recordings++) + ".Demo";
    recorder.Save(path.c_str(), 0);
    return path;
}

std::vector<std::vector<CRecordingFrame::Call>> SpriteRecordingTest::Replay(const std::string& path)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    CRecordingFrame target;
    recorder.SetTargetFrame(&target);
    recorder.PlayFile(path.c_str(), 0);
    std::vector<std::vector<CRecordingFrame::Call>> frames;
    while (recorder.IsPlaying())
    {
        target.calls.clear();
        recorder.PlayFrame();
        frames.push_back(target.calls);
    }
    recorder.SetTargetFrame(nullptr);
    return frames;
}

bool SpriteRecordingTest::AnySoundPlaying()
{
    CSoundList& sounds = GetSoundList();
    for (uint32_t i = 0; i < sounds.GetCount(); i++)
        if (sounds.IsItemLoaded(i) && sounds.GetSound(static_cast<int32_t>(i))->IsPlaying())
            return true;
    return false;
}

void SpriteRecordingTest::StopSounds()
{
    GetSoundManager().StopAllSounds();
}
