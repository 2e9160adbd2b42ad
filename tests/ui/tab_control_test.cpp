#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/blit/blit_transparent_mask.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/tab_control.h"
#include "tests/support/recording_frame.h"
#include "tests/support/window_test_tree.h"

// Tab controls over the harness font (8 pixels a character, 15 high). With
// a bevel of three dialog units (9 pixels) a caption of ten characters
// makes a tab 80 + 18 + 2 = 100 wide and the tab row 15 + 18 + 2 = 35 high.

namespace {
constexpr int32_t SCAN_CTRL = 29;
constexpr int32_t SCAN_SHIFT = 42;
constexpr int32_t TAB_ROW = 35;
const char* const SWITCH = "UI/Button Switch.wav";

class TabControlTest : public testing::Test
{
public:
    // A focused control on the root, 200 high, with count pages captioned
    // "Page nr 10".., the last added current.
    CJTabControl* MakeTabs(int32_t count, int32_t width = 400, bool tabsShown = true)
    {
        m_pTabs = new CJTabControl(&m_Tree.Root());
        m_pTabs->SetBevelUnits(3);
        m_pTabs->SetTabsShown(tabsShown);
        m_Tree.Root().AddChild(m_pTabs);
        for (int32_t i = 0; i < count; ++i)
            AddPage(i);
        m_pTabs->SetRectXYWH(0, 0, width, 200);
        m_Tree.Root().BringToFront(m_pTabs);
        return m_pTabs;
    }

    void AddPage(int32_t i)
    {
        const std::string caption = "Page nr " + std::to_string(10 + i);
        const std::string name = "p" + std::to_string(i);
        m_pTabs->AddPage(new CProbeWindow(m_pTabs, name.c_str(), m_Tree.Log(), caption.c_str()));
    }

    std::vector<bool> Visibility() const
    {
        std::vector<bool> visible;
        for (int32_t i = 0; i < m_pTabs->GetPageCount(); ++i)
            visible.push_back(m_pTabs->GetPage(i)->IsVisible());
        return visible;
    }

    int32_t SwitchSounds() const
    {
        const std::vector<std::string>& sounds = m_Tree.Sounds();
        return static_cast<int32_t>(std::count(sounds.begin(), sounds.end(), SWITCH));
    }

    bool CtrlTab(bool shift)
    {
        m_Tree.HoldKey(SCAN_CTRL);
        if (shift)
            m_Tree.HoldKey(SCAN_SHIFT);
        const bool consumed = m_Tree.Type(KEY_TAB);
        m_Tree.ReleaseKey(SCAN_SHIFT);
        m_Tree.ReleaseKey(SCAN_CTRL);
        return consumed;
    }

    CWindowTestTree m_Tree;
    CJTabControl* m_pTabs = nullptr;
};
} // namespace

TEST_F(TabControlTest, TabsTooWideForTheControlOverlapEvenlyAndTheLastEndsAtTheRightEdge)
{
    struct Case
    {
        int32_t pages;
        int32_t width;
        std::vector<int32_t> lefts;
        int32_t overlap;
    };
    const Case cases[] = {
        {3, 240, {0, 70, 140}, 30},
        {4, 300, {0, 67, 134, 200}, 33},
        {3, 400, {0, 100, 200}, 0},
        // A single caption wider than the control is not squeezed.
        {1, 50, {0}, 0},
    };
    for (const Case& c : cases)
    {
        MakeTabs(c.pages, c.width);
        ASSERT_EQ(m_pTabs->GetTabRectCount(), c.lefts.size()) << c.width;
        EXPECT_EQ(m_pTabs->GetTabRowHeight(), TAB_ROW);
        EXPECT_EQ(m_pTabs->GetOverlap(), c.overlap) << c.width;
        for (size_t i = 0; i < c.lefts.size(); ++i)
        {
            const CRect& tab = m_pTabs->GetTabRect(static_cast<int32_t>(i));
            EXPECT_EQ(RectText(tab), RectText(CRect{c.lefts[i], 0, c.lefts[i] + 100, TAB_ROW})) << c.width << " " << i;
        }
        m_pTabs->DeleteNow();
    }
}

TEST_F(TabControlTest, TheNewestPageIsCurrentAndVisibleUnderTheTabRowAndPagesShareTheWidestWidth)
{
    MakeTabs(2);
    m_pTabs->GetPage(0)->SetWidth(50);
    CProbeWindow* wide = new CProbeWindow(m_pTabs, "wide", m_Tree.Log(), "Wide");
    wide->SetSize(600, 20);
    EXPECT_EQ(m_pTabs->AddPage(wide), 2);
    EXPECT_EQ(m_pTabs->GetCurrentPage(), 2);
    EXPECT_EQ(Visibility(), (std::vector<bool>{false, false, true}));
    for (int32_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(m_pTabs->GetPage(i)->GetRect().top, TAB_ROW);
        EXPECT_EQ(m_pTabs->GetPage(i)->GetWidth(), 600);
    }
    EXPECT_EQ(m_pTabs->FindPage(CString("Wide")), wide);
    EXPECT_EQ(m_pTabs->FindPage(CString("None")), nullptr);
    EXPECT_EQ(SwitchSounds(), 0);
}

