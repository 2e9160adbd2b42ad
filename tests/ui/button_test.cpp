#include <gtest/gtest.h>

#include "engine/app/input/key_repeat.h"
#include "engine/graphics/frame.h"
#include "engine/ui/button.h"
#include "engine/ui/check_box.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/member_command.h"
#include "tests/support/window_test_tree.h"

// Push buttons, toggles, latches, rings and check boxes driven through the
// harness. The harness font makes a caption of n characters 8n wide; one
// dialog unit and the bevel are 3 pixels.

namespace {
constexpr int32_t KEY_LEFT = 11;
constexpr int32_t KEY_RIGHT = 12;
constexpr int32_t KEY_SPACE = 32;
const std::string ACTION = "UI/Button Action.wav";
const std::string SWITCH = "UI/Button Switch.wav";

// A probe panel at (0, 0, 400, 300) holding the buttons of a test.
class Buttons : public testing::Test
{
protected:
    Buttons() { m_pPanel = m_Tree.AddProbe(&m_Tree.Root(), "panel", {0, 0, 400, 300}); }

    template <class T, class... A>
    T* Add(int32_t x, int32_t y, A... arguments)
    {
        T* button = new T(m_pPanel, arguments...);
        m_pPanel->AddChild(button);
        button->MoveTo(x, y);
        return button;
    }

    void Click(CJButton* button)
    {
        CPoint centre = Centre(button);
        m_Tree.Press(0, centre.x, centre.y);
        m_Tree.Release(0, centre.x, centre.y);
    }

