#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/core/files/file.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/strings/ref_string.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

// Compressed files live on disk as one compressed block and are written
// from memory at Close.
class CompressedFile : public testing::Test
{
protected:
    std::string PathOf(const std::string& name) const { return m_Folder.Path() + name; }

    static std::string ReadLines(const std::string& path)
    {
        CFile file;
        if (!file.Open(path.c_str(), OPEN_READ | OPEN_COMPRESSED))
            return "(not opened)";
        std::string lines;
        CString line;
        while (file.ReadLine(line))
            lines += std::string(line.GetText()) + "|";
        return lines;
    }

    ScopedTempFolder m_Folder;
};

static const uint32_t s_WriteCompressed = OPEN_WRITE | OPEN_CREATE | OPEN_COMPRESSED;

TEST_F(CompressedFile, WrittenAndReadBack)
{
    std::string path = PathOf("set.dat");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), s_WriteCompressed));
    file.WriteLine("CRoundSet");
    file.WriteLine("{");
    file.Indent();
    file.WriteLine("Name=Mine");
    file.Unindent();
    file.WriteLine("}");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(file.Close());

    std::string stored = m_Folder.ReadFile("set.dat");
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(stored[0], 1);
    EXPECT_EQ(stored.find("CRoundSet"), std::string::npos);
    EXPECT_EQ(ReadLines(path), "CRoundSet|{|\tName=Mine|}|");
}

TEST_F(CompressedFile, APlainFileReadsPlainly)
{
    m_Folder.WriteFile("plain.txt", "first\r\nsecond\r\n");
    EXPECT_EQ(ReadLines(PathOf("plain.txt")), "first|second|");
    m_Folder.WriteFile("empty.txt", "");
    EXPECT_EQ(ReadLines(PathOf("empty.txt")), "");
    EXPECT_EQ(ReadLines(PathOf("missing.txt")), "(not opened)");
}

TEST_F(CompressedFile, ADamagedBlockFailsTheOpen)
{
    std::string path = PathOf("good.dat");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), s_WriteCompressed));
    for (int i = 0; i < 50; i++)
        file.WriteLine("a line of a file that compresses well");
    ASSERT_TRUE(file.Close());
    std::string stored = m_Folder.ReadFile("good.dat");

    std::string corrupt = stored;
    corrupt[stored.size() / 2] ^= 0x5A;
    m_Folder.WriteFile("truncated.dat", stored.substr(0, stored.size() - 4));
    m_Folder.WriteFile("corrupt.dat", corrupt);
    for (const char* name : {"truncated.dat", "corrupt.dat"})
    {
        CFile damaged;
        EXPECT_FALSE(damaged.Open(PathOf(name).c_str(), OPEN_READ | OPEN_COMPRESSED)) << name;
        EXPECT_FALSE(damaged.IsOpen());
    }
}

TEST_F(CompressedFile, AWriteThatCannotReachItsFileFailsAtClose)
{
    CFile missingFolder;
    ASSERT_TRUE(missingFolder.Open(PathOf("No/Such/Folder/set.dat").c_str(), s_WriteCompressed));
    missingFolder.WriteLine("data");
    EXPECT_FALSE(missingFolder.Close());

    fs::create_directory(PathOf("Locked"));
    ASSERT_TRUE(SetFileReadOnly(PathOf("Locked").c_str(), true));
    CFile lockedFolder;
    ASSERT_TRUE(lockedFolder.Open(PathOf("Locked/set.dat").c_str(), s_WriteCompressed));
    lockedFolder.WriteLine("data");
    EXPECT_FALSE(lockedFolder.Close());
    EXPECT_FALSE(fs::exists(PathOf("Locked/set.dat")));

    CFile withFolders;
    ASSERT_TRUE(withFolders.Open(PathOf("New/set.dat").c_str(), s_WriteCompressed | OPEN_CREATE_FOLDERS));
    withFolders.WriteLine("data");
    EXPECT_TRUE(withFolders.Close());
    EXPECT_EQ(ReadLines(PathOf("New/set.dat")), "data|");
}

TEST_F(CompressedFile, ReopeningStoresThePendingWriteFirst)
{
    std::string path = PathOf("again.dat");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), s_WriteCompressed));
    file.WriteLine("kept");
    ASSERT_TRUE(file.Open(path.c_str(), OPEN_READ | OPEN_COMPRESSED));
    CString line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line.Compare("kept"), 0);
}
