#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/files/data_files.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/files/stream.h"
#include "engine/platform/file_time.h"
#include "tests/support/archive_test_folder.h"

namespace fs = std::filesystem;

// "Data.zip" next to the program is the read-only main archive; zip files
// under the data folder are writable.
class DataFilesTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        std::vector<TestZipMember> main = NamedMembers({"Main/a.txt"});
        main[0].dosDate = static_cast<uint16_t>(((2020 - 1980) << 9) | (6 << 5) | 1);
        main[0].dosTime = static_cast<uint16_t>((8 << 11) | (30 << 5));
        WriteZip("Data.zip", main);
        WriteZip("Data/Pack.zip", NamedMembers({"b.txt"}));
        WriteZip("Data/Locked.zip", NamedMembers({"c.txt"}));
        fs::permissions(Absolute("Data/Locked.zip"), fs::perms::owner_write, fs::perm_options::remove);
        m_Folder.WriteFile("Data/Loose/d.txt", "loose");
        m_Folder.WriteFile("Data/Loose/e.txt", "read-only");
        fs::permissions(Absolute("Data/Loose/e.txt"), fs::perms::owner_write, fs::perm_options::remove);
        MountArchives("Data");
    }
};

TEST_F(DataFilesTest, CanWriteDataFileAsksTheArchiveThatHoldsTheName)
{
    struct Case
    {
        const char* name;
        bool writable;
    };
    const Case cases[] = {
        {"Pack/b.txt", true},        // writable zip under the data folder
        {"Main/a.txt", false},       // the main archive is never written
        {"Locked/c.txt", false},     // a writable zip whose file is read-only
        {"Loose/d.txt", true},
        {"Loose/e.txt", false},
        {"Loose/new.txt", true},     // a new file in an existing folder
        {"Missing/new.txt", false},  // its folder is missing
        {"./Data/Loose/d.txt", true}, // a path as it stands
    };
    for (const Case& c : cases)
        EXPECT_EQ(CanWriteDataFile(c.name, 0), c.writable) << c.name;
}

TEST_F(DataFilesTest, GetDataFileTimePrefersTheLooseFileThenTheArchivedMember)
{
    EXPECT_EQ(GetDataFileTime("Loose/d.txt", 0, kFileTimeLastWrite), GetFileTimeOf("Data/Loose/d.txt", 0));
    uint16_t date = static_cast<uint16_t>(((2020 - 1980) << 9) | (6 << 5) | 1);
    uint16_t time = static_cast<uint16_t>((8 << 11) | (30 << 5));
    EXPECT_EQ(GetDataFileTime("Main/a.txt", 0, kFileTimeLastWrite), DosDateTimeToFileTime(date, time));
    EXPECT_EQ(GetDataFileTime("Pack/missing.txt", 0, kFileTimeLastWrite), GetFileTimeOf("Data/Pack.zip", 0));
    // The main archive at the root decides for every other name.
    EXPECT_EQ(GetDataFileTime("Nowhere/x.txt", 0, kFileTimeLastWrite), GetFileTimeOf("Data.zip", 0));
    UnmountArchives();
    EXPECT_EQ(GetDataFileTime("Nowhere/x.txt", 0, kFileTimeLastWrite), 0u);
}

TEST_F(DataFilesTest, DataFileExistsInAnswersForArchivesOnly)
{
    EXPECT_TRUE(DataFileExistsIn("Pack/b.txt", 0));
    EXPECT_TRUE(DataFileExistsIn("main/A.TXT", 0));
    EXPECT_FALSE(DataFileExistsIn("Loose/d.txt", 0));
    EXPECT_FALSE(DataFileExistsIn("Pack/b.txt", OPEN_NAME_UNCHANGED));
    UnmountArchives();
    EXPECT_FALSE(DataFileExistsIn("Pack/b.txt", 0));
}

TEST_F(DataFilesTest, LooseFileOperationsWorkOnTheDataPath)
{
    EXPECT_TRUE(CanOpenDataFile("Pack/b.txt", 0));
    EXPECT_TRUE(CanOpenDataFile("Loose/d.txt", 0));
    EXPECT_FALSE(CanOpenDataFile("Loose/d.txt", OPEN_NAME_UNCHANGED));

    EXPECT_TRUE(FolderExists("Loose/", 0));
    EXPECT_FALSE(FolderExists("Pack/", 0));
    EXPECT_TRUE(EnsureFolderExists("New/Deeper/", 0));
    EXPECT_TRUE(fs::is_directory(Absolute("Data/New/Deeper")));
    EXPECT_TRUE(EnsureFolderExists("./Beside/", 0));
    EXPECT_TRUE(fs::is_directory(Absolute("Beside")));

    CString unused;
    m_Folder.WriteFile("Data/Shots/Shot 00.tga", "taken");
    FindUnusedDataFileName(unused, "Shots/Shot %02d.tga", 0);
    EXPECT_STREQ(unused.GetText(), "Shots/Shot 01.tga");

    EXPECT_TRUE(DeleteDataFile("Loose/d.txt", 0));
    EXPECT_FALSE(fs::exists(Absolute("Data/Loose/d.txt")));
    EXPECT_FALSE(DeleteDataFile("Loose/e.txt", 0));
    EXPECT_FALSE(DeleteDataFile("Pack/b.txt", 0));
}

TEST_F(DataFilesTest, ResolveDataPathNamesTheArchiveFileOfAnArchivedName)
{
    CString path;
    ResolveDataPath(path, "Pack/b.txt", 0);
    EXPECT_STREQ(path.GetText(), "Data/Pack.zip");
    ResolveDataPath(path, "Loose/d.txt", 0);
    EXPECT_STREQ(path.GetText(), "Data/Loose/d.txt");
}

TEST_F(DataFilesTest, IsNewerFallsBackToTheArchiveDateUnderAFolderPrefix)
{
    m_Folder.WriteFile("Data/Cache/b.frm", "compiled");
    fs::last_write_time(Absolute("Data/Pack.zip"), fs::last_write_time(Absolute("Data/Cache/b.frm")) + std::chrono::hours(1));
    EXPECT_TRUE(IsNewer("Pack/b.txt", "Cache/b.frm"));
    fs::last_write_time(Absolute("Data/Pack.zip"), fs::last_write_time(Absolute("Data/Cache/b.frm")) - std::chrono::hours(1));
    EXPECT_FALSE(IsNewer("Pack/b.txt", "Cache/b.frm"));
    // The main archive at the root is never asked.
    EXPECT_FALSE(IsNewer("Main/a.txt", "Cache/b.frm"));
}
