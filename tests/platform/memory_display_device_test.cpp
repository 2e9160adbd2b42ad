#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/support/fake_display_device.h"

namespace {

WindowHandle const NO_WINDOW = nullptr;

// A display with a mode set: full screen with a flip chain, or windowed.
class MemoryDisplay : public testing::Test
{
protected:
    void SetFullScreen(uint32_t width, uint32_t height, uint32_t bits, uint32_t backBuffers)
    {
        ASSERT_TRUE(m_Display.Create());
        ASSERT_TRUE(m_Display.SetCooperativeLevel(NO_WINDOW, true));
        ASSERT_TRUE(m_Display.SetDisplayMode({width, height, bits}));
        ASSERT_TRUE(m_Display.CreateFlipChain(backBuffers, true));
    }

    void SetWindowed(uint32_t width, uint32_t height)
    {
        ASSERT_TRUE(m_Display.Create());
        ASSERT_TRUE(m_Display.SetCooperativeLevel(NO_WINDOW, false));
        ASSERT_TRUE(m_Display.CreateWindowedSurfaces(width, height));
    }

    // Draws a marker into the back surface's first byte and presents.
    void PresentMarker(uint8_t marker)
    {
        DisplayLock lock;
        ASSERT_TRUE(m_Display.LockBackSurface(lock));
        lock.pixels[0] = marker;
        m_Display.UnlockBackSurface();
        ASSERT_TRUE(m_Display.Flip());
    }

    uint8_t BackMarker()
    {
        DisplayLock lock = {};
        EXPECT_TRUE(m_Display.LockBackSurface(lock));
        const uint8_t marker = lock.pixels ? lock.pixels[0] : 0xFF;
        m_Display.UnlockBackSurface();
        return marker;
    }

    uint8_t ShownMarker()
    {
        DisplayPicture picture = {};
        EXPECT_TRUE(m_Display.GetLastPresented(picture));
        return picture.pixels ? picture.pixels[0] : 0xFF;
    }

    FakeDisplayDevice m_Display;
};

TEST_F(MemoryDisplay, OffersTheSameSevenSizesAtSixteenTwentyFourAndThirtyTwoBits)
{
    ASSERT_TRUE(m_Display.Create());
    std::vector<DisplayMode> modes;
    ASSERT_TRUE(m_Display.EnumerateModes(true, modes));
    ASSERT_EQ(modes.size(), 21u);
    const uint32_t sizes[7][2] = {{640, 480},  {800, 600},   {1024, 768}, {1152, 864},
                                  {1280, 960}, {1280, 1024}, {1600, 1200}};
    for (size_t i = 0; i < modes.size(); ++i)
    {
        EXPECT_EQ(modes[i].width, sizes[i % 7][0]);
        EXPECT_EQ(modes[i].height, sizes[i % 7][1]);
        EXPECT_EQ(modes[i].bitsPerPixel, 16u + 8u * static_cast<uint32_t>(i / 7));
    }
}

TEST_F(MemoryDisplay, EachStepNeedsTheOneBefore)
{
    std::vector<DisplayMode> modes;
    EXPECT_FALSE(m_Display.EnumerateModes(true, modes));
    EXPECT_FALSE(m_Display.SetCooperativeLevel(NO_WINDOW, true));
    ASSERT_TRUE(m_Display.Create());
    EXPECT_FALSE(m_Display.SetDisplayMode({800, 600, 16}));
    ASSERT_TRUE(m_Display.SetCooperativeLevel(NO_WINDOW, true));
    EXPECT_FALSE(m_Display.CreateFlipChain(2, true));
    EXPECT_FALSE(m_Display.SetDisplayMode({800, 601, 16}));
    EXPECT_FALSE(m_Display.SetDisplayMode({800, 600, 8}));
    ASSERT_TRUE(m_Display.SetDisplayMode({800, 600, 16}));
    EXPECT_FALSE(m_Display.CreateWindowedSurfaces(800, 600));
    EXPECT_FALSE(m_Display.CreateFlipChain(0, true));
    EXPECT_FALSE(m_Display.CreateFlipChain(3, true));
    ASSERT_TRUE(m_Display.CreateFlipChain(2, true));
    EXPECT_FALSE(m_Display.CreateFlipChain(1, true));
    EXPECT_FALSE(m_Display.CreatePalette());
}

struct SurfaceCase
{
    uint32_t width;
    uint32_t height;
    uint32_t bits;
    int32_t pitch;
};

TEST_F(MemoryDisplay, SurfacesRoundTheirPitchToEightPixelsAndStartOn64ByteBoundaries)
{
    const SurfaceCase cases[] = {
        {640, 480, 16, 1280}, {800, 600, 24, 2400}, {1152, 864, 32, 4608}, {801, 600, 16, 1616}, {37, 5, 32, 160},
    };
    for (const SurfaceCase& c : cases)
    {
        FakeDisplayDevice display;
        display.SetDesktopBitsPerPixel(static_cast<int32_t>(c.bits));
        ASSERT_TRUE(display.Create());
        ASSERT_TRUE(display.SetCooperativeLevel(NO_WINDOW, false));
        ASSERT_TRUE(display.CreateWindowedSurfaces(c.width, c.height));
        DisplayLock lock;
        ASSERT_TRUE(display.LockBackSurface(lock));
        EXPECT_EQ(lock.pitch, c.pitch) << c.width;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(lock.pixels) % 64, 0u);
        DisplayPixelFormat format;
        ASSERT_TRUE(display.GetPixelFormat(format));
        EXPECT_EQ(format.bitsPerPixel, c.bits);
        EXPECT_EQ(format.greenMask, c.bits == 16 ? 0x7E0u : 0xFF00u);
    }
}

