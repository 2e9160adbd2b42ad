#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/core/lists/list_registry.h"
#include "engine/core/program/loading_messages.h"
#include "engine/core/lists/object_file_name_hooks.h"
#include "engine/core/settings/option_switch.h"

// Stand-ins for item objects: only their addresses are compared.
alignas(8) static char s_ObjectStorage[4];

static CObject* FakeObject(int n)
{
    return reinterpret_cast<CObject*>(&s_ObjectStorage[n]);
}

// A library over fixed, sorted item names that logs what the registry asks of
// it. While "pending" it has not enumerated its folder yet; asking for its
// count or names enumerates it, as a real library does.
class CFakeLibrary : public CResourceLibraryBase
{
public:
    CFakeLibrary(const char* tag, std::vector<std::string>& log, std::vector<const char*> names, bool pending = false)
        : m_Tag(tag)
        , m_Log(log)
        , m_Names(names)
        , m_Usage(names.size())
        , m_Loaded(names.size(), false)
        , m_Objects(names.size(), nullptr)
        , m_Pending(pending)
    {
        m_Sorted = true;
    }

    const char* GetName(uint32_t index) override
    {
        Enumerate();
        return index < m_Names.size() ? m_Names[index] : nullptr;
    }

    CString GetNameString(uint32_t index) override { return CString(GetName(index)); }

    uint32_t GetCount() override
    {
        Enumerate();
        return static_cast<uint32_t>(m_Names.size());
    }

    bool IsItemLoaded(uint32_t index) override { return m_Loaded[index]; }
    CResourceUsage& GetUsage(uint32_t index) override { return m_Usage[index]; }
    CObject* GetItemEnsured(uint32_t index) override { return m_Objects[index]; }

    void UnloadItem(uint32_t index) override
    {
        m_Loaded[index] = false;
        m_Log.push_back(m_Tag + " unloads " + m_Names[index]);
    }

    bool IsEnumerated() override { return !m_Pending; }

    void Init(const char* displayName, const char* folder, int32_t flags) override
    {
        m_Log.push_back(m_Tag + " init " + (displayName ? displayName : "(none)") + " " + folder + " " +
                        std::to_string(flags));
    }

    int32_t IndexOfObject(CObject* object) override
    {
        for (size_t i = 0; i < m_Objects.size(); i++)
        {
            if (m_Objects[i] == object)
                return static_cast<int32_t>(i);
        }
        return -1;
    }

    bool GetObjectFilePath(CObject* object, CString& path) override
    {
        const int32_t index = IndexOfObject(object);
        if (index == -1)
            return false;
        path = ("Resources/" + m_Tag + "/" + m_Names[index]).c_str();
        return true;
    }

    void Load(uint32_t index, CObject* object)
    {
        m_Loaded[index] = true;
        m_Objects[index] = object;
    }

    int enumerations = 0;

private:
    void Enumerate()
    {
        if (!m_Pending)
            return;
        m_Pending = false;
        enumerations++;
    }

    std::string m_Tag;
    std::vector<std::string>& m_Log;
    std::vector<const char*> m_Names;
    std::vector<CResourceUsage> m_Usage;
    std::vector<bool> m_Loaded;
    std::vector<CObject*> m_Objects;
    bool m_Pending;
};

TEST(ListRegistry, ANameRegisteredTwiceGivesTwoEntriesAndTheLaterIsDisposedFirst)
{
    std::vector<std::string> log;
    CFakeLibrary first("first", log, { "a", "b" });
    CFakeLibrary second("second", log, { "c" });
    first.Load(1, FakeObject(0));
    second.Load(0, FakeObject(1));

    CListRegistry registry;
    EXPECT_EQ(registry.Register("Sounds", nullptr, &first, nullptr), 0);
    EXPECT_EQ(registry.Register("Sounds", "Resources/Sounds", &second, nullptr, 0), 1);
    EXPECT_EQ(registry.GetCount(), 2u);
    EXPECT_STREQ(registry.GetName(1), "Sounds");
    EXPECT_EQ(registry.Find("sounds", -1), 0);
    EXPECT_EQ(registry.IndexOf(&second), 1);
    EXPECT_EQ(registry.GetEntry(1).folder.Compare("Resources/Sounds"), 0);
    EXPECT_TRUE(registry.GetEntry(0).folder.IsEmpty());

    registry.DisposeAll();
    EXPECT_EQ(log, (std::vector<std::string>{ "second unloads c", "first unloads b" }));
}

// Puts each drawn loading message into the log the libraries write to, so
// messages and unloads are seen in one order.
class CLoggingSurface : public CLoadingMessageSurface
{
public:
    explicit CLoggingSurface(std::vector<std::string>& log)
        : m_Log(log)
    {
    }

    void MeasureText(const char*, int32_t* width, int32_t* height) override
    {
        *width = 1;
        *height = 1;
    }

