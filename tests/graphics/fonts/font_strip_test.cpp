#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/core/color/color.h"
#include "engine/core/files/stream.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/graphics/tga_file_io.h"
#include "tests/support/font_strip_files.h"
#include "tests/support/font_test_folder.h"

namespace {

// Bitmap fonts of the "Fonts" library cutting their strips from "Frames".
class FontStripTest : public FontTestFolder
{
protected:
    void TearDown() override
    {
        GetFontLibrary().DeleteAllItems();
        GetFrameList().DeleteAllItems();
        FontTestFolder::TearDown();
    }

    CFont* LoadLogoFont()
    {
        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
        return GetFontLibrary().FindFont("Logo");
    }
};

} // namespace

TEST_F(FontStripTest, StripNamedLikeTheFontFileIsCutOnFirstUse)
{
    WriteLogoFont(Absolute("Data"));
    CFont* font = LoadLogoFont();
    ASSERT_NE(dynamic_cast<CFontBitmap*>(font), nullptr);
    const int32_t widths[] = {3, 5, 6};
    for (uint8_t code = 'A'; code <= 'C'; code++)
    {
        const CFrame* glyph = font->GetGlyph(code);
        ASSERT_NE(glyph, nullptr) << code;
        EXPECT_EQ(glyph->GetWidth(), widths[code - 'A']) << code;
        EXPECT_EQ(glyph->GetHeight(), 19) << code;
        EXPECT_EQ(glyph->GetUpperLeftYOffset(), -2) << code;
    }
    EXPECT_EQ(font->GetHeight(), 15);
    EXPECT_EQ(font->GetLineHeight(), 13);
    // A code the strip lacks comes from the TrueType face.
    EXPECT_NE(font->GetGlyph('Z'), nullptr);
    EXPECT_TRUE(font->IsFaceOpen());
}

TEST_F(FontStripTest, WithoutItsStripEveryCodeComesFromTrueType)
{
    // "Frames" empty, and "Frames" holding only another picture, which is
    // never cut in the strip's place.
    for (const char* other : {"", "Resources/Other.tga"})
    {
        WriteLogoFont(Absolute("Data"));
        std::filesystem::remove(Absolute("Data/Resources/Fonts/Logo.tga"));
        if (other[0] != '\0')
        {
            CFrame picture;
            picture.Create(40, 20, 32);
            picture.Fill(ColorWhite);
            CTGAFileIO writer;
            writer.Write(picture, Absolute(std::string("Data/") + other).c_str(), OPEN_NAME_UNCHANGED);
        }
        CFont* font = LoadLogoFont();
        ASSERT_NE(font, nullptr) << other;
        const CFrame* a = font->GetGlyph('A');
        ASSERT_NE(a, nullptr) << other;
        EXPECT_NE(a->GetHeight(), 19) << other;
        EXPECT_TRUE(font->IsFaceOpen()) << other;
        EXPECT_GT(font->GetHeight(), 0) << other;
        GetFontLibrary().DeleteAllItems();
        GetFrameList().DeleteAllItems();
    }
}
