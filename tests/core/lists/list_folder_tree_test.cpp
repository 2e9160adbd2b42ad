#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/lists/list_flat_tree.h"
#include "engine/core/lists/list_folder_tree.h"
#include "tests/support/test_name_list.h"

static std::string Text(const CString& text)
{
    return text.GetText();
}

static std::vector<std::string> ChildNames(CTreeSource& tree, int32_t handle)
{
    std::vector<std::string> names;
    for (uint32_t i = 0; i < tree.GetChildCount(handle); i++)
        names.push_back(Text(tree.GetName(tree.GetChild(handle, i))));
    return names;
}

static int32_t FindChild(CTreeSource& tree, int32_t handle, const char* name)
{
    for (uint32_t i = 0; i < tree.GetChildCount(handle); i++)
    {
        const int32_t child = tree.GetChild(handle, i);
        if (Text(tree.GetName(child)) == name)
            return child;
    }
    ADD_FAILURE() << "no child " << name;
    return -1;
}

class ListFolderTreeTest : public testing::Test
{
protected:
    ListFolderTreeTest()
        : m_List({"a", "x/b", "x/y/c", "X/d"})
        , m_Tree(&m_List)
    {
        m_List.SetListName("Things");
    }

    CTestNameList m_List;
    CListFolderTree m_Tree;
};

TEST_F(ListFolderTreeTest, GroupsItemsByFolderWithItemsBeforeSubFolders)
{
    m_Tree.Rebuild(&m_List);
    const int32_t root = m_Tree.GetRoot();
    EXPECT_EQ(Text(m_Tree.GetName(root)), "Things");
    EXPECT_EQ(ChildNames(m_Tree, root), (std::vector<std::string>{"a", "x"}));
    EXPECT_EQ(m_Tree.GetChild(root, 0), 0);

    // "X/d" joins the folder first met as "x".
    const int32_t x = FindChild(m_Tree, root, "x");
    EXPECT_EQ(ChildNames(m_Tree, x), (std::vector<std::string>{"b", "d", "y"}));
    EXPECT_EQ(m_Tree.GetChild(x, 0), 1);
    EXPECT_EQ(m_Tree.GetChild(x, 1), 3);

    const int32_t y = FindChild(m_Tree, x, "y");
    EXPECT_EQ(ChildNames(m_Tree, y), (std::vector<std::string>{"c"}));
    EXPECT_EQ(m_Tree.GetChild(y, 0), 2);
    EXPECT_EQ(m_Tree.GetChild(y, 1), -1);

    EXPECT_EQ(m_Tree.GetChildCount(2), 0u);
    EXPECT_EQ(m_Tree.GetChild(2, 0), 0);
}

TEST_F(ListFolderTreeTest, ParentsAndPathsLeadBackToTheRoot)
{
    const int32_t root = m_Tree.GetRoot();
    const int32_t x = FindChild(m_Tree, root, "x");
    const int32_t y = FindChild(m_Tree, x, "y");

    EXPECT_EQ(m_Tree.GetParent(2), y);
    EXPECT_EQ(m_Tree.GetParent(3), x);
    EXPECT_EQ(m_Tree.GetParent(0), root);
    EXPECT_EQ(m_Tree.GetParent(y), x);
    EXPECT_EQ(m_Tree.GetParent(x), root);

    EXPECT_EQ(Text(m_Tree.GetPath(2)), "x/y/c");
    EXPECT_EQ(Text(m_Tree.GetPath(3)), "x/d");
    EXPECT_EQ(Text(m_Tree.GetPath(y)), "x/y");
    EXPECT_EQ(Text(m_Tree.GetPath(0)), "a");
    EXPECT_EQ(Text(m_Tree.GetPath(root)), "");
    EXPECT_EQ(Text(m_Tree.GetDisplayName(2)), "c");
    EXPECT_EQ(m_Tree.GetList(), &m_List);
}

