#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "game/bricks/round_set_library.h"
#include "game/records/stats.h"
#include "tests/support/test_round_set.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/quick_slide_shows.h"
#include "tests/support/sprite_fixtures.h"

namespace {

constexpr uint16_t kStandardPixel = 0x0F0F;
constexpr uint16_t kOtherPixel = 0xF0F0;

// A round set finished on a fake 800 x 600 screen whose slide shows run
// through at once.
class PlayfieldCompletionTest : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        const uint32_t playfieldSounds = GetSoundList().GetCount();
        m_Folder.WriteFile("Data/Sounds/Completed Game.wav", FileBytes("Data/Sounds/Score.wav"));
        ASSERT_EQ(GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg"), playfieldSounds + 1);
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        GetGeneralSettings().SetFileName(Absolute("Game.CFG").c_str());
        uint32_t width = 800;
        uint32_t height = 600;
        ASSERT_TRUE(GetScreenFrame()->SetScreenMode(width, height, 16, 16));
        m_DrawFrame.Create(800, 600, 16);
        ScopedPlayfieldHooks::s_pDrawFrame = &m_DrawFrame;
        GetFrameList().AddItemWithObject(MakeSolidFrame(200, 100, kStandardPixel), "Completed Game");
        GetFrameList().AddItemWithObject(MakeSolidFrame(200, 100, kOtherPixel), "Splash");
    }

    void TearDown() override
    {
        GetScreenFrame()->ReleaseDirectDraw();
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
        GetFrameList().DeleteAllItems();
        PlayfieldTest::TearDown();
    }

    static size_t Count(const std::string& call)
    {
        const std::vector<std::string>& calls = ScopedPlayfieldHooks::s_Calls;
        return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
    }

    FakeDisplayDevice m_Display;
    ScopedQuickSlideShows m_QuickSlideShows;
    std::string m_PreviousSettings;
    CDirtyRectFrame m_DrawFrame;
};

TEST_F(PlayfieldCompletionTest, FinishedSetShowsItsPictureAndKeepsAScreenshot)
{
    MakeCurrentTestRoundSet("Vantrell Pellucine Standard");
    const struct
    {
        const char* set;
        uint16_t pixel;
    } cases[] = {{"Vantrell Pellucine Standard", kStandardPixel}, {"Test Set", kOtherPixel}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.set);
        SelectRoundSet(static_cast<uint32_t>(GetRoundSetLibrary().Find(c.set, -1)));
        const int32_t soundsBefore = SoundPlays("Completed Game.wav");
        const size_t shotsBefore = Count("SaveScreenshot Vantrell Win Screen %02d.jpg");
        m_pPlayfield->CompleteGame();
        EXPECT_EQ(SoundPlays("Completed Game.wav"), soundsBefore + 1);
        EXPECT_EQ(Count("SaveScreenshot Vantrell Win Screen %02d.jpg"), shotsBefore + 1);
        // The screenshot's frame holds the picture, centred on the screen.
        EXPECT_EQ(ReadPixel(m_DrawFrame, 400, 300), c.pixel);
    }
}

TEST_F(PlayfieldCompletionTest, SetWithoutItsPictureOnlyPlaysTheTune)
{
    GetFrameList().DeleteAllItems();
    m_pPlayfield->CompleteGame();
    EXPECT_EQ(SoundPlays("Completed Game.wav"), 1);
    EXPECT_EQ(Count("SaveScreenshot Vantrell Win Screen %02d.jpg"), 0u);
}

} // namespace
