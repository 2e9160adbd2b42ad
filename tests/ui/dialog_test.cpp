#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/app/input/mouse_state.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/dialog.h"
#include "engine/ui/input_capture_window.h"
#include "engine/ui/panel.h"
#include "engine/ui/resize_control.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/grey_palette.h"
#include "tests/support/window_test_tree.h"

// Dialog frames: titles, dragging, edge resizing, the grip, the corner
// buttons, panels and tool windows. One dialog unit of the harness font is
// 3 pixels; every cursor table entry holds its own sequence so that the
// shapes can be told apart.

namespace {
class Dialogs : public FontTestFolder
{
protected:
    void SetUp() override
    {
        FontTestFolder::SetUp();
        m_pTree = std::make_unique<CWindowTestTree>();
        for (size_t i = 0; i < m_Cursors.size(); ++i)
            GetToolkitState().m_CursorTable[i] = &m_Cursors[i];
    }
    void TearDown() override
    {
        m_pTree.reset();
        FontTestFolder::TearDown();
    }

    // A titled dialog at (100, 100), 200 x 100 unless told.
    CJDialog* AddDialog(const char* title, CRect rect = {100, 100, 300, 200})
    {
        CJDialog* dialog = new CJDialog(&m_pTree->Root(), title);
        m_pTree->Root().AddChild(dialog);
        dialog->SetRect(rect);
        return dialog;
    }

    const CSequence* Cursor(int32_t entry) const { return &m_Cursors[static_cast<size_t>(entry)]; }

    std::unique_ptr<CWindowTestTree> m_pTree;
    std::array<CSequence, CURSOR_TABLE_SIZE> m_Cursors;
    CFont m_DejaVu;
};
} // namespace

TEST_F(Dialogs, TheTitleTakesTheFontHeightFourUnitsAndTwoPixels)
{
    EXPECT_EQ(AddDialog("Pause")->GetTitleHeight(), 15 + 4 * 3 + 2);
    EXPECT_EQ(AddDialog("")->GetTitleHeight(), 0);
}

TEST_F(Dialogs, ABodyPressDragsAMovableDialogAndAnInputCaptureWindowStaysButTakesThePress)
{
    CJDialog* dialog = AddDialog("Move");
    m_pTree->Press(0, 150, 150);
    m_pTree->MoveMouse(170, 140);
    m_pTree->Release(0, 170, 140);
    EXPECT_EQ(RectText(dialog->GetRect()), RectText({120, 90, 320, 190}));

    CJInputCaptureWindow* screen = new CJInputCaptureWindow(&m_pTree->Root(), "Screen");
    m_pTree->Root().AddChildFront(screen);
    screen->SetRect({400, 300, 600, 400});
    CProbeWindow* behind = m_pTree->AddProbe(&m_pTree->Root(), "behind", {0, 0, 800, 600});
    m_pTree->Press(0, 450, 350);
    m_pTree->MoveMouse(470, 370);
    m_pTree->Release(0, 470, 370);
    EXPECT_EQ(RectText(screen->GetRect()), RectText({400, 300, 600, 400}));
    EXPECT_EQ(std::count(m_pTree->Log().begin(), m_pTree->Log().end(), "behind.MouseDown(0)"), 0);
    m_pTree->Press(0, 700, 500);
    EXPECT_EQ(std::count(m_pTree->Log().begin(), m_pTree->Log().end(), "behind.MouseDown(0)"), 1);
    m_pTree->Release(0, 700, 500);
    behind->Destroy();
}

