#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/core/lists/list_folder_tree.h"
#include "engine/object/libraries/resource_library.h"
#include "tests/object/libraries/library_test_items.h"
#include "tests/support/archive_test_folder.h"

// A library of three loaded-on-demand items: Alpha, Beta and Gamma.
class ResourceLibraryItems : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        for (const char* name : {"Alpha", "Beta", "Gamma"})
        {
            const std::string line = std::string("Name=") + name + " Shown";
            m_Folder.WriteFile(std::string("Data/Resources/") + name + ".Background",
                               ObjectFileText("CLibraryTestItem", {line.c_str()}));
        }
        m_Library.Init(nullptr, "Resources", 0);
        CLibraryTestItem::s_pLibrary = &m_Library;
    }

    void TearDown() override
    {
        CLibraryTestItem::s_pLibrary = nullptr;
        ArchiveTestFolder::TearDown();
    }

    void WriteItem(const char* name, std::initializer_list<const char*> lines)
    {
        m_Folder.WriteFile(std::string("Data/Resources/") + name + ".Background",
                           ObjectFileText("CLibraryTestItem", lines));
    }

    CResourceLibrary<CLibraryTestItem> m_Library{{"Background", "property", false, nullptr, 0, false}};
};

TEST_F(ResourceLibraryItems, IndicesBeyondTheCountStandForTheFirstItem)
{
    const uint32_t count = m_Library.GetCount();
    ASSERT_EQ(count, 3u);
    CLibraryTestItem* first = m_Library.GetItemObject(0);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->m_Name.GetText(), "Alpha Shown");
    for (uint32_t index : {static_cast<uint32_t>(-1), count, count + 7})
        EXPECT_EQ(m_Library.GetItemObject(index), first) << index;
    EXPECT_EQ(m_Library.GetUsage(0).m_TotalUses, 4);
    EXPECT_FALSE(m_Library.IsItemLoaded(1));
}

TEST_F(ResourceLibraryItems, UnloadedItemIsReadAgainOnItsNextUse)
{
    ASSERT_NE(m_Library.GetItemObject(1), nullptr);
    m_Library.UnloadItem(1);
    EXPECT_FALSE(m_Library.IsItemLoaded(1));
    ASSERT_NE(m_Library.GetItemObject(1), nullptr);
    const CResourceUsage& usage = m_Library.GetUsage(1);
    EXPECT_EQ(usage.m_LoadCount, 2);
    EXPECT_EQ(usage.m_UnloadCount, 1);
    EXPECT_EQ(usage.m_UsesSinceLoad, 1);
    EXPECT_EQ(usage.m_TotalUses, 2);
}

TEST_F(ResourceLibraryItems, TouchMarksUsedAndPreloadsOnlyOnceWhileIndicesBeyondTheCountAreIgnored)
{
    CLibraryTestItem::s_PreloadCalls = 0;
    const uint32_t count = m_Library.GetCount();
    for (uint32_t index : {static_cast<uint32_t>(-1), count, count + 5})
        m_Library.TouchItem(index);
    for (uint32_t i = 0; i < count; i++)
        EXPECT_FALSE(m_Library.WasItemUsed(i) || m_Library.IsItemLoaded(i)) << i;

    m_Library.TouchItem(2);
    m_Library.TouchItem(2);
    EXPECT_TRUE(m_Library.WasItemUsed(2));
    EXPECT_EQ(CLibraryTestItem::s_PreloadCalls, 1);
    EXPECT_EQ(m_Library.GetUsage(2).m_TotalUses, 3);
}

TEST_F(ResourceLibraryItems, AFileOfAnotherClassIsNoItem)
{
    m_Folder.WriteFile("Data/Resources/Beta.Background", ObjectFileText("CLibraryOtherItem"));
    EXPECT_EQ(m_Library.GetItemObject(1), nullptr);
    EXPECT_FALSE(m_Library.IsItemLoaded(1));
    ASSERT_NE(m_Library.GetItemObject(2), nullptr);
    EXPECT_EQ(m_Library.GetItemObject(2)->GetClassInfo(), CLibraryTestItem::SGetClassInfo());
}

TEST_F(ResourceLibraryItems, NamesBeyondTheCountAreNull)
{
    const uint32_t count = m_Library.GetCount();
    for (uint32_t index : {static_cast<uint32_t>(-1), count})
    {
        EXPECT_EQ(m_Library.GetName(index), nullptr) << index;
        EXPECT_TRUE(m_Library.GetNameString(index).IsEmpty()) << index;
    }
}

