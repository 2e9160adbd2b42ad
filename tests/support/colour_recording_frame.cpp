#include "tests/support/colour_recording_frame.h"

#include "engine/app/demo_recorder.h"

std::vector<CColourRecordingFrame> SaveAndReplayRecording(const std::string& path, size_t count)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StopRecording();
    recorder.Save(path.c_str(), 0);
    std::vector<CColourRecordingFrame> replayed(count);
    recorder.PlayFile(path.c_str(), 0);
    for (size_t frame = 0; recorder.IsPlaying() && frame < replayed.size(); frame++)
    {
        recorder.SetTargetFrame(&replayed[frame]);
        recorder.PlayFrame();
    }
    recorder.StopPlaying();
    recorder.SetTargetFrame(nullptr);
    return replayed;
}
