#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

#include "engine/object/recorded_calls/message_stream.h"
#include "tests/support/stream_bits.h"

typedef std::vector<uint8_t> Bytes;

TEST(MessageStreamValues, BitIntBitTakesSixBytes)
{
    CMessageStream stream;
    stream.WriteBits(1, 1);
    stream.WriteInt(0x12345678);
    stream.WriteBits(1, 1);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x01, 0x78, 0x56, 0x34, 0x12, 0x01 }));
}

TEST(MessageStreamValues, BitsFillBytesFromTheLowEndAndReadBackInOrder)
{
    CMessageStream stream;
    stream.WriteBits(5, 3);
    stream.WriteBits(0x1F, 5);
    stream.WriteBits(0xABC, 12);
    stream.WriteBool(true);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0xFD, 0xBC, 0x1A }));

    bool flag = false;
    EXPECT_EQ(stream.ReadBits(3), 5u);
    EXPECT_EQ(stream.ReadBits(5), 0x1Fu);
    EXPECT_EQ(stream.ReadBits(12), 0xABCu);
    stream.ReadBool(flag);
    EXPECT_TRUE(flag);
}

TEST(MessageStreamValues, ThirtyTwoBitsRoundTrip)
{
    CMessageStream stream;
    stream.WriteBits(1, 1);
    stream.WriteBits(0xDEADBEEF, 32);
    EXPECT_EQ(stream.ReadBits(1), 1u);
    EXPECT_EQ(stream.ReadBits(32), 0xDEADBEEFu);
}

TEST(MessageStreamValues, BitsAboveTheCountAreNotWritten)
{
    CMessageStream stream;
    stream.WriteBits(0xFF, 3);
    stream.WriteBits(0, 5);
    stream.WriteBits(0x1FF, 8);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x07, 0xFF }));
}

TEST(MessageStreamValues, ByteAlignedValuesStartOnANewByte)
{
    CMessageStream stream;
    stream.WriteBits(5, 3);
    stream.WriteByte(0x42);
    stream.WriteBits(1, 1);
    stream.AppendBytes(Bytes{ 0xAA }.data(), 1);
    stream.WriteBits(1, 1);
    stream.AppendBytes(nullptr, 4);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x05, 0x42, 0x01, 0xAA, 0x01 }));

    uint8_t byte = 0;
    EXPECT_EQ(stream.ReadBits(1), 1u);
    // The rest of the partly read byte is dropped.
    EXPECT_TRUE(stream.ReadByte(byte));
    EXPECT_EQ(byte, 0x42);
}

TEST(MessageStreamValues, Int64IsTwoLittleEndianWordsLowFirst)
{
    CMessageStream stream;
    stream.WriteInt64(0x0102030405060708);
    stream.WriteInt64(-2);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF,
                                           0xFF, 0xFF, 0xFF, 0xFF }));
    int64_t value = 0;
    EXPECT_TRUE(stream.ReadInt64(value));
    EXPECT_EQ(value, 0x0102030405060708);
    EXPECT_TRUE(stream.ReadInt64(value));
    EXPECT_EQ(value, -2);
}

TEST(MessageStreamValues, ReadsPastTheEndSeeCFAndFailWithZeroedTargets)
{
    CMessageStream stream;
    EXPECT_EQ(stream.ReadBits(8), 0xCFu);
    EXPECT_EQ(stream.ReadBits(4), 0xFu);

    int32_t number = 77;
    uint8_t byte = 77;
    int64_t wide = 77;
    CString text("left over");
    EXPECT_FALSE(stream.ReadInt(number));
    EXPECT_FALSE(stream.ReadByte(byte));
    EXPECT_FALSE(stream.ReadInt64(wide));
    stream.ReadAsciiString(text);
    EXPECT_EQ(number, 0);
    EXPECT_EQ(byte, 0);
    EXPECT_EQ(wide, 0);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(MessageStreamValues, ABitReadRunningOffTheEndTakesTheRestFromCF)
{
    CMessageStream stream;
    stream.WriteByte(0x01);
    EXPECT_EQ(stream.ReadBits(12), 0xF01u);
    EXPECT_EQ(stream.ReadBits(4), 0xFu);
    EXPECT_FALSE(stream.HasBytes(1));
}

TEST(MessageStreamValues, AShortIntReadConsumesNothing)
{
    CMessageStream stream;
    stream.AppendBytes(Bytes{ 1, 2, 3 }.data(), 3);
    int32_t number = 5;
    EXPECT_FALSE(stream.ReadInt(number));
    EXPECT_EQ(number, 0);
    EXPECT_TRUE(stream.HasBytes(3));
    EXPECT_FALSE(stream.HasBytes(4));
}

TEST(MessageStreamValues, RewindEmptiesTheBufferAndBothPositions)
{
    CMessageStream stream;
    stream.WriteBits(3, 2);
    stream.ReadBits(1);
    stream.Rewind();
    EXPECT_FALSE(stream.HasBytes(1));
    stream.WriteBits(1, 1);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x01 }));
    EXPECT_EQ(stream.ReadBits(1), 1u);
}

