#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/core/files/file.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/settings/paths.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stream.h"
#include "tests/support/scoped_temp_folder.h"
#include "tests/support/test_zip_writer.h"

namespace fs = std::filesystem;

// Runs in a temporary folder made current, with "Data" inside it as the data
// folder, as after mounting.
class OpenResolution : public testing::Test
{
protected:
    void SetUp() override
    {
        m_SavedFolder = fs::current_path();
        fs::current_path(m_Folder.Path());
        SetDataFolder("Data");
    }

    void TearDown() override
    {
        SetDataFolder(".");
        fs::current_path(m_SavedFolder);
    }

    std::string Absolute(const std::string& relativeName) const { return m_Folder.Path() + relativeName; }

    bool Exists(const std::string& relativeName) const { return fs::exists(Absolute(relativeName)); }

    static std::string ReadAll(const std::string& name, uint32_t flags = OPEN_READ)
    {
        CFile file;
        if (!file.Open(name.c_str(), flags))
            return "(not opened)";
        std::string bytes(file.GetSize(), '\0');
        file.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
        return bytes;
    }

    static bool WriteAll(const std::string& name, uint32_t flags, const std::string& bytes)
    {
        CFile file;
        if (!file.Open(name.c_str(), flags))
            return false;
        file.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
        return file.Close();
    }

    ScopedTempFolder m_Folder;
    fs::path m_SavedFolder;
};

static std::string WithBackslashes(std::string path)
{
    for (char& c : path)
    {
        if (c == '/')
            c = '\\';
    }
    return path;
}

