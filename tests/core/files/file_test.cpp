#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/files/crc32.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/strings/ref_string.h"

// A file over a fresh memory stream, for everything that does not need a disk.
class MemoryFile : public CFile
{
public:
    explicit MemoryFile(const std::string& bytes = std::string())
    {
        CMemoryStream* stream = new CMemoryStream();
        stream->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
        stream->Seek(0);
        Attach(stream, OPEN_READ | OPEN_WRITE);
    }

    std::string Bytes()
    {
        std::string bytes(GetSize(), '\0');
        Seek(0);
        Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
        return bytes;
    }
};

TEST(FileWriters, IndentAndUnindentLineUpBraces)
{
    MemoryFile file;
    file.WriteLine("A");
    file.WriteLine("{");
    file.Indent();
    file.WriteLine(CString("B"));
    file.Unindent();
    EXPECT_EQ(file.WriteLine("}"), 4u);
    EXPECT_EQ(file.Bytes(), "A\r\n{\r\n\tB\r\n}\r\n");
    EXPECT_EQ(file.GetLineCount(), 4u);
}

TEST(FileWriters, NestedLevelsIndentEveryLine)
{
    MemoryFile file;
    file.WriteLine("{");
    file.Indent();
    file.WriteLine("{");
    file.Indent();
    file.WriteLine("x");
    file.Unindent();
    file.WriteLine("}");
    file.Unindent();
    file.WriteLine("}");
    EXPECT_EQ(file.Bytes(), "{\r\n\t{\r\n\t\tx\r\n\t}\r\n}\r\n");
}

TEST(FileWriters, IndentationSwitchedOffWritesNoTabs)
{
    MemoryFile file;
    file.SetIndentation(false);
    file.WriteLine("{");
    file.Indent();
    file.WriteLine("x");
    file.Unindent();
    file.WriteLine(static_cast<const char*>(nullptr));
    EXPECT_EQ(file.Bytes(), "{\r\nx\r\n\r\n");
}

TEST(FileWriters, EscapedTextKeepsWideCharactersInAnEightBitFile)
{
    MemoryFile file;
    CString wide(u"A\x4E2D");
    file.WriteTextLine(wide);
    file.WriteString(wide);
    EXPECT_EQ(file.Bytes(), "UNICODE-HEX<41002D4E>\r\nA*");
}

// A UTF-16 file is one that starts with FF FE when it is opened.
static std::string Utf16Bytes(const std::u16string& units)
{
    std::string bytes;
    for (char16_t unit : units)
    {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(FileWriters, Utf16FileRoundTrips)
{
    CMemoryStream* stream = new CMemoryStream();
    std::string mark = "\xFF\xFE";
    stream->Write(mark.data(), 2);
    CString name = MakeMemoryFileName(stream, "utf16.txt");
    CFile file;
    ASSERT_TRUE(file.Open(name.GetText(), OPEN_READ | OPEN_WRITE));
    ASSERT_TRUE(file.IsUtf16());
    file.Seek(2);
    file.WriteLine("{");
    file.Indent();
    file.WriteTextLine(CString(u"Gr\x00FC\x00DF \x4E2D"));
    file.Unindent();
    file.WriteLine("}");

    std::string expected = "\xFF\xFE" + Utf16Bytes(u"{\r\n\tGr\x00FC\x00DF \x4E2D\r\n}\r\n");
    std::string bytes(file.GetSize(), '\0');
    file.Seek(0);
    file.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    EXPECT_EQ(bytes, expected);

    file.Seek(0);
    CString line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_FALSE(line.IsWide());
    EXPECT_EQ(line.Compare("{"), 0);
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_TRUE(line.IsWide());
    EXPECT_EQ(line.Compare(CString(u"\tGr\x00FC\x00DF \x4E2D")), 0);
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line.Compare("}"), 0);
    EXPECT_FALSE(file.ReadLine(line));
}

TEST(FileValues, RoundTripLittleEndian)
{
    MemoryFile file;
    file.WriteInt(-2).WriteInt64(0x0102030405060708LL).WriteChar('z');
    file.WriteByte(0xAB);
    file.WriteCountedString("name");
    EXPECT_EQ(file.Bytes(), std::string("\xFE\xFF\xFF\xFF"
                                        "\x08\x07\x06\x05\x04\x03\x02\x01"
                                        "z\xAB"
                                        "\x04\0\0\0name",
                                        22));

    file.Seek(0);
    int32_t small = 0;
    int64_t large = 0;
    char character = 0;
    file.ReadInt(small).ReadInt64(large).ReadChar(character);
    EXPECT_EQ(small, -2);
    EXPECT_EQ(large, 0x0102030405060708LL);
    EXPECT_EQ(character, 'z');
    file.SeekRelative(1);
    char* text = nullptr;
    ASSERT_TRUE(file.ReadCountedString(text));
    EXPECT_STREQ(text, "name");
    std::free(text);
}

TEST(FileValues, WithoutAStreamNothingIsWrittenOrRead)
{
    CFile file;
    EXPECT_EQ(file.Write("x", 1), 0u);
    EXPECT_EQ(file.WriteLine("x"), 0u);
    EXPECT_EQ(file.Tell(), -1);
    EXPECT_EQ(file.GetSize(), 0u);
    CString line;
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.Attach(nullptr, OPEN_READ));
}

