#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/core/lists/list_folder_tree.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame.h"
#include "engine/ui/column_header.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/list_box.h"
#include "engine/ui/scroll_bar.h"
#include "tests/support/recording_frame.h"
#include "tests/support/test_name_list.h"
#include "tests/support/window_test_tree.h"

// List boxes through the harness. Its font is 15 high, so one unit is 3
// pixels and a row is 21 high; every character is 8 wide.

namespace {
const char* const ERROR_SOUND = "Player Error.wav";
constexpr int32_t ROW_HEIGHT = 21;

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int n = 0; n < count; ++n)
        names.push_back(prefix + std::to_string(n));
    return names;
}

// Folder "x" with 16 items beside "y" and "z" with one each: too many to
// open by themselves, and no folder alone at the top.
std::vector<std::string> ThreeFolders()
{
    std::vector<std::string> names = Numbered("x/item", 16);
    names.push_back("y/a");
    names.push_back("z/b");
    return names;
}

// A name list over owned strings.
class OwnedNames
{
public:
    explicit OwnedNames(std::vector<std::string> names)
        : m_Names(std::move(names))
    {
    }
    std::vector<const char*> Pointers() const
    {
        std::vector<const char*> pointers;
        for (const std::string& name : m_Names)
            pointers.push_back(name.c_str());
        return pointers;
    }

private:
    std::vector<std::string> m_Names;
};

// Hides and disables items by index, and describes item 0.
class FlaggedList : public CTestNameList
{
public:
    using CTestNameList::CTestNameList;
    bool GetItemFlag(uint32_t index) override { return std::find(hidden.begin(), hidden.end(), index) == hidden.end(); }
    bool IsItemEnabled(uint32_t index) override
    {
        return std::find(disabled.begin(), disabled.end(), index) == disabled.end();
    }
    CString GetItemDescription(uint32_t index) override { return index == 0 ? CString("First item") : CString(); }

    std::vector<uint32_t> hidden;
    std::vector<uint32_t> disabled;
};

class ListBoxes : public testing::Test
{
protected:
    ListBoxes() { m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 600, 500}); }

    CJListBox* MakeList(CTreeSource* source, uint32_t rows = 10)
    {
        CJListBox* list = new CJListBox(m_pPanel, source, nullptr, 60, true);
        m_pPanel->AddChild(list);
        list->MoveTo(10, 10);
        list->SetVisibleRows(rows);
        m_pPanel->BringToFront(list);
        m_Tree.ClearLog();
        return list;
    }
    std::string RowText(CJListBox* list, int32_t row)
    {
        CString text;
        list->GetRowText(text, row);
        return text.GetText();
    }
    std::string SelectedText(CJListBox* list)
    {
        CString text;
        list->GetSelectedText(text);
        return text.GetText();
    }
    int64_t Count(const std::string& entry) { return std::count(m_Tree.Log().begin(), m_Tree.Log().end(), entry); }
    int64_t ErrorSounds() const { return std::count(m_Tree.Sounds().begin(), m_Tree.Sounds().end(), ERROR_SOUND); }
    void Type(const char* text)
    {
        for (const char* c = text; *c != '\0'; ++c)
            m_Tree.Type(*c);
    }
    void Draw(CJListBox* list)
    {
        CDeferredDestroyScope scope;
        list->Draw(m_Tree.Frame());
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
};

TEST_F(ListBoxes, SmallTreesOpenCompletelyLargeOnesShowTheirTopLevelAndSingleChains)
{
    CTestNameList small({"a/x", "a/y", "b/z"});
    CListFolderTree smallTree(&small);
    CJListBox* list = MakeList(&smallTree);
    EXPECT_EQ(list->GetRowCount(), 5);
    EXPECT_TRUE(list->IsTreeMode());

    OwnedNames names(Numbered("f/g/item", 20));
    std::vector<const char*> pointers = names.Pointers();
    pointers.push_back("top");
    pointers.push_back("h/one");
    for (int n = 0; n < 3; ++n)
        pointers.push_back("k/more");
    CTestNameList large(pointers);
    CListFolderTree largeTree(&large);
    list->SetSource(&largeTree, nullptr, false);
    auto texts = [&] {
        std::vector<std::string> out;
        for (int32_t row = 0; row < std::min(list->GetRowCount(), 4); ++row)
            out.push_back(RowText(list, row));
        return out;
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"f", "h", "k", "top"}));
    // A folder whose only child is a folder opens that one too.
    list->Expand(0);
    EXPECT_EQ(list->GetRowCount(), 4 + 1 + 20);
    EXPECT_EQ(texts(), (std::vector<std::string>{"f", "g", "item0", "item1"}));
}

