#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/slides/slide_show_input.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "game/bricks/brick_coin.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/delayed_call_queue.h"
#include "game/records/stats.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/completion_screen.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sprite_fixtures.h"

namespace {

constexpr uint16_t kStandardPixel = 0x0F0F;
constexpr uint16_t kOtherPixel = 0xF0F0;

// Key presses the player makes while a slide show waits: each pump of the
// show's wait hands one over.
int32_t s_QueuedPresses = 0;
bool s_PressPending = false;

// The last coin of a round set found on a fake 800 x 600 screen. The
// completion picture waits for a key, which the test queues beforehand.
class RingGameCompletionTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        BrickTestField::SetUp();
        m_Folder.WriteFile("Data/Sounds/Completed Ring Game.wav", FileBytes("Data/Sounds/Score.wav"));
        ASSERT_GT(GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg"), 16u);
        m_pScreen = std::make_unique<ScopedCompletionScreen>(Absolute("Game.CFG"));
        ASSERT_TRUE(m_pScreen->IsReady());
        GetFrameList().AddItemWithObject(MakeSolidFrame(200, 100, kStandardPixel), "Completed Ring Game");
        GetFrameList().AddItemWithObject(MakeSolidFrame(200, 100, kOtherPixel), "Splash");

        CSlideShowInput& input = GetSlideShowInput();
        input.PumpEvents = [] {
            if (s_QueuedPresses > 0)
            {
                s_QueuedPresses--;
                s_PressPending = true;
            }
        };
        input.TakeAnyPressedKey = [] {
            const bool pressed = s_PressPending;
            s_PressPending = false;
            return pressed;
        };
    }

    void TearDown() override
    {
        GetDelayedCallQueue().FireAll();
        m_pScreen.reset();
        BrickTestField::TearDown();
    }

    void Collect()
    {
        AddBrick("CBrickCoin", "Coin", {100.0f + 45.0f * static_cast<float>(m_Coins++), 200.0f})
            ->HitByBallOrShot(Hitter(), {0.0f, -1.0f});
    }

    static size_t Count(const std::string& call)
    {
        const std::vector<std::string>& calls = ScopedPlayfieldHooks::s_Calls;
        return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
    }

    std::unique_ptr<ScopedCompletionScreen> m_pScreen;
    int32_t m_Coins = 0;
};

TEST_F(RingGameCompletionTest, TheLastRingPausesPlaysShowsItsPictureAndKeepsAScreenshotOnce)
{
    CTestRoundSet* standard = MakeCurrentTestRoundSet("Vantrell Pellucine Standard");
    for (const auto& round : m_Rounds)
        standard->AddRound(round.get());
    const struct
    {
        const char* set;
        uint16_t pixel;
    } cases[] = {{"Vantrell Pellucine Standard", kStandardPixel}, {"Test Set", kOtherPixel}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.set);
        SelectRoundSet(static_cast<uint32_t>(GetRoundSetLibrary().Find(c.set, -1)));
        CPlayerStatsForRoundSet& record = *GetStats().GetCurrentRoundSetStats();
        record.RecordRingsFound(1, 5);
        record.RecordRingsFound(2, 5);
        m_pPlayfield->m_RingsThisRound = 0;
        ScopedPlayfieldHooks::s_Calls.clear();
        const int32_t tunes = SoundPlays("Completed Ring Game.wav");
        for (int32_t coin = 0; coin < 4; coin++)
            Collect();
        EXPECT_EQ(Count("OpenPauseMenu"), 0u);

        s_QueuedPresses = 1;
        Collect();
        const std::vector<std::string>& calls = ScopedPlayfieldHooks::s_Calls;
        const auto pause = std::find(calls.begin(), calls.end(), "OpenPauseMenu");
        const auto shot = std::find(calls.begin(), calls.end(), "SaveScreenshot Vantrell Win Screen %02d.jpg");
        ASSERT_NE(pause, calls.end());
        ASSERT_NE(shot, calls.end());
        EXPECT_LT(pause, shot);
        EXPECT_EQ(SoundPlays("Completed Ring Game.wav"), tunes + 1);
        // The screenshot's frame holds the picture, centred on the screen.
        EXPECT_EQ(ReadPixel(m_pScreen->GetDrawFrame(), 400, 300), c.pixel);
        // The picture waited for the key the player pressed.
        EXPECT_EQ(s_QueuedPresses, 0);

        // A sixth ring is a new best of a set already won.
        Collect();
        EXPECT_EQ(record.GetRingsFound(0), 6u);
        EXPECT_EQ(Count("OpenPauseMenu"), 1u);
        EXPECT_EQ(SoundPlays("Completed Ring Game.wav"), tunes + 1);
        GetDelayedCallQueue().FireAll();
    }
}

} // namespace