TEST_F(OpenResolution, AbsoluteNamesAreUsedAsTheyStand)
{
    m_Folder.WriteFile("Data/x.txt", "data");
    m_Folder.WriteFile("x.txt", "current");
    m_Folder.WriteFile("C:x.txt", "drive");
    m_Folder.WriteFile("Data/Resources/r.txt", "resource");
    m_Folder.WriteFile("Resources/r.txt", "loose resource");

    struct Case
    {
        std::string name;
        const char* contents;
    };
    const Case cases[] = {
        {"x.txt", "data"},
        {"./x.txt", "current"},
        {"C:x.txt", "drive"},
        {Absolute("x.txt"), "current"},
        {WithBackslashes(Absolute("x.txt")), "current"},
        {"Resources/r.txt", "resource"},
        {"RESOURCES/R.TXT", "resource"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadAll(c.name), c.contents) << c.name;
}

TEST_F(OpenResolution, WritesLandWhereTheNameResolves)
{
    struct Case
    {
        std::string name;
        const char* created;
    };
    const Case cases[] = {
        {"w1.txt", "Data/w1.txt"},
        {"./w2.txt", "w2.txt"},
        {"C:w3.txt", "C:w3.txt"},
        {Absolute("w4.txt"), "w4.txt"},
        {WithBackslashes(Absolute("w5.txt")), "w5.txt"},
        {"Resources/w6.txt", "Data/Resources/w6.txt"},
        // The data folder's own name is no exception.
        {"Data/w7.txt", "Data/Data/w7.txt"},
    };
    for (const Case& c : cases)
    {
        EXPECT_TRUE(WriteAll(c.name, OPEN_WRITE | OPEN_CREATE | OPEN_CREATE_FOLDERS, "w")) << c.name;
        EXPECT_TRUE(Exists(c.created)) << c.name;
    }
}

TEST_F(OpenResolution, AReadFallsBackToTheNameAsItStands)
{
    m_Folder.WriteFile("only_here.txt", "here");
    EXPECT_EQ(ReadAll("only_here.txt"), "here");
    EXPECT_EQ(ReadAll("nowhere.txt"), "(not opened)");
}

TEST_F(OpenResolution, MissingFoldersAreMadeOnlyWhenAsked)
{
    EXPECT_FALSE(WriteAll("New/Deep/f.txt", OPEN_WRITE | OPEN_CREATE, "x"));
    EXPECT_FALSE(Exists("Data/New"));
    EXPECT_TRUE(WriteAll("New/Deep/f.txt", OPEN_WRITE | OPEN_CREATE | OPEN_CREATE_FOLDERS, "x"));
    EXPECT_EQ(m_Folder.ReadFile("Data/New/Deep/f.txt"), "x");
}

TEST_F(OpenResolution, ReadOnlyFilesAreWrittenOnlyWhenClearingIsAsked)
{
    m_Folder.WriteFile("Data/ro.txt", "old");
    ASSERT_TRUE(SetFileReadOnly(Absolute("Data/ro.txt").c_str(), true));
    EXPECT_FALSE(WriteAll("ro.txt", OPEN_WRITE | OPEN_CREATE, "new"));
    EXPECT_EQ(m_Folder.ReadFile("Data/ro.txt"), "old");
    EXPECT_TRUE(WriteAll("ro.txt", OPEN_WRITE | OPEN_CREATE | OPEN_CLEAR_READ_ONLY, "new"));
    EXPECT_EQ(m_Folder.ReadFile("Data/ro.txt"), "new");
    EXPECT_FALSE(GetFileAttributeReadOnly(Absolute("Data/ro.txt").c_str()));
}

TEST_F(OpenResolution, WriteModes)
{
    m_Folder.WriteFile("Data/log.txt", "a");
    EXPECT_TRUE(WriteAll("log.txt", OPEN_WRITE | OPEN_APPEND, "b"));
    EXPECT_EQ(m_Folder.ReadFile("Data/log.txt"), "ab");
    EXPECT_TRUE(WriteAll("new_log.txt", OPEN_WRITE | OPEN_APPEND, "c"));
    EXPECT_EQ(m_Folder.ReadFile("Data/new_log.txt"), "c");

    // Write alone updates an existing file in place and creates nothing.
    EXPECT_TRUE(WriteAll("log.txt", OPEN_WRITE, "X"));
    EXPECT_EQ(m_Folder.ReadFile("Data/log.txt"), "Xb");
    EXPECT_FALSE(WriteAll("absent.txt", OPEN_WRITE, "X"));

    EXPECT_TRUE(WriteAll("log.txt", OPEN_WRITE | OPEN_CREATE, "new"));
    EXPECT_EQ(m_Folder.ReadFile("Data/log.txt"), "new");
}

TEST_F(OpenResolution, FlagsThatRestrictTheSearch)
{
    m_Folder.WriteFile("Data/f.txt", "f");
    EXPECT_EQ(ReadAll("f.txt", 0), "(not opened)");
    EXPECT_EQ(ReadAll("f.txt", OPEN_READ | OPEN_ARCHIVES_ONLY), "(not opened)");
    EXPECT_EQ(ReadAll("f.txt", OPEN_READ | 0x0400), "f");
    EXPECT_EQ(ReadAll("", OPEN_READ), "(not opened)");
    EXPECT_EQ(ReadAll("Data/f.txt", OPEN_READ | OPEN_NAME_UNCHANGED), "f");
}

TEST_F(OpenResolution, AWriteToArchiveAndMemberAppendsAMember)
{
    TestZipMember member;
    member.name = "old.txt";
    member.data = "old";
    m_Folder.WriteFile("t.zip", BuildTestZip({member}));
    size_t originalSize = m_Folder.ReadFile("t.zip").size();

    EXPECT_TRUE(WriteAll(Absolute("t.zip") + ";new.txt", OPEN_WRITE | OPEN_CREATE, "fresh"));
    std::string archive = m_Folder.ReadFile("t.zip");
    EXPECT_GT(archive.size(), originalSize);
    EXPECT_NE(archive.find("fresh"), std::string::npos);
    EXPECT_FALSE(Exists("t.zip;new.txt"));

    // The same archive under a longer spelling: appended to while the name
    // fits the name buffer, refused (not cut) beyond it.
    std::string padding;
    while (Absolute(padding + "t.zip;second.txt").size() < 250)
        padding += "./";
    EXPECT_TRUE(WriteAll(Absolute(padding + "t.zip") + ";second.txt", OPEN_WRITE | OPEN_CREATE, "2nd"));
    EXPECT_NE(m_Folder.ReadFile("t.zip").find("2nd"), std::string::npos);
    while (Absolute(padding + "t.zip;third.txt").size() < 270)
        padding += "./";
    size_t sizeBefore = m_Folder.ReadFile("t.zip").size();
    EXPECT_FALSE(WriteAll(Absolute(padding + "t.zip") + ";third.txt", OPEN_WRITE | OPEN_CREATE, "3rd"));
    EXPECT_EQ(m_Folder.ReadFile("t.zip").size(), sizeBefore);
}

TEST_F(OpenResolution, WholeFileLoadingReadsFromMemory)
{
    m_Folder.WriteFile("Data/whole.txt", std::string("\xFF\xFE" "a\0\r\0\n\0", 8));
    CFile file;
    ASSERT_TRUE(file.Open("whole.txt", OPEN_READ | OPEN_WHOLE_FILE));
    EXPECT_TRUE(file.IsUtf16());
    CString line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line.Compare("a"), 0);
    EXPECT_FALSE(file.ReadLine(line));
    file.Seek(2);
    EXPECT_NE(file.Map(2), nullptr);
    uint8_t* block = file.GetBuffer();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 0xFF);
    std::free(block);

    EXPECT_FALSE(file.Open("missing.txt", OPEN_READ | OPEN_WHOLE_FILE));
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(OpenResolution, CloseReportsDataTheDiskRefused)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no device that is always full";
    CFile file;
    ASSERT_TRUE(file.Open("/dev/full", OPEN_WRITE | OPEN_CREATE));
    file.WriteLine("lost");
    EXPECT_FALSE(file.Close());
}
