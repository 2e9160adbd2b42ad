#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/core/settings/settings.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// A full 800 x 600 16-bit screen on the fake clock, which only moves when a
// wait moves it.
class PaletteFade : public testing::Test
{
protected:
    void SetUp() override
    {
        StartFakeClock();
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        GetGeneralSettings().SetFileName((m_Temp.Path() + "Game.CFG").c_str());
        uint32_t width = 800;
        uint32_t height = 600;
        ASSERT_TRUE(GetScreenFrame()->SetScreenMode(width, height, 16, 16));
        ASSERT_TRUE(GetScreenFrame()->IsFullScreen());
    }

    void TearDown() override
    {
        GetScreenFrame()->ReleaseDirectDraw();
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
    }

    ScopedTempFolder m_Temp;
    std::string m_PreviousSettings;
    FakeDisplayDevice m_Display;
};

// An 8-bit picture on the 16-bit screen changes with the palette, so its
// fade runs its whole time, presenting as it goes; without a picture
// nothing would show the steps, and the end is applied at once. Either way
// the fade ends on a clock that stands still unless a wait moves it.
TEST_F(PaletteFade, RunsItsTimeOnlyWhenItShowsSomethingAndEndsOnTheFakeClock)
{
    CScreenFrame& screen = *GetScreenFrame();
    CFrame picture;
    picture.Create(32, 32, 8);
    const struct
    {
        const char* what;
        CFrame* image;
        bool takesItsTime;
    } cases[] = {
        {"an 8-bit picture", &picture, true},
        {"nothing to draw", nullptr, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_Display.ResetCounts();
        const uint32_t start = GetTickCount();
        screen.FadePaletteToBlack(c.image, nullptr, nullptr, nullptr, 500);
        const uint32_t took = GetTickCount() - start;
        if (c.takesItsTime)
        {
            EXPECT_GE(took, 500u);
            EXPECT_LT(took, 500u + FRAME_MILLISECONDS);
            EXPECT_GT(m_Display.flips, 4);
        }
        else
        {
            EXPECT_EQ(took, 0u);
            EXPECT_EQ(m_Display.flips, 0);
        }
        const CColorTable* palette = screen.GetPalette();
        ASSERT_NE(palette, nullptr);
        uint8_t red = 1, green = 1, blue = 1;
        palette->GetEntry(7, red, green, blue);
        EXPECT_EQ(red + green + blue, 0) << "the fade ends black";
    }
}

} // namespace
