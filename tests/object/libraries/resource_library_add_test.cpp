#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/messages/message_bus.h"
#include "engine/object/class_info.h"
#include "engine/object/object_files.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/libraries/new_object_request.h"
#include "tests/object/libraries/library_test_items.h"
#include "tests/support/archive_test_folder.h"

namespace fs = std::filesystem;

static const CLibraryParameters kBackgrounds = {"Background", "property", false, nullptr, 0, false};

// Hears which items lists announce as added.
class CItemAddedListener : public CMessageListener
{
public:
    bool ReceiveMessage(CMessage& message) override
    {
        if (message.GetTypeId() != CItemAddedToVirtualArrayMessage::GetClassTypeId())
            return false;
        CItemAddedToVirtualArrayMessage& added = static_cast<CItemAddedToVirtualArrayMessage&>(message);
        heard.push_back({added.m_pList, added.m_Index});
        return true;
    }

    std::vector<std::pair<VirtualArray*, int32_t>> heard;
};

// A registered library over Data/Resources holding the item X.
class ResourceLibraryAdding : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/X.Background", kOldText);
        m_Library.Init("Test Backgrounds", "Resources", 0);
    }

    std::vector<std::string> FilesIn(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(Absolute(folder)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    const std::string kOldText = ObjectFileText("CLibraryTestItem", {"Name=Old"});
    CResourceLibrary<CLibraryTestItem> m_Library{kBackgrounds};
};

TEST_F(ResourceLibraryAdding, LoadedItemIsSavedToItsOwnFileWhateverItsLetterCase)
{
    fs::remove_all(Absolute("Data/Resources"));
    m_Folder.WriteFile("Data/resources/a/-b.BACKGROUND", ObjectFileText("CLibraryTestItem", {"Name=Old"}));
    const int32_t index = m_Library.Find("A/B", -1);
    ASSERT_NE(index, -1);
    CLibraryTestItem* item = m_Library.GetItemObject(static_cast<uint32_t>(index));
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->m_Name.GetText(), "Old");

    item->m_Name = "New";
    EXPECT_TRUE(SaveObject(item));
    EXPECT_EQ(FilesIn("Data/resources/a"), (std::vector<std::string>{"-b.BACKGROUND"}));
    EXPECT_EQ(FileBytes("Data/resources/a/-b.BACKGROUND"),
              ObjectFileText("CLibraryTestItem", {"Name=New", "Requires="}));
}

TEST_F(ResourceLibraryAdding, RequestMakesAnItemOfTheChosenClassWritesItsFileAndAnnouncesIt)
{
    std::unique_ptr<CNewObjectRequest> request(m_Library.CreateNewItemChooser());
    ASSERT_NE(request, nullptr);
    EXPECT_STREQ(request->m_BaseFolder.GetText(), "Resources");
    EXPECT_TRUE(request->m_Location.IsEmpty());
    EXPECT_STREQ(request->m_Extension.GetText(), ".Background");
    EXPECT_STREQ(request->m_TypeName.GetText(), "LibraryTestItem");
    EXPECT_EQ(request->m_pBaseClass, CLibraryTestItem::SGetClassInfo());
    EXPECT_EQ(request->m_pChosenClass, CLibraryTestItem::SGetClassInfo());

    request->m_pChosenClass = CLibraryTestItemDerived::SGetClassInfo();
    request->m_Result = "/Sub/New.Background";
    CItemAddedListener listener;
    const int32_t index = m_Library.AddFromRequest(request.get());

    EXPECT_EQ(index, 1);
    EXPECT_TRUE(request->m_Saved);
    EXPECT_STREQ(m_Library.GetName(1), "Sub/New");
    EXPECT_FALSE(m_Library.IsSorted());
    EXPECT_EQ(m_Library.Find("sub/new", -1), 1);
    EXPECT_EQ(listener.heard, (std::vector<std::pair<VirtualArray*, int32_t>>{{&m_Library, 1}}));
    EXPECT_EQ(FileBytes("Data/Resources/Sub/New.Background"), ObjectFileText("CLibraryTestItemDerived", {"Name=", "Requires="}));
}

