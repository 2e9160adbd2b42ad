#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/object/recorded_calls/message_stream.h"
#include "tests/support/stream_bits.h"
#include "tests/support/test_name_list.h"

typedef std::vector<uint8_t> Bytes;

static Bytes CountAndName(uint32_t count, const Bytes& indexBytes, const std::string& name)
{
    // Appended byte by byte: gcc 12 misreads a vector insert after an
    // initializer list as writing out of bounds.
    Bytes bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(count >> shift));
    for (uint8_t byte : indexBytes)
        bytes.push_back(byte);
    for (char character : name)
        bytes.push_back(static_cast<uint8_t>(character));
    bytes.push_back(0);
    return bytes;
}

static std::vector<const char*> TwelveNames()
{
    return { "Item00", "Item01", "Item02", "Item03", "Item04", "Item05",
             "Item06", "Item07", "Item08", "Item09", "Item10", "Item11" };
}

TEST(MessageStreamSymbols, AOneEntryListSendsCountAndNameOnceAndThenNothing)
{
    CTestNameList list({ "Only" });
    CMessageStream stream;
    stream.WriteSymbol(0, list);
    EXPECT_EQ(StreamBytes(stream), CountAndName(1, {}, "Only"));
    stream.WriteSymbol(0, list);
    EXPECT_EQ(stream.GetLength(), 9u);

    EXPECT_EQ(stream.ReadSymbol(list), 0);
    EXPECT_EQ(stream.ReadSymbol(list), 0);
    EXPECT_FALSE(stream.HasBytes(1));
}

TEST(MessageStreamSymbols, ATwelveEntryListSendsIndexBitsAndEachNameOnFirstUse)
{
    CTestNameList list(TwelveNames());
    CMessageStream stream;
    stream.WriteSymbol(5, list);
    EXPECT_EQ(StreamBytes(stream), CountAndName(12, { 0x05 }, "Item05"));

    // The maps outlive Rewind: only the index bits follow.
    stream.Rewind();
    stream.WriteSymbol(5, list);
    stream.WriteBits(1, 1);
    EXPECT_EQ(BitsBeforeEndMark(stream), "101");

    stream.Rewind();
    stream.WriteSymbol(9, list);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x09, 'I', 't', 'e', 'm', '0', '9', 0 }));
}

TEST(MessageStreamSymbols, TheReaderMapsNamesToItsOwnIndices)
{
    CTestNameList writerList({ "Apple", "Banana", "Cherry", "Damson" });
    CTestNameList readerList({ "Damson", "Cherry", "Elder", "Banana", "Apple" });
    CMessageStream stream;
    for (int32_t index : { 0, 2, 0, 3, 2 })
        stream.WriteSymbol(index, writerList);

    std::vector<int32_t> read;
    for (int i = 0; i < 5; i++)
        read.push_back(stream.ReadSymbol(readerList));
    EXPECT_EQ(read, (std::vector<int32_t>{ 4, 1, 4, 0, 1 }));
    EXPECT_FALSE(stream.HasBytes(1));
}

TEST(MessageStreamSymbols, AnItemAddedAnywhereMakesBothSidesStartAfresh)
{
    CTestNameList list(TwelveNames());
    CTestNameList other({ "Elsewhere" });
    CMessageStream stream;
    stream.WriteSymbol(3, list);
    EXPECT_EQ(stream.ReadSymbol(list), 3);

    EXPECT_TRUE(other.NotifyItemAdded(0));
    stream.WriteSymbol(3, list);
    const Bytes expected = CountAndName(12, { 0x03 }, "Item03");
    EXPECT_EQ(Bytes(stream.GetBuffer() + expected.size(), stream.GetBuffer() + stream.GetLength()), expected);
    EXPECT_EQ(stream.ReadSymbol(list), 3);
    EXPECT_FALSE(stream.HasBytes(1));
}

