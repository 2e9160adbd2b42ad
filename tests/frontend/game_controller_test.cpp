#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "engine/app/game_services.h"
#include "engine/core/color/color.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/slide_show.h"
#include "engine/graphics/slides/slide_show_input.h"
#include "engine/platform/tick_counter.h"
#include "game/frontend/game_controller.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/font_strip_files.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/frame_pixels.h"

namespace {

int64_t s_Now = 0;
int64_t ReadSteppingClock()
{
    s_Now += 10'000'000;
    return s_Now;
}

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
        m_PreviousClock = SetNanosecondClock(ReadSteppingClock);
        m_PreviousInput = GetSlideShowInput();
        GetSlideShowInput().PumpEvents = []() {};
        GetSlideShowInput().TakeAnyPressedKey = []() { return false; };
        GetSlideShowInput().GetMouseButtonsDown = []() -> uint32_t { return 0; };
    }

    void TearDown() override
    {
        GetSlideShowInput() = m_PreviousInput;
        SetNanosecondClock(m_PreviousClock);
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

    uint32_t ScreenPixel(int32_t x, int32_t y)
    {
        CScreenFrame& screen = *GetScreenFrame();
        screen.LockBackBuffer();
        const uint32_t value = ReadPixel(screen, x, y);
        screen.UnlockBackBuffer();
        return value;
    }

    CSilentServices m_Services;
    CGameServices* m_PreviousServices = nullptr;
    FakeDisplayDevice m_Display;
    NanosecondClock m_PreviousClock = nullptr;
    CSlideShowInput m_PreviousInput{};
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
            ASSERT_EQ(ScreenPixel(240 + x, 200 + y), ReadPixel(slide, x, y)) << x << "," << y;
            inked += ReadPixel(slide, x, y) != ReadPixel(slide, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(inked, 3u * 13u) << "the overlay text";
    EXPECT_EQ(ScreenPixel(239, 200), 0u);
    EXPECT_EQ(ScreenPixel(0, 0), 0u);

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
        EXPECT_EQ(ScreenPixel(x, y), 0u) << x << "," << y;
}