TEST_F(Dialogs, EdgeHitTestWidensCornersAndTheCursorsFollowTheMask)
{
    CJDialog* dialog = AddDialog("Edges", {0, 0, 100, 60});
    dialog->AddResizeGrip();
    dialog->SetRect({0, 0, 100, 60});
    struct Case
    {
        CPoint point;
        int32_t mask;
        int32_t hoverCursor;
    };
    // Edges 2 units (6 pixels) wide; corners widen them to 6 units.
    const Case cases[] = {
        {{3, 30}, 1, 7},  {{97, 30}, 4, 7}, {{50, 3}, 2, 9},  {{50, 57}, 8, 9},   {{50, 30}, 0, 0},
        {{3, 3}, 3, 11},  {{15, 3}, 3, 11}, {{3, 15}, 3, 11}, {{90, 57}, 12, 11}, {{97, 50}, 12, 11},
        {{90, 3}, 6, 13}, {{3, 50}, 9, 13}, {{30, 3}, 2, 9},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(dialog->EdgeHitTest(c.point), c.mask) << c.point.x << "," << c.point.y;
        EXPECT_EQ(dialog->GetCursor(c.point), Cursor(c.hoverCursor)) << c.point.x << "," << c.point.y;
        CDeferredDestroyScope scope;
        const CSequence* dragging = nullptr;
        dialog->TrackMouse(c.point, CPoint{0, 0}, 1, dragging);
        if (c.mask != 0)
        {
            EXPECT_EQ(dragging, Cursor(c.hoverCursor + 1)) << c.point.x << "," << c.point.y;
        }
    }
    // Narrower than 4 units: both side edges at once, which is no edge shape.
    CJDialog* narrow = AddDialog("", {0, 0, 10, 60});
    narrow->AddResizeGrip();
    EXPECT_EQ(narrow->EdgeHitTest(CPoint{5, 30}), 5);
    EXPECT_EQ(narrow->GetCursor(CPoint{5, 30}), Cursor(0));
}

TEST_F(Dialogs, ALeftEdgeDraggedPastTheMinimumKeepsTheRightEdgeAndThePointerOnTheEdge)
{
    CJDialog* dialog = AddDialog("", {100, 100, 140, 140});
    dialog->AddResizeGrip();
    m_pTree->Press(0, 101, 120);
    m_pTree->MoveMouse(201, 120);
    EXPECT_EQ(RectText(dialog->GetRect()), RectText({130, 100, 140, 140}));
    EXPECT_EQ(GetMouseState().GetPosition().x, 131);
    m_pTree->Release(0, 131, 120);
}

TEST_F(Dialogs, TheGripGrowsTheRightAndBottomEdgesAndWithoutGripNothingResizes)
{
    CJDialog* dialog = AddDialog("", {100, 100, 200, 200});
    dialog->SetFont(&m_DejaVu);
    dialog->AddResizeGrip();
    CJResizeControl* grip = dialog->GetResizeGrip();
    ASSERT_GT(grip->GetWidth(), 0);
    EXPECT_EQ(grip->GetWidth(), grip->GetHeight());
    EXPECT_EQ(grip->GetWidth(), m_DejaVu.GetCharWidth(0x2044));
    CRect gripRect = grip->GetScreenRect();
    CPoint start{gripRect.left + 1, gripRect.top + 1};
    m_pTree->Press(0, start.x, start.y);
    m_pTree->MoveMouse(start.x + 20, start.y + 10);
    m_pTree->Release(0, start.x + 20, start.y + 10);
    EXPECT_EQ(RectText(dialog->GetRect()), RectText({100, 100, 220, 210}));

    CJDialog* fixed = AddDialog("", {400, 100, 500, 200});
    EXPECT_EQ(fixed->GetCursor(CPoint{1, 50}), Cursor(0));
    m_pTree->Press(0, 401, 150);
    m_pTree->MoveMouse(381, 150);
    m_pTree->Release(0, 381, 150);
    // Without a grip the edge press is a body drag.
    EXPECT_EQ(RectText(fixed->GetRect()), RectText({380, 100, 480, 200}));
}

TEST_F(Dialogs, ASmallDialogWithAGripStopsAtTenByTen)
{
    CJDialog* dialog = AddDialog("", {100, 100, 104, 104});
    dialog->AddResizeGrip();
    dialog->SetRect({100, 100, 104, 104});
    EXPECT_EQ(RectText(dialog->GetRect()), RectText({100, 100, 110, 110}));
}

TEST_F(Dialogs, TheSwitchTogglesTheWholeSubtreeAndShowsIt)
{
    CJDialog* dialog = AddDialog("Switch");
    dialog->AddCloseBox();
    dialog->AddTransparencyToggle();
    CProbeWindow* inner = m_pTree->AddProbe(dialog, "inner", {10, 40, 30, 60});
    CJLatchButton* toggle = dialog->GetTransparencySwitch();
    CJButton* close = dialog->GetCloseBox();
    EXPECT_EQ(close->GetWidth(), 13);
    EXPECT_EQ(toggle->GetRect().right, close->GetRect().left - 5);
    toggle->Click();
    EXPECT_TRUE(dialog->IsTransparent());
    EXPECT_TRUE(inner->IsTransparent());
    EXPECT_EQ(toggle->GetChecked(), 1);
    toggle->Click();
    EXPECT_FALSE(inner->IsTransparent());
    EXPECT_EQ(toggle->GetChecked(), 0);
}

