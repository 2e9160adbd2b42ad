#include <gtest/gtest.h>

#include "engine/graphics/fonts/font.h"
#include "engine/ui/tab_control.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/window_test_tree.h"

// A tab control whose captions do not fit, drawn into a small 16-bit frame
// in DejaVu Sans and checked by the CRC of the screenshot file: the
// current tab covers its neighbours, the others are lower, faded and
// clipped where the next one starts. A scene that differs is kept in
// build/test-out for a look.

namespace {
class TabControlScreenshot : public FontTestFolder
{
protected:
    CFont m_Font;
};
} // namespace

TEST_F(TabControlScreenshot, SqueezedTabsLookAsBefore)
{
    CWindowTestTree tree(240, 90);
    // A grey ground in DejaVu, on which the translucent bevel shades show.
    CProbeWindow* holder = tree.AddProbe(&tree.Root(), "holder", tree.Root().GetRect());
    holder->SetFont(&m_Font);
    holder->Paint().fills = true;
    holder->Paint().fill = CColor(160, 160, 160, 255);
    CJTabControl* tabs = new CJTabControl(holder);
    holder->AddChild(tabs);
    const char* captions[] = {"General", "Sound and music", "Controls"};
    for (const char* caption : captions)
    {
        CProbeWindow* page = new CProbeWindow(tabs, caption, tree.Log(), caption);
        page->Paint().fills = true;
        page->Paint().fill = CColor(90, 110, 130, 255);
        tabs->AddPage(page);
    }
    tabs->SetRectXYWH(4, 4, 160, 80);
    tabs->SelectPage(1);
    tree.DrawTree();
    ASSERT_GT(tabs->GetOverlap(), 0);
    EXPECT_EQ(FrameTgaCrc(tree.Frame(), "squeezed_tabs", 3202548310u), 3202548310u);
}