    void FillBlack(int32_t, int32_t, int32_t, int32_t) override {}
    void DrawText(int32_t, int32_t, const char* text) override { m_Log.push_back(text); }

private:
    std::vector<std::string>& m_Log;
};

TEST(ListRegistry, DisposeAllAnnouncesEachListBeforeUnloadingIt)
{
    std::vector<std::string> log;
    CFakeLibrary first("first", log, { "a" });
    CFakeLibrary second("second", log, { "b" });
    first.Load(0, FakeObject(0));
    second.Load(0, FakeObject(1));
    CListRegistry registry;
    registry.Register("Sounds", nullptr, &first, nullptr);
    registry.Register("Sounds", nullptr, &second, nullptr);

    CLoggingSurface surface(log);
    CLoadingMessageWriter& writer = GetLoadingMessageWriter();
    writer.SetSurface(&surface);
    writer.SetSize(100000, 100000);
    GetLoadingMessagesSwitch().SetValue(true);
    registry.DisposeAll();
    GetLoadingMessagesSwitch().SetValue(false);
    writer.SetSurface(nullptr);

    EXPECT_EQ(log, (std::vector<std::string>{ "Disposing of all items in the \"Sounds\" list...", "second unloads b",
                                              "Disposing of all items in the \"Sounds\" list...", "first unloads a",
                                              "Finished disposing of all items in all lists." }));
}

TEST(ListRegistry, LookupsByListFindTheFirstEntry)
{
    std::vector<std::string> log;
    CFakeLibrary other("other", log, {});
    CFakeLibrary library("library", log, {});
    CListRegistry registry;
    registry.Register("Other", nullptr, &other, nullptr);
    registry.Register("Library", nullptr, &library, nullptr);
    registry.Register("Library Again", nullptr, &library, nullptr);
    EXPECT_EQ(registry.IndexOf(&library), 1);
    EXPECT_EQ(registry.FindEntry(&library), &registry.GetEntry(1));
}

TEST(ListRegistry, LookupsThatFindNothingAnswerQuietly)
{
    std::vector<std::string> log;
    CFakeLibrary library("library", log, { "a" });
    CListRegistry registry;
    EXPECT_EQ(registry.IndexOf(&library), -1);
    EXPECT_EQ(registry.FindEntry(&library), nullptr);
    int32_t listIndex = -7;
    int32_t itemIndex = -7;
    EXPECT_FALSE(registry.FindObject(FakeObject(0), listIndex, itemIndex));
    EXPECT_EQ(listIndex, -7);
}

TEST(ListRegistry, DisposingAListNeverEnumeratedLeavesItAlone)
{
    std::vector<std::string> log;
    CFakeLibrary pending("pending", log, { "a", "b" }, true);
    DisposeListItems(&pending);
    EXPECT_EQ(pending.enumerations, 0);
    EXPECT_TRUE(log.empty());

    CListRegistry registry;
    registry.Register("Pending", "Resources", &pending, nullptr);
    registry.DisposeAll();
    EXPECT_EQ(pending.enumerations, 0);
}

TEST(ListRegistry, LoadAllPointsOnlyListsWithAFolderAtIt)
{
    std::vector<std::string> log;
    CFakeLibrary sounds("sounds", log, {});
    CFakeLibrary fonts("fonts", log, {});
    CListRegistry registry;
    registry.Register("Sound List", nullptr, &sounds, nullptr);
    registry.Register("Fonts", "Resources|Fonts", &fonts, nullptr);
    registry.LoadAll();
    EXPECT_EQ(log, (std::vector<std::string>{ "fonts init (none) Resources|Fonts 0" }));
}

TEST(ListRegistry, FindObjectAsksTheListsInRegistrationOrder)
{
    std::vector<std::string> log;
    CFakeLibrary first("first", log, { "a", "b" });
    CFakeLibrary second("second", log, { "c", "d", "e" });
    second.Load(2, FakeObject(2));
    first.Load(0, FakeObject(3));
    CListRegistry registry;
    registry.Register("First", nullptr, &first, nullptr);
    registry.Register("Second", nullptr, &second, nullptr);

    int32_t listIndex = -1;
    int32_t itemIndex = -1;
    ASSERT_TRUE(registry.FindObject(FakeObject(2), listIndex, itemIndex));
    EXPECT_EQ(listIndex, 1);
    EXPECT_EQ(itemIndex, 2);
}

