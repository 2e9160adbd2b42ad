#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/screen_blit_types.h"
#include "engine/core/color/color.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// A screen over the fake display, with the game settings file in a
// temporary folder.
class ScreenFrame : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        m_SettingsFile = m_Temp.Path() + "Game.CFG";
        GetGeneralSettings().SetFileName(m_SettingsFile.c_str());
    }

    void TearDown() override
    {
        m_Screen.ReleaseDirectDraw();
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
    }

    bool SetMode(uint32_t width, uint32_t height, int32_t depth = 16)
    {
        m_Width = width;
        m_Height = height;
        return m_Screen.SetScreenMode(m_Width, m_Height, depth, depth);
    }

    void SetModes(const std::vector<std::pair<uint32_t, uint32_t>>& sizes, uint32_t bits = 16)
    {
        std::vector<DisplayMode> modes;
        for (const auto& size : sizes)
            modes.push_back({size.first, size.second, bits});
        m_Display.SetModes(modes);
    }

    // A windowed screen, reached as the player does: full screen first.
    void SetWindowed(int32_t desktopBits)
    {
        m_Display.SetDesktopBitsPerPixel(desktopBits);
        ASSERT_TRUE(SetMode(800, 600));
        m_Screen.SetFullScreen(false);
        ASSERT_FALSE(m_Screen.IsFullScreen());
    }

    uint32_t BackPixel(int32_t x, int32_t y)
    {
        m_Screen.LockBackBuffer();
        const uint32_t value = ReadPixel(m_Screen, x, y);
        m_Screen.UnlockBackBuffer();
        return value;
    }

    ScopedTempFolder m_Temp;
    std::string m_SettingsFile;
    std::string m_PreviousSettings;
    FakeDisplayDevice m_Display;
    CScreenFrame m_Screen;
    uint32_t m_Width = 0;
    uint32_t m_Height = 0;
};

// ---- modes

TEST_F(ScreenFrame, ARequestTakesTheFirstOfferedModeAtLeastAsLarge)
{
    SetModes({{1280, 1024}, {640, 480}, {1024, 768}});
    ASSERT_TRUE(SetMode(800, 600));
    EXPECT_EQ(m_Width, 1024u);
    EXPECT_EQ(m_Height, 768u);
    EXPECT_EQ(m_Screen.GetWidth(), 1024);
    EXPECT_EQ(m_Screen.GetBitsPerPixel(), 16);

    EXPECT_FALSE(SetMode(1600, 1200));
    EXPECT_EQ(m_Width, 0u);
    EXPECT_EQ(m_Height, 0u);
    EXPECT_EQ(m_Screen.GetWidth(), 0);
}

TEST_F(ScreenFrame, OnlyFourByThreeAndFiveByFourModesOfTheDepthAreKeptSortedOnce)
{
    std::vector<DisplayMode> modes = {
        {1280, 720, 16}, {1280, 1024, 16}, {800, 600, 16},  {640, 480, 16},  {800, 600, 16},
        {639, 480, 16},  {640, 479, 16},   {1024, 768, 32}, {1152, 864, 16},
    };
    m_Display.SetModes(modes);
    ASSERT_TRUE(SetMode(640, 480));
    const uint32_t expected[][2] = {{640, 480}, {800, 600}, {1152, 864}, {1280, 1024}};
    ASSERT_EQ(m_Screen.GetModeCount(), 4u);
    for (uint32_t i = 0; i < 4; i++)
    {
        EXPECT_EQ(m_Screen.GetMode(i).width, expected[i][0]);
        EXPECT_EQ(m_Screen.GetMode(i).height, expected[i][1]);
    }
}

TEST_F(ScreenFrame, TheHundredAndFirstAcceptableModeIsDropped)
{
    std::vector<DisplayMode> modes;
    for (uint32_t i = 0; i <= 100; i++)
        modes.push_back({640 + 4 * i, 480 + 3 * i, 16});
    m_Display.SetModes(modes);
    ASSERT_TRUE(SetMode(640, 480));
    ASSERT_EQ(m_Screen.GetModeCount(), CScreenFrame::MAX_MODES);
    EXPECT_EQ(m_Screen.GetMode(99).width, 640u + 4 * 99);
    uint32_t width = 640 + 4 * 100;
    uint32_t height = 480 + 3 * 100;
    m_Screen.ChooseMode(width, height);
    EXPECT_EQ(width, 0u);
}

