#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/files/loose_files.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

static const uint64_t kOneSecond = 10000000;
static const uint64_t kBaseTime = 127626053500000000ULL;  // 2005-06-07 08:09:10 UTC

TEST(LooseFiles, CreateFolderPathMakesEveryMissingLevelOnce)
{
    ScopedTempFolder temp;
    temp.WriteFile("A/.keep", "");
    std::string path = temp.Path() + "A/B/C";
    EXPECT_TRUE(CreateFolderPath(path.c_str()));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(CreateFolderPath(path.c_str()));

    std::string mixed = temp.Path() + "a\\x/y\\z/";
    EXPECT_TRUE(CreateFolderPath(mixed.c_str()));
    EXPECT_TRUE(fs::is_directory(temp.Path() + "A/x/y/z"));

    temp.WriteFile("File", "");
    std::string underFile = temp.Path() + "File/Sub";
    EXPECT_FALSE(CreateFolderPath(underFile.c_str()));
}

TEST(LooseFiles, FileExistsAcceptsPatternsAndFolders)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/Red.TGA", "");
    EXPECT_TRUE(FileExists((temp.Path() + "data/red.tga").c_str()));
    EXPECT_TRUE(FileExists((temp.Path() + "DATA").c_str()));
    EXPECT_TRUE(FileExists((temp.Path() + "Data/*.tga").c_str()));
    EXPECT_FALSE(FileExists((temp.Path() + "Data/*.jpg").c_str()));
}

TEST(LooseFiles, FindUnusedFileNameCountsUpAndGivesUp)
{
    ScopedTempFolder temp;
    temp.WriteFile("Vantrell Screen Shot 00.TGA", "");
    temp.WriteFile("vantrell screen shot 01.tga", "");
    CString name;
    std::string pattern = temp.Path() + "Vantrell Screen Shot %02d.TGA";
    ASSERT_TRUE(FindUnusedFileName(name, pattern.c_str()));
    EXPECT_EQ(std::string(name.GetText()), temp.Path() + "Vantrell Screen Shot 02.TGA");

    // A pattern without a number can never yield a free name.
    std::string fixed = temp.Path() + "Vantrell Screen Shot 00.TGA";
    EXPECT_FALSE(FindUnusedFileName(name, fixed.c_str()));
}

TEST(LooseFiles, CanWriteFile)
{
    ScopedTempFolder temp;
    temp.WriteFile("Empty/.keep", "");
    fs::remove(temp.Path() + "Empty/.keep");
    temp.WriteFile("Locked.dat", "");
    SetFileReadOnly((temp.Path() + "Locked.dat").c_str(), true);

    EXPECT_TRUE(CanWriteFile((temp.Path() + "empty/new.txt").c_str()));
    EXPECT_FALSE(CanWriteFile((temp.Path() + "Missing/new.txt").c_str()));
    EXPECT_FALSE(CanWriteFile((temp.Path() + "locked.dat").c_str()));
    SetFileReadOnly((temp.Path() + "Locked.dat").c_str(), false);
    EXPECT_TRUE(CanWriteFile((temp.Path() + "locked.dat").c_str()));
}

TEST(LooseFiles, FileTimesAndAttributes)
{
    ScopedTempFolder temp;
    temp.WriteFile("t.bin", "x");
    std::string path = temp.Path() + "T.bin";
    ASSERT_TRUE(SetFileTimeOf(path.c_str(), kBaseTime, 2 | 4));
    EXPECT_EQ(GetFileTimeOf(path.c_str(), 0), kBaseTime);
    EXPECT_EQ(GetFileTimeOf(path.c_str(), 2), kBaseTime);
    EXPECT_NE(GetFileTimeOf(path.c_str(), 1), 0u);
    EXPECT_EQ(GetFileTimeOf((temp.Path() + "none").c_str(), 0), 0u);
    EXPECT_EQ(GetFileTimeOf(temp.Path().c_str(), 0), 0u);

    EXPECT_FALSE(GetFileAttributeReadOnly(path.c_str()));
    EXPECT_TRUE(SetFileReadOnly(path.c_str(), true));
    EXPECT_TRUE(GetFileAttributeReadOnly(path.c_str()));
    EXPECT_FALSE(SetFileTimeOf(path.c_str(), kBaseTime, 4));
    EXPECT_FALSE(SetFileReadOnly((temp.Path() + "none").c_str(), true));
    EXPECT_FALSE(GetFileAttributeReadOnly((temp.Path() + "none").c_str()));
}

class FileNewer : public testing::Test
{
protected:
    void SetUp() override
    {
        Write("Source/Old.tga", 0);
        Write("Source/New.tga", 20);
        Write("Cache/Old.frm", 10);
        Write("Cache/.hidden", 30);
    }

    void Write(const std::string& name, uint64_t secondsAfterBase)
    {
        m_Temp.WriteFile(name, "x");
        SetFileTimeOf((m_Temp.Path() + name).c_str(), kBaseTime + secondsAfterBase * kOneSecond, 4);
    }

    bool Newer(const std::string& path, const std::string& reference) const
    {
        return IsFileNewerThan((m_Temp.Path() + path).c_str(), (m_Temp.Path() + reference).c_str());
    }

    ScopedTempFolder m_Temp;
};

TEST_F(FileNewer, ComparesLastWriteTimes)
{
    EXPECT_FALSE(Newer("Source/Old.tga", "Cache/Old.frm"));
    EXPECT_TRUE(Newer("source/new.TGA", "Cache/Old.frm"));
    EXPECT_FALSE(Newer("Source/Missing.tga", "Cache/Old.frm"));
}

TEST_F(FileNewer, MissingReferenceMakesEveryFileNewer)
{
    EXPECT_TRUE(Newer("Source/Old.tga", "Cache/Missing.frm"));
}

TEST_F(FileNewer, AnyMatchOfAPatternDecides)
{
    EXPECT_TRUE(Newer("Source/*.tga", "Cache/*.frm"));
    EXPECT_FALSE(Newer("Source/O*.tga", "Cache/*.frm"));
    // Hidden files and folders are no references.
    EXPECT_TRUE(Newer("Source/New.tga", "Cache/*.*"));
    EXPECT_TRUE(Newer("Source/Old.tga", "Cache/.hidden"));
}