TEST_F(Dialogs, TheCloseBoxClosesItsDialog)
{
    CJDialog* dialog = AddDialog("Close");
    dialog->AddCloseBox();
    CProbeWindow* inner = m_pTree->AddProbe(dialog, "inner", {10, 40, 30, 60});
    (void)inner;
    CRect box = dialog->GetCloseBox()->GetScreenRect();
    m_pTree->Press(0, box.left + 2, box.top + 2);
    m_pTree->Release(0, box.left + 2, box.top + 2);
    EXPECT_EQ(std::count(m_pTree->Log().begin(), m_pTree->Log().end(), "inner.~"), 1);
}

TEST_F(Dialogs, ClipboardShortcutsOverAPanelReachOnlyItsFrontChild)
{
    CJPanel* panel = new CJPanel(&m_pTree->Root());
    m_pTree->Root().AddChild(panel);
    panel->SetRect({0, 0, 200, 200});
    CProbeWindow* back = m_pTree->AddProbe(panel, "back", {0, 0, 50, 50});
    CProbeWindow* front = m_pTree->AddProbe(panel, "front", {60, 0, 110, 50});
    panel->BringToFront(front);
    front->Answer(ProbeCall::Copy, true);
    back->Answer(ProbeCall::Copy, true);
    EXPECT_TRUE(panel->Copy(true));
    EXPECT_EQ(std::count(m_pTree->Log().begin(), m_pTree->Log().end(), "front.Copy(1)"), 1);
    EXPECT_EQ(std::count(m_pTree->Log().begin(), m_pTree->Log().end(), "back.Copy(1)"), 0);
    CJPanel* empty = new CJPanel(&m_pTree->Root());
    m_pTree->Root().AddChild(empty);
    EXPECT_FALSE(empty->Paste(true));
}

TEST_F(Dialogs, ToolWindowsInsetTheirClientByEightUnitsBesideTheGripBar)
{
    CJToolWindow* left = new CJToolWindow(&m_pTree->Root(), 0);
    CJToolWindow* top = new CJToolWindow(&m_pTree->Root(), 1);
    m_pTree->Root().AddChild(left);
    m_pTree->Root().AddChild(top);
    EXPECT_EQ(left->GetLeftInset(), 24);
    EXPECT_EQ(left->GetTitleHeight(), 0);
    EXPECT_EQ(top->GetLeftInset(), 0);
    EXPECT_EQ(top->GetTitleHeight(), 24);
    EXPECT_EQ(left->GetMargin(), 6);
    EXPECT_EQ(left->GetSpacing(), 3);
}

TEST_F(Dialogs, OnAnEightBitFrameTheTitleSeparatorRemapsThroughThePaletteOrStaysWithoutOne)
{
    CJDialog* dialog = AddDialog("Pause");
    const int32_t fontHeight = dialog->GetFont()->GetHeight();
    const int32_t darkRow = fontHeight + (fontHeight / 5) * 4 + 1;
    auto draw = [dialog](CFrame& frame) {
        frame.Create(dialog->GetWidth(), dialog->GetHeight(), 8);
        frame.FillBytes(100);
        dialog->Draw(frame);
    };
    // Without a palette there are no tables: the rows keep what lies under
    // them.
    GetToolkitState().m_BevelShades = CBevelShades();
    CFrame plain;
    draw(plain);
    CFrame remapped;
    std::vector<uint8_t> dark;
    std::vector<uint8_t> light;
    {
        ScopedGreyPalette grey;
        dark = GetToolkitState().m_BevelShades.m_RemapTables[BEVEL_SHADE_DARK];
        light = GetToolkitState().m_BevelShades.m_RemapTables[BEVEL_SHADE_LIGHT];
        draw(remapped);
    }
    ASSERT_EQ(dark.size(), 256u);
    ASSERT_EQ(light.size(), 256u);
    const uint32_t under = ReadPixel(plain, 100, darkRow);
    ASSERT_NE(dark[under], under);
    for (int32_t x = 20; x < 180; x += 7)
    {
        EXPECT_EQ(ReadPixel(remapped, x, darkRow), dark[ReadPixel(plain, x, darkRow)]) << x;
        EXPECT_EQ(ReadPixel(remapped, x, darkRow + 1), light[ReadPixel(plain, x, darkRow + 1)]) << x;
    }
}
