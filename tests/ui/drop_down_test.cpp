#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/lists/list_folder_tree.h"
#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/drop_down.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/popup_list.h"
#include "tests/support/test_name_list.h"
#include "tests/support/window_test_tree.h"

// Drop-downs through the harness: font 15 high (unit 3, rows 21 high),
// characters 8 wide, root 800 x 600.

namespace {
constexpr int32_t ROW_HEIGHT = 21;

class NumberedList : public CTestNameList
{
public:
    explicit NumberedList(int count)
        : CTestNameList(Pointers(count))
    {
    }

private:
    static std::vector<const char*> Pointers(int count)
    {
        static std::vector<std::unique_ptr<std::string>> s_Names;
        std::vector<const char*> pointers;
        for (int n = 0; n < count; ++n)
        {
            char name[16];
            std::snprintf(name, sizeof(name), "item%03d", n);
            s_Names.push_back(std::make_unique<std::string>(name));
            pointers.push_back(s_Names.back()->c_str());
        }
        return pointers;
    }
};

class DropDowns : public testing::Test
{
protected:
    DropDowns() { m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 600, 500}); }

    template <class T, class Source>
    T* Make(Source source, int32_t y = 10)
    {
        T* dropDown = new T(m_pPanel, source, 40, nullptr);
        m_pPanel->AddChild(dropDown);
        dropDown->MoveTo(10, y);
        m_pPanel->BringToFront(dropDown);
        m_Tree.ClearLog();
        return dropDown;
    }
    int64_t Count(const std::string& entry) { return std::count(m_Tree.Log().begin(), m_Tree.Log().end(), entry); }
    static CPoint CentreOf(const CRect& rect)
    {
        return CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void Click(CPoint point)
    {
        m_Tree.Press(0, point.x, point.y);
        m_Tree.Release(0, point.x, point.y);
    }
    // The screen point of a popup row.
    static CPoint RowPoint(CJPopupList* popup, int32_t row)
    {
        const CRect& screen = popup->GetScreenRect();
        return CPoint{screen.left + 20,
                      screen.top + 3 + row * ROW_HEIGHT - popup->GetScrollPosition() + ROW_HEIGHT / 2};
    }
    void OpenWithF4(CJDropDown* dropDown)
    {
        CDeferredDestroyScope scope;
        dropDown->KeyDown(CJDropDown::KEY_F4);
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
};

TEST_F(DropDowns, TheFortiethOfAHundredOpensTwentyRowsWithItInTheMiddle)
{
    NumberedList list(100);
    CJDropDown* dropDown = Make<CJDropDown>(static_cast<VirtualArray*>(&list));
    dropDown->SelectItem(39, true);
    OpenWithF4(dropDown);
    CJPopupList* popup = dropDown->GetPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetParent(), &m_Tree.Root());
    EXPECT_EQ(popup->GetVisibleRows(), 20u);
    EXPECT_EQ(popup->GetSelectedId(), 39);
    EXPECT_EQ(popup->GetScrollPosition(), 29 * ROW_HEIGHT);
    EXPECT_EQ(popup->GetScrollTarget(), 29 * ROW_HEIGHT);
    EXPECT_EQ(popup->GetScreenRect().left, dropDown->GetScreenRect().left);
    EXPECT_EQ(popup->GetScreenRect().top, dropDown->GetScreenRect().bottom);
    EXPECT_TRUE(popup->IsFocused());
    EXPECT_EQ(Count("panel.OnCommand(?,1)"), 0);
}

TEST_F(DropDowns, UpOnTheClosedControlOpensAndMovesAtOnceEscapeRestores)
{
    NumberedList list(10);
    CJDropDown* dropDown = Make<CJDropDown>(static_cast<VirtualArray*>(&list));
    dropDown->SelectItem(5, true);
    m_Tree.Type(KEY_UP);
    ASSERT_NE(dropDown->GetPopup(), nullptr);
    EXPECT_EQ(dropDown->GetSelectedId(), 4);
    EXPECT_EQ(Count("panel.OnCommand(?,1)"), 1);
    m_Tree.Type(KEY_ESCAPE);
    EXPECT_EQ(dropDown->GetPopup(), nullptr);
    EXPECT_EQ(dropDown->GetSelectedId(), 5);
    EXPECT_EQ(Count("panel.OnCommand(?,1)"), 2);

    // Browsing back to the same value reports nothing on Escape.
    m_Tree.Type(KEY_DOWN);
    m_Tree.Type(KEY_UP);
    m_Tree.ClearLog();
    m_Tree.Type(KEY_ESCAPE);
    EXPECT_EQ(dropDown->GetSelectedId(), 5);
    EXPECT_EQ(Count("panel.OnCommand(?,1)"), 0);
}

