#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/core/files/memory_stream.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stream.h"
#include "tests/support/scoped_temp_folder.h"

static void WriteText(CMemoryStream& stream, const std::string& text)
{
    stream.Write(text.data(), static_cast<uint32_t>(text.size()));
}

static std::string Contents(CMemoryStream& stream)
{
    return std::string(reinterpret_cast<const char*>(stream.GetData()), stream.GetSize());
}

TEST(MemoryStream, GrowsByHalfItsCapacity)
{
    CMemoryStream stream;
    WriteText(stream, "0123456789");
    EXPECT_EQ(stream.GetCapacity(), 10u);
    WriteText(stream, "A");
    EXPECT_EQ(stream.GetCapacity(), 15u);
    EXPECT_EQ(Contents(stream), "0123456789A");
}

TEST(MemoryStream, WritesBelowTheSizeOverwrite)
{
    CMemoryStream stream;
    WriteText(stream, "abcdef");
    stream.Seek(2);
    WriteText(stream, "XY");
    EXPECT_EQ(Contents(stream), "abXYef");
    stream.Seek(5);
    WriteText(stream, "123");
    EXPECT_EQ(Contents(stream), "abXYe123");
}

TEST(MemoryStream, ReadStopsAtTheSize)
{
    CMemoryStream stream;
    WriteText(stream, "0123456789");
    stream.Seek(5);
    char bytes[8] = {};
    EXPECT_EQ(stream.Read(bytes, 8), 5u);
    EXPECT_EQ(std::string(bytes, 5), "56789");
    EXPECT_EQ(stream.Tell(), 10);
    EXPECT_EQ(stream.Read(bytes, 8), 0u);
    stream.Seek(20);
    EXPECT_EQ(stream.Read(bytes, 8), 0u);
}

TEST(MemoryStream, AWriteAfterASeekPastTheEndZeroesTheGap)
{
    CMemoryStream stream;
    WriteText(stream, "ab");
    // Dirty capacity beyond the size, as a reused stream has.
    WriteText(stream, "cdefgh");
    stream.Empty();
    WriteText(stream, "ab");
    stream.Seek(5);
    WriteText(stream, "Z");
    EXPECT_EQ(Contents(stream), std::string("ab\0\0\0Z", 6));
}

TEST(MemoryStream, MapPastTheEndGivesNone)
{
    CMemoryStream stream;
    WriteText(stream, "abcdef");
    stream.Seek(2);
    uint8_t* mapped = stream.Map(3);
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(std::memcmp(mapped, "cde", 3), 0);
    EXPECT_EQ(stream.Tell(), 5);
    EXPECT_EQ(stream.Map(2), nullptr);
    EXPECT_EQ(stream.Tell(), 5);
    EXPECT_NE(stream.Map(1), nullptr);

    CMemoryStream empty;
    EXPECT_EQ(empty.Map(1), nullptr);
}

TEST(MemoryStream, AWritePastABorrowedBlockCopiesIt)
{
    uint8_t block[4] = {'a', 'b', 'c', 'd'};
    CMemoryStream stream(block, 4, false);
    stream.Seek(4);
    WriteText(stream, "ef");
    EXPECT_EQ(Contents(stream), "abcdef");
    EXPECT_NE(stream.GetData(), block);
    EXPECT_EQ(std::memcmp(block, "abcd", 4), 0);
    // The copy is the stream's own now.
    uint8_t* copy = stream.DetachBuffer();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::memcmp(copy, "abcdef", 6), 0);
    std::free(copy);
}

TEST(MemoryStream, DetachHandsOverOnlyAnOwnedBlock)
{
    CMemoryStream owned;
    WriteText(owned, "abc");
    uint8_t* block = owned.DetachBuffer();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::memcmp(block, "abc", 3), 0);
    EXPECT_EQ(owned.GetSize(), 0u);
    EXPECT_EQ(owned.GetData(), nullptr);
    std::free(block);

    uint8_t borrowedBlock[3] = {'x', 'y', 'z'};
    CMemoryStream borrowed;
    borrowed.Attach(borrowedBlock, 3);
    EXPECT_EQ(borrowed.DetachBuffer(), nullptr);
    EXPECT_EQ(borrowed.GetSize(), 3u);
}

