#include <gtest/gtest.h>

#include <memory>

#include "engine/core/lists/resource_ref.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "tests/support/font_test_folder.h"

namespace {

class FontLibraryTest : public FontTestFolder
{
protected:
    void SetUp() override
    {
        FontTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/Fonts/!None.FONT.TXT", "CFont\r\n{\r\n}\r\n");
        m_Folder.WriteFile("Data/Resources/Fonts/Big White.FONT.TXT", "CFont\r\n{\r\n\tPoint Size=20\r\n}\r\n");
        m_Folder.WriteFile("Data/Resources/Fonts/Menu/Small.FONT.TXT",
                           "CFontBitmap\r\n{\r\n\tPoint Size=9\r\n\tFirst ASCII=48\r\n}\r\n");
        InitCatalogueLibrary(m_Library, LIBRARY_FONTS);
    }

    std::unique_ptr<CResourceRef> MakeRef(int32_t index)
    {
        return std::unique_ptr<CResourceRef>(m_Library.GetReferenceFactory()(&m_Library, index));
    }

    CFontLibrary m_Library;
};

} // namespace

TEST_F(FontLibraryTest, FontsAreFoundByBareNameAndLoadedOnFirstUse)
{
    ASSERT_EQ(m_Library.GetCount(), 3u);
    EXPECT_STREQ(m_Library.GetName(1), "Fonts/Big White");
    const int32_t index = m_Library.Find("Big White", -1);
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(m_Library.IsItemLoaded(1));
    CFont* font = m_Library.GetFont(index);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->GetPointSize(), 20);
    EXPECT_EQ(m_Library.FindFont("Big White"), font);
    EXPECT_EQ(m_Library.FindFont("Missing"), nullptr);
    // An index past the end stands for item 0.
    EXPECT_EQ(m_Library.GetFont(17), m_Library.GetFont(0));

    CFont* small = m_Library.FindFont("Menu/Small");
    ASSERT_NE(dynamic_cast<CFontBitmap*>(small), nullptr);
    EXPECT_EQ(static_cast<CFontBitmap*>(small)->GetFirstAscii(), 48u);
}

TEST_F(FontLibraryTest, LoadAllLoadsEveryFont)
{
    m_Library.LoadAll();
    for (uint32_t i = 0; i < m_Library.GetCount(); i++)
        EXPECT_TRUE(m_Library.IsItemLoaded(i)) << i;
}

TEST_F(FontLibraryTest, ReferenceDrawsTheLetterAUnlessItIsTheNoneEntry)
{
    CFrame target;
    target.Create(64, 64, 32);
    std::unique_ptr<CResourceRef> none = MakeRef(0);
    none->Draw(&target, CPoint{10, 10});
    EXPECT_FALSE(target.HasNonZeroPixels());
    CRect bounds;
    none->GetBounds(bounds);
    EXPECT_LT(bounds.right, CResourceRef::kNoPictureEdge);

    std::unique_ptr<CResourceRef> bigWhite = MakeRef(1);
    bigWhite->Draw(&target, CPoint{10, 10});
    EXPECT_TRUE(target.HasNonZeroPixels());
    bigWhite->GetBounds(bounds);
    const CFrame* a = m_Library.GetFont(1)->GetGlyph('A');
    EXPECT_EQ(bounds.right - bounds.left, a->GetWidth());
    EXPECT_EQ(bounds.top, a->GetUpperLeftYOffset());
}