    static CPoint Centre(const CJWindow* window)
    {
        const CRect& rect = window->GetScreenRect();
        return CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    size_t CountLog(const std::string& entry)
    {
        return static_cast<size_t>(std::count(m_Tree.Log().begin(), m_Tree.Log().end(), entry));
    }

    CWindowTestTree m_Tree;
    CProbeWindow* m_pPanel;
};
} // namespace

TEST_F(Buttons, DefaultSizeFitsTheCaptionInsideTheBevels)
{
    // A dialog sets the shared bevel to 2 units (6 pixels) for every
    // window built after it.
    m_pPanel->SetBevelUnits(2);
    CJButton* button = Add<CJButton>(0, 0, "OK");
    // 2 characters, 2 bevels and 2; line height 15.
    EXPECT_EQ(button->GetWidth(), 16 + 12 + 2);
    EXPECT_EQ(button->GetHeight(), 15 + 12 + 2);
    CJButton* empty = Add<CJButton>(0, 0, "");
    EXPECT_EQ(empty->GetWidth(), 24 + 12 + 2);
}

TEST_F(Buttons, APushButtonReportsToItsParentOrElseOnlyToItsCommand)
{
    CJButton* plain = Add<CJButton>(10, 10, "Plain");
    CJButton* bound = Add<CJButton>(10, 60, "Bound");
    int32_t runs = 0;
    bound->SetCommand(new CMemberCommand([&runs] { ++runs; }));
    Click(plain);
    Click(bound);
    // The buttons are no probes: the log shows the source as "?".
    EXPECT_EQ(CountLog("panel.OnCommand(?,0)"), 1u);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(plain->TakeClicked());
    EXPECT_FALSE(plain->TakeClicked());
    EXPECT_EQ(m_Tree.Sounds(), (std::vector<std::string>{ACTION, ACTION}));
}

TEST_F(Buttons, AReleaseOutsideDoesNotClickAndMovingBackInsideDoes)
{
    CJButton* button = Add<CJButton>(10, 10, "Go");
    CPoint centre = Centre(button);
    m_Tree.Press(0, centre.x, centre.y);
    EXPECT_TRUE(button->IsHeld());
    m_Tree.MoveMouse(300, 250);
    m_Tree.Release(0, 300, 250);
    EXPECT_FALSE(button->IsHeld());
    EXPECT_FALSE(button->TakeClicked());
    m_Tree.Press(0, centre.x, centre.y);
    m_Tree.MoveMouse(300, 250);
    m_Tree.MoveMouse(centre.x, centre.y);
    m_Tree.Release(0, centre.x, centre.y);
    EXPECT_TRUE(button->TakeClicked());
}

TEST_F(Buttons, AutoRepeatClicksAfterTheDelayThenPerIntervalAndNotAgainOnRelease)
{
    CJButton* button = Add<CJButton>(10, 10, "More");
    button->SetAutoRepeat(true);
    int32_t clicks = 0;
    button->SetCommand(new CMemberCommand([&clicks] { ++clicks; }));
    int64_t delay = static_cast<int64_t>(GetKeyRepeatDelay() * 1000.0f);
    int64_t interval = static_cast<int64_t>(GetKeyRepeatInterval() * 1000.0f);
    CPoint centre = Centre(button);
    m_Tree.FeedMove(centre.x, centre.y);
    m_Tree.FeedButton(0, true);
    m_Tree.RunRootUpdate();
    // The root repeats once a tick is strictly past its time.
    m_Tree.AdvanceClock(delay);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(clicks, 0);
    m_Tree.AdvanceClock(1);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(clicks, 1);
    m_Tree.AdvanceClock(interval);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(clicks, 1);
    m_Tree.AdvanceClock(1);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(clicks, 2);
    m_Tree.FeedButton(0, false);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(clicks, 2);

    // A short press without a repeat clicks once, on release.
    m_Tree.FeedButton(0, true);
    m_Tree.RunRootUpdate();
    m_Tree.FeedButton(0, false);
    m_Tree.RunRootUpdate();
    EXPECT_EQ(clicks, 3);
}

TEST_F(Buttons, ARingOfTogglesKeepsOneCheckedAndOneTabStop)
{
    CJToggleButton* first = Add<CJToggleButton>(10, 10, "A", static_cast<CJButton*>(nullptr));
    CJToggleButton* second = Add<CJToggleButton>(10, 40, "B", static_cast<CJButton*>(first));
    CJToggleButton* third = Add<CJToggleButton>(10, 70, "C", static_cast<CJButton*>(second));
    EXPECT_EQ(first->GetNextInRing(), second);
    EXPECT_EQ(second->GetNextInRing(), third);
    EXPECT_EQ(third->GetNextInRing(), first);
    first->SetChecked(1);
    Click(third);
    EXPECT_EQ(first->GetChecked(), 0);
    EXPECT_EQ(second->GetChecked(), 0);
    EXPECT_EQ(third->GetChecked(), 1);
    EXPECT_FALSE(first->IsTabStop());
    EXPECT_FALSE(second->IsTabStop());
    EXPECT_TRUE(third->IsTabStop());
    EXPECT_EQ(m_Tree.Sounds(), (std::vector<std::string>{SWITCH}));

    // The checked one cannot be unchecked by the user, and stays silent.
    Click(third);
    EXPECT_EQ(third->GetChecked(), 1);
    EXPECT_EQ(m_Tree.Sounds().size(), 1u);
    EXPECT_FALSE(third->ActivateByHotkey());
}

TEST_F(Buttons, ALatchInARingTogglesFreely)
{
    CString a("A");
    CString b("B");
    CJLatchButton* first = Add<CJLatchButton>(10, 10, static_cast<const CString*>(&a), static_cast<CJButton*>(nullptr));
    CJLatchButton* second = Add<CJLatchButton>(10, 40, static_cast<const CString*>(&b), static_cast<CJButton*>(first));
    Click(second);
    EXPECT_EQ(second->GetChecked(), 1);
    Click(second);
    EXPECT_EQ(second->GetChecked(), 0);
    EXPECT_EQ(m_Tree.Sounds(), (std::vector<std::string>{SWITCH, SWITCH}));
}

TEST_F(Buttons, ARightPressIsTakenOnlyWithARightClickCommand)
{
    CJButton* button = Add<CJButton>(10, 10, "R");
    CDeferredDestroyScope scope;
    EXPECT_FALSE(button->MouseDown(1, Centre(button)));
    int32_t runs = 0;
    button->SetRightClickCommand(new CMemberCommand([&runs] { ++runs; }));
    EXPECT_TRUE(button->MouseDown(1, Centre(button)));
    EXPECT_EQ(runs, 1);
}

TEST_F(Buttons, AShapedButtonWithOverlayIgnoresPressesOnTransparentPixels)
{
    CFrame shape;
    shape.Create(2, 1, 16);
    shape.SetPixel(0, 0, CColor(255, 255, 255, 255));
    CFrame overlay;
    overlay.Create(2, 1, 16);
    CJButton* button = Add<CJButton>(10, 10, "S");
    button->SetImages(&shape, true, false);
    button->SetOverlayImage(&overlay);
    ASSERT_EQ(button->GetWidth(), 2) << "a shaped button has no bevel";
    CDeferredDestroyScope scope;
    EXPECT_FALSE(button->MouseDown(0, CPoint{11, 10}));
    EXPECT_TRUE(button->MouseDown(0, CPoint{10, 10}));
}

TEST_F(Buttons, SetImagesGrowsOnlyALinkedButtonsParent)
{
    CFrame image;
    image.Create(200, 20, 16);
    m_pPanel->SetBevelUnits(1);
    CJButton* loose = new CJButton(m_pPanel, "Loose");
    loose->SetImages(&image, false, false);
    EXPECT_EQ(loose->GetWidth(), 206);
    EXPECT_EQ(loose->GetTooltipText().Compare("Loose"), 0);
    m_pPanel->AddChild(loose);
    loose->MoveTo(300, 0);
    CJButton* linked = Add<CJButton>(300, 0, "Linked");
    linked->SetImages(&image, false, false);
    EXPECT_GE(m_pPanel->GetWidth(), 506);
}

TEST_F(Buttons, ACheckBoxWritesItsBoundFlag)
{
    uint8_t flag = 0;
    CString caption("Sound");
    CJCheckBox* box =
        Add<CJCheckBox>(10, 10, static_cast<const CString*>(&caption), &flag, static_cast<CJButton*>(nullptr));
    Click(box);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(box->GetChecked(), 1);
    Click(box);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(m_Tree.Sounds(), (std::vector<std::string>{SWITCH, SWITCH}));
    uint8_t preset = 1;
    CJCheckBox* checked =
        Add<CJCheckBox>(10, 40, static_cast<const CString*>(&caption), &preset, static_cast<CJButton*>(nullptr));
    EXPECT_EQ(checked->GetChecked(), 1);
}

TEST_F(Buttons, SpaceAndRingArrowsActOnlyWhileTheEditorIsOpen)
{
    struct Case
    {
        bool editorOpen;
        int32_t key;
        int32_t checkedAfter; // 0, 1, 2: which ring member is checked
    };
    const Case cases[] = {
        {false, KEY_SPACE, 0}, {false, KEY_RIGHT, 0}, {false, KEY_LEFT, 0}, {true, KEY_RIGHT, 1}, {true, KEY_LEFT, 2},
    };
    for (const Case& c : cases)
    {
        CWindowTestTree tree;
        tree.SetLevelEditorOpen(c.editorOpen);
        CJWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 400, 300});
        CJToggleButton* ring[3];
        ring[0] = new CJToggleButton(panel, "A", nullptr);
        ring[1] = new CJToggleButton(panel, "B", ring[0]);
        ring[2] = new CJToggleButton(panel, "C", ring[1]);
        for (CJToggleButton* member : ring)
            panel->AddChild(member);
        ring[0]->SetChecked(1);
        panel->BringToFront(ring[0]);
        tree.Type(c.key);
        for (int32_t i = 0; i < 3; ++i)
            EXPECT_EQ(ring[i]->GetChecked(), i == c.checkedAfter ? 1 : 0) << c.editorOpen << " key " << c.key;
    }
    CWindowTestTree tree;
    tree.SetLevelEditorOpen(true);
    CJWindow* panel = tree.AddProbe(&tree.Root(), "panel", {0, 0, 400, 300});
    CJButton* push = new CJButton(panel, "P");
    panel->AddChild(push);
    tree.Type(KEY_SPACE);
    EXPECT_TRUE(push->TakeClicked());
}

