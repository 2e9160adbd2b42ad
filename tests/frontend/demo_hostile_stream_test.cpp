#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/core/program/error_report.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/platform/message_box.h"
#include "game/frontend/demo_recorder.h"
#include "tests/support/stand_in_calls.h"

typedef std::vector<uint8_t> Bytes;

static const uint32_t INPUT_COUNT = 10000;

static CStandInCalls& StandIns()
{
    static CStandInCalls standIns;
    return standIns;
}

static Bytes RecordDemo(std::mt19937& random)
{
    StandIns();
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    for (uint32_t frame = 5 + random() % 20; frame != 0; frame--)
    {
        for (uint32_t n = random() % 8; n != 0; n--)
            StandIns().Record(recorder.GetStream(), random() % StandIns().GetCount(), random);
        recorder.EndFrame();
    }
    recorder.StopRecording();
    const CMessageStream& stream = recorder.GetStream();
    return Bytes(stream.GetBuffer(), stream.GetBuffer() + stream.GetLength());
}

static Bytes RandomBytes(std::mt19937& random, uint32_t count)
{
    Bytes bytes(count);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    return bytes;
}

// Random data mostly dies at once on an absurd count, so most inputs are
// recordings with a few bytes or bits damaged, cut short, spliced or grown,
// which get past the first symbols and into the replay functions; the rest
// are random bytes, bare or behind a plausible call count.
static Bytes MakeInput(std::mt19937& random, const std::vector<Bytes>& recordings)
{
    Bytes input = recordings[random() % recordings.size()];
    switch (random() % 8)
    {
    case 0:
        return RandomBytes(random, random() % 64);
    case 1:
    {
        Bytes bytes = { static_cast<uint8_t>(CDemoRecorder::Get().GetStream().GetCallTable().GetCount()), 0, 0, 0 };
        const Bytes tail = RandomBytes(random, random() % 64);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    }
    case 2:
        for (uint32_t n = 1 + random() % 4; n != 0 && !input.empty(); n--)
            input[random() % input.size()] = static_cast<uint8_t>(random());
        return input;
    case 3:
        for (uint32_t n = 1 + random() % 8; n != 0 && !input.empty(); n--)
            input[random() % input.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
        return input;
    case 4:
        input.resize(random() % (input.size() + 1));
        return input;
    case 5:
    {
        const Bytes& other = recordings[random() % recordings.size()];
        input.resize(random() % (input.size() + 1));
        input.insert(input.end(), other.begin() + random() % (other.size() + 1), other.end());
        return input;
    }
    case 6:
    {
        const Bytes chunk = RandomBytes(random, 1 + random() % 8);
        input.insert(input.begin() + random() % (input.size() + 1), chunk.begin(), chunk.end());
        return input;
    }
    default:
    {
        const size_t start = random() % (input.size() + 1);
        input.erase(input.begin() + start, input.begin() + std::min(input.size(), start + 1 + random() % 8));
        return input;
    }
    }
}

static void ReplayUntilExhausted(const Bytes& input)
{
    CMessageStream stream;
    stream.SelectCalls(0);
    stream.AppendBytes(input.data(), static_cast<uint32_t>(input.size()));
    while (stream.HasBytes(1))
        stream.DispatchMessage();
}

static std::vector<Bytes> MakeInputs(uint32_t count)
{
    std::mt19937 random(20261210);
    std::vector<Bytes> recordings;
    for (int i = 0; i < 12; i++)
        recordings.push_back(RecordDemo(random));
    std::vector<Bytes> inputs;
    for (uint32_t i = 0; i < count; i++)
        inputs.push_back(MakeInput(random, recordings));
    return inputs;
}

static const char* const FATAL_TITLES[] = { "Improperly formatted network message", "Missing network message handler",
                                            "Programming BUG", "Fatal Not Found Error" };

// Stands in for the end of the program after a fatal report, so that one
// process can go on with the next input.
struct FatalExitReached
{
};

[[noreturn]] static void ThrowAtFatalExit()
{
    throw FatalExitReached();
}

static std::string s_LastCaption;

static void RememberCaption(const char* caption, const char*)
{
    s_LastCaption = caption;
}

static bool IsFatalCaption(const std::string& caption)
{
    for (const char* title : FATAL_TITLES)
        if (caption == std::string("\"VivuVarur Explanation\" - ") + title)
            return true;
    return false;
}

// All inputs in one child, so that a sanitizer report or a stray exit ends
// only the child: each input is used up, or ends in a fatal report and the
// program's exit, which the hook turns into the next input.
TEST(DemoHostileStreamDeathTest, TenThousandStreamsAreUsedUpOrReachAFatalReport)
{
    const std::vector<Bytes> inputs = MakeInputs(INPUT_COUNT);
    EXPECT_EXIT(
        {
            SetMessageBoxSink(RememberCaption);
            SetFatalExitHook(ThrowAtFatalExit);
            uint32_t usedUp = 0;
            uint32_t fatal = 0;
            for (uint32_t i = 0; i < inputs.size(); i++)
            {
                try
                {
                    ReplayUntilExhausted(inputs[i]);
                    usedUp++;
                }
                catch (const FatalExitReached&)
                {
                    if (!IsFatalCaption(s_LastCaption))
                    {
                        std::fprintf(stderr, "input %u: unexpected report '%s'\n", i, s_LastCaption.c_str());
                        std::exit(1);
                    }
                    s_LastCaption.clear();
                    fatal++;
                }
            }
            std::fprintf(stderr, "used up: %u, fatal: %u\n", usedUp, fatal);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "used up: [1-9][0-9]*, fatal: [1-9][0-9]*");
}

// The first of the same inputs without the hook, each in a child of its
// own: a damaged one ends the program with exit code -1 after its report.
TEST(DemoHostileStreamDeathTest, MalformedStreamsEndTheProgramThroughTheFatalReport)
{
    const std::vector<Bytes> inputs = MakeInputs(60);
    uint32_t usedUp = 0;
    uint32_t fatal = 0;
    auto endedCleanlyOrFatally = [&usedUp, &fatal](int status) {
        if (testing::ExitedWithCode(0)(status))
            usedUp++;
        else if (testing::ExitedWithCode(255)(status))
            fatal++;
        else
            return false;
        return true;
    };
    std::string cleanOrFatal = "^$";
    for (const char* title : FATAL_TITLES)
        cleanOrFatal += std::string("|") + title;
    for (uint32_t i = 0; i < inputs.size() && !HasFailure(); i++)
    {
        EXPECT_EXIT(
            {
                ReplayUntilExhausted(inputs[i]);
                std::exit(0);
            },
            endedCleanlyOrFatally, cleanOrFatal)
            << "input " << i;
    }
    EXPECT_GT(usedUp, 0u);
    EXPECT_GT(fatal, 0u);
}
