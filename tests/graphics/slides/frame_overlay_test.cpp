#include <gtest/gtest.h>

#include <memory>

#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/text_substitution_list.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/object_forms.h"

namespace {

// Two fonts of clearly different sizes in the global "Fonts".
class FrameOverlayTest : public FontTestFolder
{
protected:
    void SetUp() override
    {
        FontTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/Fonts/Large.FONT.TXT", "CFont\r\n{\r\n\tPoint Size=40\r\n}\r\n");
        m_Folder.WriteFile("Data/Resources/Fonts/Small.FONT.TXT", "CFont\r\n{\r\n\tPoint Size=8\r\n}\r\n");
        InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
    }

    void TearDown() override
    {
        GetFontLibrary().DeleteAllItems();
        FontTestFolder::TearDown();
    }

    // The height of what was drawn onto a fresh 200 x 100 picture.
    static int32_t InkHeight(CFrameOverlayOptions& set, const TextSubstitutionList* list = nullptr)
    {
        CFrame picture;
        picture.Create(200, 100, 32);
        CFrameOverlayOptions::DrawOverlays(&set, &picture, list);
        CRect ink;
        picture.GetContentBounds(ink);
        return ink.bottom - ink.top;
    }

    static std::unique_ptr<CFrameOverlayOptions> ReadSet(const std::string& blocks)
    {
        std::unique_ptr<CObject> object =
            ObjectFromText("CFrameOverlayOptions\r\n{\r\n\tText Font=Large\r\n\tText Overlays=Array\r\n\t{\r\n" +
                           blocks + "\t}\r\n}\r\n");
        return std::unique_ptr<CFrameOverlayOptions>(static_cast<CFrameOverlayOptions*>(object.release()));
    }
};

} // namespace

TEST_F(FrameOverlayTest, BlockWithFontZeroUsesTheSetsFont)
{
    std::unique_ptr<CFrameOverlayOptions> large =
        ReadSet("\t\tArray Item=CFrameOverlayTextOverlay\r\n\t\t{\r\n\t\t\tText String=H\r\n\t\t\tText Bounds "
                "Left=10,10\r\n\t\t}\r\n");
    ASSERT_NE(large, nullptr);
    ASSERT_EQ(large->m_OverlayCount, 1u);
    EXPECT_EQ(large->m_ListOfTextOverlays[0]->m_TextFont, 0);
    std::unique_ptr<CFrameOverlayOptions> small =
        ReadSet("\t\tArray Item=CFrameOverlayTextOverlay\r\n\t\t{\r\n\t\t\tText Font=Small\r\n\t\t\tText String=H\r\n"
                "\t\t\tText Bounds Left=10,10\r\n\t\t}\r\n");
    ASSERT_NE(small, nullptr);
    EXPECT_GT(InkHeight(*large), 2 * InkHeight(*small));
    EXPECT_GT(InkHeight(*small), 0);
}

TEST_F(FrameOverlayTest, BlocksReadTheirDefaultsAndLegacyNames)
{
    std::unique_ptr<CFrameOverlayOptions> set =
        ReadSet("\t\tArray Item=CFrameOverlayTextOverlay\r\n\t\t{\r\n\t\t\tText HotSpot Coordinates=7,9\r\n"
                "\t\t\tText Wrapping Width=120\r\n\t\t\tJustification=Justify Right\r\n\t\t}\r\n");
    ASSERT_NE(set, nullptr);
    const CFrameOverlayTextOverlay& block = *set->m_ListOfTextOverlays[0];
    EXPECT_EQ(block.m_TextBoundsLeft.x, 7);
    EXPECT_EQ(block.m_TextBoundsLeft.y, 9);
    EXPECT_EQ(block.m_TextBoundsWidth, 120u);
    EXPECT_EQ(block.m_Justification, 2);
    EXPECT_EQ(block.m_PixelsBetweenLines, 2u);
    EXPECT_STREQ(block.m_TextString.GetText(), "* Some cool message to put in the slideshow!");
}

TEST_F(FrameOverlayTest, TextsAreSubstitutedAndWrappedToTheBlockWidth)
{
    std::unique_ptr<CFrameOverlayOptions> set = ReadSet(
        "\t\tArray Item=CFrameOverlayTextOverlay\r\n\t\t{\r\n\t\t\tText Font=Small\r\n\t\t\tText String=%s[words]\r\n"
        "\t\t\tText Bounds Width=60\r\n\t\t}\r\n");
    ASSERT_NE(set, nullptr);
    TextSubstitutionList oneWord;
    oneWord.Add("%s[words]", CString("Hi"));
    TextSubstitutionList manyWords;
    manyWords.Add("%s[words]", CString("Hi there and hello again to all"));
    // The long text wraps onto several lines inside 60 pixels.
    EXPECT_GT(InkHeight(*set, &manyWords), 2 * InkHeight(*set, &oneWord));
}
