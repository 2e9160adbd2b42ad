#include "engine/ui/scroll_bar_layout.h"

CScrollBarLayout LayOutScrollBars(int32_t width, int32_t height, int32_t contentWidth, int32_t contentHeight,
                                  int32_t titleHeight, int32_t leftInset)
{
    constexpr int32_t BAR = SCROLL_BAR_THICKNESS;
    bool needVertical = height < contentHeight || (height < contentHeight + BAR && width < contentWidth);
    bool needHorizontal = width < contentWidth + (needVertical ? BAR : 0);

    CScrollBarLayout layout;
    layout.m_Vertical =
        needVertical && width > (needHorizontal ? 2 * BAR : BAR) && height > (needHorizontal ? 4 * BAR : 3 * BAR);
    layout.m_Horizontal =
        needHorizontal && height > (needVertical ? 2 * BAR : BAR) && width > (needVertical ? 4 * BAR : 3 * BAR);

    int32_t verticalShare = layout.m_Vertical ? BAR : 0;
    int32_t horizontalShare = layout.m_Horizontal ? BAR : 0;
    if (layout.m_Vertical)
    {
        layout.m_VerticalRect = CRect{width - BAR, titleHeight, width, height - horizontalShare};
        layout.m_VerticalMaximum = contentHeight + titleHeight + horizontalShare - height;
    }
    if (layout.m_Horizontal)
    {
        layout.m_HorizontalRect = CRect{leftInset, height - BAR, width - verticalShare, height};
        layout.m_HorizontalMaximum = contentWidth + leftInset + verticalShare - width;
    }
    return layout;
}