TEST_F(ScreenFrame, TheStandardListIsAskedForFirstThenAnyList)
{
    m_Display.Fail(FakeDisplayDevice::ENUMERATE_STANDARD_MODES);
    EXPECT_TRUE(SetMode(800, 600));
    m_Display.Fail(FakeDisplayDevice::ENUMERATE_MODES);
    EXPECT_FALSE(SetMode(1024, 768));
}

TEST_F(ScreenFrame, ARepeatedRequestKeepsTheSurfaces)
{
    ASSERT_TRUE(SetMode(800, 600));
    EXPECT_TRUE(m_Screen.IsInVideoMemory());
    m_Display.ResetCounts();
    ASSERT_TRUE(SetMode(800, 600));
    EXPECT_TRUE(m_Display.flipChainRequests.empty());
    EXPECT_EQ(m_Display.releases, 0);
    EXPECT_FALSE(m_Screen.IsInVideoMemory());
}

TEST_F(ScreenFrame, TheFlipChainFallsBackToOneBackBufferThenOutOfVideoMemory)
{
    struct Case
    {
        std::vector<std::pair<uint32_t, bool>> failing;
        bool set;
        uint32_t backBuffers;
        bool videoMemory;
    };
    const Case cases[] = {
        {{}, true, 2, true},
        {{{2, true}}, true, 1, true},
        {{{2, true}, {1, true}}, true, 1, false},
        {{{2, true}, {1, true}, {1, false}}, false, 0, false},
    };
    for (const Case& c : cases)
    {
        FakeDisplayDevice display;
        CScreenFrame screen;
        for (const auto& chain : c.failing)
            display.FailFlipChain(chain.first, chain.second);
        uint32_t width = 800, height = 600;
        EXPECT_EQ(screen.SetScreenMode(width, height, 16, 16), c.set);
        if (c.set)
        {
            EXPECT_EQ(screen.GetBackBufferCount(), c.backBuffers);
            EXPECT_EQ(screen.IsInVideoMemory(), c.videoMemory);
        }
        EXPECT_EQ(display.flipChainRequests.size(), c.failing.size() + (c.set ? 1 : 0));
        screen.ReleaseDirectDraw();
    }
}

TEST_F(ScreenFrame, AFailureAtAnyStepLeavesNoSurfaces)
{
    for (FakeDisplayDevice::Step step : {FakeDisplayDevice::CREATE, FakeDisplayDevice::COOPERATIVE_LEVEL,
                                         FakeDisplayDevice::DISPLAY_MODE, FakeDisplayDevice::LOCK})
    {
        FakeDisplayDevice display;
        CScreenFrame screen;
        display.Fail(step);
        uint32_t width = 800, height = 600;
        EXPECT_FALSE(screen.SetScreenMode(width, height, 16, 16)) << step;
        EXPECT_EQ(width, 0u);
        EXPECT_TRUE(screen.IsModeSet());
        display.Fail(step, false);
        display.ResetCounts();
        EXPECT_FALSE(screen.Present());
        screen.LockBackBuffer();
        EXPECT_EQ(screen.GetPixels(), nullptr);
        screen.FillRect(CRect{0, 0, 10, 10}, CColor(255, 0, 0, 255));
        screen.FillRect(CRect{0, 0, 10, 10}, CColor(255, 0, 0, 128));
        screen.Clear();
        screen.ClearAllBuffers();
        EXPECT_EQ(display.fills, 0);
        EXPECT_EQ(display.flips, 0);
        EXPECT_EQ(display.lockAttempts, 0);
    }
}

TEST_F(ScreenFrame, AFreshModeClearsAndPresentsEverySurface)
{
    ASSERT_TRUE(SetMode(800, 600));
    EXPECT_EQ(m_Display.fills, 4);
    EXPECT_EQ(m_Display.flips, 4);
    EXPECT_EQ(m_Display.window, nullptr);
}

// ---- windowed

TEST_F(ScreenFrame, WindowedTakesTheDesktopsDepth)
{
    SetWindowed(32);
    EXPECT_EQ(m_Screen.GetBitsPerPixel(), 32);
    EXPECT_EQ(m_Screen.GetBackBufferCount(), 0u);
    EXPECT_EQ(m_Screen.GetWidth(), 800);
    m_Screen.SetFullScreen(true);
    EXPECT_EQ(m_Screen.GetBitsPerPixel(), 16);
    EXPECT_EQ(m_Screen.GetBackBufferCount(), 2u);
}

