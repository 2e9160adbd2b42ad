#pragma once

#include <cstdint>

#include "engine/graphics/slides/slide_show_input.h"
#include "engine/platform/tick_counter.h"

// While it lives, slide shows run through at once and alike on every run:
// the clock moves 10 ms at every reading, nothing is ever pressed and the
// pump does nothing.
class ScopedQuickSlideShows
{
public:
    ScopedQuickSlideShows();
    ~ScopedQuickSlideShows();
    ScopedQuickSlideShows(const ScopedQuickSlideShows&) = delete;
    ScopedQuickSlideShows& operator=(const ScopedQuickSlideShows&) = delete;

private:
    NanosecondClock m_PreviousClock;
    CSlideShowInput m_PreviousInput;
};

// A pixel of the screen's back buffer, locked for the reading.
uint32_t ReadScreenPixel(int32_t x, int32_t y);
