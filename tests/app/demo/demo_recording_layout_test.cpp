#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/object/recorded_calls/stream_call.h"
#include "engine/app/demo_recorder.h"
#include "tests/support/stream_bits.h"

typedef std::vector<uint8_t> Bytes;

static const char* const GAME_CALL_NAMES[] = {
    "!CBrickLayout::ApplyBackgroundThemeFromStream",
    "!CDemoRecorder::ReInitFromStream",
    "!CPlayfield::AdjustClippingRectFromStream",
    "!CPlayfield::DrawMidLayerFromStream",
    "!CPlayfield::DrawSpriteListFromStream",
    "!CPlayfield::SpawnAnimatedEffectSpriteFromStream",
    "!CPlayfield::SpawnSparksFromStream",
    "!CPlayfield::SpawnSparksFromStreamSmallFormat",
    "!CSprite::DrawFromStream",
    "!DrawElecticityFromStream",
    "!EndOfFrameBlockReader",
    "!PlaySoundFromStream",
};

static bool IsRegistered(const char* name)
{
    for (CStreamCall* call : GetStreamCallRegistry())
        if (std::strcmp(call->GetName(), name) == 0)
            return true;
    return false;
}

static void ReplayNothing(CMessageStream&)
{
}

// The game's own calls where they exist, stand-ins for the rest; made before
// the recorder selects its calls and kept until exit, as the game's are.
static void CompleteTheGameCalls()
{
    static std::vector<std::unique_ptr<CCallbackStreamCall>> standIns;
    for (const char* name : GAME_CALL_NAMES)
        if (!IsRegistered(name))
            standIns.push_back(std::make_unique<CCallbackStreamCall>(ReplayNothing, name, 3));
}

static Bytes CountIndexAndName(uint8_t index, const char* name)
{
    // Built front to back in one piece: gcc 12 misreads a vector insert
    // after an initializer list as writing out of bounds.
    const size_t nameBytes = std::strlen(name) + 1;
    Bytes bytes(5 + nameBytes);
    const uint8_t head[] = { 0x0C, 0x00, 0x00, 0x00, index };
    std::memcpy(bytes.data(), head, sizeof(head));
    std::memcpy(bytes.data() + sizeof(head), name, nameBytes);
    return bytes;
}

TEST(DemoRecordingLayout, ARecordingOpensWithTheCallCountAndTheReInitCall)
{
    CompleteTheGameCalls();
    CDemoRecorder& recorder = CDemoRecorder::Get();

    VirtualArray& calls = recorder.GetStream().GetCallTable();
    ASSERT_EQ(calls.GetCount(), 12u);
    for (uint32_t i = 0; i < 12; i++)
        EXPECT_STREQ(calls.GetName(i), GAME_CALL_NAMES[i]);

    recorder.StartRecording();
    const Bytes opening = CountIndexAndName(0x01, "!CDemoRecorder::ReInitFromStream");
    EXPECT_EQ(opening.size(), 4u + 1u + 32u + 1u);
    EXPECT_EQ(StreamBytes(recorder.GetStream()), opening);

    // The maps were reset after the opening message: the count goes again.
    recorder.EndFrame();
    Bytes expected = opening;
    const Bytes firstEnd = CountIndexAndName(0x0A, "!EndOfFrameBlockReader");
    expected.insert(expected.end(), firstEnd.begin(), firstEnd.end());
    EXPECT_EQ(StreamBytes(recorder.GetStream()), expected);

    recorder.EndFrame();
    expected.push_back(0x0A);
    EXPECT_EQ(StreamBytes(recorder.GetStream()), expected);
    recorder.StopRecording();
}
