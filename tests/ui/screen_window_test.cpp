#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/app/input/keyboard_state.h"
#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "tests/support/window_test_tree.h"

namespace {

constexpr int32_t SCAN_CTRL = 29;
constexpr int32_t SCAN_SHIFT = 42;
constexpr int32_t SCAN_ALT = 56;

// The entries of the log that start with one of the operation names.
CallLog Only(const CallLog& log, std::initializer_list<const char*> operations)
{
    CallLog kept;
    for (const std::string& entry : log)
        for (const char* operation : operations)
            if (entry.find(std::string(".") + operation) != std::string::npos)
                kept.push_back(entry);
    return kept;
}

// Counts the typed-key messages on the bus, answering as told.
class CTypedKeyCounter : public CMessageListener
{
public:
    bool ReceiveMessage(CMessage& message) override
    {
        if (message.GetTypeId() != CCharacterTypedMessage::GetClassTypeId())
            return false;
        keys.push_back(static_cast<CCharacterTypedMessage&>(message).m_KeyCode);
        return consume;
    }

    std::vector<int32_t> keys;
    bool consume = false;
};

class ScreenWindowTest : public ::testing::Test
{
protected:
    void Click(int32_t button, int32_t x, int32_t y)
    {
        m_Tree.FeedMove(x, y);
        m_Tree.FeedButton(button, true);
        m_Tree.RunRootUpdate();
        m_Tree.FeedButton(button, false);
        m_Tree.RunRootUpdate();
    }

    void TypeWith(int32_t modifier, int32_t key)
    {
        if (modifier != 0)
            m_Tree.HoldKey(modifier);
        m_Tree.FeedTyped(key);
        m_Tree.RunRootUpdate();
        if (modifier != 0)
            m_Tree.ReleaseKey(modifier);
    }

    CWindowTestTree m_Tree;
};

} // namespace

TEST_F(ScreenWindowTest, ADoubleClickAWindowTakesGivesItsSecondPressNeitherPressNorRelease)
{
    CProbeWindow* list = m_Tree.AddProbe(&m_Tree.Root(), "list", {0, 0, 100, 100});
    Click(0, 10, 10);
    list->Answer(ProbeCall::DoubleClick, true);
    m_Tree.FeedDoubleClick(0);
    m_Tree.RunRootUpdate();
    m_Tree.FeedButton(0, false);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(Only(m_Tree.Log(), {"MouseDown", "MouseUp", "DoubleClick"}),
              (CallLog{"list.MouseDown(0)", "list.MouseUp(0)", "list.DoubleClick(0)"}));

    // Nobody takes it: the second press is an ordinary one.
    list->Answer(ProbeCall::DoubleClick, false);
    m_Tree.ClearLog();
    m_Tree.FeedDoubleClick(0);
    m_Tree.RunRootUpdate();
    m_Tree.FeedButton(0, false);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(Only(m_Tree.Log(), {"MouseDown", "MouseUp", "DoubleClick"}),
              (CallLog{"list.DoubleClick(0)", "list.MouseDown(0)", "list.MouseUp(0)"}));
}

TEST_F(ScreenWindowTest, ClipboardKeysRunTheirOperationOnTheTree)
{
    CProbeWindow* edit = m_Tree.AddProbe(&m_Tree.Root(), "edit", {0, 0, 100, 100});
    for (ProbeCall call : {ProbeCall::Cut, ProbeCall::Copy, ProbeCall::Paste, ProbeCall::Delete})
        edit->Answer(call, true);
    struct Case
    {
        int32_t modifier;
        int32_t key;
        CallLog operations;
    };
    const Case cases[] = {
        {0, 3, {"edit.Copy(1)"}},
        {0, 4, {"edit.Copy(1)"}},
        {SCAN_SHIFT, 16, {"edit.Paste(1)"}},
        {SCAN_CTRL, 16, {"edit.Copy(1)"}},
        {0, 16, {}},
        {SCAN_SHIFT, 17, {"edit.Cut(1)"}},
        {0, 17, {"edit.Delete(1)"}},
        {0, 22, {"edit.Paste(1)"}},
        {0, 24, {"edit.Cut(1)"}},
        {SCAN_CTRL, 'x', {}},
    };
    for (const Case& c : cases)
    {
        m_Tree.ClearLog();
        TypeWith(c.modifier, c.key);
        EXPECT_EQ(Only(m_Tree.Log(), {"Cut", "Copy", "Paste", "Delete"}), c.operations)
            << c.key << " with " << c.modifier;
    }
}

TEST_F(ScreenWindowTest, AKeyNobodyTakesReachesTheBusOnceAndALetterWithAltGoesToHotkeysOnly)
{
    m_Tree.AddProbe(&m_Tree.Root(), "edit", {0, 0, 100, 100});
    m_Tree.AddProbe(&m_Tree.Root(), "button", {0, 100, 100, 120}, "&Quit");
    CTypedKeyCounter counter;

    TypeWith(0, 'z');
    EXPECT_EQ(counter.keys, (std::vector<int32_t>{'z'}));
    EXPECT_EQ(Only(m_Tree.Log(), {"KeyDown"}), (CallLog{"edit.KeyDown(122)"}));

    m_Tree.ClearLog();
    TypeWith(SCAN_ALT, 'q');
    EXPECT_EQ(Only(m_Tree.Log(), {"KeyDown"}), CallLog{});
    EXPECT_EQ(Only(m_Tree.Log(), {"ActivateByHotkey"}), (CallLog{"button.ActivateByHotkey"}));
    EXPECT_EQ(counter.keys.size(), 1u);

    // Without Alt the letter still clicks the button once nobody focused
    // used it; the bus never hears of it.
    m_Tree.ClearLog();
    TypeWith(0, 'q');
    EXPECT_EQ(Only(m_Tree.Log(), {"KeyDown", "ActivateByHotkey"}),
              (CallLog{"button.KeyDown(113)", "button.ActivateByHotkey"}));
    EXPECT_EQ(counter.keys.size(), 1u);
}