TEST(MessageStreamValues, AsciiAndWideStringForms)
{
    CMessageStream stream;
    stream.WriteAsciiString("Hi");
    stream.WriteAsciiString(nullptr);
    stream.WriteString(CString(u"A\u00E9\u20AC"));
    stream.WriteString(CString("ok"));
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 'H', 'i', 0, 0, 0xFF, 0xFE, 'A', 0, 0xE9, 0, 0xAC, 0x20, 0, 0, 'o', 'k', 0 }));

    CString text;
    stream.ReadAsciiString(text);
    EXPECT_STREQ(text.GetText(), "Hi");
    stream.ReadAsciiString(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(stream.ReadString(text));
    EXPECT_TRUE(text.IsWide());
    EXPECT_EQ(text.Compare(CString(u"A\u00E9\u20AC")), 0);
    EXPECT_TRUE(stream.ReadString(text));
    EXPECT_STREQ(text.GetText(), "ok");
}

TEST(MessageStreamValues, AnUnterminatedTextReadsEmptyAndStaysUnread)
{
    CMessageStream stream;
    stream.AppendBytes("abc", 3);
    CString text("x");
    stream.ReadAsciiString(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(stream.HasBytes(3));
    EXPECT_TRUE(stream.ReadString(text));
    EXPECT_TRUE(stream.HasBytes(3));
}

TEST(MessageStreamValues, AnUnterminatedWideTextFailsAfterItsMarker)
{
    CMessageStream stream;
    stream.AppendBytes(Bytes{ 0xFF, 0xFE, 'A', 0, 'B' }.data(), 5);
    CString text("x");
    EXPECT_FALSE(stream.ReadString(text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(stream.HasBytes(3));
    EXPECT_FALSE(stream.HasBytes(4));
}

TEST(MessageStreamValuesDeathTest, AWideTextWhereAnAsciiOneBelongsIsAProgrammingBug)
{
    EXPECT_EXIT(
        {
            CMessageStream stream;
            stream.WriteString(CString(u"\u20AC"));
            CString text;
            stream.ReadAsciiString(text);
        },
        testing::ExitedWithCode(255),
        "Programming BUG.*Error 368:  A UNICODE string was found where the code was expecting an ASCII string\\. "
        "This is a bug in ht e programming\\.");
}

struct RangeCodeCase
{
    uint32_t largest;
    uint32_t value;
    const char* bits;
};

class MessageStreamRangeCode : public testing::TestWithParam<RangeCodeCase>
{
};

TEST_P(MessageStreamRangeCode, WritesTheBitsInStreamOrderAndReadsThemBack)
{
    const RangeCodeCase& c = GetParam();
    CMessageStream stream;
    stream.WriteRangedValue(c.value, c.largest);
    stream.WriteBits(1, 1);
    EXPECT_EQ(BitsBeforeEndMark(stream), c.bits);
    EXPECT_EQ(stream.ReadRangedValue(c.largest), c.value);
    EXPECT_EQ(stream.ReadBits(1), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageStreamRangeCode,
    testing::Values(
        // One value: nothing at all.
        RangeCodeCase{ 0, 0, "" },
        // Three values.
        RangeCodeCase{ 2, 0, "00" }, RangeCodeCase{ 2, 1, "1" }, RangeCodeCase{ 2, 2, "01" },
        // Five values: 1 to 3 in two bits, 0 and 4 in three.
        RangeCodeCase{ 4, 0, "000" }, RangeCodeCase{ 4, 1, "10" }, RangeCodeCase{ 4, 2, "01" },
        RangeCodeCase{ 4, 3, "11" }, RangeCodeCase{ 4, 4, "001" },
        // Eight values (10 .. 17 of an integer property): always three bits.
        RangeCodeCase{ 7, 0, "000" }, RangeCodeCase{ 7, 6, "011" },
        // Twelve values: 4 to 7 in three bits, the others in four.
        RangeCodeCase{ 11, 5, "101" }, RangeCodeCase{ 11, 9, "1001" }, RangeCodeCase{ 11, 1, "1000" }));

TEST(MessageStreamValues, RangeCodeRoundTripsAtTheEdgesOfWideRanges)
{
    const uint32_t ranges[] = { 1, 2, 3, 1000, 49999, 0x7FFFFFFE, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu };
    for (uint32_t largest : ranges)
    {
        const uint32_t half = std::bit_floor(largest);
        const uint32_t values[] = { 0, 1, half - 1, half, largest - 1, largest };
        CMessageStream stream;
        for (uint32_t value : values)
            stream.WriteRangedValue(std::min(value, largest), largest);
        for (uint32_t value : values)
            EXPECT_EQ(stream.ReadRangedValue(largest), std::min(value, largest)) << largest;
    }
}

struct CoordinateCase
{
    Vector2 point;
    int32_t xMin, xMax, yMin, yMax;
    Vector2 expected;
};

class MessageStreamCoordinates : public testing::TestWithParam<CoordinateCase>
{
};

TEST_P(MessageStreamCoordinates, RoundHalvesToEvenAndClampIntoTheRange)
{
    const CoordinateCase& c = GetParam();
    CMessageStream stream;
    stream.WriteCoordinatePair(c.point, c.xMin, c.xMax, c.yMin, c.yMax);
    Vector2 read = { -1.0f, -1.0f };
    stream.ReadCoordinatePair(read, c.xMin, c.xMax, c.yMin, c.yMax);
    EXPECT_EQ(read.x, c.expected.x);
    EXPECT_EQ(read.y, c.expected.y);
    EXPECT_FALSE(stream.HasBytes(1));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageStreamCoordinates,
    testing::Values(CoordinateCase{ { 3.5f, 2.5f }, 0, 10, 0, 10, { 4.0f, 2.0f } },
                    CoordinateCase{ { 0.5f, 1.5f }, 0, 10, 0, 10, { 0.0f, 2.0f } },
                    CoordinateCase{ { -5.0f, 12.0f }, 0, 10, 0, 10, { 0.0f, 10.0f } },
                    // A y range of 0..0 is the x range.
                    CoordinateCase{ { 7.0f, 70.0f }, 5, 90, 0, 0, { 7.0f, 70.0f } },
                    CoordinateCase{ { -250.0f, 650.0f }, -100, 100, 0, 600, { -100.0f, 600.0f } },
                    CoordinateCase{ { NAN, 3.0f }, -20, 20, 0, 10, { 0.0f, 3.0f } },
                    // A single-value axis is its minimum.
                    CoordinateCase{ { 100.0f, 3.0f }, 5, 5, 0, 10, { 5.0f, 3.0f } }));

TEST(MessageStreamValues, CoordinatesShareBytesAndSingleValueRangesWriteNothing)
{
    CMessageStream stream;
    stream.WriteCoordinatePair({ 3.5f, 2.5f }, 0, 10, 0, 10);
    stream.WriteBits(1, 1);
    // 4 over eleven values is "001", 2 is "010" and a top bit "0".
    EXPECT_EQ(BitsBeforeEndMark(stream), "0010100");

    CMessageStream single;
    single.WriteCoordinatePair({ 9.0f, 9.0f }, 4, 4, 7, 7);
    EXPECT_EQ(single.GetLength(), 0u);
}
