#include <gtest/gtest.h>

#include <cstring>

#include "engine/core/archives/mount_archives.h"
#include "engine/core/color/color.h"
#include "engine/core/files/file_sink.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/truetype_face.h"
#include "engine/graphics/frame.h"
#include "tests/support/font_test_folder.h"

namespace {

class TrueTypeFaceTest : public FontTestFolder
{
protected:
    static TrueTypeFace* OpenDefault(float pointSize = 12.0f)
    {
        return TrueTypeFace::Open(DefaultFontPath(), pointSize);
    }
};

// The plain pixel bytes of a 32-bit frame, row by row.
std::string PixelBytes(const CFrame& frame)
{
    std::string bytes;
    for (int32_t y = 0; y < frame.GetHeight(); y++)
    {
        const uint8_t* row = frame.GetPixels() + static_cast<size_t>(frame.GetRowOffsets()[y]) * 4;
        bytes.append(reinterpret_cast<const char*>(row), static_cast<size_t>(frame.GetWidth()) * 4);
    }
    return bytes;
}

// What FreeType itself says of a code at the face's size: the advance and
// the bitmap's width, in pixels.
struct GlyphMetrics
{
    int32_t advance;
    int32_t bitmapWidth;
};

GlyphMetrics MeasureWithFreeType(FT_Face face, uint32_t code)
{
    EXPECT_EQ(FT_Load_Char(face, code, FT_LOAD_NO_BITMAP | FT_LOAD_RENDER), 0);
    return {static_cast<int32_t>(face->glyph->advance.x >> 6), static_cast<int32_t>(face->glyph->bitmap.width)};
}

} // namespace

TEST_F(TrueTypeFaceTest, FacesShareOneLibraryWhileAnyIsOpen)
{
    ASSERT_EQ(TrueTypeFace::GetSharedLibrary(), nullptr);
    TrueTypeFace* first = OpenDefault();
    const FT_Library library = TrueTypeFace::GetSharedLibrary();
    ASSERT_NE(library, nullptr);
    TrueTypeFace* second = OpenDefault(20.0f);
    EXPECT_EQ(TrueTypeFace::GetSharedLibrary(), library);
    EXPECT_EQ(TrueTypeFace::GetOpenFaceCount(), 2);

    first->Close();
    EXPECT_EQ(TrueTypeFace::GetSharedLibrary(), library);
    second->Close();
    EXPECT_EQ(TrueTypeFace::GetSharedLibrary(), nullptr);
    EXPECT_EQ(TrueTypeFace::GetOpenFaceCount(), 0);

    TrueTypeFace* third = OpenDefault();
    EXPECT_NE(TrueTypeFace::GetSharedLibrary(), nullptr);
    third->Close();
}

TEST_F(TrueTypeFaceTest, CharacterSizeIsPointsTimes64)
{
    struct Case
    {
        float points;
        int32_t charSize;
    };
    // A size that is not finite (from damaged data) falls back to 12 points.
    const Case cases[] = {{12.0f, 768}, {12.5f, 800}, {3.0f, 192}, {std::nanf(""), 768}};
    for (const Case& c : cases)
    {
        TrueTypeFace* face = OpenDefault(c.points);
        EXPECT_EQ(face->GetCharSize(), c.charSize) << c.points;
        EXPECT_EQ(face->GetFreeTypeFace()->size->metrics.x_ppem, (c.charSize + 32) / 64) << c.points;
        face->Close();
    }
}

TEST_F(TrueTypeFaceTest, FontInAStoreOnlyArchiveRendersLikeTheLooseFile)
{
    TestZipMember member;
    member.name = "Zipped.ttf";
    member.data = DejaVuSansBytes();
    WriteZip("Data/Resources/Fonts.zip", {member});
    MountArchives("Data");

    TrueTypeFace* loose = OpenDefault();
    TrueTypeFace* zipped = TrueTypeFace::Open("Resources/Fonts/Zipped.ttf", 12.0f);
    CFrame fromLoose;
    CFrame fromZip;
    ASSERT_TRUE(loose->RenderGlyph(fromLoose, 'A', ColorWhite));
    ASSERT_TRUE(zipped->RenderGlyph(fromZip, 'A', ColorWhite));
    EXPECT_EQ(fromZip.GetWidth(), fromLoose.GetWidth());
    EXPECT_EQ(fromZip.GetHeight(), fromLoose.GetHeight());
    EXPECT_EQ(PixelBytes(fromZip), PixelBytes(fromLoose));
    EXPECT_TRUE(fromLoose.HasNonZeroPixels());
    loose->Close();
    zipped->Close();
}

TEST_F(TrueTypeFaceTest, TextThatIsNoFontEndsTheProgramWithCodeOne)
{
    m_Folder.WriteFile("Data/Resources/Fonts/Notes.ttf", "this is not a font\r\n");
    EXPECT_EXIT(TrueTypeFace::Open("Resources/Fonts/Notes.ttf", 12.0f), testing::ExitedWithCode(1),
                "FATAL ERROR\nResources/Fonts/Notes.ttf is not a font file or could not be opened\n  error = 0x0000\n");
    EXPECT_EXIT(TrueTypeFace::Open("Resources/Fonts/Missing.ttf", 12.0f), testing::ExitedWithCode(1),
                "Missing.ttf is not a font file or could not be opened");
}