TEST_F(ResourceLibraryAdding, NameAlreadyListedInAnyCaseIsRefusedAndTheOldFileKept)
{
    struct Case
    {
        const char* what;
        int32_t (*add)(CObjectLibrary& library);
    };
    const Case cases[] = {
        {"by name", [](CObjectLibrary& library) { return library.AddByName(CString("x.background")); }},
        {"with object",
         [](CObjectLibrary& library) {
             CLibraryTestItem* item = new CLibraryTestItem;
             const int32_t index = library.AddItemWithObject(item, "x");
             if (index == -1)
                 delete item;
             return index;
         }},
        {"from request",
         [](CObjectLibrary& library) {
             std::unique_ptr<CNewObjectRequest> request(library.CreateNewItemChooser());
             request->m_Result = "X.BACKGROUND";
             return library.AddFromRequest(request.get());
         }},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.add(m_Library), -1) << c.what;
        EXPECT_EQ(m_Library.GetCount(), 1u) << c.what;
        EXPECT_EQ(FileBytes("Data/Resources/X.Background"), kOldText) << c.what;
    }
}

TEST_F(ResourceLibraryAdding, ItemsSharingOnlyAFileNameAreDifferentItems)
{
    bool saved = false;
    EXPECT_EQ(m_Library.AddByName(CString("Sub/X"), saved), 1);
    EXPECT_TRUE(saved);
    EXPECT_EQ(FileBytes("Data/Resources/X.Background"), kOldText);
    EXPECT_EQ(FileBytes("Data/Resources/Sub/X.Background"), ObjectFileText("CLibraryTestItem", {"Name=", "Requires="}));
}

TEST_F(ResourceLibraryAdding, FailedSaveKeepsTheItemAndTellsTheCaller)
{
    struct Case
    {
        const char* name;
        // Adds the item; answers its index and whether its file was written.
        int32_t (*add)(CObjectLibrary& library, const char* name, bool& saved);
    };
    const Case cases[] = {
        {"By Name", [](CObjectLibrary& library, const char* name, bool& saved) {
             return library.AddByName(CString(name), saved);
         }},
        {"From Request",
         [](CObjectLibrary& library, const char* name, bool& saved) {
             std::unique_ptr<CNewObjectRequest> request(library.CreateNewItemChooser());
             request->m_Result = name;
             request->m_Saved = true;
             const int32_t index = library.AddFromRequest(request.get());
             saved = request->m_Saved;
             return index;
         }},
    };
    for (const Case& c : cases)
    {
        // A folder where the file should go makes the save fail.
        fs::create_directories(Absolute(std::string("Data/Resources/") + c.name + ".Background"));
        const int32_t count = static_cast<int32_t>(m_Library.GetCount());
        bool saved = true;
        EXPECT_EQ(c.add(m_Library, c.name, saved), count) << c.name;
        EXPECT_FALSE(saved) << c.name;
        EXPECT_EQ(m_Library.Find(c.name, -1), count) << c.name;
        EXPECT_NE(m_Library.GetItemObject(static_cast<uint32_t>(count)), nullptr) << c.name;
    }
}

TEST_F(ResourceLibraryAdding, ObjectAddedToAPendingLibraryComesAfterTheFoundItems)
{
    EXPECT_FALSE(m_Library.IsEnumerated());
    CLibraryTestItem* item = new CLibraryTestItem;
    EXPECT_EQ(m_Library.AddItemWithObject(item, "Added"), 1);
    EXPECT_EQ(m_Library.GetItemObject(1), item);
    EXPECT_FALSE(fs::exists(Absolute("Data/Resources/Added.Background")));
}

TEST_F(ResourceLibraryAdding, LibraryThatCannotMakeItemsAddsNothing)
{
    CResourceLibrary<CLibraryTestRoundSet> abstractItems(kBackgrounds);
    abstractItems.Init(nullptr, "Resources", 0);
    EXPECT_EQ(abstractItems.AddByName(CString("Fresh")), -1);
    EXPECT_EQ(abstractItems.GetCount(), 1u);

    CResourceLibrary<CLibraryTestItem> folderItems(GetLibraryCatalogueEntry(LIBRARY_SEQUENCES).parameters);
    folderItems.Init(nullptr, "Resources", 0);
    EXPECT_EQ(folderItems.CreateNewItemChooser(), nullptr);
    EXPECT_EQ(FilesIn("Data/Resources"), (std::vector<std::string>{"X.Background"}));
}