TEST_F(ListBoxes, TypeToSearchGrowsWithinTwoSecondsAndRefusesWhatMatchesNothing)
{
    CTestNameList names({"ca", "ab", "abc", "ba", "c"});
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree);
    Type("ab");
    EXPECT_EQ(SelectedText(list), "ab");
    EXPECT_EQ(list->GetSearchText().GetText(), std::string("ab"));
    m_Tree.Type('z');
    EXPECT_EQ(list->GetSearchText().GetText(), std::string("ab"));
    EXPECT_EQ(ErrorSounds(), 1);

    m_Tree.AdvanceClock(2001);
    m_Tree.Type('c');
    EXPECT_EQ(SelectedText(list), "c");
    m_Tree.AdvanceClock(2001);
    // A fresh search keeps even a character that matches nothing.
    m_Tree.Type('q');
    EXPECT_EQ(list->GetSearchText().GetText(), std::string("q"));
    EXPECT_EQ(ErrorSounds(), 1);
}

TEST_F(ListBoxes, NumericColumnsSortAsNumbersDescendingReversesEqualKeysKeepTheirOrder)
{
    CTestNameList names({"b\t10", "a\t9", "c\t10", "d\t1.5"});
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree);
    CJHeader* header = new CJHeader(m_pPanel);
    m_pPanel->AddChild(header);
    header->AddColumn("Name", 40, nullptr, 0, true, false);
    header->AddColumn("Size", 40, nullptr, 2, false, false);
    list->SetHeader(header);
    auto order = [&] {
        std::string out;
        for (int32_t row = 0; row < list->GetRowCount(); ++row)
            out += RowText(list, row).substr(0, 1);
        return out;
    };
    header->SetSortColumn(1);
    EXPECT_EQ(order(), "dabc");
    header->AddColumn("Kind", 40, nullptr, 0, true, true);
    header->SetSortColumn(2);
    // Every kind is empty: equal keys stay in the order before.
    EXPECT_EQ(order(), "dabc");
    header->SetSortColumn(0);
    EXPECT_EQ(order(), "abcd");
}

TEST_F(ListBoxes, MovingKeysSkipDisabledRowsAndStopAtTheEnds)
{
    FlaggedList names({"a", "b", "c", "d", "e"});
    names.disabled = {1, 4};
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree, 2);
    struct Step
    {
        int32_t key;
        const char* selected;
    };
    const Step steps[] = {{KEY_DOWN, "a"}, {KEY_DOWN, "c"},      {KEY_END, "d"},     {KEY_DOWN, ""},
                          {KEY_HOME, "a"}, {KEY_PAGE_DOWN, "c"}, {KEY_PAGE_UP, "a"}, {KEY_UP, "a"}};
    for (const Step& step : steps)
    {
        m_Tree.Type(step.key);
        EXPECT_EQ(SelectedText(list), step.selected) << step.key;
    }
    list->Select(1, false);
    EXPECT_EQ(SelectedText(list), "a");
}

TEST_F(ListBoxes, DownOnTheLastRowClearsTheSearchAndKeepsTheSelection)
{
    CTestNameList names({"a", "b"});
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree);
    m_Tree.Type('b');
    ASSERT_EQ(SelectedText(list), "b");
    m_Tree.Type(KEY_DOWN);
    EXPECT_EQ(SelectedText(list), "b");
    EXPECT_TRUE(list->GetSearchText().IsEmpty());
}