TEST_F(TrueTypeFaceTest, BlankIsAsWideAsItsAdvanceAndLineHighWithNothingDrawn)
{
    TrueTypeFace* face = OpenDefault();
    CFrame blank;
    ASSERT_TRUE(face->RenderGlyph(blank, ' ', ColorWhite));
    const FT_Size_Metrics& metrics = face->GetFreeTypeFace()->size->metrics;
    const int32_t ascender = static_cast<int32_t>(metrics.ascender >> 6);
    const int32_t descender = -static_cast<int32_t>(metrics.descender >> 6);
    const GlyphMetrics measured = MeasureWithFreeType(face->GetFreeTypeFace(), ' ');
    EXPECT_EQ(blank.GetWidth(), std::max(measured.advance, 1));
    EXPECT_EQ(blank.GetHeight(), ascender + descender);
    EXPECT_EQ(blank.GetBitsPerPixel(), 32);
    EXPECT_FALSE(blank.HasNonZeroPixels());
    EXPECT_EQ(face->GetAscender(), ascender);
    face->Close();
}

TEST_F(TrueTypeFaceTest, GlyphFramesSpanAdvanceAndBitmapWithOneVerticalOffset)
{
    TrueTypeFace* face = OpenDefault();
    const int32_t descender = -static_cast<int32_t>(face->GetFreeTypeFace()->size->metrics.descender >> 6);
    int32_t widerThanAdvance = 0;
    for (uint32_t code = 32; code < 0x180; code++)
    {
        CFrame glyph;
        ASSERT_TRUE(face->RenderGlyph(glyph, code, ColorWhite)) << code;
        const GlyphMetrics measured = MeasureWithFreeType(face->GetFreeTypeFace(), code);
        EXPECT_EQ(glyph.GetWidth(), std::max({measured.advance, 1, measured.bitmapWidth})) << code;
        EXPECT_EQ(glyph.GetUpperLeftYOffset(), 1 - descender) << code;
        EXPECT_EQ(glyph.GetUpperLeftXOffset(), 0) << code;
        widerThanAdvance += measured.bitmapWidth > measured.advance ? 1 : 0;
    }
    // The range holds glyphs whose ink reaches past their advance.
    EXPECT_GT(widerThanAdvance, 0);
    face->Close();
}

TEST_F(TrueTypeFaceTest, GlyphPixelsCarryTheColourWithCoverageAsAlpha)
{
    TrueTypeFace* face = OpenDefault(24.0f);
    CFrame glyph;
    ASSERT_TRUE(face->RenderGlyph(glyph, 'H', CColor(10, 20, 30, 255)));
    int32_t opaque = 0;
    int32_t partial = 0;
    for (int32_t y = 0; y < glyph.GetHeight(); y++)
    {
        for (int32_t x = 0; x < glyph.GetWidth(); x++)
        {
            const uint8_t* pixel = glyph.GetPixels() + (static_cast<size_t>(glyph.GetRowOffsets()[y]) + x) * 4;
            if (pixel[3] == 0)
                continue;
            EXPECT_EQ(pixel[0], 30);
            EXPECT_EQ(pixel[1], 20);
            EXPECT_EQ(pixel[2], 10);
            opaque += pixel[3] == 255 ? 1 : 0;
            partial += pixel[3] != 255 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(partial, 0);
    face->Close();
}

TEST_F(TrueTypeFaceTest, FontFileListHoldsEveryTrueTypeFileUnderResources)
{
    ForgetFontFileList();
    m_Folder.CopyFileIn(kDejaVuSansPath, "Data/Resources/Deep/Folder/Other.TTF");
    m_Folder.WriteFile("Data/Resources/Fonts/Readme.txt", "not listed");
    m_Folder.CopyFileIn(kDejaVuSansPath, "Data/Elsewhere/Outside.ttf");
    BuildFontFileList();
    CFileNameList& list = GetFontFileList();
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_NE(list.Find("!default.ttf", -1), -1);
    EXPECT_NE(list.Find("Other.TTF", -1), -1);
    // Built once: a file added later is not listed.
    m_Folder.CopyFileIn(kDejaVuSansPath, "Data/Resources/Late.ttf");
    BuildFontFileList();
    EXPECT_EQ(list.GetCount(), 2u);
}

TEST_F(TrueTypeFaceTest, GlyphPastTheFrameSizeCapFailsToRender)
{
    // At this size the blank alone is more lines high than a frame may be.
    TrueTypeFace* face = OpenDefault(60000.0f);
    CFrame blank;
    EXPECT_FALSE(face->RenderGlyph(blank, ' ', ColorWhite));
    EXPECT_EQ(blank.GetPixels(), nullptr);
    face->Close();
}