TEST(ListRegistry, ClearUsageFlagsEnumeratesPendingListsAndKeepsKeptLoadedFlags)
{
    std::vector<std::string> log;
    CFakeLibrary pending("pending", log, { "a", "b" }, true);
    CFakeLibrary ready("ready", log, { "c" });
    for (CFakeLibrary* library : { &pending, &ready })
    {
        CResourceUsage& usage = library->GetUsage(0);
        usage.m_Used = true;
        usage.m_ReferencesPreloaded = true;
        library->SetItemKeptLoaded(0, true);
    }
    CListRegistry registry;
    registry.Register("Pending", "P", &pending, nullptr);
    registry.Register("Ready", "R", &ready, nullptr);

    registry.ClearUsageFlags();
    EXPECT_EQ(pending.enumerations, 1);
    for (CFakeLibrary* library : { &pending, &ready })
    {
        EXPECT_FALSE(library->WasItemUsed(0));
        EXPECT_FALSE(library->GetUsage(0).m_ReferencesPreloaded);
        EXPECT_TRUE(library->IsItemKeptLoaded(0));
    }
}

TEST(ListRegistry, TheGlobalRegistryLocatesTheFilesOfItsListsObjects)
{
    // Lives as long as the registry, which is never torn down.
    static std::vector<std::string> log;
    static CFakeLibrary library("Backgrounds", log, { "Space", "Water" });
    library.Load(1, FakeObject(1));
    const int32_t index = GetListRegistry().Register("Background Definition", "Backgrounds", &library, nullptr);
    EXPECT_EQ(GetListRegistry().IndexOf(&library), index);

    CString path;
    EXPECT_TRUE(GetObjectFileName(FakeObject(1), path));
    EXPECT_EQ(path.Compare("Resources/Backgrounds/Water"), 0);
    EXPECT_FALSE(GetObjectFileName(FakeObject(0), path));
}

TEST(ResourceLibraryAliases, NamesAreTriedAsItemsFirstThenAsAliases)
{
    std::vector<std::string> log;
    CFakeLibrary powerUps("PowerUp", log, { "!None", "Apple", "Multi Ball", "Pear" });
    powerUps.AddAlias("No Power-Up", "!None");
    powerUps.AddAlias("Apple", "Pear");
    powerUps.AddAlias("Fruit", "PEAR");

    struct Case
    {
        const char* key;
        int32_t expected;
    };
    const Case cases[] = {
        { "Apple", 1 }, // an alias never hides an item of the same name
        { "No Power-Up", 0 },
        { "no power-up", 0 },
        { "FRUIT", 3 },
        { "Old/Multi Ball", 2 },
        { "Banana", -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(powerUps.Find(c.key, -1), c.expected) << c.key;
    EXPECT_EQ(powerUps.FindAlias("Apple"), 3);
    EXPECT_EQ(powerUps.FindAlias("Pear"), -1);
}

TEST(ResourceLibraryAliasesDeathTest, AliasOfAMissingItemIsFatal)
{
    EXPECT_EXIT(
        {
            setenv("VP_NO_MESSAGE_BOXES", "1", 1);
            std::vector<std::string> log;
            CFakeLibrary powerUps("PowerUp", log, { "!None" });
            powerUps.AddAlias("Accelerator", "Ball Accelerator");
        },
        testing::ExitedWithCode(255), "Fatal Not Found Error\n.*\"Ball Accelerator\"");
}

TEST(ResourceLibraryBase, DefaultsOfTheLibraryOperations)
{
    std::vector<std::string> log;
    CFakeLibrary library("library", log, { "a" });
    CResourceLibraryBase& base = library;
    CString path;
    EXPECT_FALSE(base.CResourceLibraryBase::GetObjectFilePath(FakeObject(0), path));
    EXPECT_EQ(base.CResourceLibraryBase::IndexOfObject(FakeObject(0)), -1);
    EXPECT_TRUE(base.CResourceLibraryBase::IsEnumerated());
    EXPECT_EQ(base.GetItemClassInfo(), nullptr);
    EXPECT_TRUE(base.GetItemText(0).IsEmpty());
}

TEST(ResourceUsage, RecordsUsesLoadsAndUnloads)
{
    CResourceUsage usage;
    usage.Touch();
    usage.Touch();
    EXPECT_EQ(usage.m_UsesSinceLoad, 2);
    EXPECT_EQ(usage.m_TotalUses, 2);

    usage.MarkLoaded();
    usage.Touch();
    EXPECT_EQ(usage.m_UsesSinceLoad, 1);
    EXPECT_EQ(usage.m_TotalUses, 3);
    EXPECT_EQ(usage.m_LoadCount, 1);

    usage.m_KeptLoaded = true;
    usage.m_Used = true;
    usage.m_ReferencesPreloaded = true;
    usage.MarkUnloaded();
    EXPECT_FALSE(usage.m_KeptLoaded);
    EXPECT_FALSE(usage.m_Used);
    EXPECT_FALSE(usage.m_ReferencesPreloaded);
    EXPECT_EQ(usage.m_UnloadCount, 1);
    EXPECT_EQ(usage.m_TotalUses, 3);
}
