#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "engine/ui/button.h"
#include "engine/ui/command_callback.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/spin_box.h"
#include "tests/support/window_test_tree.h"

// Spin boxes through the harness: the arrows pressed with the pointer, the
// wheel, the keys and a right-button drag. The harness font is 15 high with
// every character 8 wide.

namespace {
const char* const ERROR_SOUND = "Player Error.wav";

class CallbackCommand : public CCommandCallback
{
public:
    explicit CallbackCommand(std::function<void()> action)
        : m_Action(std::move(action))
    {
    }
    void Execute() override { m_Action(); }

private:
    std::function<void()> m_Action;
};

class SpinBoxes : public testing::Test
{
protected:
    SpinBoxes()
    {
        m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 400, 100});
        m_pSpin = new CJSpinBox(m_pPanel, "Count", "19999");
        m_pPanel->AddChild(m_pSpin);
        m_pSpin->MoveTo(10, 10);
        m_pSpin->SetChangeCommand(new CallbackCommand([this] { ++m_ChangeCommands; }));
        m_pPanel->BringToFront(m_pSpin);
        m_Tree.ClearLog();
    }

    std::string Text() const { return m_pSpin->GetText().GetText(); }
    int64_t ErrorSounds() const { return std::count(m_Tree.Sounds().begin(), m_Tree.Sounds().end(), ERROR_SOUND); }
    int64_t ChangeCodes() { return std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "panel.OnCommand(?,1)"); }
    CPoint CentreOf(const CJWindow& window) const
    {
        const CRect& rect = window.GetScreenRect();
        return CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void ClickOn(const CJWindow& window)
    {
        CPoint centre = CentreOf(window);
        m_Tree.Press(0, centre.x, centre.y);
        m_Tree.Release(0, centre.x, centre.y);
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
    CJSpinBox* m_pSpin;
    int32_t m_ChangeCommands = 0;
};
} // namespace

TEST_F(SpinBoxes, TheArrowsSitRightOfTheEditBoxWhichKeepsTheFocus)
{
    CJEditBox* edit = m_pSpin->GetEditBox();
    int32_t height = edit->GetHeight();
    EXPECT_EQ(edit->GetWidth(), 5 * 8 + 4);
    EXPECT_EQ(m_pSpin->GetUpButton()->GetRect().left, edit->GetWidth());
    EXPECT_EQ(m_pSpin->GetUpButton()->GetRect().top, 0);
    EXPECT_EQ(m_pSpin->GetUpButton()->GetWidth(), 3 * height / 4);
    EXPECT_EQ(m_pSpin->GetUpButton()->GetHeight(), (height + 2) / 2);
    EXPECT_EQ(m_pSpin->GetDownButton()->GetRect().top, (height + 2) / 2);
    EXPECT_EQ(m_pSpin->GetDownButton()->GetRect().left, edit->GetWidth());
    EXPECT_FALSE(edit->IsTabStop());
    EXPECT_TRUE(m_pSpin->IsTabStop());
    EXPECT_EQ(m_pSpin->CJWindow::GetText().Compare("Count"), 0);

    ASSERT_TRUE(edit->IsFocused());
    ClickOn(*m_pSpin->GetUpButton());
    EXPECT_TRUE(edit->IsFocused());
    EXPECT_EQ(m_pSpin->GetFrontChild(), edit);
    EXPECT_EQ(Text(), "1");
}

TEST_F(SpinBoxes, AnArrowAtTheLimitSoundsTheErrorAndStillReportsTheChange)
{
    m_pSpin->SetRange(0.0f, 10.0f);
    m_pSpin->SetText(CString("10"));
    ClickOn(*m_pSpin->GetUpButton());
    EXPECT_EQ(Text(), "10");
    EXPECT_EQ(ErrorSounds(), 1);
    EXPECT_EQ(m_ChangeCommands, 1);
    EXPECT_EQ(ChangeCodes(), 1);

    m_pSpin->SetText(CString("0"));
    ClickOn(*m_pSpin->GetDownButton());
    EXPECT_EQ(Text(), "0");
    EXPECT_EQ(ErrorSounds(), 2);
}

TEST_F(SpinBoxes, AStepKeepsEveryDigitOfTheValue)
{
    m_pSpin->SetText(CString("1234567"));
    ClickOn(*m_pSpin->GetUpButton());
    EXPECT_EQ(Text(), "1234568");
    m_pSpin->SetTextFloat(0.1f);
    EXPECT_EQ(Text(), "0.1");
}

TEST_F(SpinBoxes, WheelKeysAndARightDragStepTheValue)
{
    m_pSpin->SetText(CString("5"));
    CPoint centre = CentreOf(*m_pSpin->GetEditBox());
    m_Tree.MoveMouse(centre.x, centre.y);
    m_Tree.Wheel(1);
    EXPECT_EQ(Text(), "6");
    m_Tree.Wheel(-1);
    m_Tree.Wheel(-1);
    EXPECT_EQ(Text(), "4");
    m_Tree.Type(KEY_UP);
    m_Tree.Type(KEY_UP);
    EXPECT_EQ(Text(), "6");
    m_Tree.Type(KEY_DOWN);
    EXPECT_EQ(Text(), "5");

    m_pSpin->SetStep(2.0f);
    m_Tree.Press(1, centre.x, centre.y);
    m_Tree.MoveMouse(centre.x, centre.y - 3);
    EXPECT_EQ(Text(), "11");
    m_Tree.MoveMouse(centre.x + 4, centre.y - 3);
    EXPECT_EQ(Text(), "11");
    m_Tree.MoveMouse(centre.x, centre.y + 1);
    EXPECT_EQ(Text(), "3");
    m_Tree.Release(1, centre.x, centre.y + 1);
    EXPECT_EQ(m_ChangeCommands, 8);
}

TEST_F(SpinBoxes, TypingIntoTheEditBoxRunsTheChangeCommandAndPassesOtherCodesUp)
{
    m_pSpin->SetText(CString("1"));
    m_Tree.Type('7');
    EXPECT_EQ(Text(), "7");
    EXPECT_EQ(m_ChangeCommands, 1);
    EXPECT_EQ(ChangeCodes(), 1);
    m_pSpin->OnCommand(m_pSpin->GetEditBox(), 0);
    EXPECT_EQ(std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "panel.OnCommand(?,0)"), 1);
}

TEST_F(SpinBoxes, ARepeatingArrowWhoseCommandClosesTheDialogEndsCleanly)
{
    m_pSpin->SetChangeCommand(new CallbackCommand([this] { m_pPanel->Destroy(); }));
    CPoint up = CentreOf(*m_pSpin->GetUpButton());
    m_Tree.FeedMove(up.x, up.y);
    m_Tree.FeedButton(0, true);
    m_Tree.RunRootUpdate();
    m_Tree.AdvanceClock(2000);
    m_Tree.RunRootUpdate();
    m_Tree.RunRootUpdate();
    EXPECT_EQ(std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "panel.~"), 1);
    m_Tree.FeedButton(0, false);
    m_Tree.RunRootUpdate();
}
