#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "game/bricks/round_set_library.h"
#include "game/records/stats.h"
#include "tests/support/test_round_set.h"
#include "tests/support/completion_screen.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/playfield_fixtures.h"
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
        m_pScreen = std::make_unique<ScopedCompletionScreen>(Absolute("Game.CFG"));
        ASSERT_TRUE(m_pScreen->IsReady());
        GetFrameList().AddItemWithObject(MakeSolidFrame(200, 100, kStandardPixel), "Completed Game");
        GetFrameList().AddItemWithObject(MakeSolidFrame(200, 100, kOtherPixel), "Splash");
    }

    void TearDown() override
    {
        m_pScreen.reset();
        PlayfieldTest::TearDown();
    }

    static size_t Count(const std::string& call)
    {
        const std::vector<std::string>& calls = ScopedPlayfieldHooks::s_Calls;
        return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
    }

    std::unique_ptr<ScopedCompletionScreen> m_pScreen;
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
        EXPECT_EQ(ReadPixel(m_pScreen->GetDrawFrame(), 400, 300), c.pixel);
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
