#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/files/enumerate_files.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/files/stream.h"
#include "tests/support/archive_test_folder.h"

class EnumerateFilesTest : public ArchiveTestFolder
{
protected:
    // Mounts the zip files under the data folder only.
    static void MountDataZips() { MountArchives("Data", true, false); }

    static std::vector<std::string> List(const CSearchSpec& search, uint32_t flags = 0)
    {
        CFileNameList list;
        EnumerateFiles(list, search, flags);
        std::vector<std::string> names;
        for (uint32_t i = 0; i < list.GetCount(); i++)
            names.push_back(list.GetName(i));
        return names;
    }

    static CSearchSpec Search(const char* folder, const char* extension, int32_t mode)
    {
        CSearchSpec search;
        search.SetFolderAndExtension(folder, extension);
        search.SetMode(mode);
        return search;
    }
};

using Names = std::vector<std::string>;

TEST_F(EnumerateFilesTest, ModesReachTheSameFilesLooseAndArchived)
{
    struct Case
    {
        int32_t mode;
        Names expected;
    };
    const Case cases[] = {
        {CSearchSpec::kRecurse, {"Lev/-Old/x.txt", "Lev/-y.txt", "Lev/Sub/z.txt"}},
        {CSearchSpec::kRecurseSkippingDashFolders, {"Lev/-y.txt", "Lev/Sub/z.txt"}},
    };
    for (bool archived : {false, true})
    {
        if (archived)
        {
            WriteZip("Data/Lev.zip", NamedMembers({"-Old/x.txt", "-y.txt", "Sub/z.txt", "Sub/z.dat"}));
            MountDataZips();
        }
        else
        {
            for (const char* name : {"Data/Lev/-Old/x.txt", "Data/Lev/-y.txt", "Data/Lev/Sub/z.txt", "Data/Lev/Sub/z.dat"})
                m_Folder.WriteFile(name, "loose");
        }
        // Loose folders list their own files before their sub-folders'; an
        // archive lists in name order.
        for (const Case& c : cases)
        {
            Names listed = List(Search("Lev/", "txt", c.mode));
            std::sort(listed.begin(), listed.end());
            EXPECT_EQ(listed, c.expected) << "archived " << archived << " mode " << c.mode;
        }
        if (!archived)
            std::filesystem::remove_all(Absolute("Data/Lev"));
    }
}

TEST_F(EnumerateFilesTest, FlatLooseSearchStaysInItsFolderAndSkipsDottedNames)
{
    for (const char* name : {"Data/Lev/a.txt", "Data/Lev/.hidden.txt", "Data/Lev/Sub/b.txt", "Data/Lev/c.TXT"})
        m_Folder.WriteFile(name, "loose");
    EXPECT_EQ(List(Search("Lev/", "txt", CSearchSpec::kThisFolderOnly)), (Names{"Lev/a.txt", "Lev/c.TXT"}));

    CSearchSpec namesOnly = Search("Lev/", "txt", CSearchSpec::kRecurse);
    namesOnly.SetNameForm(CSearchSpec::kFileNamesOnly);
    EXPECT_EQ(List(namesOnly), (Names{"a.txt", "c.TXT", "b.txt"}));
}

TEST_F(EnumerateFilesTest, DeepFoldersKeepTheirWholeNames)
{
    std::string folder = "Deep/";
    for (int i = 0; i < 12; i++)
        folder += "A folder name of thirty chars " + std::to_string(i) + "/";
    m_Folder.WriteFile("Data/" + folder + "Round.Vantrell", "round");
    EXPECT_EQ(List(Search("Deep/", "Vantrell", CSearchSpec::kRecurse)), (Names{folder + "Round.Vantrell"}));
}

