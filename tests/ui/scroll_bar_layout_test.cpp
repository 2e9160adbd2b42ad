#include <gtest/gtest.h>

#include "engine/ui/scroll_bar_layout.h"
#include "tests/support/window_test_tree.h"

TEST(ScrollBarLayout, BarsShowWhenTheContentDoesNotFitAndTheWindowCanHoldThem)
{
    struct Case
    {
        const char* name;
        int32_t width, height, contentWidth, contentHeight;
        bool vertical, horizontal;
    };
    const Case cases[] = {
        {"ten wider: horizontal only", 200, 100, 210, 80, false, true},
        {"wider and as tall: both", 200, 100, 210, 100, true, true},
        {"taller only", 200, 100, 150, 300, true, false},
        {"fits", 200, 100, 200, 100, false, false},
        {"40 high never vertical", 200, 40, 300, 400, false, true},
        {"too narrow for a vertical bar", 30, 200, 60, 400, false, false},
    };
    for (const Case& c : cases)
    {
        CScrollBarLayout layout = LayOutScrollBars(c.width, c.height, c.contentWidth, c.contentHeight, 0, 0);
        EXPECT_EQ(layout.m_Vertical, c.vertical) << c.name;
        EXPECT_EQ(layout.m_Horizontal, c.horizontal) << c.name;
    }
}

TEST(ScrollBarLayout, RectsAndRangesLeaveRoomForTheTitleTheInsetAndTheOtherBar)
{
    CScrollBarLayout both = LayOutScrollBars(200, 100, 300, 400, 12, 7);
    ASSERT_TRUE(both.m_Vertical && both.m_Horizontal);
    EXPECT_EQ(RectText(both.m_VerticalRect), RectText({185, 12, 200, 85}));
    EXPECT_EQ(RectText(both.m_HorizontalRect), RectText({7, 85, 185, 100}));
    EXPECT_EQ(both.m_VerticalMaximum, 400 + 12 + 15 - 100);
    EXPECT_EQ(both.m_HorizontalMaximum, 300 + 7 + 15 - 200);

    CScrollBarLayout vertical = LayOutScrollBars(200, 100, 150, 300, 12, 7);
    ASSERT_TRUE(vertical.m_Vertical && !vertical.m_Horizontal);
    EXPECT_EQ(RectText(vertical.m_VerticalRect), RectText({185, 12, 200, 100}));
    EXPECT_EQ(vertical.m_VerticalMaximum, 300 + 12 - 100);
}