TEST_F(Buttons, AHotkeyClickShowsThePressedLookForOneFrame)
{
    CJButton* button = Add<CJButton>(10, 10, "&Go");
    EXPECT_TRUE(button->ActivateByHotkey());
    EXPECT_TRUE(button->IsFlashing());
    m_Tree.DrawTree();
    EXPECT_FALSE(button->IsFlashing());
    button->SetEnabled(false);
    EXPECT_FALSE(button->ActivateByHotkey());
}

TEST_F(Buttons, RefreshStateTakesTheEnabledStateFromTheCommandsQuery)
{
    CJButton* button = Add<CJButton>(10, 10, "Q");
    bool allowed = false;
    button->SetCommand(new CMemberCommand([] {}, [&allowed] { return allowed; }));
    m_pPanel->RefreshState();
    EXPECT_FALSE(button->IsEnabled());
    allowed = true;
    m_pPanel->RefreshState();
    EXPECT_TRUE(button->IsEnabled());
    CJButton* free = Add<CJButton>(10, 40, "F");
    free->SetEnabled(false);
    m_pPanel->RefreshState();
    EXPECT_FALSE(free->IsEnabled());
}

TEST_F(Buttons, ARingMemberDestroyedAloneUnlinksItself)
{
    CJToggleButton* first = Add<CJToggleButton>(10, 10, "A", static_cast<CJButton*>(nullptr));
    CJToggleButton* second = Add<CJToggleButton>(10, 40, "B", static_cast<CJButton*>(first));
    CJToggleButton* third = Add<CJToggleButton>(10, 70, "C", static_cast<CJButton*>(second));
    second->Destroy();
    EXPECT_EQ(first->GetNextInRing(), third);
    EXPECT_EQ(third->GetNextInRing(), first);
    third->SetChecked(1);
    first->SetChecked(1);
    EXPECT_EQ(third->GetChecked(), 0);
    third->Destroy();
    EXPECT_EQ(first->GetNextInRing(), nullptr);
}
