#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/color/color.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/slide_show.h"
#include "engine/graphics/slides/slide_show_input.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/quick_slide_shows.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// Every reading of the clock moves it 10 ms on.
int64_t s_Now = 0;
int64_t ReadSteppingClock()
{
    s_Now += 10'000'000;
    return s_Now;
}

// Scripted input: a key press or a mouse button from a given reading of the
// buttons on, and the frame counter's advances.
struct ScriptedInput
{
    int keyAfterPumps = -1;
    uint32_t buttonsAtStart = 0;
    int buttonsReleasedAfter = -1;
    int buttonsPressedAfter = -1;
    int pumps = 0;
    int buttonReads = 0;
    int frames = 0;
};
ScriptedInput s_Input;

class SlideShowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        GetGeneralSettings().SetFileName((m_Temp.Path() + "Game.CFG").c_str());
        uint32_t width = 800;
        uint32_t height = 600;
        ASSERT_TRUE(GetScreenFrame()->SetScreenMode(width, height, 16, 16));

        m_PreviousInput = GetSlideShowInput();
        s_Input = ScriptedInput();
        CSlideShowInput& input = GetSlideShowInput();
        input.PumpEvents = []() { s_Input.pumps++; };
        input.ClearKeyboard = []() {};
        input.TakeAnyPressedKey = []() { return s_Input.keyAfterPumps >= 0 && s_Input.pumps > s_Input.keyAfterPumps; };
        input.GetMouseButtonsDown = []() -> uint32_t {
            const int read = s_Input.buttonReads++;
            if (s_Input.buttonsPressedAfter >= 0 && read > s_Input.buttonsPressedAfter)
                return 1;
            if (s_Input.buttonsReleasedAfter >= 0 && read > s_Input.buttonsReleasedAfter)
                return 0;
            return s_Input.buttonsAtStart;
        };
        input.AdvanceFrameCounter = []() { s_Input.frames++; };
        m_PreviousClock = SetNanosecondClock(ReadSteppingClock);
    }

    void TearDown() override
    {
        SetNanosecondClock(m_PreviousClock);
        GetSlideShowInput() = m_PreviousInput;
        GetScreenFrame()->ReleaseDirectDraw();
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
    }

    // Milliseconds a wait took; the clock moves 10 ms between the end of
    // the previous wait and the start of the measure.
    uint32_t TimeWait(CSlideShow& show)
    {
        const uint32_t start = GetTickCount();
        show.WaitForDelay();
        return GetTickCount() - start;
    }

    static std::unique_ptr<CFrame> MakePicture(uint32_t width, uint32_t height)
    {
        auto picture = std::make_unique<CFrame>();
        picture->Create(width, height, 16);
        picture->Fill(ColorWhite);
        return picture;
    }

    ScopedTempFolder m_Temp;
    std::string m_PreviousSettings;
    FakeDisplayDevice m_Display;
    CSlideShowInput m_PreviousInput{};
    NanosecondClock m_PreviousClock = nullptr;
};

} // namespace

TEST_F(SlideShowTest, FirstWaitReturnsAtOnceThenTheDelayPasses)
{
    CSlideShow show;
    EXPECT_LT(TimeWait(show), 100u);
    EXPECT_NEAR(TimeWait(show), 3000, 30);
    EXPECT_GT(s_Input.pumps, 0);
}

TEST_F(SlideShowTest, KeyOrNewlyPressedButtonEndsTheWait)
{
    CSlideShow show;
    show.WaitForDelay();
    s_Input.keyAfterPumps = 5;
    EXPECT_LT(TimeWait(show), 200u);

    // A button held when the wait begins does not end it.
    s_Input = ScriptedInput();
    s_Input.buttonsAtStart = 1;
    EXPECT_NEAR(TimeWait(show), 3000, 30);

    // Let go and pressed again, it does.
    s_Input = ScriptedInput();
    s_Input.buttonsAtStart = 1;
    s_Input.buttonsReleasedAfter = 3;
    s_Input.buttonsPressedAfter = 6;
    EXPECT_LT(TimeWait(show), 200u);
}