TEST_F(ScreenWindowTest, TooltipsWrapAtFourFifthsOfTheScreenAndStayOnIt)
{
    CProbeWindow* button = m_Tree.AddProbe(&m_Tree.Root(), "button", {0, 0, 100, 20});
    CScreenWindow& root = m_Tree.Root();
    std::string longText;
    for (int i = 0; i < 25; ++i)
        longText += "word ";
    root.SetTooltip(false, button, -1, CString(longText.c_str()), 700, 590, 1);
    const CRect& box = root.GetTooltipBox();
    EXPECT_LE(box.right - box.left, 640);
    EXPECT_GT(box.right - box.left, 560);
    EXPECT_NE(root.GetWrappedTooltipText().FindChar(u'\n', 0, true), -1);
    EXPECT_EQ(box.right, 797);
    EXPECT_EQ(box.bottom, 597);

    root.SetTooltip(false, button, -1, CString("short"), -30, 10, 1);
    EXPECT_EQ(root.GetTooltipBox().left, 2);
    EXPECT_EQ(root.GetTooltipBox().top, 10);

    // At the pointer: below it by 20 without a cursor sequence.
    m_Tree.FeedMove(100, 50);
    root.SetTooltip(true, button, -1, CString("hover"), -1, -1, 1);
    EXPECT_EQ(RectText(root.GetTooltipBox()).substr(0, 8), "(100,70,");
}

TEST_F(ScreenWindowTest, AStatusLineTargetGetsHoverTextsOnlyWhenItTakesThem)
{
    CProbeWindow* button = m_Tree.AddProbe(&m_Tree.Root(), "button", {0, 0, 100, 20});
    CProbeWindow* status = m_Tree.AddProbe(&m_Tree.Root(), "status", {0, 580, 800, 600});
    CScreenWindow& root = m_Tree.Root();
    root.SetTooltipTarget(status, false);
    root.SetTooltip(true, button, -1, CString("from hover"), 10, 10, 1);
    EXPECT_EQ(std::string(root.GetTooltipText().GetText()), "from hover");
    EXPECT_TRUE(status->GetText().IsEmpty());
    root.SetTooltip(false, button, -1, CString("asked"), 10, 10, 1);
    EXPECT_EQ(std::string(status->GetText().GetText()), "asked");
    EXPECT_TRUE(root.GetTooltipText().IsEmpty());
    root.SetTooltipTarget(status, true);
    root.SetTooltip(true, button, -1, CString("hover again"), 10, 10, 1);
    EXPECT_EQ(std::string(status->GetText().GetText()), "hover again");
}

TEST_F(ScreenWindowTest, WhileSuspendedNothingIsDeliveredOrUpdatedAndKeysTypedMeanwhileAreDropped)
{
    m_Tree.AddProbe(&m_Tree.Root(), "edit", {0, 0, 100, 100});
    CScreenWindow& root = m_Tree.Root();
    m_Tree.ClearLog();
    root.SuspendInput();
    m_Tree.FeedMove(10, 10);
    m_Tree.FeedButton(0, true);
    m_Tree.FeedTyped('a');
    m_Tree.RunRootUpdate();
    EXPECT_EQ(m_Tree.Log(), CallLog{});
    root.ResumeInput();
    m_Tree.RunRootUpdate();
    EXPECT_EQ(Only(m_Tree.Log(), {"KeyDown"}), CallLog{});
    EXPECT_EQ(Only(m_Tree.Log(), {"MouseDown", "Update"}), (CallLog{"edit.MouseDown(0)", "edit.Update"}));
}

TEST_F(ScreenWindowTest, AHeldButtonRepeatsAfterTheSystemDelayThenEveryIntervalAndPausesOffTheWindow)
{
    CProbeWindow* arrow = m_Tree.AddProbe(&m_Tree.Root(), "arrow", {0, 0, 20, 20});
    arrow->RepeatOnPress(0, 0);
    m_Tree.FeedMove(10, 10);
    m_Tree.FeedButton(0, true);
    m_Tree.RunRootUpdate();
    std::vector<int32_t> repeats;
    for (int32_t ms = 1; ms <= 540; ++ms)
    {
        m_Tree.AdvanceClock(1);
        m_Tree.ClearLog();
        m_Tree.RunRootUpdate();
        if (!Only(m_Tree.Log(), {"MouseRepeat"}).empty())
            repeats.push_back(ms);
    }
    EXPECT_EQ(repeats, (std::vector<int32_t>{501, 535}));

    m_Tree.FeedMove(300, 300);
    size_t whileOff = 0;
    for (int32_t ms = 0; ms < 200; ++ms)
    {
        m_Tree.AdvanceClock(1);
        m_Tree.ClearLog();
        m_Tree.RunRootUpdate();
        whileOff += Only(m_Tree.Log(), {"MouseRepeat"}).size();
    }
    EXPECT_EQ(whileOff, 0u);
    // The timer ran on: back over the arrow, the next repeat is at most one
    // interval away.
    m_Tree.FeedMove(10, 10);
    int32_t waited = 0;
    for (; waited < 40; ++waited)
    {
        m_Tree.AdvanceClock(1);
        m_Tree.ClearLog();
        m_Tree.RunRootUpdate();
        if (!Only(m_Tree.Log(), {"MouseRepeat"}).empty())
            break;
    }
    EXPECT_LT(waited, 34);
}