static std::string CountedBytes(uint32_t length, const std::string& text)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; i++)
        bytes[i] = static_cast<char>(length >> (8 * i));
    return bytes + text;
}

TEST(CountedStrings, LengthsBeyondTheDataFailCleanly)
{
    const uint32_t lengths[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 6u};
    for (uint32_t length : lengths)
    {
        MemoryFile file(CountedBytes(length, "abcde"));
        char* text = static_cast<char*>(std::malloc(4));
        EXPECT_FALSE(file.ReadCountedString(text)) << length;
        EXPECT_EQ(text, nullptr);
    }

    MemoryFile exact(CountedBytes(5, "abcde"));
    char* text = nullptr;
    ASSERT_TRUE(exact.ReadCountedString(text));
    EXPECT_STREQ(text, "abcde");

    // The old block is freed by the next read.
    MemoryFile truncatedLength(std::string("\x05\0", 2));
    EXPECT_FALSE(truncatedLength.ReadCountedString(text));
}

TEST(CountedStrings, ReadingIntoABufferRespectsItsSize)
{
    struct Case
    {
        uint32_t length;
        uint32_t bufferSize;
        bool fits;
    };
    const Case cases[] = {
        {5, 6, true},
        {5, 5, false},  // no room for the terminator
        {0xFFFFFFFFu, 100, false},
        {6, 100, false},  // runs past the data
        {0, 1, true},
    };
    for (const Case& c : cases)
    {
        MemoryFile file(CountedBytes(c.length, "abcde"));
        char buffer[8];
        std::memset(buffer, '#', sizeof(buffer));
        EXPECT_EQ(file.ReadCountedStringInto(buffer, c.bufferSize), c.fits) << c.length;
        if (c.fits)
            EXPECT_EQ(std::string(buffer), std::string("abcde", c.length));
        else
            EXPECT_EQ(buffer[0], '#');
    }
}

TEST(FileLines, NonBlankAndBufferReaders)
{
    MemoryFile file(" \t\r\n\r\nfirst\r\n  \r\nsecond line\r\n");
    CString line;
    ASSERT_TRUE(file.ReadNonBlankLine(line));
    EXPECT_EQ(line.Compare("first"), 0);
    char buffer[12];
    EXPECT_TRUE(file.ReadLineToBuffer(buffer, sizeof(buffer)));
    EXPECT_STREQ(buffer, "  ");
    EXPECT_FALSE(file.ReadLineToBuffer(buffer, 11));  // 11 characters and the terminator
    EXPECT_FALSE(file.ReadNonBlankLine(line));
    EXPECT_EQ(file.GetLineCount(), 5u);
}

