#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/core/files/memory_stream.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stdio_stream.h"
#include "tests/support/scoped_temp_folder.h"

// The two 8-bit line readers: the file reader treats LF CR, CR CR LF and
// CR LF LF as one line end, the memory reader ends a line at one CR, one LF
// or CR LF and reads whatever follows as the next line.

typedef std::vector<std::string> Lines;

static Lines ReadAll(CStream& stream)
{
    Lines lines;
    CString line;
    while (stream.ReadLine(line))
    {
        lines.push_back(line.GetText());
        if (lines.size() > 20)
            break;
    }
    return lines;
}

static Lines ReadWithFileReader(const std::string& bytes)
{
    ScopedTempFolder folder;
    folder.WriteFile("lines.txt", bytes);
    CStdioStream stream;
    EXPECT_TRUE(stream.Open((folder.Path() + "lines.txt").c_str(), OPEN_READ | OPEN_NAME_UNCHANGED));
    return ReadAll(stream);
}

static Lines ReadWithMemoryReader(const std::string& bytes)
{
    CMemoryStream stream;
    stream.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    stream.Seek(0);
    return ReadAll(stream);
}

struct LineEndCase
{
    const char* title;
    std::string bytes;
    Lines fileLines;
    Lines memoryLines;
};

static const std::string s_Line78(78, 'x');
static const std::string s_Line158(158, 'y');

static const LineEndCase s_Cases[] = {
    {"CR LF", "A\r\nB\r\n", {"A", "B"}, {"A", "B"}},
    {"LF", "A\nB\n", {"A", "B"}, {"A", "B"}},
    {"CR", "A\rB\r", {"A", "B"}, {"A", "B"}},
    {"LF CR", "A\n\rB", {"A", "B"}, {"A", "", "B"}},
    {"CR CR LF", "A\r\r\nB", {"A", "B"}, {"A", "", "B"}},
    {"CR LF LF", "A\r\n\nB", {"A", "B"}, {"A", "", "B"}},
    {"CR CR", "A\r\rB", {"A", "", "B"}, {"A", "", "B"}},
    {"LF LF", "A\n\nB", {"A", "", "B"}, {"A", "", "B"}},
    {"last line without an end", "A\r\nlast", {"A", "last"}, {"A", "last"}},
    {"only a line end", "\r\n", {""}, {""}},
    {"empty data", "", {}, {}},
    {"NUL inside a line", std::string("A\0B\r\nC", 6), {"A", "C"}, {"A", "C"}},
    {"78 characters and CR LF", s_Line78 + "\r\nnext", {s_Line78, "next"}, {s_Line78, "next"}},
    {"158 characters and CR LF", s_Line158 + "\r\nnext", {s_Line158, "next"}, {s_Line158, "next"}},
    {"78 characters and LF CR", s_Line78 + "\n\rnext", {s_Line78, "next"}, {s_Line78, "", "next"}},
    {"77 characters and CR CR LF", std::string(77, 'z') + "\r\r\nnext", {std::string(77, 'z'), "next"},
     {std::string(77, 'z'), "", "next"}},
};

class LineEnds : public testing::TestWithParam<LineEndCase>
{
};

TEST_P(LineEnds, FileReader)
{
    EXPECT_EQ(ReadWithFileReader(GetParam().bytes), GetParam().fileLines);
}

TEST_P(LineEnds, MemoryReader)
{
    EXPECT_EQ(ReadWithMemoryReader(GetParam().bytes), GetParam().memoryLines);
}

INSTANTIATE_TEST_SUITE_P(Table, LineEnds, testing::ValuesIn(s_Cases),
                         [](const testing::TestParamInfo<LineEndCase>& info)
                         {
                             std::string name;
                             for (const char* c = info.param.title; *c; c++)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// Lines whose CR LF falls across the first and second read window of the
// file reader.
TEST(LineEnds, StraddleFixture)
{
    ScopedTempFolder folder;
    folder.CopyFixture("files/line_end_straddle.txt");
    CStdioStream stream;
    ASSERT_TRUE(stream.Open((folder.Path() + "files/line_end_straddle.txt").c_str(),
                            OPEN_READ | OPEN_NAME_UNCHANGED));
    Lines expected = {s_Line78, "second", s_Line158, std::string(77, 'z'), "last"};
    EXPECT_EQ(ReadAll(stream), expected);
}

TEST(LineEnds, FileReaderLeavesThePositionAfterTheLineEnd)
{
    ScopedTempFolder folder;
    folder.WriteFile("lines.txt", "ab\r\ncd");
    CStdioStream stream;
    ASSERT_TRUE(stream.Open((folder.Path() + "lines.txt").c_str(), OPEN_READ | OPEN_NAME_UNCHANGED));
    CString line;
    ASSERT_TRUE(stream.ReadLine(line));
    EXPECT_EQ(stream.Tell(), 4);
    ASSERT_TRUE(stream.ReadLine(line));
    EXPECT_EQ(stream.Tell(), 6);
    EXPECT_FALSE(stream.ReadLine(line));
}
