#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/archives/mount_archives.h"
#include "engine/object/libraries/resource_library.h"
#include "tests/object/libraries/library_test_items.h"
#include "tests/support/archive_test_folder.h"

using Names = std::vector<std::string>;

static const CLibraryParameters kBackgrounds = {"Background", "property", false, nullptr, 0, false};

class ResourceLibraryEnumeration : public ArchiveTestFolder
{
protected:
    static Names ItemNames(CObjectLibrary& library)
    {
        Names names;
        for (uint32_t i = 0; i < library.GetCount(); i++)
            names.push_back(library.GetName(i));
        return names;
    }

    // Loose files, one hidden folder, an archive laid over Resources with a
    // copy of X and one item of its own, a font and a cache file.
    void WriteTree()
    {
        const std::string item = ObjectFileText("CLibraryTestItem");
        for (const char* name : {"Data/Resources/A/-B.Background", "Data/Resources/Sub/-Y.Background",
                                 "Data/Resources/-Hidden/Z.Background", "Data/Resources/X.Background",
                                 "Data/Resources/Fonts/F.FONT.TXT", "Data/Cache/Resources/Q.property"})
            m_Folder.WriteFile(name, item);
        TestZipMember archivedCopy;
        archivedCopy.name = "x.Background";
        archivedCopy.data = item;
        TestZipMember archivedOnly;
        archivedOnly.name = "Packed.BACKGROUND";
        archivedOnly.data = item;
        WriteZip("Data/Resources.zip", {archivedCopy, archivedOnly});
        MountArchives("Data", true, false);
    }
};

TEST_F(ResourceLibraryEnumeration, TreeGivesSortedItemsWithoutHiddenFoldersOrDuplicatesOnEveryRun)
{
    WriteTree();
    CResourceLibrary<CLibraryTestItem> library(kBackgrounds);
    library.Init(nullptr, "Resources", 0);
    EXPECT_FALSE(library.IsEnumerated());

    for (int run = 0; run < 2; run++)
    {
        // The loose X is found before the archived x and is the one kept.
        EXPECT_EQ(ItemNames(library), (Names{"A/B", "Packed", "Sub/Y", "X"})) << "run " << run;
        EXPECT_STREQ(library.GetFolder(), "Resources");
        EXPECT_TRUE(library.IsSorted());
        EXPECT_EQ(library.Find("sub/y", -1), 2);
        library.Init(nullptr, "Resources", 0);
    }
}

TEST_F(ResourceLibraryEnumeration, BarInFolderTextSearchesBelowButNamesFromTheFolder)
{
    WriteTree();
    m_Folder.WriteFile("Data/Resources/Loose.FONT.TXT", ObjectFileText("CLibraryTestItem"));
    CResourceLibrary<CLibraryTestItem> fonts({"FONT.TXT", "property", false, nullptr, 0, false});
    fonts.Init(nullptr, "Resources|Fonts", 0);
    EXPECT_EQ(ItemNames(fonts), (Names{"Fonts/F"}));
    EXPECT_STREQ(fonts.GetFolder(), "Resources");
    CString path;
    fonts.GetItemFilePath(0, path);
    EXPECT_STREQ(path.GetText(), "Resources/Fonts/F.FONT.TXT");
}

TEST_F(ResourceLibraryEnumeration, CacheIsSearchedOnlyWhenTheFolderYieldsNothing)
{
    WriteTree();
    struct Case
    {
        CLibraryParameters parameters;
        Names expected;
    };
    const Case cases[] = {
        {kBackgrounds, {"A/B", "Packed", "Sub/Y", "X"}},
        {{"Commercial", "property", false, nullptr, 0, false}, {"Q"}},
        {{"Commercial", nullptr, false, nullptr, 0, false}, {}},
    };
    for (const Case& c : cases)
    {
        CResourceLibrary<CLibraryTestItem> library(c.parameters);
        library.Init(nullptr, "Resources", 0);
        EXPECT_EQ(ItemNames(library), c.expected) << c.parameters.extensions;
    }
}

TEST_F(ResourceLibraryEnumeration, OnlyTheFirstExtensionIsReadWhateverTheFileWasFoundWith)
{
    m_Folder.WriteFile("Data/Resources/Both.E1", ObjectFileText("CLibraryTestItem", {"Name=One"}));
    m_Folder.WriteFile("Data/Resources/Both.E2", ObjectFileText("CLibraryTestItem", {"Name=Two"}));
    m_Folder.WriteFile("Data/Resources/Second.e2", ObjectFileText("CLibraryTestItem"));
    CResourceLibrary<CLibraryTestItem> library({"E1,E2", "property", false, nullptr, 0, false});
    library.Init(nullptr, "Resources", 0);

    EXPECT_EQ(ItemNames(library), (Names{"Both", "Second"}));
    ASSERT_NE(library.GetItemObject(0), nullptr);
    EXPECT_STREQ(library.GetItemObject(0)->m_Name.GetText(), "One");
    EXPECT_EQ(library.GetItemObject(1), nullptr);
}

TEST_F(ResourceLibraryEnumeration, FolderItemsAreTheDashFoldersWithoutTheirDash)
{
    for (const char* name : {"Data/Resources/Seq/-Boom/f.tga", "Data/Resources/Seq/Plain/f.tga",
                             "Data/Resources/-Gore/f.tga"})
        m_Folder.WriteFile(name, "frame");
    CResourceLibrary<CLibraryTestItem> sequences(GetLibraryCatalogueEntry(LIBRARY_SEQUENCES).parameters);
    sequences.Init(nullptr, "Resources", 0);
    EXPECT_EQ(ItemNames(sequences), (Names{"Gore", "Seq/Boom"}));
}