TEST_F(MemoryDisplay, ABackBufferHoldsThePictureOfAsManyPresentsAgoAsTheChainHasSurfaces)
{
    SetFullScreen(640, 480, 16, 2);
    for (uint8_t frame = 1; frame <= 5; ++frame)
    {
        PresentMarker(frame);
        EXPECT_EQ(ShownMarker(), frame);
        // Three surfaces: the next back buffer was last drawn two frames
        // before this one.
        EXPECT_EQ(BackMarker(), frame >= 2 ? frame - 2 : 0) << int(frame);
    }
}

TEST_F(MemoryDisplay, OneBackBufferAlternatesTwoSurfaces)
{
    SetFullScreen(640, 480, 32, 1);
    for (uint8_t frame = 1; frame <= 4; ++frame)
    {
        PresentMarker(frame);
        EXPECT_EQ(BackMarker(), frame - 1);
    }
}

TEST_F(MemoryDisplay, ALockedSurfaceCannotBeLockedAgainFilledOrFlipped)
{
    SetFullScreen(640, 480, 16, 2);
    DisplayLock lock;
    ASSERT_TRUE(m_Display.LockBackSurface(lock));
    DisplayLock second;
    EXPECT_FALSE(m_Display.LockBackSurface(second));
    EXPECT_FALSE(m_Display.FillBackSurface({0, 0, 1, 1}, 1));
    EXPECT_FALSE(m_Display.Flip());
    m_Display.UnlockBackSurface();
    EXPECT_TRUE(m_Display.Flip());
}

struct FillCase
{
    uint32_t bits;
    uint32_t value;
    std::vector<uint8_t> bytes;
};

TEST_F(MemoryDisplay, FillsWriteTheRawValueLowByteFirstClippedToTheSurface)
{
    const FillCase cases[] = {
        {16, 0xF800, {0x00, 0xF8}},
        {24, 0x010203, {0x03, 0x02, 0x01}},
        {32, 0x04010203, {0x03, 0x02, 0x01, 0x04}},
    };
    for (const FillCase& c : cases)
    {
        FakeDisplayDevice display;
        display.SetDesktopBitsPerPixel(static_cast<int32_t>(c.bits));
        ASSERT_TRUE(display.Create());
        ASSERT_TRUE(display.SetCooperativeLevel(NO_WINDOW, false));
        ASSERT_TRUE(display.CreateWindowedSurfaces(20, 10));
        ASSERT_TRUE(display.FillBackSurface({18, 8, 40, 40}, c.value));
        EXPECT_FALSE(display.FillBackSurface({20, 0, 30, 10}, c.value));
        DisplayLock lock;
        ASSERT_TRUE(display.LockBackSurface(lock));
        const size_t bytesPerPixel = c.bits / 8;
        for (int32_t y = 7; y < 10; ++y)
            for (int32_t x = 17; x < 20; ++x)
            {
                const uint8_t* pixel = lock.pixels + y * lock.pitch + static_cast<size_t>(x) * bytesPerPixel;
                const bool inside = x >= 18 && y >= 8;
                for (size_t i = 0; i < bytesPerPixel; ++i)
                    EXPECT_EQ(pixel[i], inside ? c.bytes[i] : 0) << c.bits << " " << x << "," << y;
            }
        // Past the last pixel of a row, the padding stays untouched.
        EXPECT_EQ(lock.pixels[9 * lock.pitch + 20 * bytesPerPixel], 0);
    }
}

