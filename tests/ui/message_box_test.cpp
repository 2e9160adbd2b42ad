#include <gtest/gtest.h>

#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/member_command.h"
#include "engine/ui/message_box.h"
#include "engine/ui/static_text.h"
#include "tests/support/window_test_tree.h"

// Message boxes: layout, buttons and keys. Every character of the harness
// font is 8 pixels wide.

namespace {
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESCAPE = 27;

CString Repeated(const char* word, int32_t times, const char* tail = "")
{
    CString text;
    for (int32_t i = 0; i < times; ++i)
        text += word;
    text += tail;
    return text;
}

CJStaticText* LabelOf(CJWindow* box)
{
    for (CJWindow* child = box->GetFrontChild(); child != nullptr; child = child->GetNextSibling())
        if (CJStaticText* label = dynamic_cast<CJStaticText*>(child))
            return label;
    return nullptr;
}

size_t Count(const CallLog& log, const std::string& entry)
{
    return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
}

// A box over the root with a probe inside, which logs "inside.~" when the
// box goes.
CJMessageBox* OpenBox(CWindowTestTree& tree, CCommandCallback* command)
{
    CJMessageBox* box =
        new CJMessageBox(&tree.Root(), CString("Title"), CString("Text"), &tree.Root(), nullptr, command);
    tree.AddProbe(box, "inside", {0, 0, 1, 1});
    return box;
}
} // namespace

TEST(MessageBox, ALongTextWrapsAt500PixelsAndAShortOneStaysOnOneLine)
{
    CWindowTestTree tree;
    // "word " is 40 pixels: 18 of them make 720.
    CJMessageBox* wide =
        new CJMessageBox(&tree.Root(), CString("T"), Repeated("word ", 18), &tree.Root(), nullptr, nullptr);
    CJStaticText* wrapped = LabelOf(wide);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_TRUE(wrapped->IsMultiLine());
    EXPECT_LE(wrapped->GetWidth(), 500 + 2 * wrapped->GetBevelWidth() + 2);

    // 296 pixels.
    CJMessageBox* narrow =
        new CJMessageBox(&tree.Root(), CString("T"), Repeated("word ", 7, "abcd"), &tree.Root(), nullptr, nullptr);
    CJStaticText* line = LabelOf(narrow);
    EXPECT_FALSE(line->IsMultiLine());
    EXPECT_GE(line->GetWidth(), 296);
    EXPECT_GT(narrow->GetWidth(), line->GetWidth());
    EXPECT_TRUE(narrow->IsModal());
}

TEST(MessageBox, AddedButtonsShareOneWidthInOneCentredRowOkFirst)
{
    CWindowTestTree tree;
    CJMessageBox* box =
        new CJMessageBox(&tree.Root(), CString("Choose"), Repeated("text ", 12), &tree.Root(), nullptr, nullptr);
    CJButton* ok = box->GetOkButton();
    CJButton* second = box->AddButton(CString("Second"), nullptr);
    CJButton* third = box->AddButton(CString("A longer one"), nullptr);
    EXPECT_EQ(ok->GetWidth(), third->GetWidth());
    EXPECT_EQ(second->GetWidth(), third->GetWidth());
    EXPECT_EQ(ok->GetRect().top, second->GetRect().top);
    EXPECT_EQ(ok->GetRect().top, third->GetRect().top);
    EXPECT_LT(ok->GetRect().right, second->GetRect().left);
    EXPECT_LT(second->GetRect().right, third->GetRect().left);
    // The message stays above the row.
    EXPECT_LE(LabelOf(box)->GetRect().bottom, ok->GetRect().top);
    int32_t leftGap = ok->GetRect().left;
    int32_t rightGap = box->GetWidth() - third->GetRect().right;
    EXPECT_LE(std::abs(leftGap - rightGap), 1);

    // A short message: the box widens to hold its row.
    CJMessageBox* small = new CJMessageBox(&tree.Root(), CString(""), CString("Hi"), &tree.Root(), nullptr, nullptr);
    small->AddButton(CString("Second"), nullptr);
    CJButton* last = small->AddButton(CString("A longer one"), nullptr);
    EXPECT_GE(small->GetOkButton()->GetRect().left, small->GetMargin());
    EXPECT_LE(last->GetRect().right, small->GetWidth() - small->GetMargin());
}

TEST(MessageBox, EscapeClosesWithoutTheOkCommandAndEnterRunsItOnceThenCloses)
{
    struct Case
    {
        int32_t key;
        int32_t runs;
    };
    for (const Case& c : {Case{KEY_ESCAPE, 0}, Case{KEY_ENTER, 1}})
    {
        CWindowTestTree tree;
        int32_t runs = 0;
        OpenBox(tree, new CMemberCommand([&runs] { ++runs; }));
        EXPECT_TRUE(tree.Type(c.key));
        EXPECT_EQ(runs, c.runs) << c.key;
        EXPECT_EQ(Count(tree.Log(), "inside.~"), 1u) << c.key;
    }
}

TEST(MessageBox, KeysCalledOutsideAnyScopeStopOnceTheBoxCloses)
{
    // Enter clicks a plain OK, which closes the box; nothing may touch the
    // box after that, scope or none.
    for (int32_t key : {KEY_ENTER, KEY_ESCAPE})
    {
        CWindowTestTree tree;
        CJMessageBox* box = OpenBox(tree, nullptr);
        EXPECT_TRUE(box->KeyDown(key));
        EXPECT_EQ(Count(tree.Log(), "inside.~"), 1u) << key;
    }
}

TEST(MessageBox, AButtonWithACommandRunsItAndClosesTheBoxAtItsNextUpdate)
{
    CWindowTestTree tree;
    CJMessageBox* box = OpenBox(tree, nullptr);
    int32_t runs = 0;
    CJButton* extra = box->AddButton(CString("Extra"), new CMemberCommand([&runs] { ++runs; }));
    {
        CDeferredDestroyScope scope;
        extra->Click();
    }
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(Count(tree.Log(), "inside.~"), 0u);
    tree.UpdateTree();
    EXPECT_EQ(Count(tree.Log(), "inside.~"), 1u);
}

TEST(MessageBox, ShowMessageBoxAddsAModalCentredBoxToTheWindowsParent)
{
    CWindowTestTree tree;
    CProbeWindow* holder = tree.AddProbe(&tree.Root(), "holder", {100, 100, 700, 500});
    CProbeWindow* window = tree.AddProbe(holder, "window", {10, 10, 50, 50});
    CJMessageBox* box = ShowMessageBox(window, CString("Note"), CString("Hello"));
    EXPECT_EQ(box->GetParent(), holder);
    EXPECT_EQ(holder->GetFrontChild(), box);
    EXPECT_TRUE(box->IsModal());
    EXPECT_LE(std::abs(box->GetRect().left - (600 - box->GetRect().right)), 1);
    EXPECT_LE(std::abs(box->GetRect().top - (400 - box->GetRect().bottom)), 1);

    CJWindow* root = &tree.Root();
    CProbeWindow* loose = new CProbeWindow(root, "loose", tree.Log());
    CJMessageBox* inside = ShowMessageBox(loose, loose, CString("Note"), CString("Hi"), true);
    EXPECT_EQ(inside->GetParent(), loose);
    loose->Destroy();
}