TEST_F(ScreenFrame, DesktopsDeepEnoughForTheRequestedDepthAreAccepted)
{
    const int32_t accepted[][2] = {{16, 16}, {16, 24}, {16, 32}, {24, 24}, {24, 32}, {32, 32}, {8, 16}};
    for (const auto& pair : accepted)
    {
        FakeDisplayDevice display;
        CScreenFrame screen;
        display.SetDesktopBitsPerPixel(pair[1]);
        uint32_t width = 800, height = 600;
        ASSERT_TRUE(screen.SetScreenMode(width, height, 16, 16));
        screen.ReleaseDirectDraw();
        // The windowed flag is set only by the full-screen switch.
        screen.SetFullScreen(false);
        width = 800;
        height = 600;
        EXPECT_TRUE(screen.SetScreenMode(width, height, pair[0], pair[0])) << pair[0] << " on " << pair[1];
        screen.ReleaseDirectDraw();
    }
}

TEST_F(ScreenFrame, AWindowedScreenDeeperThanTheDesktopIsFatal)
{
    EXPECT_EXIT(
        {
            m_Display.SetDesktopBitsPerPixel(24);
            SetMode(800, 600);
            m_Screen.SetFullScreen(false);
            SetMode(800, 600, 32);
        },
        testing::ExitedWithCode(255),
        "BAD SCREEN MODE.*You are trying run in 32 bit windowed mode\\.  You must set your screen 24 bit, "
        "millions of colors, before running this application\\.");
}

TEST_F(ScreenFrame, ASwitchThatCannotSetTheModeIsFatal)
{
    EXPECT_EXIT(
        {
            SetMode(800, 600);
            m_Display.Fail(FakeDisplayDevice::WINDOWED_SURFACES);
            m_Screen.SetFullScreen(false);
        },
        testing::ExitedWithCode(255), "FATAL ERROR.*Couldn't set the screen full screen\\.");
}

// ---- packing

TEST_F(ScreenFrame, TheLegacyColourSettingSwapsTheSixteenBitPackingAndIsWrittenBack)
{
    struct Case
    {
        int32_t setting;
        uint32_t greenMask;
        bool fiveSixFive;
        int32_t written;
    };
    const Case cases[] = {
        {0, 0x7E0, true, 0}, {1, 0x7E0, false, 1}, {7, 0x7E0, false, 1}, {0, 0x3E0, false, 0}, {1, 0x3E0, true, 1}};
    for (const Case& c : cases)
    {
        FakeDisplayDevice display;
        CScreenFrame screen;
        display.SetReportedGreenMask(c.greenMask);
        WriteSettingInt(m_SettingsFile.c_str(), "Options", "Use Legacy Color Mode", c.setting);
        uint32_t width = 800, height = 600;
        ASSERT_TRUE(screen.SetScreenMode(width, height, 16, 16));
        EXPECT_EQ(screen.IsFiveSixFive(), c.fiveSixFive) << c.setting << " " << c.greenMask;
        EXPECT_EQ(display.fiveFiveFive, !c.fiveSixFive);
        EXPECT_EQ(ReadSettingInt(m_SettingsFile.c_str(), "Options", "Use Legacy Color Mode", -1), c.written);
        screen.ReleaseDirectDraw();
    }
}

// ---- drawing

TEST_F(ScreenFrame, OpaqueFillsWriteTheScreensOwnPixelValue)
{
    struct Case
    {
        int32_t desktopBits;
        bool legacy;
        CColor colour;
        uint32_t value;
    };
    const Case cases[] = {
        {16, false, CColor(255, 0, 0, 255), 0xF800}, {16, true, CColor(255, 0, 0, 255), 0x7C00},
        {24, false, CColor(1, 2, 3, 255), 0x010203}, {32, false, CColor(1, 2, 3, 255), 0xFF010203},
        {32, false, CColor(1, 2, 3, 4), 0x04010203},
    };
    for (const Case& c : cases)
    {
        FakeDisplayDevice display;
        CScreenFrame screen;
        WriteSettingInt(m_SettingsFile.c_str(), "Options", "Use Legacy Color Mode", c.legacy ? 1 : 0);
        display.SetDesktopBitsPerPixel(c.desktopBits);
        uint32_t width = 800, height = 600;
        ASSERT_TRUE(screen.SetScreenMode(width, height, 16, 16));
        screen.SetFullScreen(false);
        display.ResetCounts();
        screen.FillRect(CRect{10, 10, 20, 20}, c.colour);
        // Opaque colours go to the display; others are drawn in a lock.
        const bool opaque = c.colour.m_Alpha == 255;
        EXPECT_EQ(display.fills, opaque ? 1 : 0);
        EXPECT_EQ(display.locks, opaque ? 0 : 1);
        screen.LockBackBuffer();
        EXPECT_EQ(ReadPixel(screen, 10, 10), c.value) << c.desktopBits;
        EXPECT_EQ(ReadPixel(screen, 9, 10), 0u);
        screen.UnlockBackBuffer();
        screen.ReleaseDirectDraw();
    }
}

