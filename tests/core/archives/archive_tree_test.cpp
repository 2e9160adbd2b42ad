#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_archive.h"
#include "tests/support/archive_test_folder.h"

// A tree of its own per test; archive files lie in the data folder.
class ArchiveTreeTest : public ArchiveTestFolder
{
protected:
    std::string Read(const char* name, uint32_t flags = OPEN_READ)
    {
        return ReadAndDelete(m_Tree.OpenMember(name, flags));
    }

    static std::vector<std::string> Names(CFileNameList& list)
    {
        std::vector<std::string> names;
        for (uint32_t i = 0; i < list.GetCount(); i++)
            names.push_back(list.GetName(i));
        return names;
    }

    CArchiveTree m_Tree;
};

TEST_F(ArchiveTreeTest, ServesAMemberUnderItsPrefixWithoutRegardToCase)
{
    WriteZip("Data/Levels/Pack.zip", NamedMembers({"x.txt"}));
    ASSERT_TRUE(m_Tree.Mount("Levels/Pack.zip", true, true, "Levels/Pack/", true, 0));
    EXPECT_EQ(Read("levels/PACK/X.TXT"), "x.txt data");
    for (const char* name : {"x.txt", "Levels/x.txt", "Levels/Pack/Sub/x.txt", "Levels\\Pack\\x.txt"})
        EXPECT_EQ(Read(name), "(no stream)") << name;
}

TEST_F(ArchiveTreeTest, DeepestArchiveOnTheNamesFolderPathAnswers)
{
    WriteZip("Data/Main.zip", NamedMembers({"Levels/x.txt", "y.txt"}));
    WriteZip("Data/Levels.zip", NamedMembers({"x.txt"}));
    ASSERT_TRUE(m_Tree.Mount("Main.zip", true, false, "/", false, 0));
    ASSERT_TRUE(m_Tree.Mount("Levels.zip", false, false, "Levels/", false, 0));
    CArchiveNode* root = m_Tree.GetRoot(0);
    EXPECT_STREQ(m_Tree.FindArchiveFor("LEVELS/x.txt", root)->GetArchivePath().GetText(), "Levels.zip");
    EXPECT_STREQ(m_Tree.FindArchiveFor("Levels/Deeper/x.txt", root)->GetArchivePath().GetText(), "Levels.zip");
    EXPECT_STREQ(m_Tree.FindArchiveFor("y.txt", root)->GetArchivePath().GetText(), "Main.zip");
    EXPECT_STREQ(m_Tree.FindArchiveFor("Levels\\x.txt", root)->GetArchivePath().GetText(), "Main.zip");
    // The deeper archive hides the main archive's copy.
    EXPECT_EQ(Read("Levels/x.txt"), "x.txt data");
}

TEST_F(ArchiveTreeTest, NewestRootWithAnArchiveForTheNameDecidesAlone)
{
    WriteZip("Data/Main.zip", NamedMembers({"a.txt"}));
    WriteZip("Data/Extra.zip", NamedMembers({"b.txt"}));
    ASSERT_TRUE(m_Tree.Mount("Main.zip", true, false, "/", false, 0));
    EXPECT_TRUE(m_Tree.ContainsWithFlags("a.txt", 0));
    ASSERT_TRUE(m_Tree.Mount("Extra.zip", true, false, "/", false, 0));

    EXPECT_FALSE(m_Tree.ContainsWithFlags("a.txt", 0));
    EXPECT_TRUE(m_Tree.ContainsWithFlags("b.txt", 0));
    bool canWrite = true;
    EXPECT_FALSE(m_Tree.ContainsWritable("a.txt", canWrite));
    EXPECT_FALSE(canWrite);
    // A member the deciding archive lacks is dated by that archive's file.
    EXPECT_EQ(m_Tree.GetFileTime("a.txt", 0), GetFileTimeOf("Data/Extra.zip", 0));
    // Opening still asks every root.
    EXPECT_EQ(Read("a.txt"), "a.txt data");
}

TEST_F(ArchiveTreeTest, RefusesMountsThatWouldHideOrHaveNoPlace)
{
    WriteZip("Data/One.zip", NamedMembers({"a.txt"}));
    WriteZip("Data/Two.zip", NamedMembers({"b.txt"}));
    m_Folder.WriteFile("Data/Broken.zip", "no archive");

    EXPECT_FALSE(m_Tree.Mount("One.zip", false, false, "/", false, 0));
    EXPECT_FALSE(m_Tree.Mount("Broken.zip", true, false, "/", false, 0));
    EXPECT_EQ(m_Tree.GetRootCount(), 0u);

    ASSERT_TRUE(m_Tree.Mount("One.zip", true, true, "Levels/Pack/", true, 0));
    EXPECT_FALSE(m_Tree.Mount("Two.zip", false, true, "levels/pack/", true, 0));
    EXPECT_EQ(Read("Levels/Pack/a.txt"), "a.txt data");
    EXPECT_TRUE(m_Tree.Mount("Two.zip", false, true, "Levels/Other/", true, 0));
    EXPECT_EQ(m_Tree.GetRootCount(), 1u);
}