TEST_F(ListBoxes, DoubleClickOnAFolderTogglesItAndStillReportsCodeZero)
{
    OwnedNames holder(ThreeFolders());
    CTestNameList names(holder.Pointers());
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree);
    ASSERT_EQ(list->GetRowCount(), 3);
    list->Select(0, false);
    m_Tree.ClearLog();
    CDeferredDestroyScope scope;
    bool continueAsPress = false;
    CPoint inside{list->GetScreenRect().left + 20, list->GetScreenRect().top + 10};
    EXPECT_TRUE(list->DoubleClick(0, inside, continueAsPress));
    EXPECT_EQ(list->GetRowCount(), 19);
    EXPECT_TRUE(list->DoubleClick(0, inside, continueAsPress));
    EXPECT_EQ(list->GetRowCount(), 3);
    EXPECT_EQ(Count("panel.OnCommand(?,0)"), 2);
}

TEST_F(ListBoxes, TheWheelScrollsOneRowShortAtOnceThenFourPixelsADraw)
{
    OwnedNames owned(Numbered("item", 40));
    CTestNameList names(owned.Pointers());
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree, 10);
    ASSERT_NE(list->GetScrollBar(), nullptr);
    m_Tree.MoveMouse(list->GetScreenRect().left + 5, list->GetScreenRect().top + 5);
    m_Tree.Wheel(-10);
    EXPECT_EQ(list->GetScrollTarget(), 10 * ROW_HEIGHT);
    std::vector<int32_t> positions;
    for (int n = 0; n < 7; ++n)
    {
        Draw(list);
        positions.push_back(list->GetScrollPosition());
    }
    EXPECT_EQ(positions, (std::vector<int32_t>{189, 193, 197, 201, 205, 209, 210}));
    EXPECT_EQ(list->GetScrollBar()->GetValue(), 210.0f);
}

TEST_F(ListBoxes, TheScrollBarComesAndGoesWithTheRowCount)
{
    OwnedNames holder(ThreeFolders());
    CTestNameList names(holder.Pointers());
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree, 5);
    EXPECT_EQ(list->GetScrollBar(), nullptr);
    CDeferredDestroyScope scope;
    list->Expand(0);
    ASSERT_NE(list->GetScrollBar(), nullptr);
    EXPECT_EQ(list->GetScrollBar()->GetMaximum(), static_cast<float>(14 * ROW_HEIGHT));
    list->Collapse(0);
    EXPECT_EQ(list->GetScrollBar(), nullptr);
}

TEST_F(ListBoxes, TheSelectionFollowsItsIdAcrossEveryChangeOfRows)
{
    std::vector<std::string> owned;
    for (int folder = 0; folder < 4; ++folder)
        for (int item = 0; item < 12; ++item)
            owned.push_back("f" + std::to_string(folder) + "/i" + std::to_string(item));
    OwnedNames holder(owned);
    CTestNameList names(holder.Pointers());
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree, 10);
    m_Tree.Type('*');
    ASSERT_EQ(list->GetRowCount(), 52);
    list->Select(40, false);
    int32_t id = list->GetSelectedId();
    m_Tree.ClearLog();
    m_Tree.Type('/');
    EXPECT_EQ(list->GetRowCount(), 4);
    // Its folder closed: the selection is none, and the parent hears it.
    EXPECT_EQ(list->GetSelectedRow(), -1);
    EXPECT_EQ(list->GetSelectedId(), -1);
    EXPECT_EQ(Count("panel.OnCommand(?,1)"), 1);
    m_Tree.Type(KEY_DOWN);
    EXPECT_EQ(list->GetSelectedRow(), 0);

    m_Tree.Type('*');
    list->SelectId(id, true);
    list->Collapse(0);
    EXPECT_EQ(list->GetSelectedId(), id);
    EXPECT_EQ(list->GetSelectedRow(), list->RowOfId(id));
    Draw(list);
}

// Shows only items whose index is even.
class EvenShownTree : public CListFolderTree
{
public:
    using CListFolderTree::CListFolderTree;
    bool IsShown(int32_t handle) override { return handle % 2 == 0 || handle >= 3; }
};

TEST_F(ListBoxes, SearchFindsOnlyItemsThatHaveARow)
{
    CTestNameList names({"apple", "banana", "cherry"});
    EvenShownTree tree(&names);
    CJListBox* list = MakeList(&tree);
    m_Tree.Type('a');
    ASSERT_EQ(SelectedText(list), "apple");
    m_Tree.Type('n');
    EXPECT_EQ(SelectedText(list), "apple");
    EXPECT_EQ(ErrorSounds(), 1);
}

