#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/app/clipboard.h"
#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sdl_input_events.h"
#include "tests/support/window_test_tree.h"

// The edit box through the harness: keys typed into the focus chain, the
// pointer pressed on the box, the clipboard kept in process by the dummy
// video driver. The harness font is 15 high with every character 8 wide.

namespace {
constexpr int32_t SCAN_CTRL = 29;
constexpr int32_t SCAN_SHIFT = 42;
// In a key list: hold or let go of Shift.
constexpr int32_t SHIFT_DOWN = -1;
constexpr int32_t SHIFT_UP = -2;
const char* const ERROR_SOUND = "Player Error.wav";

class EditBoxes : public testing::Test
{
protected:
    EditBoxes() { m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 400, 100}); }

    CJEditBox* AddBox(const char* text)
    {
        CJEditBox* box = new CJEditBox(m_pPanel, text);
        m_pPanel->AddChild(box);
        box->MoveTo(10, 10);
        m_pPanel->BringToFront(box);
        m_Tree.ClearLog();
        return box;
    }

    void TypeKeys(const std::vector<int32_t>& keys)
    {
        for (int32_t key : keys)
        {
            if (key == SHIFT_DOWN)
                m_Tree.HoldKey(SCAN_SHIFT);
            else if (key == SHIFT_UP)
                m_Tree.ReleaseKey(SCAN_SHIFT);
            else
                m_Tree.Type(key);
        }
    }

    int64_t ErrorSounds() const { return std::count(m_Tree.Sounds().begin(), m_Tree.Sounds().end(), ERROR_SOUND); }
    int64_t ChangeCommands() { return std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "panel.OnCommand(?,1)"); }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
};

std::string Text(const CJEditBox& box)
{
    return box.GetText().GetText();
}

struct TypingCase
{
    const char* name;
    const char* text;
    void (*setUp)(CJEditBox& box);
    std::vector<int32_t> keys;
    const char* expected;
    int32_t caret;
    int64_t errorSounds;
    int64_t changeCommands;
};

void Plain(CJEditBox&)
{
}

const TypingCase TYPING_CASES[] = {
    {"a whole selected text is replaced", "abc", Plain, {'x'}, "x", 1, 0, 1},
    {"overwrite in the middle",
     "abc",
     [](CJEditBox&) { CJEditBox::SetInsertMode(false); },
     {KEY_HOME, KEY_RIGHT, 'x'},
     "axc",
     2,
     0,
     1},
    {"overwrite at the end appends",
     "abc",
     [](CJEditBox&) { CJEditBox::SetInsertMode(false); },
     {KEY_END, 'd'},
     "abcd",
     4,
     0,
     1},
    {"insert in the middle", "abc", Plain, {KEY_HOME, KEY_RIGHT, 'x'}, "axbc", 2, 0, 1},
    {"backspace at 0 does nothing", "abc", Plain, {KEY_HOME, KEY_BACKSPACE}, "abc", 0, 0, 0},
    {"backspace deletes the selection only",
     "abcd",
     Plain,
     {KEY_END, KEY_LEFT, SHIFT_DOWN, KEY_LEFT, KEY_LEFT, SHIFT_UP, KEY_BACKSPACE},
     "ad",
     1,
     0,
     2},
    {"end, shift+home, backspace empties the box",
     "abc",
     Plain,
     {KEY_END, SHIFT_DOWN, KEY_HOME, SHIFT_UP, KEY_BACKSPACE},
     "",
     0,
     0,
     2},
    {"backspace before the caret", "abc", Plain, {KEY_END, KEY_BACKSPACE}, "ab", 2, 0, 2},
    {"delete under the caret", "abc", Plain, {KEY_HOME, KEY_DELETE}, "bc", 0, 0, 2},
    {"delete at the end changes nothing", "abc", Plain, {KEY_END, KEY_DELETE}, "abc", 3, 0, 1},
    {"a numeric box refuses a letter",
     "12",
     [](CJEditBox& box) { box.SetNumericOnly(true); },
     {KEY_END, 'a'},
     "12",
     2,
     1,
     0},
    {"a full box refuses a character but notifies",
     "abc",
     [](CJEditBox& box) { box.SetMaximumLength(3); },
     {KEY_END, 'd'},
     "abc",
     3,
     1,
     1},
    {"one keystroke out of range is refused",
     "15",
     [](CJEditBox& box) { box.SetRange(10.0f, 20.0f); },
     {KEY_END, '5'},
     "15",
     2,
     1,
     0},
    {"typing a new number into a range starts out of it",
     "15",
     [](CJEditBox& box) { box.SetRange(10.0f, 20.0f); },
     {'5'},
     "15",
     2,
     1,
     0},
    {"upper case", "", [](CJEditBox& box) { box.SetUpperCase(true); }, {'a', 'B'}, "AB", 2, 0, 2},
    {"a refused character",
     "ab",
     [](CJEditBox& box) { box.SetRefusedCharacters("/x"); },
     {KEY_END, 'x'},
     "ab",
     2,
     1,
     0},
    {"a read-only box swallows typing",
     "ab",
     [](CJEditBox& box) { box.SetEditable(false); },
     {KEY_END, 'x', KEY_BACKSPACE},
     "ab",
     1,
     0,
     1},
    {"select all", "abc", Plain, {KEY_END, KEY_SELECT_ALL, 'z'}, "z", 1, 0, 1},
    {"page keys move twenty",
     "abcdefghijklmnopqrstuvwxyz",
     Plain,
     {KEY_END, KEY_PAGE_UP, 'X'},
     "abcdefXghijklmnopqrstuvwxyz",
     7,
     0,
     1},
    {"page down stops at the end", "abc", Plain, {KEY_HOME, KEY_PAGE_DOWN, 'd'}, "abcd", 4, 0, 1},
    {"'&' is an ordinary character", "a", Plain, {KEY_END, '&', 'b'}, "a&b", 3, 0, 2},
};

