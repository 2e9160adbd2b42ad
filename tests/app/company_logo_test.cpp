#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "engine/app/game_services.h"
#include "engine/core/color/color.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/files/stream.h"
#include "engine/core/lists/resource_ref.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/slide_show.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/font_strip_files.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/quick_slide_shows.h"

namespace {

// The start-up's interface libraries and company logo over a data folder,
// on a fake 800 x 600 16-bit screen whose clock moves on every reading.
class CompanyLogoTest : public FontTestFolder
{
protected:
    void SetUp() override
    {
        FontTestFolder::SetUp();
        ForgetFontFileList();
        m_PreviousSettings = GetGeneralSettings().GetFileName();
        GetGeneralSettings().SetFileName(Absolute("Game.CFG").c_str());
        uint32_t width = 800;
        uint32_t height = 600;
        ASSERT_TRUE(GetScreenFrame()->SetScreenMode(width, height, 16, 16));
    }

    void TearDown() override
    {
        GetScreenFrame()->ReleaseDirectDraw();
        GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
        GetFontLibrary().DeleteAllItems();
        GetFrameOverlayLibrary().DeleteAllItems();
        GetFrameList().DeleteAllItems();
        FontTestFolder::TearDown();
    }

    void WriteText(const std::string& name, const std::string& text)
    {
        std::ofstream(Absolute("Data/" + name), std::ios::binary) << text;
    }

    std::string m_PreviousSettings;
    FakeDisplayDevice m_Display;
    ScopedQuickSlideShows m_QuickSlideShows;
};

} // namespace

TEST_F(CompanyLogoTest, LogoIsShownCentredWithItsOverlayText)
{
    WriteCompanyLogo(Absolute("Data"));
    CGameServices services;
    services.InitInterfaceLibraries();
    EXPECT_EQ(GetFontFileList().GetCount(), 1u);
    CSlideShow show;
    services.ShowCompanyLogo(&show);
    ASSERT_NE(show.GetCurrentSlide(), nullptr);
    const CFrame& slide = *show.GetCurrentSlide()->frame;
    // The overlay went onto a copy of the library's picture.
    EXPECT_TRUE(show.GetCurrentSlide()->owned);
    EXPECT_EQ(show.GetDestinationRect().left, 240);
    EXPECT_EQ(show.GetDestinationRect().top, 200);

    // The screen shows the slide, pixel for pixel, and the text's ink.
    uint32_t inked = 0;
    const uint32_t background = ReadPixel(slide, 0, 0);
    for (int32_t y = 0; y < 200; y++)
    {
        for (int32_t x = 0; x < 320; x++)
        {
            ASSERT_EQ(ReadScreenPixel(240 + x, 200 + y), ReadPixel(slide, x, y)) << x << "," << y;
            inked += ReadPixel(slide, x, y) != background ? 1 : 0;
        }
    }
    // Three 13-pixel strokes of the strip's ink.
    EXPECT_EQ(inked, 3u * 13u);
    EXPECT_EQ(ReadScreenPixel(239, 200), 0u);
}

TEST_F(CompanyLogoTest, WithoutALogoNothingIsShown)
{
    WriteLogoFont(Absolute("Data"));
    CGameServices services;
    services.InitInterfaceLibraries();
    CSlideShow show;
    const int flips = m_Display.flips;
    services.ShowCompanyLogo(&show);
    EXPECT_EQ(show.GetCurrentSlide(), nullptr);
    EXPECT_EQ(m_Display.flips, flips);
}

TEST_F(CompanyLogoTest, OverlayReferenceDrawsTheSetOnItsPicture)
{
    WriteCompanyLogo(Absolute("Data"));
    CGameServices services;
    services.InitInterfaceLibraries();
    CFrameOverlayLibrary& overlays = GetFrameOverlayLibrary();
    const int32_t index = overlays.Find("CompanyLogo", -1);
    ASSERT_GE(index, 0);
    std::unique_ptr<CResourceRef> reference(overlays.GetReferenceFactory()(&overlays, index));
    CRect bounds;
    reference->GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 320);
    EXPECT_EQ(bounds.bottom - bounds.top, 200);
    CFrame target;
    target.Create(400, 300, 16);
    reference->Draw(&target, CPoint{10, 20});
    EXPECT_NE(ReadPixel(target, 10, 20), 0u);
    EXPECT_EQ(ReadPixel(target, 9, 20), 0u);
    reference->Update(0.5f);
    reference->GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 320);
}

TEST_F(CompanyLogoTest, OverlayReferenceWithoutPicturesDrawsNothing)
{
    WriteText("Resources/Lonely.FOO", "CFrameOverlayOptions\r\n{\r\n}\r\n");
    CGameServices services;
    services.InitInterfaceLibraries();
    CFrameOverlayLibrary& overlays = GetFrameOverlayLibrary();
    std::unique_ptr<CResourceRef> reference(overlays.GetReferenceFactory()(&overlays, 0));
    CRect bounds;
    reference->GetBounds(bounds);
    EXPECT_LT(bounds.right, CResourceRef::kNoPictureEdge);
    CFrame target;
    target.Create(40, 30, 16);
    reference->Draw(&target, CPoint{0, 0});
    EXPECT_FALSE(target.HasNonZeroPixels());
}