TEST(MemoryStream, SameContentsNeedsTwoBlocksWithEqualBytes)
{
    CMemoryStream first;
    CMemoryStream second;
    EXPECT_FALSE(first.SameContents(second));
    WriteText(first, "abc");
    WriteText(second, "abd");
    EXPECT_FALSE(first.SameContents(second));
    second.CopyFrom(first);
    EXPECT_TRUE(first.SameContents(second));
    WriteText(second, "!");
    EXPECT_FALSE(first.SameContents(second));
}

TEST(MemoryStream, EmptyKeepsTheBlockAndCloseReleasesIt)
{
    CMemoryStream stream;
    WriteText(stream, "abcdef");
    const uint8_t* block = stream.GetData();
    stream.Rewind();
    EXPECT_EQ(stream.GetSize(), 0u);
    EXPECT_EQ(stream.Tell(), 0);
    WriteText(stream, "xy");
    EXPECT_EQ(stream.GetData(), block);
    EXPECT_TRUE(stream.Close());
    EXPECT_EQ(stream.GetData(), nullptr);
    EXPECT_EQ(stream.GetCapacity(), 0u);
    WriteText(stream, "again");
    EXPECT_EQ(Contents(stream), "again");
}

TEST(MemoryStream, ReadsEightBitLines)
{
    CMemoryStream stream;
    WriteText(stream, "A\r\nB\n\nC");
    stream.Seek(0);
    CString line;
    const char* expected[] = {"A", "B", "", "C"};
    for (const char* text : expected)
    {
        ASSERT_TRUE(stream.ReadLine(line));
        EXPECT_EQ(line.Compare(text), 0) << text;
    }
    EXPECT_FALSE(stream.ReadLine(line));
}

static void WriteUnits(CMemoryStream& stream, const std::u16string& units)
{
    for (char16_t unit : units)
    {
        uint8_t bytes[2] = {static_cast<uint8_t>(unit), static_cast<uint8_t>(unit >> 8)};
        stream.Write(bytes, 2);
    }
}

TEST(MemoryStream, ReadsUtf16LinesWithoutTheMark)
{
    CMemoryStream stream;
    WriteUnits(stream, u"\xFEFFGr\x00FC\x00DF\r\n\x4E2D\n\nlast");
    stream.Seek(0);
    CString line;
    ASSERT_TRUE(stream.ReadLineWide(line));
    EXPECT_TRUE(line.IsWide());
    EXPECT_EQ(line.Compare(CString(u"Gr\x00FC\x00DF")), 0);
    ASSERT_TRUE(stream.ReadLineWide(line));
    EXPECT_EQ(line.Compare(CString(u"\x4E2D")), 0);
    ASSERT_TRUE(stream.ReadLineWide(line));
    EXPECT_TRUE(line.IsEmpty());
    ASSERT_TRUE(stream.ReadLineWide(line));
    EXPECT_EQ(line.Compare(CString(u"last")), 0);
    EXPECT_FALSE(stream.ReadLineWide(line));
}

TEST(MemoryStream, Utf16LinesMayStartAtAnOddPosition)
{
    CMemoryStream stream;
    WriteText(stream, "x");
    WriteUnits(stream, u"ab\r\n");
    stream.Seek(1);
    CString line;
    ASSERT_TRUE(stream.ReadLineWide(line));
    EXPECT_EQ(line.Compare(CString(u"ab")), 0);
    EXPECT_EQ(stream.Tell(), 9);
}

TEST(LoadFileIntoMemoryStream, HoldsTheWholeFile)
{
    ScopedTempFolder folder;
    folder.WriteFile("whole.bin", std::string("one\0two\r\n", 9));
    CMemoryStream* stream = LoadFileIntoMemoryStream((folder.Path() + "whole.bin").c_str(), OPEN_READ);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->GetSize(), 9u);
    EXPECT_EQ(stream->Tell(), 0);
    EXPECT_EQ(Contents(*stream), std::string("one\0two\r\n", 9));
    delete stream;

    EXPECT_EQ(LoadFileIntoMemoryStream((folder.Path() + "missing.bin").c_str(), OPEN_READ), nullptr);
}
