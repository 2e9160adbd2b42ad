#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/enumerate_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/archives/zip_archive.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"
#include "tests/support/archive_test_folder.h"

// The temporary folder stands for the program's folder; the program file
// itself (this test, an executable) is no archive.
class MountArchivesTest : public ArchiveTestFolder
{
protected:
    static std::vector<std::string> Enumerate(const char* folder, const char* extension)
    {
        CSearchSpec search;
        search.SetFolderAndExtension(folder, extension);
        CFileNameList list;
        EnumerateFiles(list, search, 0);
        std::vector<std::string> names;
        for (uint32_t i = 0; i < list.GetCount(); i++)
            names.push_back(list.GetName(i));
        return names;
    }
};

static std::vector<TestZipMember> OneMember(const std::string& name, const std::string& data)
{
    std::vector<TestZipMember> members = NamedMembers({name});
    members[0].data = data;
    return members;
}

TEST_F(MountArchivesTest, FallsBackToTheArchiveNamedAfterTheDataFolder)
{
    struct Case
    {
        std::vector<std::string> files;
        const char* served;
    };
    const Case cases[] = {
        {{"data.zip"}, "data.zip"},
        {{"DATA.dat"}, "DATA.dat"},
        {{"Data.DAT", "Data.ZIP"}, "Data.ZIP"},
    };
    for (const Case& c : cases)
    {
        for (const std::string& file : c.files)
            WriteZip(file, OneMember("Boot.txt", file));
        MountArchives("Data");
        EXPECT_STREQ(GetDataFolder(), "Data");
        EXPECT_EQ(ReadData("Boot.txt", OPEN_READ), c.served);
        UnmountArchives();
        for (const std::string& file : c.files)
            std::remove(Absolute(file).c_str());
    }
}

TEST_F(MountArchivesTest, LaterQvdNamesAreNewerRootsAndDecideFirst)
{
    WriteZip("Data.zip", OneMember("main.txt", "main"));
    WriteZip("B.QVD", OneMember("same.txt", "from B"));
    std::vector<TestZipMember> fromA = OneMember("same.txt", "from a");
    fromA.push_back(OneMember("only-a.txt", "a")[0]);
    WriteZip("a.qvd", fromA);
    MountArchives("Data");

    EXPECT_EQ(ReadData("same.txt", OPEN_READ), "from B");
    EXPECT_EQ(ReadData("only-a.txt", OPEN_READ), "a");
    EXPECT_EQ(ReadData("main.txt", OPEN_READ), "main");
    EXPECT_EQ(GetArchiveTree().GetRootCount(), 3u);
    // The newest root's archive holds the root folder and decides alone.
    EXPECT_TRUE(DataFileExistsIn("same.txt", 0));
    EXPECT_FALSE(DataFileExistsIn("only-a.txt", 0));
    EXPECT_FALSE(DataFileExistsIn("main.txt", 0));
}

TEST_F(MountArchivesTest, ZipFilesUnderTheDataFolderMountAtTheirOwnFolderButNotInCachesOrDottedFolders)
{
    WriteZip("Data/Levels/Pack.zip", OneMember("x.txt", "pack"));
    WriteZip("Data/Cache/y.zip", OneMember("y.txt", "cached"));
    WriteZip("Data/Levels/CACHE/z.zip", OneMember("z.txt", "cached"));
    WriteZip("Data/v1.0/w.zip", OneMember("w.txt", "versioned"));
    MountArchives("Data");

    EXPECT_EQ(ReadData("levels/PACK/x.txt", OPEN_READ), "pack");
    for (const char* name : {"Cache/y/y.txt", "Levels/CACHE/z/z.txt", "v1.0/w/w.txt", "Levels/x.txt"})
        EXPECT_EQ(ReadData(name, OPEN_READ), "(not opened)") << name;
}

TEST_F(MountArchivesTest, LooseFilesWinEnumerationsAndListedEntriesOpenWithoutTouchingTheDisk)
{
    WriteZip("Data/Pack.zip", NamedMembers({"a.txt", "b.txt"}));
    m_Folder.WriteFile("Data/Pack/a.txt", "loose a");
    MountArchives("Data");

    auto openListed = [](const char* name)
    {
        CZipArchive* archive = GetArchiveTree().FindArchiveHolding(name);
        return archive ? archive->OpenMember(name, OPEN_READ, CZipArchive::kListedMembersOnly) : nullptr;
    };
    CStream* unlisted = openListed("Pack/b.txt");
    EXPECT_EQ(unlisted, nullptr);
    delete unlisted;

    EXPECT_EQ(Enumerate("Pack/", "txt"), (std::vector<std::string>{"Pack/a.txt", "Pack/b.txt"}));
    EXPECT_EQ(ReadAndDelete(openListed("Pack/b.txt")), "b.txt data");
    EXPECT_EQ(ReadAndDelete(openListed("Pack/a.txt")), "(no stream)");
    EXPECT_EQ(ReadData("Pack/a.txt", OPEN_READ), "loose a");
    EXPECT_EQ(ReadData("Pack/b.txt", OPEN_READ), "b.txt data");
}

TEST_F(MountArchivesTest, ARemountListsAnAppendedMemberAfterTheOldOnes)
{
    WriteZip("Data/Pack.zip", NamedMembers({"a.txt", "b.txt"}));
    MountArchives("Data");
    EXPECT_EQ(Enumerate("Pack/", "txt").size(), 2u);
    CFile file;
    ASSERT_TRUE(file.Open("Data/Pack.zip;new.txt", OPEN_CREATE | OPEN_WRITE));
    file.WriteText("appended");
    ASSERT_TRUE(file.Close());

    // The mounted archive read its directory before the member came.
    EXPECT_EQ(Enumerate("Pack/", "txt").size(), 2u);
    UnmountArchives();
    MountArchives("Data");
    EXPECT_EQ(Enumerate("Pack/", "txt"), (std::vector<std::string>{"Pack/a.txt", "Pack/b.txt", "Pack/new.txt"}));
    EXPECT_EQ(ReadData("Pack/new.txt", OPEN_READ), "appended");
}

