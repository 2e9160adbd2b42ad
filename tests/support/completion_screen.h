#pragma once

#include <string>

#include "engine/graphics/dirty_rect_frame.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/quick_slide_shows.h"

// What a completion picture needs to show and be kept: a fake 800 x 600
// screen over the test palettes, a settings file of the test's own, slide
// shows that run through at once and the 800 x 600 frame the playfield's
// hooks hand out as the game's draw frame (ScopedPlayfieldHooks must live
// longer). The test adds its pictures to the frame list; they go with it.
class ScopedCompletionScreen
{
public:
    explicit ScopedCompletionScreen(const std::string& settingsFile);
    ~ScopedCompletionScreen();
    ScopedCompletionScreen(const ScopedCompletionScreen&) = delete;
    ScopedCompletionScreen& operator=(const ScopedCompletionScreen&) = delete;

    // Whether the screen took its mode.
    bool IsReady() const { return m_Ready; }
    CDirtyRectFrame& GetDrawFrame() { return m_DrawFrame; }

private:
    FakeDisplayDevice m_Display;
    ScopedQuickSlideShows m_QuickSlideShows;
    std::string m_PreviousSettings;
    CDirtyRectFrame m_DrawFrame;
    bool m_Ready = false;
};