TEST_F(ListBoxes, TooltipsShowTheItemsDescriptionElseTheCutOffText)
{
    OwnedNames owned({"a first", "b short", "c " + std::string(60, 'w')});
    FlaggedList names(owned.Pointers());
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree);
    list->SetWidth(200);
    const CRect& screen = list->GetScreenRect();
    auto hover = [&](int32_t row) {
        m_Tree.Root().ClearTooltip();
        list->OnHover(CPoint{screen.left + 20, screen.top + 3 + row * ROW_HEIGHT + ROW_HEIGHT / 2});
        return std::string(m_Tree.Root().GetTooltipText().GetText());
    };
    EXPECT_EQ(hover(0), "First item");
    EXPECT_EQ(hover(1), "");
    EXPECT_EQ(hover(2), "c " + std::string(60, 'w'));
}

// A font whose face did not open: no glyphs, 0 high.
class FacelessFont : public CFont
{
public:
    CFrame* GetGlyphFrame(uint32_t) override { return nullptr; }
};

TEST_F(ListBoxes, DeepPathsMissingIconsAndAFaceThatDidNotOpenDrawSafely)
{
    std::string deep;
    for (int n = 0; n < 40; ++n)
        deep += "d" + std::to_string(n) + "/";
    deep += "leaf";
    CTestNameList names({deep.c_str()});
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree, 10);
    EXPECT_EQ(list->GetRowCount(), 41);
    EXPECT_EQ(list->GetIconWidth(), 0);
    list->SelectId(0, true);
    EXPECT_EQ(list->GetSelectedRow(), 40);
    Draw(list);

    FacelessFont unopened;
    ASSERT_EQ(unopened.GetHeight(), 0);
    list->SetFont(&unopened);
    EXPECT_EQ(list->GetRowHeight(), 1);
    list->SetRect(list->GetRect());
    m_Tree.Type(KEY_PAGE_DOWN);
    m_Tree.Press(0, list->GetScreenRect().left + 5, list->GetScreenRect().top + 5);
    m_Tree.Release(0, list->GetScreenRect().left + 5, list->GetScreenRect().top + 5);
    Draw(list);
    list->SetFont(m_Tree.Font());
}
} // namespace

namespace {
TEST_F(ListBoxes, ColumnsClipTheirFieldsAndDisabledRowsDrawAtHalfOpacity)
{
    FlaggedList names({"a\t1", "bbbbbbbbbb\t22222"});
    names.disabled = {1};
    CListFolderTree tree(&names);
    CJListBox* list = MakeList(&tree);
    CJHeader* header = new CJHeader(m_pPanel);
    m_pPanel->AddChild(header);
    header->AddColumn("Name", 40, nullptr, 0, true, false);
    header->AddColumn("Size", 24, nullptr, 2, false, false);
    header->SetFixedDigits(1, true);
    list->SetHeader(header);
    CRecordingFrame frame;
    frame.bounds = CRect{0, 0, 300, 300};
    {
        CDeferredDestroyScope scope;
        list->DrawRows(frame, false);
    }
    // Columns start one unit and a pixel in: the name column ends at 44,
    // the size column at 68.
    struct Row
    {
        float opacity;
        int32_t glyphs;
        int32_t right;
    };
    std::vector<Row> rows(2, Row{0.0f, 0, 0});
    for (const CRecordingFrame::Call& call : frame.calls)
    {
        if (call.kind != CRecordingFrame::BLIT || call.rect.top < 3)
            continue;
        Row& row = rows[static_cast<size_t>(call.rect.top >= 3 + ROW_HEIGHT ? 1 : 0)];
        row.opacity = call.opacity;
        ++row.glyphs;
        EXPECT_TRUE(call.rect.right <= 44 || (call.rect.left >= 44 && call.rect.right <= 68)) << RectText(call.rect);
        row.right = std::max(row.right, static_cast<int32_t>(call.rect.right));
    }
    EXPECT_EQ(rows[0].glyphs, 2);
    EXPECT_EQ(rows[0].right, 68 - 3);
    // Five of ten name glyphs fit; the size is cut at its column's left.
    EXPECT_EQ(rows[1].glyphs, 5 + 3);
    EXPECT_FLOAT_EQ(rows[1].opacity, rows[0].opacity * 0.5f);
}
} // namespace
