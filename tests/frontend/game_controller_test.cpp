#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "engine/app/game_services.h"
#include "engine/core/color/color.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/slide_show.h"
#include "game/frontend/game_controller.h"
#include "tests/support/brick_data.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/font_strip_files.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/quick_slide_shows.h"

namespace {

// The engine as it stands, without a sound device.
class CSilentServices : public CGameServices
{
public:
    bool StartSound(const char*) override { return false; }
    void StopSoundCallbacks() override {}
    void ShutDownSound() override {}
};

// The controller started over a program folder holding the company logo
// with its overlay text, on a fake 800 x 600 16-bit screen whose clock
// moves 10 ms at every reading.
class GameControllerTest : public FontTestFolder
{
protected:
    void SetUp() override
    {
        FontTestFolder::SetUp();
        // The start-up mounts the data itself.
        SetDataFolder(".");
        setenv("XDG_CONFIG_HOME", Absolute("config").c_str(), 1);
        m_PreviousServices = SetGameServices(&m_Services);
        m_Display.SetModes({{800, 600, 16}});
        WriteStartUpBrickStyles(Absolute("Data"));
    }

    void TearDown() override
    {
        GetScreenFrame()->ReleaseDirectDraw();
        SetGameServices(m_PreviousServices);
        FontTestFolder::TearDown();
    }

    // Something else on the screen first: a draw starts from black.
    static void FillTheScreenWhite()
    {
        CScreenFrame& screen = *GetScreenFrame();
        screen.LockBackBuffer();
        screen.Fill(CColor(255, 255, 255, 255));
        screen.UnlockBackBuffer();
    }

    CSilentServices m_Services;
    CGameServices* m_PreviousServices = nullptr;
    FakeDisplayDevice m_Display;
    ScopedQuickSlideShows m_QuickSlideShows;
};

} // namespace

// What the loading slide show showed stays on the screen once it is gone:
// every draw clears the screen and draws the logo, with its text, centred.
TEST_F(GameControllerTest, EveryDrawShowsTheCompanyLogoWhereTheSlideShowShowedIt)
{
    WriteCompanyLogo(Absolute("Data"));
    CSlideShow show;
    CGameController controller(&show);
    ASSERT_NE(show.GetCurrentSlide(), nullptr);
    const CFrame& slide = *show.GetCurrentSlide()->frame;
    ASSERT_EQ(show.GetDestinationRect().left, 240);
    ASSERT_EQ(show.GetDestinationRect().top, 200);

    FillTheScreenWhite();
    controller.SetRunning(false);
    EXPECT_FALSE(controller.Draw());
    uint32_t inked = 0;
    for (int32_t y = 0; y < 200; y++)
    {
        for (int32_t x = 0; x < 320; x++)
        {
            ASSERT_EQ(ReadScreenPixel(240 + x, 200 + y), ReadPixel(slide, x, y)) << x << "," << y;
            inked += ReadPixel(slide, x, y) != ReadPixel(slide, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(inked, 3u * 13u) << "the overlay text";
    EXPECT_EQ(ReadScreenPixel(239, 200), 0u);
    EXPECT_EQ(ReadScreenPixel(0, 0), 0u);

    // Running, the base draw presents it.
    controller.SetRunning(true);
    m_Display.ResetCounts();
    EXPECT_TRUE(controller.Draw());
    EXPECT_EQ(m_Display.flips, 1);
}

TEST_F(GameControllerTest, WithoutALogoTheScreenStaysBlack)
{
    WriteLogoFont(Absolute("Data"));
    CSlideShow show;
    CGameController controller(&show);
    EXPECT_EQ(show.GetCurrentSlide(), nullptr);
    FillTheScreenWhite();
    controller.SetRunning(false);
    EXPECT_FALSE(controller.Draw());
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{400, 300}, std::pair{799, 599}})
        EXPECT_EQ(ReadScreenPixel(x, y), 0u) << x << "," << y;
}
