#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"

// Scroll bars are this thick, across every window.
constexpr int32_t SCROLL_BAR_THICKNESS = 15;

// Which automatic scroll bars a window shows and where: a bar shows when
// the content does not fit and the window is large enough to hold it;
// needing one bar can bring the other. Rects are in the window's local
// coordinates before the scroll offset; a maximum is how far the content
// scrolls.
struct CScrollBarLayout
{
    bool m_Vertical = false;
    bool m_Horizontal = false;
    CRect m_VerticalRect{0, 0, 0, 0};
    CRect m_HorizontalRect{0, 0, 0, 0};
    int32_t m_VerticalMaximum = 0;
    int32_t m_HorizontalMaximum = 0;
};

CScrollBarLayout LayOutScrollBars(int32_t width, int32_t height, int32_t contentWidth, int32_t contentHeight,
                                  int32_t titleHeight, int32_t leftInset);
