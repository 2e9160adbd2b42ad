#include "tests/support/quick_slide_shows.h"

#include "engine/graphics/screen_frame.h"
#include "tests/support/frame_pixels.h"

namespace {

int64_t s_Now = 0;
int64_t ReadSteppingClock()
{
    s_Now += 10'000'000;
    return s_Now;
}

} // namespace

ScopedQuickSlideShows::ScopedQuickSlideShows()
    : m_PreviousClock(SetNanosecondClock(ReadSteppingClock))
    , m_PreviousInput(GetSlideShowInput())
{
    CSlideShowInput& input = GetSlideShowInput();
    input.PumpEvents = []() {};
    input.TakeAnyPressedKey = []() { return false; };
    input.GetMouseButtonsDown = []() -> uint32_t { return 0; };
}

ScopedQuickSlideShows::~ScopedQuickSlideShows()
{
    GetSlideShowInput() = m_PreviousInput;
    SetNanosecondClock(m_PreviousClock);
}

uint32_t ReadScreenPixel(int32_t x, int32_t y)
{
    CScreenFrame& screen = *GetScreenFrame();
    screen.LockBackBuffer();
    const uint32_t value = ReadPixel(screen, x, y);
    screen.UnlockBackBuffer();
    return value;
}
