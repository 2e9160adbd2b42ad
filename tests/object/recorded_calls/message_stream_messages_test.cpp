#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "engine/platform/message_box.h"
#include "tests/support/stream_bits.h"

typedef std::vector<uint8_t> Bytes;

static std::vector<std::string> s_Replayed;
static int s_SelectedCount = 0;

static void TakeABit(CMessageStream& stream)
{
    s_Replayed.push_back("bit " + std::to_string(stream.ReadBits(1)));
}

static void TakeNothing(CMessageStream&)
{
    s_Replayed.push_back("nothing");
}

static void CountSelection()
{
    s_SelectedCount++;
}

// Test calls exist only while a test runs; the stream is made after them.
class MessageStreamMessages : public testing::Test
{
protected:
    MessageStreamMessages()
        : bitCall(TakeABit, "!Test::TakeABitFromStream", 3, CountSelection)
        , nothingCall(TakeNothing, "!Test::TakeNothingFromStream", 3)
        , oddCall(TakeNothing, "!Test::OddFlagsFromStream", 1)
    {
        s_Replayed.clear();
        s_SelectedCount = 0;
    }

    int32_t IndexOf(const char* name) { return stream.GetCallTable().Find(name, -1); }
    uint32_t CallCount() { return stream.GetCallTable().GetCount(); }

    CCallbackStreamCall bitCall;
    CCallbackStreamCall nothingCall;
    CCallbackStreamCall oddCall;
    CMessageStream stream;
};

TEST_F(MessageStreamMessages, SelectionTakesMatchingCallsInByteWiseNameOrder)
{
    stream.SelectCalls(2);
    VirtualArray& table = stream.GetCallTable();
    ASSERT_GE(table.GetCount(), 2u);
    for (uint32_t i = 1; i < table.GetCount(); i++)
        EXPECT_LT(std::strcmp(table.GetName(i - 1), table.GetName(i)), 0);
    EXPECT_NE(IndexOf("!Test::TakeABitFromStream"), -1);
    EXPECT_EQ(IndexOf("!Test::OddFlagsFromStream"), -1);
    EXPECT_EQ(s_SelectedCount, 1);
}

TEST_F(MessageStreamMessages, ACallNotSelectedStartsNoMessage)
{
    stream.SelectCalls(2);
    EXPECT_FALSE(stream.BeginMessage(oddCall, MESSAGE_KIND_GAME_CALL));
    EXPECT_EQ(stream.GetLength(), 0u);
}

TEST_F(MessageStreamMessages, KindsZeroOneAndFourMarkTheStreamChanged)
{
    stream.SelectCalls(0);
    const bool expected[] = { true, true, false, false, true };
    for (int32_t kind = 0; kind < 5; kind++)
    {
        stream.Rewind();
        EXPECT_FALSE(stream.HasChanged());
        stream.BeginMessage(nothingCall, kind);
        EXPECT_EQ(stream.HasChanged(), expected[kind]) << kind;
    }
}

TEST_F(MessageStreamMessages, TheKindDoesNotChangeTheBytes)
{
    stream.SelectCalls(0);
    stream.BeginMessage(nothingCall, MESSAGE_KIND_GAME_CALL);
    const Bytes asGameCall = StreamBytes(stream);
    stream.ResetSymbolMaps();
    stream.Rewind();
    stream.BeginMessage(nothingCall, MESSAGE_KIND_RECORDER);
    EXPECT_EQ(StreamBytes(stream), asGameCall);
}

TEST_F(MessageStreamMessages, EveryMessageStartsOnANewByte)
{
    stream.SelectCalls(0);
    // First uses carry the count and names; once the maps know both calls
    // only index bits remain.
    stream.BeginMessage(bitCall, MESSAGE_KIND_GAME_CALL);
    stream.WriteBits(1, 1);
    stream.BeginMessage(nothingCall, MESSAGE_KIND_GAME_CALL);
    stream.BeginMessage(bitCall, MESSAGE_KIND_GAME_CALL);
    stream.WriteBits(0, 1);
    stream.BeginMessage(nothingCall, MESSAGE_KIND_GAME_CALL);
    const uint32_t knownStart = stream.GetLength();
    stream.BeginMessage(bitCall, MESSAGE_KIND_GAME_CALL);
    stream.WriteBits(1, 1);
    stream.BeginMessage(nothingCall, MESSAGE_KIND_GAME_CALL);
    ASSERT_EQ(stream.GetLength(), knownStart + 2);
    EXPECT_EQ(stream.GetBuffer()[knownStart + 1], IndexOf("!Test::TakeNothingFromStream"));

    while (stream.HasBytes(1))
        stream.DispatchMessage();
    EXPECT_EQ(s_Replayed, (std::vector<std::string>{ "bit 1", "nothing", "bit 0", "nothing", "bit 1", "nothing" }));
}