TEST_F(ScreenFrame, AnOpaqueFillOutsideTheScreenDoesNothing)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Display.ResetCounts();
    m_Screen.FillRect(CRect{800, 0, 900, 600}, CColor(255, 0, 0, 255));
    EXPECT_EQ(m_Display.fills, 0);
}

TEST_F(ScreenFrame, AnOpaqueFillOnALockedScreenUnlocksAroundTheFillAndLocksAgain)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Screen.LockBackBuffer();
    m_Display.ResetCounts();
    m_Screen.Fill(CColor(0, 0, 255, 255));
    EXPECT_EQ(m_Display.unlocks, 1);
    EXPECT_EQ(m_Display.fills, 1);
    EXPECT_EQ(m_Display.locks, 1);
    ASSERT_TRUE(m_Screen.IsLocked());
    EXPECT_EQ(ReadPixel(m_Screen, 799, 599), 0x001Fu);
    m_Screen.UnlockBackBuffer();
}

TEST_F(ScreenFrame, ATranslucentFillOnAnUnlockedScreenLocksAndUnlocksOnce)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Display.ResetCounts();
    m_Screen.FillRect(CRect{0, 0, 4, 4}, CColor(255, 255, 255, 128));
    EXPECT_EQ(m_Display.locks, 1);
    EXPECT_EQ(m_Display.unlocks, 1);
    EXPECT_EQ(m_Display.fills, 0);
    EXPECT_FALSE(m_Screen.IsLocked());
    EXPECT_NE(BackPixel(1, 1), 0u);
}

TEST_F(ScreenFrame, AHeldLockServesManyDrawingCalls)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Display.ResetCounts();
    m_Screen.LockBackBuffer();
    m_Screen.SetPixel(1, 1, CColor(255, 255, 255, 255));
    m_Screen.DrawLine(0, 5, 10, 5, CColor(255, 255, 255, 255));
    CColor read;
    EXPECT_TRUE(m_Screen.GetPixel(1, 1, read));
    m_Screen.UnlockBackBuffer();
    EXPECT_EQ(m_Display.locks, 1);
    EXPECT_EQ(m_Display.unlocks, 1);
    EXPECT_EQ(read.m_Rgb565, 0xFFFF);
}

TEST_F(ScreenFrame, AfterAHundredFailedLocksDrawingDoesNothing)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Display.Fail(FakeDisplayDevice::LOCK);
    m_Display.ResetCounts();
    m_Screen.LockBackBuffer();
    EXPECT_EQ(m_Display.lockAttempts, 100);
    EXPECT_EQ(m_Screen.GetPixels(), nullptr);
    EXPECT_FALSE(m_Screen.IsLocked());

    CFrame source;
    source.Create(8, 8, 16);
    FillWithCounting(source);
    EXPECT_FALSE(m_Screen.BlitAt(&source, 0, 0, &GetBlitNormal()));
    m_Screen.SetPixel(0, 0, CColor(255, 255, 255, 255));
    m_Screen.DrawLine(0, 0, 5, 5, CColor(255, 255, 255, 255));
    m_Screen.FillRect(CRect{0, 0, 4, 4}, CColor(255, 255, 255, 128));
    CColor read;
    EXPECT_FALSE(m_Screen.GetPixel(0, 0, read));
    EXPECT_EQ(m_Display.unlocks, 0);
    m_Display.Fail(FakeDisplayDevice::LOCK, false);
    EXPECT_EQ(BackPixel(0, 0), 0u);
}