TEST_F(MountArchivesTest, WritesRewriteMembersOfWritableZipsAndGoLooseOtherwise)
{
    WriteZip("Data.zip", OneMember("Main/main.txt", "shipped"));
    WriteZip("Data/Pack.zip", NamedMembers({"a.txt", "b.txt"}));
    MountArchives("Data");
    for (const char* name : {"Pack/a.txt", "Main/main.txt"})
    {
        CFile file;
        ASSERT_TRUE(file.Open(name, OPEN_CREATE | OPEN_WRITE | OPEN_CREATE_FOLDERS)) << name;
        file.WriteLine("saved by the editor");
        EXPECT_TRUE(file.Close()) << name;
    }

    // The writable zip took the member; no loose file was made.
    EXPECT_FALSE(std::filesystem::exists(Absolute("Data/Pack/a.txt")));
    EXPECT_EQ(ReadData("Pack/a.txt", OPEN_READ), "saved by the editor\r\n");
    EXPECT_EQ(ReadData("Pack/b.txt", OPEN_READ), "b.txt data");
    // The main archive is never written: the save went to a loose file, which
    // then wins over the archived copy.
    EXPECT_EQ(FileBytes("Data/Main/main.txt"), "saved by the editor\r\n");
    EXPECT_EQ(ReadData("Main/main.txt", OPEN_READ), "saved by the editor\r\n");

    UnmountArchives();
    MountArchives("Data");
    EXPECT_EQ(ReadData("Pack/a.txt", OPEN_READ), "saved by the editor\r\n");
}

TEST_F(MountArchivesTest, ArchiveMadeByTheZipToolReadsByteExactly)
{
    if (std::system("command -v zip >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "the zip tool is not installed";
    const std::string binary("\0\x01\x02\xFF\r\n\x1A", 7);
    m_Folder.WriteFile("source/Rounds/One.txt", "Round 1\r\nBricks = 40\r\n");
    m_Folder.WriteFile("source/Rounds/Two.bin", binary);
    m_Folder.WriteFile("source/readme.txt", std::string(70000, 'r'));
    ASSERT_EQ(std::system("cd source && zip -0 -r -q ../Data/Tool.zip Rounds readme.txt"), 0);
    MountArchives("Data");

    EXPECT_EQ(ReadData("Tool/Rounds/One.txt", OPEN_READ), "Round 1\r\nBricks = 40\r\n");
    EXPECT_EQ(ReadData("Tool/Rounds/Two.bin", OPEN_READ), binary);
    EXPECT_EQ(ReadData("Tool/readme.txt", OPEN_READ), std::string(70000, 'r'));
    // The tool stores the folder itself as an entry; it is no file.
    CSearchSpec search;
    search.SetFolder("Tool/");
    search.AddExtension("");
    CFileCountingSink counter;
    EXPECT_EQ(EnumerateFiles(counter, search, 0), 3u);
}

TEST_F(MountArchivesTest, UnmountingLetsTheArchivesBeMountedAgain)
{
    WriteZip("Data.zip", OneMember("Boot.txt", "first"));
    MountArchives("Data");
    EXPECT_TRUE(AreArchivesMounted());
    UnmountArchives();
    EXPECT_FALSE(AreArchivesMounted());
    EXPECT_EQ(GetArchiveTree().GetRootCount(), 0u);
    WriteZip("Data.zip", OneMember("Boot.txt", "second"));
    MountArchives("Data");
    EXPECT_EQ(ReadData("Boot.txt", OPEN_READ), "second");
}

using MountArchivesDeathTest = MountArchivesTest;

TEST_F(MountArchivesDeathTest, MountingTwiceEndsTheProgram)
{
    WriteZip("Data.zip", OneMember("Boot.txt", "boot"));
    MountArchives("Data");
    EXPECT_EXIT(MountArchives("Data"), testing::ExitedWithCode(255), "");
}

// A name written with backslashes is turned into "/" at the open's door, so
// it reaches the archive's folder nodes as it reaches the loose file.
TEST_F(MountArchivesTest, BackslashNameOpensTheSameBytesLooseOrArchived)
{
    const std::string bytes = "glyphs\r\nA";
    for (bool archived : {false, true})
    {
        if (archived)
            WriteZip("Data/Resources.zip", OneMember("Fonts/A.txt", bytes));
        else
            m_Folder.WriteFile("Data/Resources/Fonts/A.txt", bytes);
        MountArchives("Data", true);
        const char* where = archived ? "archived" : "loose";
        ASSERT_EQ(AreArchivesMounted(), archived) << where;
        for (uint32_t flags : {OPEN_READ, OPEN_READ | OPEN_WHOLE_FILE, OPEN_READ | OPEN_COMPRESSED})
            EXPECT_EQ(ReadData("Resources\\Fonts\\A.txt", flags), bytes) << where << " " << flags;
        EXPECT_TRUE(CanOpenDataFile("Resources\\Fonts\\A.txt", 0)) << where;
        EXPECT_EQ(DataFileExistsIn("Resources\\Fonts\\A.txt", 0), archived) << where;
        UnmountArchives();
        std::filesystem::remove_all(Absolute("Data"));
        std::filesystem::create_directories(Absolute("Data"));
    }
}
