#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/archive_test_folder.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

class CMessageStream;

// Recording and replaying sprite draws and sounds through the demo
// recorder: a data folder whose "Sound List" holds "A.wav", "B.wav" and
// "C.wav" (indices 0 to 2), and sequences added to the "Sequences" list.
class SpriteRecordingTest : public ArchiveTestFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Records one frame per call of the drawing function (given the frame
    // number) and saves the recording; answers its path.
    std::string Record(int32_t frames, const std::function<void(int32_t)>& drawFrame);
    // Replays a recording frame by frame into a recording frame; answers
    // the blits of each frame.
    std::vector<std::vector<CRecordingFrame::Call>> Replay(const std::string& path);
    // Whether any item of the sound list is playing.
    static bool AnySoundPlaying();
    static void StopSounds();

    ListedSequences m_Sequences;

private:
    ScopedManualAudio m_Audio;
    int32_t m_Recordings = 0;
};