TEST_F(ScreenFrame, LostSurfacesAreRestoredBlackByTheNextLock)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Screen.Fill(CColor(255, 255, 255, 255));
    m_Display.LoseSurfaces();
    m_Display.ResetCounts();
    m_Screen.LockBackBuffer();
    ASSERT_TRUE(m_Screen.IsLocked());
    EXPECT_EQ(m_Display.restores, 1);
    EXPECT_EQ(ReadPixel(m_Screen, 0, 0), 0u);
    m_Screen.UnlockBackBuffer();
}

// ---- brightness

TEST_F(ScreenFrame, NormalBlitsOntoSixteenBitsAreSwappedByTheBrightnessAndPacking)
{
    struct Case
    {
        bool legacy;
        float brightness;
        uint32_t expected; // of the source pixel 0x8410 (16, 32, 16)
        CBlitScreenAmount* amountType;
        int32_t amount;
    };
    const Case cases[] = {
        {false, 1.02f, 0x8410, nullptr, 0},
        {false, 0.98f, 0x83F0, &GetBlitDarken565(), 5}, // k5 0, k6 1: (16, 31, 16)
        {false, 0.0f, 0x0000, &GetBlitDarken565(), 255},
        {false, 1.1f, 0x8C71, &GetBlitBrighten565(), 12}, // k5 1, k6 3: (17, 35, 17)
        {true, 1.0f, 0x4210, nullptr, 0},
        {true, 1.1f, 0x4631, &GetBlitBrighten555(), 12}, // plain: (17, 17, 17)
        {true, 0.9f, 0x35AD, &GetBlitDarken555(), 25},   // k5 3: (13, 13, 13), plain
    };
    CFrame source;
    source.Create(1, 1, 16);
    WritePixel(source, 0, 0, 0x8410);
    for (const Case& c : cases)
    {
        FakeDisplayDevice display;
        CScreenFrame screen;
        WriteSettingInt(m_SettingsFile.c_str(), "Options", "Use Legacy Color Mode", c.legacy ? 1 : 0);
        uint32_t width = 800, height = 600;
        ASSERT_TRUE(screen.SetScreenMode(width, height, 16, 16));
        screen.SetBrightness(c.brightness);
        // One pixel is drawn plainly whatever the form.
        ASSERT_TRUE(screen.BlitAt(&source, 3, 0, &GetBlitNormal()));
        screen.LockBackBuffer();
        EXPECT_EQ(ReadPixel(screen, 3, 0), c.expected) << c.brightness << " " << c.legacy;
        screen.UnlockBackBuffer();
        if (c.amountType)
        {
            EXPECT_EQ(c.amountType->GetAmount(), c.amount) << c.brightness;
        }
        screen.ReleaseDirectDraw();
    }
}

TEST_F(ScreenFrame, BrightnessNeverGoesBelowZero)
{
    m_Screen.SetBrightness(-1.0f);
    EXPECT_EQ(m_Screen.GetBrightness(), 0.0f);
    m_Screen.SetBrightness(1.5f);
    m_Screen.SetFadeFactor(0.5f);
    EXPECT_FLOAT_EQ(m_Screen.GetFadeBrightness(), 0.75f);
}

// ---- presenting and fades

TEST_F(ScreenFrame, TheBufferIndexRunsOverTheChainAndStaysAtZeroWindowed)
{
    ASSERT_TRUE(SetMode(800, 600));
    while (m_Screen.GetCurrentBufferIndex() != 0)
        ASSERT_TRUE(m_Screen.Present());
    std::vector<uint32_t> indices;
    for (int32_t i = 0; i < 4; i++)
    {
        indices.push_back(m_Screen.GetCurrentBufferIndex());
        ASSERT_TRUE(m_Screen.Present());
    }
    EXPECT_EQ(indices, (std::vector<uint32_t>{0, 1, 2, 0}));
    m_Screen.SetFullScreen(false);
    for (int32_t i = 0; i < 3; i++)
    {
        EXPECT_TRUE(m_Screen.Present());
        EXPECT_EQ(m_Screen.GetCurrentBufferIndex(), 0u);
    }
}

TEST_F(ScreenFrame, AFullScreenPresentNeedsTheLockReleasedAndAWorkingFlip)
{
    ASSERT_TRUE(SetMode(800, 600));
    const uint32_t index = m_Screen.GetCurrentBufferIndex();
    m_Screen.LockBackBuffer();
    EXPECT_FALSE(m_Screen.Present());
    m_Screen.UnlockBackBuffer();
    m_Display.Fail(FakeDisplayDevice::FLIP);
    EXPECT_FALSE(m_Screen.Present());
    EXPECT_EQ(m_Screen.GetCurrentBufferIndex(), index);
}