TEST_F(MessageStreamMessages, ACallCountOf50000IsAccepted)
{
    stream.SelectCalls(0);
    stream.WriteInt(50000);
    stream.WriteRangedValue(31000, 49999);
    stream.WriteAsciiString("!Test::TakeNothingFromStream");
    stream.DispatchMessage();
    EXPECT_EQ(s_Replayed, (std::vector<std::string>{ "nothing" }));
}

// The child says on stderr whether the report matched, for the parent to see.
static std::string s_ExpectedCaption;
static std::string s_ExpectedText;

static void CompareReport(const char* caption, const char* text)
{
    std::fputs(s_ExpectedCaption == caption && s_ExpectedText == text ? "<report as expected>\n" : "<report differs>\n",
               stderr);
}

static const char MISSING_HANDLER_TEXT[] =
    "Encountered fatal error while trying to process a message from a networked computer.  "
    "A message of type \"!Test::NotHereFromStream\" was received but no handler for such a message could be found.  "
    "This usually means you do not have the same version of the game as the other networked computer.  "
    "But this could also mean there is an error in the \"!Test::TakeNothingFromStream\" message handler code."
    "\r\n\r\nThis error could also be caused by a disruption in the network link.";

static const char MALFORMED_TEXT[] =
    "Encountered fatal error while trying to process a message from a networked computer.  "
    "Received an improperly formatted message of type \"!Test::TakeNothingFromStream\"  "
    "This usually means there is a bug in the code that generates and/or handles message of that type."
    "\r\n\r\nThis error could also be caused by a disruption in the network link.";

struct CallNameCase
{
    const char* description;
    const char* name;
    const char* caption;
    const char* text;
};

class MessageStreamMessagesDeathTest : public MessageStreamMessages, public testing::WithParamInterface<CallNameCase>
{
};

// The call replayed before the bad message is named as the possible culprit.
TEST_P(MessageStreamMessagesDeathTest, ACallTheReaderLacksEndsWithItsReport)
{
    const CallNameCase& c = GetParam();
    EXPECT_EXIT(
        {
            stream.SelectCalls(0);
            // Its name ends on a byte boundary, as the next message must start.
            stream.BeginMessage(nothingCall, MESSAGE_KIND_GAME_CALL);
            stream.WriteRangedValue(IndexOf("!Test::TakeNothingFromStream") == 0 ? 1 : 0, CallCount() - 1);
            stream.WriteAsciiString(c.name);
            s_ExpectedCaption = std::string("\"VivuVarur Explanation\" - ") + c.caption;
            s_ExpectedText = c.text;
            SetMessageBoxSink(CompareReport);
            stream.DispatchMessage();
            stream.DispatchMessage();
            std::fputs("returned\n", stderr);
        },
        testing::ExitedWithCode(255), "<report as expected>");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageStreamMessagesDeathTest,
    testing::Values(
        CallNameCase{ "PrintableName", "!Test::NotHereFromStream", "Missing network message handler", MISSING_HANDLER_TEXT },
        CallNameCase{ "OneCharacter", "A", "Improperly formatted network message", MALFORMED_TEXT },
        CallNameCase{ "Empty", "", "Improperly formatted network message", MALFORMED_TEXT },
        CallNameCase{ "Unprintable", "!Test::\x7F", "Improperly formatted network message", MALFORMED_TEXT }),
    [](const testing::TestParamInfo<CallNameCase>& info) { return info.param.description; });

struct CallCountCase
{
    const char* description;
    int32_t count;
};

class MessageStreamCallCountDeathTest : public MessageStreamMessages, public testing::WithParamInterface<CallCountCase>
{
};

TEST_P(MessageStreamCallCountDeathTest, ACallCountNoWriterSendsIsImproperlyFormatted)
{
    EXPECT_EXIT(
        {
            stream.SelectCalls(0);
            stream.WriteInt(GetParam().count);
            stream.WriteBits(0, 8);
            stream.WriteAsciiString("!Test::TakeNothingFromStream");
            stream.DispatchMessage();
        },
        testing::ExitedWithCode(255), "Improperly formatted network message.*type \"\\(NULL\\)\"");
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageStreamCallCountDeathTest,
                         testing::Values(CallCountCase{ "Above50000", 50001 }, CallCountCase{ "Negative", -1 },
                                         CallCountCase{ "Empty", 0 }),
                         [](const testing::TestParamInfo<CallCountCase>& info) { return info.param.description; });

// With a one-entry call list a message without arguments is no bytes at all;
// dispatching it would never get past it.
using MessageStreamStallDeathTest = MessageStreamMessages;

TEST_F(MessageStreamStallDeathTest, AMessageThatReadsNothingIsImproperlyFormatted)
{
    EXPECT_EXIT(
        {
            stream.SelectCalls(0);
            stream.WriteInt(1);
            stream.WriteAsciiString("!Test::TakeNothingFromStream");
            stream.WriteByte(0);
            stream.DispatchMessage();
            stream.DispatchMessage();
        },
        testing::ExitedWithCode(255), "Improperly formatted network message.*type \"!Test::TakeNothingFromStream\"");
}
