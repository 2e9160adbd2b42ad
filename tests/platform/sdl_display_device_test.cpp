#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/platform/display_device.h"
#include "engine/platform/sdl_display_device.h"
#include "engine/platform/window_placement.h"
#include "tests/support/leak_check_pause.h"

namespace {

// The headless video driver with one window, as the program makes it.
class SdlDisplay : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Window = CreateHiddenWindow("Vantrell Pellucine", 800, 600);
        ASSERT_NE(m_Window, nullptr) << SDL_GetError();
    }

    void TearDown() override
    {
        m_Display.Release();
        SDL_Quit();
    }

    void SetFullScreen(uint32_t bits)
    {
        ASSERT_TRUE(m_Display.Create());
        ASSERT_TRUE(m_Display.SetCooperativeLevel(m_Window, true));
        ASSERT_TRUE(m_Display.SetDisplayMode({800, 600, bits}));
        ASSERT_TRUE(m_Display.CreateFlipChain(2, true));
    }

    WindowHandle m_Window = nullptr;
    SdlDisplayDevice m_Display;
};

TEST_F(SdlDisplay, TheWindowIsMadeHiddenAtItsSizeAndCannotBeResized)
{
    EXPECT_FALSE(IsWindowShown(m_Window));
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(m_Window, &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_STREQ(SDL_GetWindowTitle(m_Window), "Vantrell Pellucine");
    EXPECT_EQ(SDL_GetWindowFlags(m_Window) & SDL_WINDOW_RESIZABLE, 0u);
    EXPECT_EQ(CreateHiddenWindow("none", 0, 600), nullptr);
}

TEST_F(SdlDisplay, AFullScreenModeShowsTheWindowOverTheWholeDisplay)
{
    ASSERT_TRUE(m_Display.Create());
    ASSERT_TRUE(m_Display.SetCooperativeLevel(m_Window, true));
    EXPECT_TRUE(IsWindowFullScreen(m_Window));
    ASSERT_TRUE(m_Display.SetDisplayMode({800, 600, 16}));
    EXPECT_FALSE(IsWindowShown(m_Window));
    ASSERT_TRUE(m_Display.CreateFlipChain(2, true));
    EXPECT_TRUE(IsWindowShown(m_Window));
}

TEST_F(SdlDisplay, PresentsEveryDepthAndBothSixteenBitPackings)
{
    for (uint32_t bits : {16u, 24u, 32u})
    {
        SetFullScreen(bits);
        for (bool fiveFiveFive : {false, true})
        {
            m_Display.SetFiveFiveFive(fiveFiveFive);
            ASSERT_TRUE(m_Display.FillBackSurface({0, 0, 800, 600}, 0x00FF00FF));
            EXPECT_TRUE(m_Display.Flip()) << bits << " " << SDL_GetError();
            DisplayPicture picture;
            ASSERT_TRUE(m_Display.GetLastPresented(picture));
            EXPECT_EQ(picture.bitsPerPixel, static_cast<int32_t>(bits));
            EXPECT_EQ(picture.pixels[0], 0xFF);
        }
        m_Display.Release();
    }
}

TEST_F(SdlDisplay, WindowedPicturesAreSixteenBitInAWindowOfTheScreenSize)
{
    ASSERT_TRUE(PlaceWindowFullScreen(m_Window));
    ASSERT_TRUE(PlaceWindowWindowed(m_Window, 640, 480));
    EXPECT_FALSE(IsWindowFullScreen(m_Window));
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(m_Window, &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);

    EXPECT_EQ(m_Display.GetDesktopBitsPerPixel(), 16);
    ASSERT_TRUE(m_Display.Create());
    ASSERT_TRUE(m_Display.SetCooperativeLevel(m_Window, false));
    EXPECT_FALSE(IsWindowFullScreen(m_Window));
    ASSERT_TRUE(m_Display.CreateWindowedSurfaces(640, 480));
    EXPECT_TRUE(IsWindowShown(m_Window));
    DisplayPixelFormat format;
    ASSERT_TRUE(m_Display.GetPixelFormat(format));
    EXPECT_EQ(format.bitsPerPixel, 16u);
    EXPECT_TRUE(m_Display.PresentWindowed());
}

TEST_F(SdlDisplay, WithoutAWindowNoModeCanBeSet)
{
    ASSERT_TRUE(m_Display.Create());
    EXPECT_FALSE(m_Display.SetCooperativeLevel(nullptr, true));
}

TEST_F(SdlDisplay, AfterTheVideoSystemShutsDownEveryCallDoesNothing)
{
    // The video system keeps a renderer whose window it destroyed.
    ScopedLeakCheckPause renderer;
    SetFullScreen(16);
    ASSERT_TRUE(m_Display.Flip());
    SDL_Quit();

    DisplayLock lock;
    DisplayPicture picture;
    std::vector<DisplayMode> modes;
    EXPECT_FALSE(m_Display.LockBackSurface(lock));
    EXPECT_FALSE(m_Display.Flip());
    EXPECT_FALSE(m_Display.FillBackSurface({0, 0, 1, 1}, 0));
    EXPECT_FALSE(m_Display.GetLastPresented(picture));
    EXPECT_FALSE(m_Display.Create());
    EXPECT_FALSE(m_Display.EnumerateModes(true, modes));
    EXPECT_FALSE(PlaceWindowFullScreen(m_Window));
    m_Display.Release();
    m_Display.Release();
}

TEST_F(SdlDisplay, AWindowDestroyedUnderTheDisplayIsLetGo)
{
    {
        ScopedLeakCheckPause renderer;
        SetFullScreen(16);
    }
    SDL_DestroyWindow(m_Window);
    EXPECT_FALSE(m_Display.Flip());
    WindowHandle again = CreateHiddenWindow("Vantrell Pellucine", 800, 600);
    ASSERT_NE(again, nullptr);
    m_Window = again;
    SetFullScreen(16);
    EXPECT_TRUE(m_Display.Flip());
}

TEST(DisplayDeviceChoice, TheSdlDisplayServesUntilAnotherIsInstalled)
{
    DisplayDevice& standard = GetDisplayDevice();
    EXPECT_NE(dynamic_cast<SdlDisplayDevice*>(&standard), nullptr);
    SdlDisplayDevice other;
    EXPECT_EQ(SetDisplayDevice(&other), nullptr);
    EXPECT_EQ(&GetDisplayDevice(), &other);
    EXPECT_EQ(SetDisplayDevice(nullptr), &other);
    EXPECT_EQ(&GetDisplayDevice(), &standard);
}

} // namespace