TEST_F(ScreenFrame, AFadeOutHoldsBlackThenFadesInByItself)
{
    m_Screen.FadeOut(1.0f, 5.0f, 0);
    m_Screen.UpdateFade(1.0f);
    EXPECT_EQ(m_Screen.GetFadeFactor(), 0.0f);
    int32_t blackSteps = 0;
    while (m_Screen.GetFadeFactor() == 0.0f && blackSteps < 1000)
    {
        m_Screen.UpdateFade(1.0f / 60.0f);
        blackSteps++;
    }
    EXPECT_NEAR(blackSteps, 301, 2);
    int32_t fadeSteps = 1;
    while (m_Screen.GetFadeFactor() != 1.0f && fadeSteps < 1000)
    {
        EXPECT_GT(m_Screen.GetFadeFactor(), 0.0f);
        EXPECT_LT(m_Screen.GetFadeFactor(), 1.0f);
        m_Screen.UpdateFade(1.0f / 60.0f);
        fadeSteps++;
    }
    EXPECT_NEAR(fadeSteps, 60, 2);
    EXPECT_EQ(m_Screen.GetFadeFactor(), 1.0f);
    m_Screen.UpdateFade(1.0f / 60.0f);
    EXPECT_EQ(m_Screen.GetFadeFactor(), 1.0f);
}

int64_t s_FakeNanoseconds = 0;

// Ten milliseconds pass with every reading.
int64_t AdvancingClock()
{
    s_FakeNanoseconds += 10000000;
    return s_FakeNanoseconds;
}

TEST_F(ScreenFrame, ABlockingFadeRedrawsThePictureUntilItEnds)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Screen.Fill(CColor(255, 255, 255, 255));
    m_Display.ResetCounts();
    NanosecondClock previous = SetNanosecondClock(AdvancingClock);
    m_Screen.FadeIn(0.5f, 1);
    SetNanosecondClock(previous);
    EXPECT_EQ(m_Screen.GetFadeFactor(), 1.0f);
    EXPECT_NEAR(m_Display.flips, 50, 2);
    DisplayPicture picture;
    ASSERT_TRUE(m_Display.GetLastPresented(picture));
    EXPECT_EQ(picture.pixels[2 * 10], 0xFF);
}

TEST_F(ScreenFrame, APaletteIsMadeTheScreensOwnAndUploadedBrightened)
{
    m_Display.SetPaletteAvailable(true);
    ASSERT_TRUE(SetMode(800, 600));
    EXPECT_EQ(m_Display.paletteUploads, 1);
    EXPECT_EQ(m_Display.lastPalette[3 * 200], 200);
    CColorTable palette;
    palette.SetKind(CColorTable::PALETTE);
    palette.SetEntry(0, 10, 10, 10);
    palette.SetEntry(1, 250, 100, 0);
    m_Screen.SetBrightness(1.5f);
    m_Screen.ApplyPalette(&palette);
    ASSERT_NE(m_Screen.GetPalette(), nullptr);
    uint8_t red, green, blue;
    m_Screen.GetPalette()->GetEntry(0, red, green, blue);
    EXPECT_EQ(red, 0);
    m_Screen.GetPalette()->GetEntry(255, red, green, blue);
    EXPECT_EQ(blue, 255);
    // Blue, green, red bytes, each lifted by (1.5 - 1) x 128.
    EXPECT_EQ(m_Display.paletteUploads, 2);
    EXPECT_EQ(m_Display.lastPalette[3], 64);
    EXPECT_EQ(m_Display.lastPalette[4], 164);
    EXPECT_EQ(m_Display.lastPalette[5], 255);
    EXPECT_EQ(m_Display.lastPalette[0], 64);
}

TEST_F(ScreenFrame, ReleasingTwiceIsHarmless)
{
    ASSERT_TRUE(SetMode(800, 600));
    m_Screen.ReleaseDirectDraw();
    m_Screen.ReleaseDirectDraw();
    EXPECT_FALSE(m_Screen.Present());
    EXPECT_TRUE(m_Screen.IsModeSet());
}

} // namespace
