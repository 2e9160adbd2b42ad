#include <gtest/gtest.h>

#include "engine/app/input/mouse_state.h"
#include "engine/ui/skin_theme.h"
#include "tests/support/window_test_tree.h"

// Placement codes, growth and row layout. The parent is 300 x 200 with a
// title 20 high, margin 6 and spacing 9 from its theme; the harness font
// makes one dialog unit 3 pixels.

namespace {
class CSpacedTheme : public CJWindowClassicTheme
{
public:
    void ApplyToWindow(CJWindow* window, CJWindow* parent) override
    {
        if (parent != nullptr)
            window->SetFont(parent->GetFont());
        window->SetMargin(6);
        window->SetSpacing(9);
    }
};

class CTitledWindow : public CJWindow
{
public:
    explicit CTitledWindow(CJWindow* parent)
        : CJWindow(parent)
    {
    }
    int32_t GetTitleHeight() const override { return 20; }
};

class WindowPlacement : public testing::Test
{
protected:
    void SetUp() override
    {
        CSkinTheme::SetDefaultTheme(&m_Theme);
        m_pParent = new CTitledWindow(nullptr);
        m_pParent->SetRect({0, 0, 300, 200});
        m_Tree.Root().AddChild(m_pParent);
        m_pAnchor = new CJWindow(m_pParent);
        m_pAnchor->SetRect({10, 10, 60, 30});
        m_pParent->AddChild(m_pAnchor, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP,
                            CJWindow::PLACE_NO_GROWTH);
    }

    // A 40 x 20 window linked after the anchor, placed by the code.
    CJWindow* PlaceNew(int32_t code, CJWindow* anchor, int32_t x = CJWindow::DEFAULT_GAP,
                       int32_t y = CJWindow::DEFAULT_GAP, int32_t flags = CJWindow::PLACE_NO_GROWTH)
    {
        CJWindow* window = new CJWindow(m_pParent);
        window->SetRect({1, 2, 41, 22});
        m_pParent->AddChild(window, code, anchor, x, y, flags);
        return window;
    }