TEST(FileMap, CountsWhatItHandsOut)
{
    MemoryFile file("abcdef");
    uint8_t* mapped = file.Map(4);
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(std::memcmp(mapped, "abcd", 4), 0);
    EXPECT_EQ(file.Map(3), nullptr);
    EXPECT_EQ(file.GetMappedTotal(), 4u);
}

TEST(FileCopies, CopyBlockMovesBytesTowardTheStart)
{
    std::string bytes(200000, '\0');
    for (size_t i = 0; i < bytes.size(); i++)
        bytes[i] = static_cast<char>(i * 7);
    MemoryFile file(bytes);
    EXPECT_TRUE(file.CopyBlock(10, 1000, 150000));
    std::string expected = bytes;
    std::memmove(expected.data() + 10, bytes.data() + 1000, 150000);
    EXPECT_EQ(file.Bytes(), expected);

    EXPECT_FALSE(file.CopyBlock(1000, 10, 5));
    EXPECT_TRUE(file.CopyBlock(7, 7, 5));
    EXPECT_TRUE(file.CopyBlock(7, 9, 0));
    EXPECT_FALSE(file.CopyBlock(0, 199990, 20));  // the read comes short
    CFile closed;
    EXPECT_FALSE(closed.CopyBlock(0, 0, 0));
}

static std::vector<float> s_Progress;

static void RecordProgress(float fraction)
{
    s_Progress.push_back(fraction);
}

TEST(FileCopies, CopyToCopiesInPiecesAndReportsProgress)
{
    std::string bytes(1200000, 'q');
    bytes[1199999] = '!';
    MemoryFile source(bytes);
    source.Seek(500);
    MemoryFile target("old");
    s_Progress.clear();
    EXPECT_TRUE(source.CopyTo(target, RecordProgress));
    EXPECT_EQ(target.Bytes(), bytes);
    std::vector<float> expected = {0.0f, 0.0f, 524288.0f / 1200000.0f, 1048576.0f / 1200000.0f, 1.0f};
    EXPECT_EQ(s_Progress, expected);
}

// A stream that takes only so many bytes, as a full disk does.
class CFullStream : public CMemoryStream
{
public:
    explicit CFullStream(uint32_t room) : m_Room(room) {}

    uint32_t Write(const void* bytes, uint32_t n) override
    {
        uint32_t count = std::min(n, m_Room);
        m_Room -= count;
        return CMemoryStream::Write(bytes, count);
    }

private:
    uint32_t m_Room;
};

TEST(FileCopies, CopyToAFullDiskFails)
{
    MemoryFile source(std::string(1000, 'q'));
    CFile target;
    target.Attach(new CFullStream(600), OPEN_WRITE);
    EXPECT_FALSE(source.CopyTo(target, nullptr));
}

TEST(FileCopies, SameContentsComparesEveryByte)
{
    std::string bytes(70000, 'a');
    MemoryFile first(bytes);
    MemoryFile second(bytes);
    EXPECT_TRUE(first.SameContents(second));
    bytes[69999] = 'b';
    MemoryFile third(bytes);
    EXPECT_FALSE(first.SameContents(third));
    MemoryFile shorter(bytes.substr(1));
    EXPECT_FALSE(first.SameContents(shorter));
    MemoryFile empty;
    MemoryFile alsoEmpty;
    EXPECT_TRUE(empty.SameContents(alsoEmpty));
}

TEST(FileCopies, StreamCrcCoversTheWholeStream)
{
    std::string bytes(150000, 'x');
    bytes[149999] = 'y';
    CMemoryStream stream;
    stream.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    EXPECT_EQ(ComputeStreamCrc32(&stream), Crc32(bytes.data(), bytes.size()));
}