TEST_F(EnumerateFilesTest, FolderListingsWithDashFoldersListOnlyThose)
{
    for (const char* name : {"Data/Seq/-Boom/f.tga", "Data/Seq/Plain/f.tga", "Data/Seq/Plain/-Inner/f.tga"})
        m_Folder.WriteFile(name, "frame");
    CSearchSpec search;
    search.SetFoldersIn("Seq/", true);
    EXPECT_EQ(List(search), (Names{"Seq/-Boom", "Seq/Plain/-Inner"}));
    search.SetFoldersIn("Seq/", false);
    EXPECT_EQ(List(search), (Names{"Seq/-Boom", "Seq/Plain", "Seq/Plain/-Inner"}));
}

TEST_F(EnumerateFilesTest, CountingSinkCountsEveryCopyWhileListsKeepTheFirst)
{
    m_Folder.WriteFile("Data/Pack/a.txt", "loose");
    WriteZip("Data/Pack.zip", NamedMembers({"a.txt", "b.txt"}));
    MountDataZips();
    CSearchSpec search = Search("Pack/", "txt", CSearchSpec::kRecurseSkippingDashFolders);

    CFileCountingSink counter;
    EXPECT_EQ(EnumerateFiles(counter, search, 0), 3u);
    char slots[4 * 32] = {};
    uint8_t sizes[4 * 32] = {};
    EXPECT_EQ(EnumerateFilesIntoBuffer(search, slots, sizes, 32, 4, 0), 2u);
    EXPECT_STREQ(slots, "Pack/a.txt");
    EXPECT_STREQ(slots + 32, "Pack/b.txt");
    uint32_t firstSize = 0;
    std::memcpy(&firstSize, sizes, sizeof(firstSize));
    EXPECT_EQ(firstSize, 5u);
    EXPECT_EQ(List(search), (Names{"Pack/a.txt", "Pack/b.txt"}));
}

TEST_F(EnumerateFilesTest, NamesDifferingOnlyInCaseAreListedOnceInSortedOrder)
{
    m_Folder.WriteFile("Data/Img/red.tga", "second");
    m_Folder.WriteFile("Data/Img/Red.tga", "first");
    CSearchSpec search = Search("Img/", "tga", CSearchSpec::kThisFolderOnly);
    EXPECT_EQ(List(search), (Names{"Img/Red.tga"}));
    CFileCountingSink counter;
    EXPECT_EQ(EnumerateFiles(counter, search, 0), 2u);
}

TEST_F(EnumerateFilesTest, FolderAsItStandsKeepsItInTheNames)
{
    m_Folder.WriteFile("Rounds/Mine.VantrellZK", "set");
    CSearchSpec search = Search("./Rounds/", "VantrellZK", CSearchSpec::kRecurseSkippingDashFolders);
    EXPECT_EQ(List(search, OPEN_NAME_UNCHANGED), (Names{"./Rounds/Mine.VantrellZK"}));
    EXPECT_EQ(List(search), Names{});
}

TEST_F(EnumerateFilesTest, NameBufferStopsAtItsLastSlotAndSortsWithItsSizes)
{
    char slots[2 * 16] = {};
    uint8_t sizes[2 * 16] = {};
    CFileNameBuffer buffer(slots, 16, 2, sizes);
    OfferFile(buffer, "b.QVD", 11, 0);
    OfferFile(buffer, "B.qvd", 12, 0);
    OfferFile(buffer, "A.qvd", 13, 0);
    OfferFile(buffer, "c.qvd", 14, 0);
    ASSERT_EQ(buffer.GetCount(), 2u);
    buffer.Sort();
    EXPECT_STREQ(buffer.GetName(0), "A.qvd");
    EXPECT_STREQ(buffer.GetName(1), "b.QVD");
    uint32_t size = 0;
    std::memcpy(&size, sizes, sizeof(size));
    EXPECT_EQ(size, 13u);
}

TEST(FileNameBufferDeathTest, NameLongerThanASlotIsFatal)
{
    char slots[8];
    CFileNameBuffer buffer(slots, 8, 1, nullptr);
    EXPECT_EXIT(OfferFile(buffer, "Levels/TooLong.txt", 1, 0), testing::ExitedWithCode(255),
                "Illegal file name\n\"Levels/TooLong.txt\" is an illegal file name because it is more than 7 "
                "characters long");
}
