#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/object/recorded_calls/message_stream.h"
#include "tests/support/stand_in_calls.h"

// Damaged demo streams, each replayed in a child of its own: the stream is
// used up, or the program ends through the stream's fatal report with exit
// code -1. The wide search over random damage is the demo stream fuzz
// target's; these are the shapes of damage worth keeping by name.

typedef std::vector<uint8_t> Bytes;

namespace {

Bytes operator+(Bytes first, const Bytes& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The 32-bit count that opens a list's first symbol.
Bytes Count(uint32_t count)
{
    return {static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count >> 16),
            static_cast<uint8_t>(count >> 24)};
}

// A name as a symbol sends it the first time: its bytes and a zero.
Bytes Name(const char* name)
{
    return Bytes(name, name + std::strlen(name) + 1);
}

Bytes Cut(Bytes bytes, size_t keep)
{
    bytes.resize(keep);
    return bytes;
}

// Seven calls are recorded here (the recorder's two and five stand-ins) and
// seven stand-in sounds, so a symbol index takes three bits.
const Bytes kOpening = Count(7) + Bytes{0x00} + Name("!CDemoRecorder::ReInitFromStream");
// "Brick Break.wav" (index 1), the byte 206 and the bit 1.
const Bytes kPlaySound = Count(7) + Bytes{0x04} + Name("!StandIn::PlaySoundFromStream") + Count(7) + Bytes{0x01} +
                         Name("Brick Break.wav") + Bytes{0xCE, 0x01};
const Bytes kEndOfFrame = Bytes{0x01} + Name("!EndOfFrameBlockReader");
const Bytes kOneFrame = kOpening + kPlaySound + kEndOfFrame;

const char* const kUsedUp = nullptr;

struct HostileStreamCase
{
    const char* name;
    Bytes input;
    // The fatal report's title, or kUsedUp.
    const char* title;
};

CStandInCalls& StandIns()
{
    static CStandInCalls standIns;
    return standIns;
}

void ReplayUntilExhausted(const Bytes& input)
{
    StandIns();
    CMessageStream stream;
    stream.SelectCalls(0);
    stream.AppendBytes(input.data(), static_cast<uint32_t>(input.size()));
    while (stream.HasBytes(1))
        stream.DispatchMessage();
}

} // namespace

TEST(DemoHostileStreamDeathTest, DamagedStreamsAreUsedUpOrEndThroughTheFatalReport)
{
    const HostileStreamCase cases[] = {
        {"nothing at all", {}, kUsedUp},
        {"a whole frame", kOneFrame, kUsedUp},
        {"cut inside the call count", Cut(kOpening, 2), "Improperly formatted network message"},
        {"cut inside a call's name", Cut(kOpening, 12), "Improperly formatted network message"},
        {"cut inside the arguments", Cut(kOpening + kPlaySound, kOpening.size() + kPlaySound.size() - 1),
         kUsedUp},
        {"a negative call count", Count(0xFFFFFFFF) + Bytes{0x00}, "Improperly formatted network message"},
        {"a call count beyond any list", Count(MAXIMUM_STREAM_COUNT + 1) + Bytes{0x00},
         "Improperly formatted network message"},
        {"an empty call list", Count(0) + Bytes{0x00}, "Improperly formatted network message"},
        {"a call nobody registered", Count(7) + Bytes{0x02} + Name("!StandIn::NoSuchCall"),
         "Missing network message handler"},
        {"an unreadable call name", Count(7) + Bytes{0x02} + Bytes{0x01, 0x02, 0x00},
         "Improperly formatted network message"},
        {"a sound the list lacks",
         kOpening + Count(7) + Bytes{0x04} + Name("!StandIn::PlaySoundFromStream") + Count(7) + Bytes{0x01} +
             Name("Missing.wav") + Bytes{0xCE, 0x01},
         "Fatal Not Found Error"},
        // The second message's index takes no bits and the call no arguments.
        {"a call that reads nothing from a one-call list",
         Count(1) + Name("!StandIn::DrawMidLayerFromStream") + Bytes{0x00}, "Improperly formatted network message"},
    };
    for (const HostileStreamCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        if (c.title == kUsedUp)
        {
            EXPECT_EXIT(
                {
                    ReplayUntilExhausted(c.input);
                    std::exit(0);
                },
                testing::ExitedWithCode(0), "^$");
        }
        else
        {
            EXPECT_EXIT(ReplayUntilExhausted(c.input), testing::ExitedWithCode(255), c.title);
        }
    }
}