TEST_F(DropDowns, EnterAndF4ConfirmInThePopupEnterConfirmsTheClosedControlOnlyWhenAsked)
{
    NumberedList list(10);
    CJDropDown* dropDown = Make<CJDropDown>(static_cast<VirtualArray*>(&list));
    struct Case
    {
        int32_t key;
        bool enterConfirms;
        int64_t confirmations;
    };
    const Case cases[] = {{KEY_ENTER, false, 1}, {CJDropDown::KEY_F4, false, 1}};
    for (const Case& c : cases)
    {
        m_Tree.Type(KEY_DOWN);
        ASSERT_NE(dropDown->GetPopup(), nullptr);
        m_Tree.ClearLog();
        m_Tree.Type(c.key);
        EXPECT_EQ(dropDown->GetPopup(), nullptr) << c.key;
        EXPECT_EQ(Count("panel.OnCommand(?,0)"), c.confirmations) << c.key;
    }
    m_Tree.ClearLog();
    m_Tree.Type(KEY_ENTER);
    EXPECT_EQ(Count("panel.OnCommand(?,0)"), 0);
    dropDown->SetEnterConfirms(true);
    m_Tree.Type(KEY_ENTER);
    EXPECT_EQ(Count("panel.OnCommand(?,0)"), 1);
    EXPECT_EQ(dropDown->GetPopup(), nullptr);
}

TEST_F(DropDowns, APopupWithoutRoomBelowOpensAbove)
{
    NumberedList list(10);
    CJDropDown* dropDown = Make<CJDropDown>(static_cast<VirtualArray*>(&list), 450);
    OpenWithF4(dropDown);
    CJPopupList* popup = dropDown->GetPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetScreenRect().bottom, dropDown->GetScreenRect().top);
    EXPECT_EQ(popup->GetVisibleRows(), 10u);
}

TEST_F(DropDowns, ClickingAFolderTogglesItAndAFileClosesWithCodeZero)
{
    std::vector<const char*> names = {"a/one", "a/two", "b/three", "c/four"};
    for (int n = 0; n < 12; ++n)
        names.push_back("d/more");
    CTestNameList list(names);
    CListFolderTree tree(&list);
    CJDropDown* dropDown = Make<CJDropDown>(static_cast<CTreeSource*>(&tree));
    OpenWithF4(dropDown);
    CJPopupList* popup = dropDown->GetPopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->GetRowCount(), 4);
    Click(RowPoint(popup, 0));
    ASSERT_EQ(dropDown->GetPopup(), popup);
    EXPECT_EQ(popup->GetRowCount(), 6);
    EXPECT_EQ(Count("panel.OnCommand(?,0)"), 0);
    Click(RowPoint(popup, 2));
    EXPECT_EQ(dropDown->GetPopup(), nullptr);
    EXPECT_EQ(Count("panel.OnCommand(?,0)"), 1);
    CString text;
    dropDown->GetSelectedText(text);
    EXPECT_EQ(std::string(text.GetText()), "two");
}

TEST_F(DropDowns, TheListVariantOpensOnAClickAPressElsewhereCancels)
{
    CTestNameList list({"x", "y", "z"});
    CJDropDownList* dropDown = Make<CJDropDownList>(static_cast<VirtualArray*>(&list));
    dropDown->SelectItem(0, true);
    Click(CentreOf(dropDown->GetDisplay()->GetScreenRect()));
    CJPopupList* popup = dropDown->GetPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetVisibleRows(), 3u);
    EXPECT_EQ(popup->GetHeight(), 3 * ROW_HEIGHT + 2 * 3 + 2);
    m_Tree.Type(KEY_DOWN);
    EXPECT_EQ(dropDown->GetSelectedId(), 1);
    Click(CPoint{500, 400});
    EXPECT_EQ(dropDown->GetPopup(), nullptr);
    EXPECT_EQ(dropDown->GetSelectedId(), 0);
    EXPECT_TRUE(dropDown->GetDisplay()->IsFocused());
}

TEST_F(DropDowns, TheArrowButtonOpensThePopup)
{
    CTestNameList list({"x", "y", "z"});
    CJDropDown* dropDown = Make<CJDropDown>(static_cast<VirtualArray*>(&list));
    Click(CentreOf(dropDown->GetArrowButton()->GetScreenRect()));
    EXPECT_NE(dropDown->GetPopup(), nullptr);
    EXPECT_EQ(Count("panel.OnCommand(?,0)"), 0);
}

TEST_F(DropDowns, ConfirmingMayCloseTheDialogAndTheRootMayGoWithThePopupOpen)
{
    NumberedList list(5);
    CProbeWindow* dialog = m_Tree.AddProbe(&m_Tree.Root(), "dialog", {0, 0, 300, 200});
    CJDropDown* dropDown = new CJDropDown(dialog, static_cast<VirtualArray*>(&list), 40, nullptr);
    dialog->AddChild(dropDown);
    m_Tree.Root().BringToFront(dialog);
    dialog->BringToFront(dropDown);
    dropDown->SelectItem(1, true);
    OpenWithF4(dropDown);
    ASSERT_NE(dropDown->GetPopup(), nullptr);
    dialog->DestroyOn(ProbeCall::OnCommand, dialog);
    // The popup's double-click confirms: code 0 reaches the dialog, which
    // goes with the drop-down; the popup goes too.
    CJPopupList* popup = dropDown->GetPopup();
    {
        CDeferredDestroyScope scope;
        bool continueAsPress = false;
        popup->DoubleClick(0, RowPoint(popup, 1), continueAsPress);
    }
    EXPECT_EQ(m_Tree.Root().FindChildByText("~CJListBox"), nullptr);
    EXPECT_EQ(std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "dialog.~"), 1);

    // Another drop-down left open when the root is torn down.
    CJDropDown* second = Make<CJDropDown>(static_cast<VirtualArray*>(&list));
    OpenWithF4(second);
    ASSERT_NE(second->GetPopup(), nullptr);
}
} // namespace