class TypingTable : public EditBoxes, public testing::WithParamInterface<TypingCase>
{
};
} // namespace

TEST_P(TypingTable, TypingEditsTheTextAsTheKeysSay)
{
    const TypingCase& test = GetParam();
    CJEditBox* box = AddBox(test.text);
    test.setUp(*box);
    TypeKeys(test.keys);
    EXPECT_EQ(Text(*box), test.expected);
    EXPECT_EQ(box->GetCaret(), test.caret);
    EXPECT_EQ(box->GetSelectionEnd(), box->GetCaret());
    EXPECT_EQ(ErrorSounds(), test.errorSounds);
    EXPECT_EQ(ChangeCommands(), test.changeCommands);
}

INSTANTIATE_TEST_SUITE_P(EditBox, TypingTable, testing::ValuesIn(TYPING_CASES),
                         [](const testing::TestParamInfo<TypingCase>& info) {
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

TEST_F(EditBoxes, ANewBoxIsSizedByItsTextAndStartsWhollySelected)
{
    CJEditBox* box = AddBox("abc");
    int32_t bevel = box->GetBevelWidth();
    EXPECT_EQ(box->GetWidth(), 24 + bevel + 32 + 1);
    EXPECT_EQ(box->GetHeight(), 15 + 2 * bevel + 2);
    EXPECT_EQ(box->GetAnchor(), 0);
    EXPECT_EQ(box->GetCaret(), 3);
    EXPECT_EQ(AddBox("")->GetWidth(), 12 * 8);
}

TEST_F(EditBoxes, GainingTheFocusSelectsTheWholeText)
{
    CJEditBox* box = AddBox("hello");
    m_Tree.Type(KEY_HOME);
    EXPECT_EQ(box->GetCaret(), 0);
    box->SetFocused(false);
    box->SetFocused(true);
    EXPECT_EQ(box->GetAnchor(), 0);
    EXPECT_EQ(box->GetCaret(), 5);
}

TEST_F(EditBoxes, ThePointerPlacesTheCaretAndShiftExtendsAndTheDragFollows)
{
    CJEditBox* box = AddBox("abcdef");
    // Character k ends at 8k; the caret goes after it once the pointer is
    // past 8k - 2.
    m_Tree.Press(0, 10 + 15, 15);
    m_Tree.Release(0, 10 + 15, 15);
    EXPECT_EQ(box->GetCaret(), 2);
    EXPECT_EQ(box->GetAnchor(), 2);
    m_Tree.HoldKey(SCAN_SHIFT);
    m_Tree.Press(0, 10 + 31, 15);
    m_Tree.Release(0, 10 + 31, 15);
    m_Tree.ReleaseKey(SCAN_SHIFT);
    EXPECT_EQ(box->GetAnchor(), 2);
    EXPECT_EQ(box->GetCaret(), 4);

    m_Tree.Press(0, 10 + 7, 15);
    EXPECT_EQ(box->GetCaret(), 1);
    m_Tree.MoveMouse(10 + 23, 15);
    EXPECT_EQ(box->GetAnchor(), 1);
    EXPECT_EQ(box->GetCaret(), 3);
    // Past the right edge the caret goes to 0.
    m_Tree.MoveMouse(10 + box->GetWidth() + 5, 15);
    EXPECT_EQ(box->GetCaret(), 0);
    m_Tree.Release(0, 10 + box->GetWidth() + 5, 15);

    // Only the left button places the caret.
    EXPECT_FALSE(box->MouseDown(1, CPoint{10 + 31, 15}));
}

TEST_F(EditBoxes, InsertTogglesTheSharedModeAndLeavesShiftAndCtrlInsertToTheRoot)
{
    CJEditBox* box = AddBox("ab");
    CJEditBox* other = AddBox("cd");
    ASSERT_TRUE(CJEditBox::IsInsertMode());
    EXPECT_TRUE(box->KeyDown(KEY_INSERT));
    EXPECT_FALSE(CJEditBox::IsInsertMode());
    EXPECT_TRUE(other->KeyDown(KEY_INSERT));
    EXPECT_TRUE(CJEditBox::IsInsertMode());

    m_Tree.HoldKey(SCAN_SHIFT);
    EXPECT_FALSE(box->KeyDown(KEY_INSERT));
    box->SetEditable(false);
    EXPECT_TRUE(box->KeyDown(KEY_INSERT));
    m_Tree.ReleaseKey(SCAN_SHIFT);
    m_Tree.HoldKey(SCAN_CTRL);
    EXPECT_FALSE(box->KeyDown(KEY_INSERT));
    m_Tree.ReleaseKey(SCAN_CTRL);
    EXPECT_TRUE(CJEditBox::IsInsertMode());

    // Keys the box does not edit with go on to the parent.
    for (int32_t key : {KEY_UP, KEY_DOWN, KEY_TAB, KEY_ENTER, KEY_ESCAPE})
        EXPECT_FALSE(box->KeyDown(key)) << key;
}

class EditBoxClipboard : public EditBoxes
{
protected:
    void SetUp() override { ASSERT_TRUE(m_Video.IsRunning()); }

    CScopedSdlEvents m_Video;
};

TEST_F(EditBoxClipboard, CopyCutAndPasteAreAskedAndDone)
{
    CJEditBox* box = AddBox("hello");
    TypeKeys({KEY_HOME, SHIFT_DOWN, KEY_RIGHT, KEY_RIGHT, SHIFT_UP});
    EXPECT_TRUE(box->Copy(false));
    EXPECT_TRUE(box->Copy(true));
    CString clip;
    ASSERT_TRUE(GetClipboard().GetText(clip));
    EXPECT_EQ(clip.Compare("he"), 0);

    EXPECT_TRUE(box->Cut(true));
    EXPECT_EQ(Text(*box), "llo");
    EXPECT_FALSE(box->Copy(false));
    EXPECT_FALSE(box->Cut(false));

    m_Tree.Type(KEY_END);
    EXPECT_TRUE(box->Paste(false));
    EXPECT_TRUE(box->Paste(true));
    EXPECT_EQ(Text(*box), "llohe");

    box->SetClipboardAllowed(false);
    box->SelectAll();
    EXPECT_FALSE(box->Copy(false));
    EXPECT_FALSE(box->Paste(false));
}

TEST_F(EditBoxClipboard, PasteTypesOnlyPrintableCharactersUpToTheLimit)
{
    CJEditBox* box = AddBox("");
    GetClipboard().SetText(CString("ab\bc\td"));
    EXPECT_TRUE(box->Paste(true));
    EXPECT_EQ(Text(*box), "abcd");
    EXPECT_EQ(ErrorSounds(), 1);

    std::string huge(100000, 'x');
    GetClipboard().SetText(CString(huge.c_str()));
    box->SelectAll();
    box->Paste(true);
    EXPECT_EQ(box->GetText().GetLength(), CJEditBox::PASTE_LIMIT);
    EXPECT_EQ(ErrorSounds(), 2);
}

TEST_F(EditBoxClipboard, APastedNumericTextKeepsItsDigitsAndWideTextStaysWide)
{
    CJEditBox* numeric = AddBox("");
    numeric->SetNumericOnly(true);
    GetClipboard().SetText(CString("12a"));
    numeric->Paste(true);
    EXPECT_EQ(Text(*numeric), "12");
    EXPECT_EQ(ErrorSounds(), 1);

    CJEditBox* box = AddBox("");
    GetClipboard().SetText(CString(u"\u0416\u0436"));
    box->Paste(true);
    ASSERT_TRUE(box->GetText().IsWide());
    EXPECT_EQ(box->GetText().GetLength(), 2u);
    EXPECT_EQ(box->GetText().GetAt(0), u'\u0416');
    EXPECT_EQ(box->GetText().GetAt(1), u'\u0436');
}

TEST(EditBoxDrawing, TheCaretBlinksOnBitEightOfTheTickCount)
{
    CWindowTestTree tree(80, 40);
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 80, 40});
    CJEditBox* box = new CJEditBox(panel, "ab");
    panel->AddChild(box);
    box->MoveTo(0, 0);
    panel->BringToFront(box);
    tree.Type(KEY_END);
    ASSERT_TRUE(box->IsFocused());

    // The word the frame's own fill writes for the highlight colour.
    CFrame swatch;
    swatch.Create(1, 1, 16);
    swatch.FillRect(CRect{0, 0, 1, 1}, box->GetHighlightColor());
    const uint32_t highlight = ReadPixel(swatch, 0, 0);
    const int32_t caretX = 16;
    const int32_t middleY = box->GetHeight() / 2;
    // The harness clock starts at 1000 ms, where bit 8 is set.
    tree.DrawTree();
    EXPECT_EQ(ReadPixel(tree.Frame(), caretX, middleY), highlight);
    EXPECT_NE(ReadPixel(tree.Frame(), caretX + 1, middleY), highlight);
    tree.Frame().Clear();
    tree.AdvanceClock(24);
    tree.DrawTree();
    EXPECT_NE(ReadPixel(tree.Frame(), caretX, middleY), highlight);

    // Overwriting shows a block over the character under the caret.
    CJEditBox::SetInsertMode(false);
    tree.Type(KEY_HOME);
    tree.AdvanceClock(256);
    tree.Frame().Clear();
    tree.DrawTree();
    EXPECT_EQ(ReadPixel(tree.Frame(), 0, middleY), highlight);
    EXPECT_EQ(ReadPixel(tree.Frame(), 7, middleY), highlight);
}

TEST(EditBoxDrawing, ALongTextScrollsToKeepTheCaretInView)
{
    CWindowTestTree tree(200, 40);
    CProbeWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 200, 40});
    CJEditBox* box = new CJEditBox(panel, "");
    panel->AddChild(box);
    panel->BringToFront(box);
    box->SetWidth(40);
    for (int32_t i = 0; i < 10; ++i)
        tree.Type('a' + i);
    tree.DrawTree();
    // 80 pixels of text and the caret's pixel in a 40 wide area.
    EXPECT_EQ(box->GetScrollOffset(), 80 + 1 - 40 + 1);
    tree.Type(KEY_HOME);
    tree.DrawTree();
    EXPECT_EQ(box->GetScrollOffset(), 0);
}
