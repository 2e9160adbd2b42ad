#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/core/messages/message_bus.h"
#include "engine/core/lists/virtual_array.h"
#include "tests/support/test_name_list.h"

// In the order a sorted list keeps: '!' first, '_' before the letters,
// letter case ignored.
static CTestNameList* MakeSortedList(bool sorted = true)
{
    return new CTestNameList({ "!None", "Ball_Fast", "BallSlow", "Bricks/Red", "Cannon", "zap" }, sorted);
}

TEST(CompareItemNames, FoldsToLowerCaseSoUnderscoreSortsBeforeLetters)
{
    struct Case
    {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        { "", "", 0 },
        { "", "a", -1 },
        { "a_b", "aa", -1 },
        { "A_B", "AA", -1 }, // upper-case folding would put '_' after the letters
        { "Ball", "bALL", 0 },
        { "b", "A", 1 },
        { "\xE9", "z", 1 }, // bytes compare unsigned
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareItemNames(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(SortedFind, BangKeyProbesIndexZeroFirstWhateverTheHint)
{
    for (int32_t hint : { -1, 0, 3, 5, 99 })
    {
        std::unique_ptr<CTestNameList> list(MakeSortedList());
        EXPECT_EQ(list->Find("!None", hint), 0);
        ASSERT_FALSE(list->probes.empty());
        EXPECT_EQ(list->probes.front(), 0u) << "hint " << hint;
        EXPECT_EQ(list->probes.size(), 1u);
    }
}

TEST(SortedFind, FindsByBinarySearchIgnoringCase)
{
    struct Case
    {
        const char* key;
        int32_t expected;
    };
    const Case cases[] = {
        { "BallSlow", 2 }, { "BALLSLOW", 2 }, { "ballslow", 2 }, { "Ball_Fast", 1 },
        { "bricks/red", 3 }, { "CANNON", 4 }, { "Zap", 5 },
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CTestNameList> list(MakeSortedList());
        EXPECT_EQ(list->Find(c.key, -1), c.expected) << c.key;
        // Six items take at most three probes; the file-name fallback would
        // have visited every item.
        EXPECT_LE(list->probes.size(), 3u) << c.key;
    }
}

TEST(SortedFind, CStringKeysIncludingWideOnesFindTheSameItems)
{
    std::unique_ptr<CTestNameList> list(MakeSortedList());
    EXPECT_EQ(list->Find(CString("BALL_FAST"), -1), 1);
    EXPECT_EQ(list->Find(CString(u"ballslow"), -1), 2);
    EXPECT_EQ(list->Find(CString(u"!None"), 4), 0);
}

TEST(SortedFind, ACorrectHintIsTheFirstProbe)
{
    std::unique_ptr<CTestNameList> list(MakeSortedList());
    EXPECT_EQ(list->Find("Cannon", 4), 4);
    EXPECT_EQ(list->probes, std::vector<uint32_t>{ 4 });
}

TEST(SortedFind, OneItemListProbesIndexZero)
{
    CTestNameList list({ "Only" }, true);
    EXPECT_EQ(list.BinarySearch("Only", -1), 0);
    EXPECT_EQ(list.probes, std::vector<uint32_t>{ 0 });
}

TEST(SortedFind, KeyBelowTheFirstItemEndsWithinTheList)
{
    std::unique_ptr<CTestNameList> list(MakeSortedList());
    EXPECT_EQ(list->BinarySearch(" ", -1), -1);
    EXPECT_EQ(list->BinarySearch(CString(" "), 2), -1);
    for (uint32_t probe : list->probes)
        EXPECT_LT(probe, 6u);
}

TEST(SortedFind, EmptyListAnswersWithoutProbing)
{
    CTestNameList list({}, true);
    EXPECT_EQ(list.BinarySearch("x", -1), -1);
    EXPECT_EQ(list.Find("x", 0), -1);
    EXPECT_TRUE(list.probes.empty());
}

TEST(Find, KeyWithAFolderFindsTheItemByItsFileNamePart)
{
    struct Case
    {
        const char* key;
        int32_t expected;
    };
    const Case cases[] = {
        { "Weapons/Cannon", 4 }, { "Weapons\\CANNON", 4 }, { "Other/Red", 3 }, { "Other/Blue", -1 },
    };
    for (bool sorted : { true, false })
    {
        for (const Case& c : cases)
        {
            std::unique_ptr<CTestNameList> list(MakeSortedList(sorted));
            EXPECT_EQ(list->Find(c.key, -1), c.expected) << c.key << (sorted ? " sorted" : " unsorted");
            EXPECT_EQ(list->Find(CString(c.key), -1), c.expected) << c.key;
        }
    }
}

TEST(Find, UnsortedListTriesTheHintThenFromTheStart)
{
    CTestNameList list({ "Pear", "apple", "Fig", "APPLE" });
    EXPECT_EQ(list.Find("Apple", 3), 3);
    EXPECT_EQ(list.probes, std::vector<uint32_t>{ 3 });
    list.probes.clear();
    EXPECT_EQ(list.Find("Apple", -1), 1);
    EXPECT_EQ(list.Find("Apple", 7), 1);
    EXPECT_EQ(list.Find("Plum", 0), -1);
}

TEST(ListIds, NewestIdStepsBackAndOlderIdsAreReused)
{
    std::unique_ptr<CTestNameList> a(new CTestNameList({}));
    std::unique_ptr<CTestNameList> b(new CTestNameList({}));
    std::unique_ptr<CTestNameList> c(new CTestNameList({}));
    const int32_t first = a->GetId();
    EXPECT_EQ(b->GetId(), first + 1);
    EXPECT_EQ(c->GetId(), first + 2);
    EXPECT_EQ(c->GetId(), first + 2);

    c.reset();
    CTestNameList d({});
    EXPECT_EQ(d.GetId(), first + 2);

    b.reset();
    a.reset();
    CTestNameList e({});
    CTestNameList f({});
    CTestNameList g({});
    EXPECT_EQ(e.GetId(), first);
    EXPECT_EQ(f.GetId(), first + 1);
    EXPECT_EQ(g.GetId(), first + 3);
}

TEST(ListIds, AListThatNeverAskedGivesNothingBack)
{
    CTestNameList a({});
    const int32_t id = a.GetId();
    {
        CTestNameList silent({});
    }
    CTestNameList b({});
    EXPECT_EQ(b.GetId(), id + 1);
}

class CRecordingListener : public CMessageListener
{
public:
    bool ReceiveMessage(CMessage& message) override
    {
        if (message.GetTypeId() != CItemAddedToVirtualArrayMessage::GetClassTypeId())
            return false;
        const CItemAddedToVirtualArrayMessage& added = static_cast<CItemAddedToVirtualArrayMessage&>(message);
        lists.push_back(added.m_pList);
        indices.push_back(added.m_Index);
        return true;
    }

    std::vector<VirtualArray*> lists;
    std::vector<int32_t> indices;
};

TEST(NotifyItemAdded, TellsTheBusWhichListAndIndex)
{
    CTestNameList list({ "a", "b" });
    {
        CRecordingListener listener;
        EXPECT_TRUE(list.NotifyItemAdded(1));
        EXPECT_EQ(listener.lists, std::vector<VirtualArray*>{ &list });
        EXPECT_EQ(listener.indices, std::vector<int32_t>{ 1 });
    }
    EXPECT_FALSE(list.NotifyItemAdded(1));
}

TEST(VirtualArrayDefaults, APlainListAnswersTheNeutralDefaults)
{
    CTestNameList list({ "Menus/Main" });
    EXPECT_TRUE(list.GetItemText(0).IsEmpty());
    EXPECT_EQ(list.GetItemDisplayName(0).Compare("Menus/Main"), 0);
    EXPECT_EQ(list.GetItemIndirect(0), nullptr);
    EXPECT_EQ(list.GetItemClass(0), nullptr);
    EXPECT_EQ(list.GetFolderTree(), nullptr);
    EXPECT_FALSE(list.HoldsObjects());
    EXPECT_FALSE(list.IsItemLoaded(0));
    EXPECT_FALSE(list.HasItemAction());
    EXPECT_STREQ(list.GetItemActionCaption(), "");
    EXPECT_EQ(list.AddByName("New"), -1);
    EXPECT_EQ(list.AddByName(CString("New")), -1);
    EXPECT_EQ(list.AddFromRequest(nullptr), -1);
    EXPECT_TRUE(list.GetItemFlag(0));
    list.RemoveAt(0);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 1u);
}

TEST(CurrentFileName, StartsAsTheProgramFile)
{
    EXPECT_EQ(CurrentFileName().Compare("Program.EXE"), 0);
}