TEST_F(ResourceLibraryItems, ItemThatAsksForItselfWhileLoadingStopsTheProgram)
{
    WriteItem("Loop", {"Requires=Loop"});
    m_Library.Init(nullptr, "Resources", 0);
    const int32_t loop = m_Library.Find("Loop", -1);
    EXPECT_EXIT(m_Library.GetItemObject(static_cast<uint32_t>(loop)), ::testing::ExitedWithCode(255),
                "Fatal Error\nGot stuck in an infinite loop while trying to load \"Loop\"\\.  This is usually caused "
                "by that file refering to itself\\.  The actions in this file need to be re-scripted to go through a "
                "canned object or relay or some other indirect method\n");
}

TEST_F(ResourceLibraryItems, ItemsAskedForWhileAnotherLoadsAreLoadedInTurn)
{
    WriteItem("Needy", {"Requires=Beta"});
    m_Library.Init(nullptr, "Resources", 0);
    ASSERT_NE(m_Library.GetItemObject(static_cast<uint32_t>(m_Library.Find("Needy", -1))), nullptr);
    EXPECT_TRUE(m_Library.IsItemLoaded(static_cast<uint32_t>(m_Library.Find("Beta", -1))));
}

TEST_F(ResourceLibraryItems, MissingFileGivesNoObjectAndIsTriedAgain)
{
    ASSERT_EQ(m_Library.GetCount(), 3u);
    std::filesystem::remove(Absolute("Data/Resources/Gamma.Background"));
    EXPECT_EQ(m_Library.GetItemObject(2), nullptr);
    EXPECT_EQ(m_Library.GetUsage(2).m_TotalUses, 1);
    WriteItem("Gamma", {});
    EXPECT_NE(m_Library.GetItemObject(2), nullptr);
}

TEST_F(ResourceLibraryItems, RemoveAllLeavesNoItemInTheFolderTree)
{
    CListFolderTree* tree = m_Library.GetFolderTree();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetChildCount(tree->GetRoot()), 3u);
    m_Library.RemoveAll();
    EXPECT_EQ(m_Library.GetCount(), 0u);
    EXPECT_EQ(tree->GetChildCount(tree->GetRoot()), 0u);
    EXPECT_EQ(m_Library.GetItemObject(0), nullptr);
}

TEST_F(ResourceLibraryItems, PendingLibraryKnowsNoObjectAndStaysPending)
{
    CLibraryTestItem* item = m_Library.GetItemObject(0);
    CString path;
    ASSERT_TRUE(m_Library.GetObjectFilePath(item, path));
    EXPECT_STREQ(path.GetText(), "Resources/Alpha.Background");
    EXPECT_EQ(m_Library.IndexOfObject(item), 0);

    CLibraryOtherItem other;
    EXPECT_FALSE(m_Library.GetObjectFilePath(&other, path));

    m_Library.Init(nullptr, "Resources", 0);
    EXPECT_FALSE(m_Library.GetObjectFilePath(item, path));
    EXPECT_EQ(m_Library.IndexOfObject(item), -1);
    EXPECT_FALSE(m_Library.IsEnumerated());
}

TEST_F(ResourceLibraryItems, LoadAllReadsEveryItemOnce)
{
    m_Library.LoadAll();
    for (uint32_t i = 0; i < m_Library.GetCount(); i++)
    {
        EXPECT_TRUE(m_Library.IsItemLoaded(i)) << i;
        EXPECT_EQ(m_Library.GetUsage(i).m_LoadCount, 1) << i;
    }
}

TEST_F(ResourceLibraryItems, ObjectByNameLoadsItAndAMissingNameIsTheNotFoundReport)
{
    CLibraryTestItem* beta = m_Library.GetByName("beta");
    ASSERT_NE(beta, nullptr);
    EXPECT_STREQ(beta->m_Name.GetText(), "Beta Shown");
    EXPECT_EXIT(m_Library.GetByName("Delta"), ::testing::ExitedWithCode(255),
                "Fatal Not Found Error.*\"Delta\".*\"Resources\" folder");
}

TEST_F(ResourceLibraryItems, ItemPathsLongerThan255CharactersLoadAndSaveWhole)
{
    const std::string folder = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c');
    const std::string name = folder + "/Deep";
    WriteItem(name.c_str(), {"Name=Deep Shown"});
    m_Library.Init(nullptr, "Resources", 0);
    const int32_t index = m_Library.Find(name.c_str(), -1);
    ASSERT_NE(index, -1);

    CString path;
    m_Library.GetItemFilePath(static_cast<uint32_t>(index), path);
    EXPECT_EQ(std::string(path.GetText()), "Resources/" + name + ".Background");
    CLibraryTestItem* item = m_Library.GetItemObject(static_cast<uint32_t>(index));
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->m_Name.GetText(), "Deep Shown");

    item->m_Name = "Deep Saved";
    EXPECT_TRUE(m_Library.SaveItem(static_cast<uint32_t>(index)));
    EXPECT_EQ(FileBytes("Data/Resources/" + name + ".Background"),
              ObjectFileText("CLibraryTestItem", {"Name=Deep Saved", "Requires="}));
}
