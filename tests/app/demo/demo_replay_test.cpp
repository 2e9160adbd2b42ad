#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "tests/support/scoped_temp_folder.h"
#include "tests/support/stand_in_calls.h"

typedef std::vector<std::vector<std::string>> FrameLog;

// Made before the recorder selects its calls, kept until exit.
static CStandInCalls& StandIns()
{
    static CStandInCalls standIns;
    return standIns;
}

static CDemoRecorder& Recorder()
{
    StandIns();
    return CDemoRecorder::Get();
}

// Records frames of random stand-in calls (some frames hold none) and saves
// them; answers what each frame recorded.
static FrameLog RecordDemo(const std::string& fileName, uint32_t seed, uint32_t frames)
{
    std::mt19937 random(seed);
    CDemoRecorder& recorder = Recorder();
    recorder.StartRecording();
    FrameLog log;
    for (uint32_t frame = 0; frame < frames; frame++)
    {
        StandIns().recorded.clear();
        for (uint32_t n = random() % 7; n != 0; n--)
            StandIns().Record(recorder.GetStream(), random() % StandIns().GetCount(), random);
        recorder.EndFrame();
        log.push_back(StandIns().recorded);
    }
    recorder.StopRecording();
    recorder.Save(fileName.c_str(), 0);
    return log;
}

static FrameLog PlayUntilIdle(CDemoRecorder& recorder)
{
    FrameLog log;
    while (recorder.IsPlaying())
    {
        StandIns().replayed.clear();
        recorder.PlayFrame();
        log.push_back(StandIns().replayed);
    }
    return log;
}

static FrameLog Concatenate(FrameLog first, const FrameLog& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Two clips recorded from neighbouring seeds, for the cases that append one
// clip to another.
struct TwoClips
{
    TwoClips(uint32_t seed, uint32_t frames)
        : firstFrames(RecordDemo(first, seed, frames))
        , secondFrames(RecordDemo(second, seed + 1, frames))
    {
    }

    ScopedTempFolder folder;
    const std::string first = folder.Path() + "First.Demo";
    const std::string second = folder.Path() + "Second.Demo";
    const FrameLog firstFrames;
    const FrameLog secondFrames;
};

TEST(DemoReplay, ReplaysEveryFrameWithTheRecordedCallsAndArguments)
{
    ScopedTempFolder folder;
    const std::string demo = folder.Path() + "Demo.Demo";
    const FrameLog recorded = RecordDemo(demo, 11, 60);

    CDemoRecorder& recorder = Recorder();
    recorder.PlayFile(demo.c_str(), 0);
    EXPECT_EQ(PlayUntilIdle(recorder), recorded);
    EXPECT_EQ(recorder.GetState(), CDemoRecorder::STATE_IDLE);
}

TEST(DemoReplay, AClipAppendedWhileOneIsPlayingDropsItsCallCount)
{
    const TwoClips clips(21, 8);

    CDemoRecorder& recorder = Recorder();
    recorder.PlayFile(clips.first.c_str(), 0);
    recorder.AppendFile(clips.second.c_str(), 0);
    EXPECT_EQ(PlayUntilIdle(recorder), Concatenate(clips.firstFrames, clips.secondFrames));
}

TEST(DemoReplay, AClipAppendedToAStreamReadToItsEndIsReadFromAFreshStart)
{
    const TwoClips clips(31, 5);

    CDemoRecorder& recorder = Recorder();
    recorder.PlayFile(clips.first.c_str(), 0);
    EXPECT_EQ(PlayUntilIdle(recorder), clips.firstFrames);

    recorder.AppendFile(clips.second.c_str(), 0);
    CMessageStream& stream = recorder.GetStream();
    StandIns().replayed.clear();
    while (stream.HasBytes(1))
        stream.DispatchMessage();
    std::vector<std::string> expected;
    for (const std::vector<std::string>& frame : clips.secondFrames)
        expected.insert(expected.end(), frame.begin(), frame.end());
    EXPECT_EQ(StandIns().replayed, expected);
}

// FNV-1a over every replayed line, each frame closed by a blank line.
static uint64_t HashOfCalls(const FrameLog& frames)
{
    uint64_t hash = 0xCBF29CE484222325u;
    auto add = [&hash](const std::string& text) {
        for (unsigned char byte : text + "\n")
            hash = (hash ^ byte) * 0x100000001B3u;
    };
    for (const std::vector<std::string>& frame : frames)
    {
        for (const std::string& line : frame)
            add(line);
        add("");
    }
    return hash;
}

// A recording kept as bytes, made once by this program's writer: a reader
// that decodes any argument differently, or a frame boundary in another
// place, changes the calls it makes and so their hash.
TEST(DemoReplay, AFixedRecordingMakesTheSameCalls)
{
    ScopedTempFolder folder;
    folder.CopyFixture("demo/stand_in_calls.dem");

    CDemoRecorder& recorder = Recorder();
    recorder.PlayFile((folder.Path() + "demo/stand_in_calls.dem").c_str(), 0);
    const FrameLog replayed = PlayUntilIdle(recorder);

    ASSERT_EQ(replayed.size(), 12u);
    ASSERT_EQ(replayed[0].size(), 6u);
    EXPECT_EQ(replayed[0][2], "!StandIn::DrawSpriteFromStream 188:484,2,1,");
    EXPECT_EQ(HashOfCalls(replayed), 0x6F727A5127637C94u);
}