TEST_F(ArchiveTreeTest, OnlyArchivesUnderAFolderPrefixJudgeIsNewer)
{
    WriteZip("Data/Main.zip", NamedMembers({"a.txt"}));
    WriteZip("Data/Levels/Pack.zip", NamedMembers({"a.txt"}));
    ASSERT_TRUE(m_Tree.Mount("Main.zip", true, false, "/", false, 0));
    // No reference file: every existing archive file is newer.
    EXPECT_FALSE(m_Tree.IsNewer("a.txt", "missing.txt"));
    ASSERT_TRUE(m_Tree.Mount("Levels/Pack.zip", true, false, "Levels/Pack/", true, 0));
    EXPECT_TRUE(m_Tree.IsNewer("Levels/Pack/a.txt", "missing.txt"));
    EXPECT_FALSE(m_Tree.IsNewer("Levels/Other/a.txt", "missing.txt"));
}

TEST_F(ArchiveTreeTest, EnumerationListsFolderNodesAndTheEntriesBelowThem)
{
    WriteZip("Data/Levels/Pack.zip", NamedMembers({"one.txt", "Hard/two.txt", "-Draft/three.txt"}));
    WriteZip("Data/Levels/-Old.zip", NamedMembers({"four.txt"}));
    ASSERT_TRUE(m_Tree.Mount("Levels/Pack.zip", true, false, "Levels/Pack/", true, 0));
    ASSERT_TRUE(m_Tree.Mount("Levels/-Old.zip", false, false, "Levels/-Old/", true, 0));

    CSearchSpec files;
    files.SetFolderAndExtension("Levels/", "txt");
    CFileNameList fileList;
    m_Tree.Enumerate(fileList, files);
    EXPECT_EQ(Names(fileList), (std::vector<std::string>{"Levels/Pack/Hard/two.txt", "Levels/Pack/one.txt"}));

    files.SetMode(CSearchSpec::kRecurse);
    CFileNameList everything;
    m_Tree.Enumerate(everything, files);
    EXPECT_EQ(everything.GetCount(), 4u);

    CSearchSpec folders;
    folders.SetFoldersIn("Levels/", false);
    CFileNameList folderList;
    m_Tree.Enumerate(folderList, folders);
    // The archive names its own folder first, through its entries' paths.
    EXPECT_EQ(Names(folderList), (std::vector<std::string>{"Levels/Pack", "Levels/Pack/-Draft", "Levels/Pack/Hard",
                                                             "Levels/-Old"}));

    folders.SetFoldersIn("Levels/", true);
    CFileNameList dashFolders;
    m_Tree.Enumerate(dashFolders, folders);
    EXPECT_EQ(Names(dashFolders), (std::vector<std::string>{"Levels/Pack/-Draft", "Levels/-Old"}));
}

// How many of this process's open descriptors name the file.
static int CountDescriptorsOn(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path target = fs::canonical(path);
    int count = 0;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc/self/fd", error))
    {
        fs::path linked = fs::read_symlink(entry.path(), error);
        if (!error && linked == target)
            count++;
    }
    return count;
}

TEST_F(ArchiveTreeTest, ArchiveUnmountedWhileAMemberIsOpenLastsUntilTheMemberCloses)
{
    struct Case
    {
        const char* what;
        bool deferred;
        uint32_t memberFlags;
    };
    const Case cases[] = {
        {"kept open, shared file", false, OPEN_READ},
        {"kept open, own file", false, OPEN_READ | OPEN_OWN_ARCHIVE_FILE},
        {"deferred, shared file", true, OPEN_READ},
    };
    std::vector<TestZipMember> members = NamedMembers({"Music/track.ogg", "b.txt"});
    members[0].data = std::string(5000, 'm') + "end of track";
    WriteZip("Data/Music.zip", members);
    const std::string archivePath = Absolute("Data/Music.zip");
    for (const Case& c : cases)
    {
        ASSERT_TRUE(m_Tree.Mount("Music.zip", true, false, "/", c.deferred, 0)) << c.what;
        CFile track;
        ASSERT_TRUE(track.Attach(m_Tree.OpenMember("Music/track.ogg", c.memberFlags), OPEN_READ)) << c.what;
        std::string read(100, '\0');
        ASSERT_EQ(track.Read(read.data(), 100), 100u) << c.what;

        m_Tree.Clear();
        EXPECT_EQ(m_Tree.GetRootCount(), 0u) << c.what;
        EXPECT_EQ(m_Tree.OpenMember("b.txt", OPEN_READ), nullptr) << c.what;
        EXPECT_GE(CountDescriptorsOn(archivePath), 1) << c.what;

        std::string rest(members[0].data.size(), '\0');
        rest.resize(track.Read(rest.data(), static_cast<uint32_t>(rest.size())));
        EXPECT_EQ(read + rest, members[0].data) << c.what;
        EXPECT_TRUE(track.Close()) << c.what;
        EXPECT_EQ(CountDescriptorsOn(archivePath), 0) << c.what;
    }
}