    CWindowTestTree m_Tree;
    CSpacedTheme m_Theme;
    CJWindow* m_pParent = nullptr;
    CJWindow* m_pAnchor = nullptr;
};

struct PlaceCase
{
    int32_t code;
    CRect rect;
};

TEST_F(WindowPlacement, EveryCodePlacesByTheParentTheAnchorOrThePointer)
{
    ASSERT_EQ(m_pParent->GetDialogUnit(), 3);
    ASSERT_EQ(m_pParent->GetMargin(), 6);
    const PlaceCase cases[] = {
        {0, {1, 2, 41, 22}},       {1, {6, 26, 46, 46}},    {2, {254, 26, 294, 46}},  {3, {254, 6, 294, 26}},
        {4, {254, 174, 294, 194}}, {5, {9, 29, 49, 49}},    {6, {130, 90, 170, 110}}, {7, {10, 39, 50, 59}},
        {8, {10, 39, 50, 59}},     {9, {20, 39, 60, 59}},   {10, {20, 39, 60, 59}},   {11, {130, 39, 170, 59}},
        {12, {130, 39, 170, 59}},  {13, {69, 10, 109, 30}}, {14, {69, 10, 109, 30}},  {15, {69, 10, 109, 30}},
        {16, {69, 10, 109, 30}},   {17, {69, 10, 109, 30}}, {18, {69, 10, 109, 30}},  {19, {300, 0, 340, 200}},
        {20, {-39, 10, 1, 30}},    {21, {-39, 10, 1, 30}},  {22, {0, 1, 40, 21}},     {23, {6, 174, 46, 194}},
        {24, {15, -19, 55, 1}},    {25, {15, -19, 55, 1}},  {26, {15, 10, 55, 30}},   {27, {15, 10, 55, 30}},
        {28, {1, 2, 41, 22}},
    };
    for (const PlaceCase& c : cases)
    {
        // The anchor is also the previous sibling of the placed window.
        CJWindow* window = PlaceNew(c.code, m_pAnchor);
        EXPECT_EQ(RectText(window->GetRect()), RectText(c.rect)) << "code " << c.code;
        window->Destroy();
    }
    EXPECT_EQ(RectText(m_pParent->GetRect()), "(0,0,300,200)");
}

TEST_F(WindowPlacement, CodesWithoutTheirAnchorFallBackToCodeOne)
{
    m_pParent->RemoveChild(m_pAnchor);
    for (int32_t code : {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 24, 25, 26, 27})
    {
        CJWindow* window = PlaceNew(code, nullptr);
        EXPECT_EQ(RectText(window->GetRect()), "(6,26,46,46)") << "code " << code;
        window->Destroy();
    }
    m_pAnchor->Destroy();
}

TEST_F(WindowPlacement, GapsAreDialogUnitsUnlessFlaggedAsPixels)
{
    EXPECT_EQ(RectText(PlaceNew(1, nullptr, 2, 1)->GetRect()), "(6,23,46,43)");
    EXPECT_EQ(RectText(PlaceNew(1, nullptr, 2, 1, 1 | CJWindow::PLACE_GAPS_IN_PIXELS)->GetRect()), "(2,21,42,41)");
}

TEST_F(WindowPlacement, CodeFiveClampsIntoTheParentWhenFlagged)
{
    EXPECT_EQ(RectText(PlaceNew(5, nullptr, 100, 100, 1 | CJWindow::PLACE_CLAMP_INTO_PARENT)->GetRect()),
              "(260,180,300,200)");
    CJWindow* wide = new CJWindow(m_pParent);
    wide->SetRect({0, 0, 400, 20});
    m_pParent->AddChild(wide, 5, nullptr, -5, -5, 1 | CJWindow::PLACE_CLAMP_INTO_PARENT);
    EXPECT_EQ(RectText(wide->GetRect()), "(0,5,400,25)");
}

TEST_F(WindowPlacement, CodeSixLinesATallWindowUpWithTheVisibleBottom)
{
    CJWindow* tall = new CJWindow(m_pParent);
    tall->SetRect({0, 0, 40, 260});
    m_pParent->AddChild(tall, 6, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 1);
    EXPECT_EQ(RectText(tall->GetRect()), "(130,-60,170,200)");
}

TEST_F(WindowPlacement, CodeTwentyTwoOpensAtThePointerAndMovesItAlongWhenPushed)
{
    CJWindow* menuParent = new CJWindow(nullptr);
    menuParent->SetRect({0, 0, 100, 100});
    m_Tree.Root().AddChild(menuParent);
    m_Tree.MoveMouse(90, 50);
    CJWindow* menu = new CJWindow(menuParent);
    menu->SetRect({0, 0, 40, 20});
    menuParent->AddChild(menu, 22, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 1);
    EXPECT_EQ(RectText(menu->GetRect()), "(60,51,100,71)");
    CPoint pointer = GetMouseState().GetPosition();
    EXPECT_EQ(pointer.x, 60);
    EXPECT_EQ(pointer.y, 50);

    // Near the screen's right edge the window opens left of the pointer.
    m_Tree.MoveMouse(790, 300);
    CJWindow* edge = new CJWindow(nullptr);
    edge->SetRect({0, 0, 40, 20});
    m_Tree.Root().AddChild(edge, 22);
    EXPECT_EQ(RectText(edge->GetRect()), "(750,301,790,321)");
}

TEST_F(WindowPlacement, CodeTwentyTwoNeverFlipsWithoutARoot)
{
    GetMouseState().SetPosition(290, 10);
    CJWindow* detached = new CJWindow(nullptr);
    detached->SetRect({0, 0, 300, 300});
    CJWindow* menu = new CJWindow(detached);
    menu->SetRect({0, 0, 40, 20});
    detached->AddChild(menu, 22, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 1);
    EXPECT_EQ(RectText(menu->GetRect()), "(260,11,300,31)");
    EXPECT_EQ(GetMouseState().GetPosition().x, 260);
    detached->Destroy();
}

TEST_F(WindowPlacement, GrowthClimbsToTheTopAndStopsAtTheRoot)
{
    CSkinTheme::SetDefaultTheme(nullptr);
    CJWindow* outer = new CJWindow(nullptr);
    outer->SetRect({0, 0, 50, 50});
    m_Tree.Root().AddChild(outer);
    CJWindow* inner = new CJWindow(outer);
    inner->SetRect({0, 0, 30, 30});
    outer->AddChild(inner);
    CJWindow* child = new CJWindow(inner);
    child->SetRect({0, 0, 40, 40});
    inner->AddChild(child);
    // Margin 4 units of 3 pixels at each level.
    EXPECT_EQ(RectText(inner->GetRect()), "(0,0,52,52)");
    EXPECT_EQ(RectText(outer->GetRect()), "(0,0,64,64)");

    CJWindow* huge = new CJWindow(nullptr);
    huge->SetRect({0, 0, 900, 700});
    m_Tree.Root().AddChild(huge);
    EXPECT_EQ(RectText(m_Tree.Root().GetRect()), "(0,0,800,600)");

    CJWindow* exact = new CJWindow(inner);
    exact->SetRect({0, 0, 70, 60});
    inner->AddChild(exact, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP,
                    CJWindow::PLACE_GROW_WITHOUT_MARGIN);
    EXPECT_EQ(RectText(inner->GetRect()), "(0,0,70,60)");
}

TEST_F(WindowPlacement, RowsAreCentredAndWidthsEqualized)
{
    CJWindow* box = new CJWindow(nullptr);
    box->SetRect({0, 0, 300, 100});
    m_Tree.Root().AddChild(box);
    CJWindow* buttons[3];
    const int32_t widths[] = {40, 60, 50};
    for (int32_t i = 0; i < 3; ++i)
    {
        buttons[i] = new CJWindow(box);
        buttons[i]->SetRect({100 * i, 0, 100 * i + widths[i], 20});
        box->AddChild(buttons[i], 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 1);
    }
    box->ArrangeRow(buttons[0], buttons[2], 0, true, false, -999);
    EXPECT_EQ(RectText(buttons[0]->GetRect()), "(66,74,106,94)");
    EXPECT_EQ(RectText(buttons[1]->GetRect()), "(115,74,175,94)");
    EXPECT_EQ(RectText(buttons[2]->GetRect()), "(184,74,234,94)");

    for (int32_t i = 0; i < 3; ++i)
        buttons[i]->SetRect({100 * i, 0, 100 * i + widths[i], 20});
    CJWindow::EqualizeWidths(buttons[0], buttons[2], 1);
    EXPECT_EQ(RectText(buttons[0]->GetRect()), "(-10,0,50,20)");
    EXPECT_EQ(RectText(buttons[1]->GetRect()), "(100,0,160,20)");
    EXPECT_EQ(RectText(buttons[2]->GetRect()), "(195,0,255,20)");
}

TEST_F(WindowPlacement, HasDescendantWithRectSearchesSubtreesAndSkipsTheExcepted)
{
    CJWindow* deep = new CJWindow(m_pAnchor);
    deep->SetRect({5, 5, 15, 15});
    m_pAnchor->AddChild(deep, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 1);
    EXPECT_TRUE(m_pParent->HasDescendantWithRect({15, 15, 25, 25}, nullptr));
    EXPECT_FALSE(m_pParent->HasDescendantWithRect({15, 15, 25, 25}, m_pAnchor));
    EXPECT_TRUE(m_pParent->HasDescendantWithRect({10, 10, 60, 30}, nullptr));
    EXPECT_FALSE(m_pParent->HasDescendantWithRect({10, 10, 60, 31}, nullptr));
}
} // namespace
