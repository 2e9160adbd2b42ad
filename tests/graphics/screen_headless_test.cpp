#include <gtest/gtest.h>

#include <SDL.h>
#include <zlib.h>

#include <cstdint>
#include <string>

#include "engine/app/main_window.h"
#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/core/program/main_window.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/screenshot.h"
#include "engine/platform/window_placement.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/leak_check_pause.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// The screenshot of the fixed picture below, whatever shows it.
constexpr uint32_t PICTURE_CRC = 0x6FA2DD9A;
constexpr size_t PICTURE_BYTES = 18 + 800 * 600 * 3;

// The program's window and screen on the headless video driver.
class HeadlessScreen : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        GetGeneralSettings().SetFileName((m_Temp.Path() + "Game.CFG").c_str());
        ASSERT_TRUE(CreateMainWindow()) << SDL_GetError();
        m_Screen = GetScreenFrame();

        m_Background.Create(800, 600, 16);
        for (int32_t y = 0; y < 600; y++)
            for (int32_t x = 0; x < 800; x++)
                WritePixel(m_Background, x, y, static_cast<uint32_t>((x * 7) ^ (y * 13)) & 0xFFFF);
        m_Sprite.Create(40, 30, 16);
        FillWithCounting(m_Sprite);
    }

    void TearDown() override
    {
        m_Screen->ReleaseDirectDraw();
        SDL_Quit();
        SetMainWindow(nullptr);
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
    }

    // Three frames of the main draw with the same picture, then the
    // screenshot's bytes.
    std::string DrawAndShoot(const std::string& name)
    {
        CDirtyRectFrame frame;
        frame.Create(m_Screen->GetWidth(), m_Screen->GetHeight(), 16);
        frame.SetBufferCount(m_Screen->GetBackBufferCount() + 1);
        frame.SetBackgroundFrame(&m_Background);
        for (int32_t i = 0; i < 3; i++)
        {
            frame.Clear();
            frame.FillRect(CRect{100, 100, 300, 180}, CColor(200, 40, 90, 255));
            frame.FillRect(CRect{250, 150, 500, 400}, CColor(20, 240, 90, 100));
            frame.BlitAt(&m_Sprite, 640, 470, &GetBlitNormal());
            frame.DrawLine(0, 599, 799, 0, CColor(255, 255, 255, 255));
            m_Screen->LockBackBuffer();
            frame.PresentDirty(m_Screen, &GetBlitNormal());
            m_Screen->UnlockBackBuffer();
            if (m_Screen->Present())
                frame.AdvanceBuffer();
        }
        frame.SetBackgroundFrame(nullptr);
        const std::string path = m_Temp.Path() + name;
        EXPECT_TRUE(SaveScreenshot(path.c_str()));
        return m_Temp.ReadFile(name);
    }

    ScopedTempFolder m_Temp;
    std::string m_PreviousSettings;
    CScreenFrame* m_Screen = nullptr;
    CFrame m_Background;
    CFrame m_Sprite;
};

uint32_t Crc(const std::string& bytes)
{
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

TEST_F(HeadlessScreen, ThePictureShownIsTheSameFullScreenWindowedAndAtThirtyTwoBits)
{
    // Full screen, as the program starts.
    EXPECT_FALSE(IsWindowShown(GetMainWindow()));
    uint32_t width = 800, height = 600;
    ASSERT_TRUE(m_Screen->SetScreenMode(width, height, 16, 16));
    EXPECT_TRUE(IsWindowShown(GetMainWindow()));
    EXPECT_TRUE(m_Screen->IsFullScreen());
    EXPECT_TRUE(m_Screen->IsFiveSixFive());
    EXPECT_EQ(m_Screen->GetBackBufferCount(), 2u);
    const std::string fullScreen = DrawAndShoot("full.tga");
    ASSERT_EQ(fullScreen.size(), PICTURE_BYTES);
    const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20, 0x03, 0x58, 0x02, 0x18, 0x20};
    EXPECT_EQ(fullScreen.substr(0, 18), std::string(reinterpret_cast<const char*>(header), 18));
    EXPECT_EQ(Crc(fullScreen), PICTURE_CRC);

    // Alt+Enter: the window's style first, then the screen.
    EnterWindowedStyle();
    m_Screen->SetFullScreen(false);
    EXPECT_FALSE(IsWindowFullScreen(GetMainWindow()));
    EXPECT_EQ(m_Screen->GetBitsPerPixel(), 16);
    EXPECT_EQ(m_Screen->GetBackBufferCount(), 0u);
    EXPECT_EQ(DrawAndShoot("windowed.tga"), fullScreen);

    // A 32-bit desktop gets the 16-bit pictures widened by the last copy.
    m_Screen->ReleaseDirectDraw();
    {
        FakeDisplayDevice display;
        display.SetDesktopBitsPerPixel(32);
        width = 800;
        height = 600;
        ASSERT_TRUE(m_Screen->SetScreenMode(width, height, 16, 16));
        EXPECT_EQ(m_Screen->GetBitsPerPixel(), 32);
        EXPECT_EQ(DrawAndShoot("deep.tga"), fullScreen);
        m_Screen->ReleaseDirectDraw();
    }
    EnterFullScreenWindowStyle();
    EXPECT_TRUE(IsWindowFullScreen(GetMainWindow()));
    m_Screen->SetFullScreen(true);
    EXPECT_EQ(m_Screen->GetBackBufferCount(), 2u);
}

TEST_F(HeadlessScreen, AfterTheVideoSystemShutsDownTheScreenDoesNothing)
{
    uint32_t width = 800, height = 600;
    {
        // The video system keeps the renderer of the window it destroys.
        ScopedLeakCheckPause renderer;
        ASSERT_TRUE(m_Screen->SetScreenMode(width, height, 16, 16));
    }
    ASSERT_TRUE(m_Screen->Present());
    SDL_Quit();
    EXPECT_FALSE(m_Screen->Present());
    m_Screen->LockBackBuffer();
    EXPECT_EQ(m_Screen->GetPixels(), nullptr);
    m_Screen->Fill(CColor(255, 255, 255, 255));
    EXPECT_FALSE(SaveScreenshot((m_Temp.Path() + "none.tga").c_str()));
    m_Screen->ReleaseDirectDraw();
    m_Screen->ReleaseDirectDraw();
    width = 800;
    height = 600;
    EXPECT_FALSE(m_Screen->SetScreenMode(width, height, 16, 16));
}

} // namespace