TEST_F(ListFolderTreeTest, HandlesKeptAcrossARebuildAreAnsweredSafely)
{
    const int32_t x = FindChild(m_Tree, m_Tree.GetRoot(), "x");
    const int32_t y = FindChild(m_Tree, x, "y");

    CTestNameList smaller({"z"});
    m_Tree.Rebuild(&smaller);
    EXPECT_EQ(ChildNames(m_Tree, m_Tree.GetRoot()), (std::vector<std::string>{"z"}));
    for (int32_t stale : {x, y, 99, -5})
    {
        EXPECT_EQ(Text(m_Tree.GetName(stale)), "") << stale;
        EXPECT_EQ(m_Tree.GetChildCount(stale), 0u) << stale;
        EXPECT_EQ(m_Tree.GetChild(stale, 0), -1) << stale;
        EXPECT_EQ(m_Tree.GetParent(stale), m_Tree.GetRoot()) << stale;
        EXPECT_EQ(Text(m_Tree.GetPath(stale)), "") << stale;
        EXPECT_TRUE(m_Tree.IsShown(stale)) << stale;
        EXPECT_TRUE(m_Tree.IsEnabled(stale)) << stale;
    }

    CTestNameList larger({"p/1", "p/2", "p/3", "p/4", "p/5", "p/6", "p/7", "p/8"});
    m_Tree.Rebuild(&larger);
    // The old folder handle is an item index of the new tree now.
    EXPECT_EQ(Text(m_Tree.GetPath(y)), "p/" + std::to_string(y + 1));
}

// Hides every item whose index is odd and disables every item past the first.
class COddHidingList : public CTestNameList
{
public:
    COddHidingList()
        : CTestNameList({"f/a", "f/b", "f/c"})
    {
    }

    bool GetItemFlag(uint32_t index) override { return index % 2 == 0; }
    bool IsItemEnabled(uint32_t index) override { return index == 0; }
};

TEST(ListTrees, ShownAndEnabledComeFromTheListAndFoldersAreAlwaysBoth)
{
    COddHidingList list;
    CListFolderTree folders(&list);
    CListFlatTree flat(&list);
    const int32_t f = folders.GetChild(folders.GetRoot(), 0);
    struct Case
    {
        CTreeSource* source;
        int32_t handle;
        bool shown;
        bool enabled;
    };
    const Case cases[] = {
        {&folders, f, true, true},  {&folders, 0, true, true},           {&folders, 1, false, false},
        {&folders, 2, true, false}, {&flat, flat.GetRoot(), true, true}, {&flat, 1, false, false},
        {&flat, 2, true, false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.source->IsShown(c.handle), c.shown) << c.handle;
        EXPECT_EQ(c.source->IsEnabled(c.handle), c.enabled) << c.handle;
    }
}

TEST(ListFlatTree, RootHoldsEveryItemByIndex)
{
    CTestNameList list({"one", "Two/Deep", "three"});
    list.SetListName("Plain");
    CListFlatTree tree(&list);
    EXPECT_EQ(tree.GetRoot(), -1);
    EXPECT_EQ(Text(tree.GetName(-1)), "Plain");
    ASSERT_EQ(tree.GetChildCount(-1), 3u);
    for (uint32_t i = 0; i < 3; i++)
    {
        EXPECT_EQ(tree.GetChild(-1, i), static_cast<int32_t>(i));
        EXPECT_EQ(tree.GetParent(static_cast<int32_t>(i)), -1);
        EXPECT_EQ(tree.GetChildCount(static_cast<int32_t>(i)), 0u);
    }
    EXPECT_EQ(tree.GetChild(1, 0), -1);
    EXPECT_EQ(Text(tree.GetName(1)), "Two/Deep");
    EXPECT_EQ(Text(tree.GetPath(1)), "Two/Deep");
    EXPECT_EQ(tree.GetList(), &list);
}