TEST(MessageStreamSymbols, ResetSymbolMapsSendsCountAndNamesAgain)
{
    CTestNameList list({ "Left", "Right" });
    CMessageStream stream;
    stream.WriteSymbol(1, list);
    const Bytes first = StreamBytes(stream);
    stream.ResetSymbolMaps();
    stream.Rewind();
    stream.WriteSymbol(1, list);
    EXPECT_EQ(StreamBytes(stream), first);
}

// A list whose items change without telling anyone, as a list can while a
// recording is made.
class CChangingList : public SearchableVirtualArray
{
public:
    explicit CChangingList(std::vector<std::string> names)
        : names(std::move(names))
    {
    }

    const char* GetName(uint32_t index) override { return index < names.size() ? names[index].c_str() : nullptr; }
    CString GetNameString(uint32_t index) override { return CString(GetName(index)); }
    uint32_t GetCount() override { return static_cast<uint32_t>(names.size()); }

    std::vector<std::string> names;
};

TEST(MessageStreamSymbols, IndicesAreCodedOverTheCountFirstSentAndClampedIntoIt)
{
    CChangingList writerList({ "Red", "Green", "Blue" });
    CTestNameList readerList({ "Red", "Green", "Blue" });
    CMessageStream stream;
    stream.WriteSymbol(1, writerList);
    writerList.names.push_back("Cyan");
    writerList.names.push_back("Magenta");
    stream.WriteSymbol(4, writerList);
    stream.WriteSymbol(-7, writerList);

    EXPECT_EQ(stream.ReadSymbol(readerList), 1);
    EXPECT_EQ(stream.ReadSymbol(readerList), 2);
    EXPECT_EQ(stream.ReadSymbol(readerList), 0);
    EXPECT_FALSE(stream.HasBytes(1));
}

TEST(MessageStreamSymbols, ACountOf50000IsAccepted)
{
    CTestNameList list({ "Apple", "Banana" });
    CMessageStream stream;
    stream.WriteInt(50000);
    stream.WriteRangedValue(40000, 49999);
    stream.WriteAsciiString("Banana");
    EXPECT_EQ(stream.ReadSymbol(list), 1);
    EXPECT_FALSE(stream.HasBytes(1));
}

struct BadListCountCase
{
    const char* description;
    int32_t count;
};

class MessageStreamSymbolsDeathTest : public testing::TestWithParam<BadListCountCase>
{
};

// For a list other than the calls the list's own not-found report speaks,
// naming the call being replayed in place of a file.
TEST_P(MessageStreamSymbolsDeathTest, ACountNoWriterSendsEndsWithTheNotFoundReport)
{
    const BadListCountCase& c = GetParam();
    EXPECT_EXIT(
        {
            CTestNameList list({ "Apple", "Banana" });
            CMessageStream stream;
            stream.WriteInt(c.count);
            stream.WriteBits(0, 8);
            stream.WriteAsciiString("Apple");
            stream.ReadSymbol(list);
        },
        testing::ExitedWithCode(255), "Fatal Not Found Error.*referenced by \"Networked Computer \\(NULL\\)\"");
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageStreamSymbolsDeathTest,
                         testing::Values(BadListCountCase{ "Above50000", 50001 }, BadListCountCase{ "Negative", -1 },
                                         BadListCountCase{ "Empty", 0 }),
                         [](const testing::TestParamInfo<BadListCountCase>& info) { return info.param.description; });

TEST(MessageStreamSymbolsDeathTest, ANameTheReaderLacksEndsWithTheNotFoundReport)
{
    EXPECT_EXIT(
        {
            CTestNameList writerList({ "Apple", "Quince" });
            CTestNameList readerList({ "Apple", "Banana" });
            CMessageStream stream;
            stream.WriteSymbol(1, writerList);
            stream.ReadSymbol(readerList);
        },
        testing::ExitedWithCode(255), "Fatal Not Found Error.*\"Quince\"");
}