TEST_F(SlideShowTest, PictureIsCentredAndEveryFadeStepPresentsFourTimes)
{
    auto picture = MakePicture(320, 200);
    CSlideShow show;
    const int flipsBefore = m_Display.flips;
    show.ShowFrame(picture.get());
    const CRect& destination = show.GetDestinationRect();
    EXPECT_EQ(destination.left, 240);
    EXPECT_EQ(destination.top, 200);
    EXPECT_EQ(destination.right, 560);
    EXPECT_EQ(destination.bottom, 400);
    EXPECT_NE(ReadScreenPixel(240, 200), 0u);
    EXPECT_NE(ReadScreenPixel(559, 399), 0u);
    EXPECT_EQ(ReadScreenPixel(239, 200), 0u);
    EXPECT_EQ(ReadScreenPixel(560, 399), 0u);
    // The fade in took several steps, each of four presents and one frame.
    EXPECT_GT(s_Input.frames, 2);
    EXPECT_EQ(m_Display.flips - flipsBefore, 4 * s_Input.frames);
    EXPECT_EQ(GetScreenFrame()->GetFadeFactor(), 1.0f);
    EXPECT_EQ(show.GetCurrentSlide()->frame, picture.get());

    s_Input.frames = 0;
    const int flipsBeforeHide = m_Display.flips;
    show.Hide();
    EXPECT_EQ(show.GetCurrentSlide(), nullptr);
    EXPECT_EQ(GetScreenFrame()->GetFadeFactor(), 0.0f);
    EXPECT_GT(s_Input.frames, 2);
    EXPECT_EQ(m_Display.flips - flipsBeforeHide, 4 * s_Input.frames);
}

TEST_F(SlideShowTest, SlideWithoutPixelsIsDropped)
{
    CSlideShow show;
    show.Show(new CSlide{new CFrame, true}, nullptr, nullptr);
    EXPECT_EQ(show.GetCurrentSlide(), nullptr);
    show.Show(nullptr, nullptr, nullptr);
    EXPECT_EQ(show.GetCurrentSlide(), nullptr);
}

TEST_F(SlideShowTest, OverlaysAreDrawnOnACopyOfTheCallersPicture)
{
    auto picture = MakePicture(64, 32);
    picture->Fill(ColorBlack);
    // A set whose one block has no font to draw with draws no text, but the
    // copy is made all the same.
    CFrameOverlayOptions overlays;
    CSlideShow show;
    show.ShowFrame(picture.get(), &overlays);
    ASSERT_NE(show.GetCurrentSlide(), nullptr);
    EXPECT_NE(show.GetCurrentSlide()->frame, picture.get());
    EXPECT_TRUE(show.GetCurrentSlide()->owned);
    EXPECT_EQ(show.GetCurrentSlide()->frame->GetWidth(), 64);
    EXPECT_EQ(show.GetCurrentSlide()->frame->GetBitsPerPixel(), GetDisplayBitDepth());

    // Without a set the caller's picture itself is shown.
    show.ShowFrame(picture.get());
    EXPECT_EQ(show.GetCurrentSlide()->frame, picture.get());
    EXPECT_FALSE(show.GetCurrentSlide()->owned);
}

TEST_F(SlideShowTest, RunLengthPictureIsFatal)
{
    CFrame picture;
    picture.Create(4, 4, 16);
    picture.SetFormatWord(FRAME_DEPTH_16 | FRAME_ENCODING_RLE_ALPHA);
    CSlideShow show;
    EXPECT_EXIT(show.ShowFrame(&picture), testing::ExitedWithCode(255),
                "Fatal Error\nCSlideShow frames must not be compressed!");
    picture.SetFormatWord(FRAME_DEPTH_16);
}