TEST_F(MemoryDisplay, LostSurfacesRefuseEverythingUntilRestoredBlack)
{
    SetFullScreen(640, 480, 16, 2);
    PresentMarker(7);
    PresentMarker(7);
    PresentMarker(7);
    m_Display.LoseSurfaces();
    EXPECT_TRUE(m_Display.IsLost(DisplaySurfaceKind::PRIMARY));
    EXPECT_TRUE(m_Display.IsLost(DisplaySurfaceKind::BACK));
    DisplayLock lock;
    EXPECT_FALSE(m_Display.LockBackSurface(lock));
    EXPECT_FALSE(m_Display.Flip());
    EXPECT_FALSE(m_Display.FillBackSurface({0, 0, 1, 1}, 1));

    ASSERT_TRUE(m_Display.Restore(DisplaySurfaceKind::PRIMARY));
    EXPECT_FALSE(m_Display.IsLost(DisplaySurfaceKind::BACK));
    EXPECT_EQ(BackMarker(), 0);
    EXPECT_EQ(ShownMarker(), 0);
}

TEST_F(MemoryDisplay, AWindowedBackSurfaceIsRestoredOnItsOwn)
{
    SetWindowed(64, 64);
    ASSERT_TRUE(m_Display.FillBackSurface({0, 0, 64, 64}, 0xFFFF));
    m_Display.LoseSurfaces();
    ASSERT_TRUE(m_Display.Restore(DisplaySurfaceKind::PRIMARY));
    EXPECT_TRUE(m_Display.IsLost(DisplaySurfaceKind::BACK));
    ASSERT_TRUE(m_Display.Restore(DisplaySurfaceKind::BACK));
    EXPECT_EQ(BackMarker(), 0);
}

TEST_F(MemoryDisplay, WindowedPresentsShowTheOneSurfaceAndCannotFlip)
{
    m_Display.SetDesktopBitsPerPixel(32);
    SetWindowed(100, 50);
    DisplayPicture picture;
    EXPECT_FALSE(m_Display.GetLastPresented(picture));
    EXPECT_FALSE(m_Display.Flip());
    m_Display.SetFiveFiveFive(true);
    ASSERT_TRUE(m_Display.PresentWindowed());
    ASSERT_TRUE(m_Display.GetLastPresented(picture));
    EXPECT_EQ(picture.width, 100);
    EXPECT_EQ(picture.height, 50);
    EXPECT_EQ(picture.bitsPerPixel, 32);
    EXPECT_EQ(picture.pitch, 416);
    EXPECT_TRUE(picture.fiveFiveFive);
}

TEST_F(MemoryDisplay, AFullScreenChainCannotPresentIntoAWindow)
{
    SetFullScreen(800, 600, 24, 1);
    EXPECT_FALSE(m_Display.PresentWindowed());
}

TEST_F(MemoryDisplay, AfterReleaseEveryCallAnswersFalseAndReleasingAgainIsHarmless)
{
    SetFullScreen(800, 600, 16, 2);
    m_Display.Release();
    m_Display.Release();
    DisplayLock lock;
    DisplayPixelFormat format;
    DisplayPicture picture;
    std::vector<DisplayMode> modes;
    EXPECT_FALSE(m_Display.LockBackSurface(lock));
    EXPECT_FALSE(m_Display.Flip());
    EXPECT_FALSE(m_Display.FillBackSurface({0, 0, 1, 1}, 0));
    EXPECT_FALSE(m_Display.GetPixelFormat(format));
    EXPECT_FALSE(m_Display.GetLastPresented(picture));
    EXPECT_FALSE(m_Display.EnumerateModes(true, modes));
    EXPECT_FALSE(m_Display.SetCooperativeLevel(NO_WINDOW, true));
    EXPECT_TRUE(m_Display.Create());
}

} // namespace
