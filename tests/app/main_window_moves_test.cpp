#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "engine/app/main_window.h"
#include "engine/app/main_window_proc.h"
#include "engine/core/program/main_window.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/screen_frame.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// The program's window on the headless video driver over a test display,
// moved about by a window manager.
class MainWindowMoves : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        GetGeneralSettings().SetFileName((m_Temp.Path() + "Game.CFG").c_str());
        ASSERT_TRUE(CreateMainWindow()) << SDL_GetError();
        m_Display.SetModes({{800, 600, 16}});
    }

    void TearDown() override
    {
        GetScreenFrame()->ReleaseDirectDraw();
        SDL_Quit();
        SetMainWindow(nullptr);
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
    }

    ScopedTempFolder m_Temp;
    std::string m_PreviousSettings;
    FakeDisplayDevice m_Display;
};

TEST_F(MainWindowMoves, AFullScreenWindowMovedAwayGoesBackToTheCornerAWindowedOneStays)
{
    const struct
    {
        const char* what;
        bool modeSet;
        bool fullScreen;
        int x, y;
    } cases[] = {
        {"no mode yet", false, true, 40, 30},
        {"full screen", true, true, 0, 0},
        {"windowed", true, false, 40, 30},
    };
    CScreenFrame* screen = GetScreenFrame();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.modeSet)
            screen->SetFullScreen(c.fullScreen);
        ASSERT_EQ(screen->IsModeSet(), c.modeSet);
        SDL_SetWindowPosition(GetMainWindow(), 40, 30);
        SystemEvent moved = {};
        moved.kind = SystemEventKind::WindowMovedOrSized;
        MainWindowProc(moved);
        int x = -1;
        int y = -1;
        SDL_GetWindowPosition(GetMainWindow(), &x, &y);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(GetMainWindow(), &width, &height);
        EXPECT_EQ(width, 800);
        EXPECT_EQ(height, 600);
    }
}

} // namespace