TEST_F(TabControlTest, KeysAndClicksSwitchWithOneSoundAndOwnersSwitchSilently)
{
    MakeTabs(3);
    struct Step
    {
        const char* what;
        void (*act)(TabControlTest& test);
        int32_t current;
        int32_t sounds;
    };
    const Step steps[] = {
        {"Ctrl+Tab on the last", [](TabControlTest& t) { EXPECT_TRUE(t.CtrlTab(false)); }, 0, 1},
        {"Ctrl+Shift+Tab on the first", [](TabControlTest& t) { EXPECT_TRUE(t.CtrlTab(true)); }, 2, 2},
        {"SelectPage", [](TabControlTest& t) { t.m_pTabs->SelectPage(1); }, 1, 2},
        {"SelectPageWindow", [](TabControlTest& t) { t.m_pTabs->SelectPageWindow(t.m_pTabs->GetPage(0)); }, 0, 2},
        {"not a page", [](TabControlTest& t) { t.m_pTabs->SelectPageWindow(&t.m_Tree.Root()); }, 0, 2},
        {"click on the current tab", [](TabControlTest& t) { t.m_Tree.Press(0, 10, 10); }, 0, 2},
        {"click on the third tab", [](TabControlTest& t) { t.m_Tree.Press(0, 250, 10); }, 2, 3},
        {"click below the tabs", [](TabControlTest& t) { t.m_Tree.Press(0, 10, 100); }, 2, 3},
        {"Tab without Ctrl", [](TabControlTest& t) { t.m_Tree.Type(KEY_TAB); }, 2, 3},
        {"an index past the pages", [](TabControlTest& t) { t.m_pTabs->SelectPage(7); }, 2, 3},
        {"a negative index", [](TabControlTest& t) { t.m_pTabs->ChangePage(-1, false); }, 2, 3},
    };
    for (const Step& step : steps)
    {
        step.act(*this);
        EXPECT_EQ(m_pTabs->GetCurrentPage(), step.current) << step.what;
        EXPECT_EQ(SwitchSounds(), step.sounds) << step.what;
        std::vector<bool> expected(3, false);
        expected[static_cast<size_t>(step.current)] = true;
        EXPECT_EQ(Visibility(), expected) << step.what;
    }
}

TEST_F(TabControlTest, WithTabsHiddenOnlyOwnersSwitchAndPagesStartAtTheTop)
{
    MakeTabs(2, 300, false);
    EXPECT_EQ(m_pTabs->GetTabRowHeight(), 0);
    EXPECT_EQ(m_pTabs->GetTabRectCount(), 0u);
    EXPECT_EQ(m_pTabs->GetPage(0)->GetRect().top, 0);
    EXPECT_EQ(m_pTabs->GetPage(1)->GetHeight(), 200);
    CtrlTab(false);
    m_Tree.Press(0, 150, 5);
    EXPECT_EQ(m_pTabs->GetCurrentPage(), 1);
    m_pTabs->SelectPage(0);
    EXPECT_EQ(m_pTabs->GetCurrentPage(), 0);
    EXPECT_EQ(SwitchSounds(), 0);
}

TEST_F(TabControlTest, ShowingTabsAfterPagesWereAddedGivesEveryPageATab)
{
    MakeTabs(3, 300, false);
    m_pTabs->SetTabsShown(true);
    EXPECT_EQ(m_pTabs->GetTabRectCount(), 3u);
    EXPECT_EQ(m_pTabs->GetPage(2)->GetRect().top, TAB_ROW);
    EXPECT_EQ(m_pTabs->GetPage(2)->GetHeight(), 200 - TAB_ROW);
    m_pTabs->SetTabsShown(false);
    EXPECT_EQ(m_pTabs->GetTabRectCount(), 0u);
}

TEST_F(TabControlTest, APageThatClosesItselfIsForgottenAndTheFirstRemainingTakesItsPlace)
{
    MakeTabs(3);
    m_pTabs->GetPage(2)->Destroy();
    ASSERT_EQ(m_pTabs->GetPageCount(), 2);
    EXPECT_EQ(m_pTabs->GetTabRectCount(), 2u);
    EXPECT_EQ(m_pTabs->GetCurrentPage(), 0);
    EXPECT_EQ(Visibility(), (std::vector<bool>{true, false}));
    EXPECT_TRUE(CtrlTab(false));
    EXPECT_EQ(m_pTabs->GetCurrentPage(), 1);

    // A page behind the current one only moves the current index.
    m_pTabs->GetPage(0)->Destroy();
    EXPECT_EQ(m_pTabs->GetCurrentPage(), 0);
    m_pTabs->GetPage(0)->Destroy();
    EXPECT_EQ(m_pTabs->GetCurrentPage(), -1);
    // Without pages Ctrl+Tab is left to others.
    EXPECT_FALSE(CtrlTab(false));
    m_pTabs->SelectPage(0);
    EXPECT_EQ(m_pTabs->GetCurrentPage(), -1);
}

TEST_F(TabControlTest, TabsBehindTheCurrentOneAreFadedWhileTheyAreDrawn)
{
    MakeTabs(3, 240);
    m_pTabs->SelectPage(1);
    CBlitTransparentMask& mask = GetBlitTransparentMask();
    mask.SetOpacity(1.0f);
    CRecordingFrame frame;
    frame.bounds = CRect{0, 0, 240, 200};
    m_pTabs->Draw(frame);
    EXPECT_EQ(mask.GetOpacity(), 1.0f);

    // Where each caption's first glyph lands: the current tab's inset by
    // its bevel (70 + 9 + 1), the squeezed ones by nothing (left + 1).
    std::vector<std::pair<int32_t, float>> starts;
    for (const CRecordingFrame::Call& call : frame.calls)
    {
        const int32_t x = static_cast<int32_t>(call.x0);
        if (call.kind == CRecordingFrame::BLIT && call.blitType == &mask && (x == 1 || x == 80 || x == 141))
            starts.emplace_back(x, call.opacity);
    }
    EXPECT_EQ(starts, (std::vector<std::pair<int32_t, float>>{{1, 0.8f}, {80, 1.0f}, {141, 0.8f}}));
}
