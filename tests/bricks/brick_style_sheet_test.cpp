#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/frame.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_preview.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/brick_test_field.h"

namespace {

class BrickStyleSheetTest : public BrickTestField
{
};

bool SamePoints(const Polygon2D& polygon, const Polygon2D& expected)
{
    if (polygon.GetCount() != expected.GetCount())
        return false;
    for (uint32_t i = 0; i < polygon.GetCount(); i++)
    {
        if (polygon.GetPoint(i).x != expected.GetPoint(i).x || polygon.GetPoint(i).y != expected.GetPoint(i).y)
            return false;
    }
    return true;
}

Polygon2D ClosedRectangle(float halfWidth, float halfHeight)
{
    Polygon2D rectangle = TestSquare(1.0f);
    rectangle.SetPoint(0, -halfWidth, -halfHeight);
    rectangle.SetPoint(1, halfWidth, -halfHeight);
    rectangle.SetPoint(2, halfWidth, halfHeight);
    rectangle.SetPoint(3, -halfWidth, halfHeight);
    rectangle.SetPoint(4, -halfWidth, -halfHeight);
    return rectangle;
}

TEST_F(BrickStyleSheetTest, NewStyleSheetOfEveryKindHoldsTheDefaults)
{
    for (const char* kind : {"CBrickStyleSheetNormal", "CBrickStyleSheetOptional",
                             "CBrickStyleSheetNearlyIndestructible", "CBrickStyleSheetShredder"})
    {
        SCOPED_TRACE(kind);
        std::unique_ptr<CObject> object(GetClassRegistry().CreateByName(kind));
        auto* styleSheet = static_cast<CBrickStyleSheet*>(object.get());
        EXPECT_EQ(styleSheet->m_Score, 1);
        EXPECT_EQ(styleSheet->m_EditorButtonSequence, 0);
        EXPECT_EQ(styleSheet->m_HitTutorial, 0);
        EXPECT_EQ(styleSheet->m_DestroyedTutorial, 0);
        EXPECT_EQ(styleSheet->m_BreakParticleTypes.m_Count, 0u);
        EXPECT_TRUE(SamePoints(styleSheet->m_CollisionPoly, ClosedRectangle(19.75f, 11.0f)));
        EXPECT_TRUE(SamePoints(styleSheet->m_GridPolygon, ClosedRectangle(20.0f, 12.0f)));
        EXPECT_EQ(styleSheet->GetEditorButtonImage(), nullptr);
    }
}

TEST_F(BrickStyleSheetTest, AliasesNameTheSpeedChangingStyles)
{
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    EXPECT_EQ(library.FindWithAlias("Programmer/AcceleratorExample", -1), StyleIndex("Ball Accelerator"));
    EXPECT_EQ(library.FindWithAlias("Programmer/DeceleratorExample", -1), StyleIndex("Ball Decelerator"));
    EXPECT_EQ(StyleIndex("!None"), 0);
}

// A style sheet in a folder takes the theme of the first background whose
// theme (its own folder) or own name is that folder's name, any case; the
// background "Zoo/Common" lays a brick of that very style sheet in every
// round, which must not make loading either of them a loop.
TEST_F(BrickStyleSheetTest, FolderNamesTheThemeByEitherNameOfABackground)
{
    struct Case
    {
        std::vector<std::string> backgrounds;
        const char* theme;
    };
    const Case cases[] = {
        {{"Arena/Hall", "Zoo/Common", "Zz/Common"}, "Zoo/Common"},
        {{"Arena/Hall", "COMMON/Plain", "Zoo/Common"}, "COMMON/Plain"},
        {{"Arena/Hall", "Red"}, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.backgrounds[1]);
        const std::string folder = "Data/Resources/";
        std::filesystem::remove_all(Absolute(folder + "Backgrounds"));
        for (const std::string& name : c.backgrounds)
            m_Folder.WriteFile(folder + "Backgrounds/" + name + ".Background",
                               "CBackgroundDefinition\r\n{\r\n\tEvery Level Brick=CBrickNormal\r\n\t{\r\n"
                               "\t\tStyle Sheet=Common/Red\r\n\t}\r\n}\r\n");
        GetBackgroundLibrary().DeleteAllItems();
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        GetBrickStyleSheetLibrary().DeleteAllItems();
        InitBrickStyleSheetLibrary();

        CBrickStyleSheet* red =
            GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Common/Red")));
        ASSERT_NE(red, nullptr);
        const int32_t expected =
            c.theme != nullptr ? GetBackgroundLibrary().Find((std::string("Backgrounds/") + c.theme).c_str(), -1) : 0;
        EXPECT_EQ(red->GetTheme(), expected);
        CBrickStyleSheet* root = GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Normal")));
        EXPECT_EQ(root->GetTheme(), 0);
        for (uint32_t i = 0; i < GetBackgroundLibrary().GetCount(); i++)
        {
            CBackgroundDefinition* background = GetBackgroundLibrary().GetItemObject(i);
            ASSERT_NE(background, nullptr);
            ASSERT_EQ(background->GetEveryLevelBrickCount(), 1u);
            EXPECT_EQ(background->GetEveryLevelBrick(0)->m_StyleSheet, StyleIndex("Common/Red"));
        }
    }
    GetBackgroundLibrary().DeleteAllItems();
}

TEST_F(BrickStyleSheetTest, ListsShowTheStyleSheetsOwnNameElseTheItemName)
{
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    CBrickStyleSheet* quiet = library.GetItemObject(static_cast<uint32_t>(StyleIndex("Quiet")));
    quiet->m_Name.m_Source = quiet->m_Name.m_Shown = "Hushed Brick";
    EXPECT_STREQ(library.GetItemDisplayName(static_cast<uint32_t>(StyleIndex("Quiet"))).GetText(), "Hushed Brick");
    EXPECT_STREQ(library.GetItemDisplayName(static_cast<uint32_t>(StyleIndex("Normal"))).GetText(), "Normal");
}

TEST_F(BrickStyleSheetTest, StyleMakesABrickOfItsKindOnAPlacedSprite)
{
    std::unique_ptr<CGameSprite> sprite(MakeBrickSpriteFromStyle(GetBrickStyleSheetLibrary(), StyleIndex("Normal")));
    ASSERT_NE(sprite, nullptr);
    auto* brick = dynamic_cast<CBrickNormal*>(sprite->GetAI());
    ASSERT_NE(brick, nullptr);
    EXPECT_EQ(brick->m_StyleSheet, StyleIndex("Normal"));
    EXPECT_EQ(brick->GetSprite(), sprite.get());
    EXPECT_EQ(sprite->m_Position.x, 34.0f);
    EXPECT_EQ(sprite->m_Position.y, 23.0f);
    EXPECT_EQ(sprite->GetPartCount(), 1);
}

TEST_F(BrickStyleSheetTest, StyleOfAnotherKindIsRefused)
{
    CBrickNormal brick;
    EXPECT_FALSE(brick.SetStyleSheetIfCompatible(StyleIndex("Optional")));
    EXPECT_EQ(brick.m_StyleSheet, 0);
    EXPECT_TRUE(brick.SetStyleSheetIfCompatible(StyleIndex("Quiet")));
    EXPECT_EQ(brick.m_StyleSheet, StyleIndex("Quiet"));
}

TEST_F(BrickStyleSheetTest, PlaceholderLessLibraryIsAFatalDataReport)
{
    const std::string folder = "Data/Resources/Brick Style Sheets/";
    EXPECT_EXIT(
        {
            std::filesystem::remove(Absolute(folder + "!None.BrickStyleSheet"));
            m_Folder.WriteFile(folder + "Alpha.BrickStyleSheet",
                               "CBrickStyleSheetNormal\r\n{\r\n\tPrimary Sequence=Brick\r\n}\r\n");
            GetBrickStyleSheetLibrary().DeleteAllItems();
            InitBrickStyleSheetLibrary();
        },
        testing::ExitedWithCode(255), "BrickStyleSheet.*Alpha");
}

TEST_F(BrickStyleSheetTest, PreviewDrawsAnimatesAndOwnsItsBrick)
{
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    std::unique_ptr<CResourceRef> preview(library.GetReferenceFactory()(&library, StyleIndex("Normal")));
    ASSERT_NE(preview, nullptr);
    CRect bounds;
    preview->GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 40);
    EXPECT_EQ(bounds.bottom - bounds.top, 22);

    CFrame target;
    target.Create(80, 60, 16);
    preview->Draw(&target, CPoint{40, 30});
    EXPECT_NE(target.GetPixelValue(40, 30), 0u);
    EXPECT_EQ(target.GetPixelValue(5, 5), 0u);
    const uint32_t first = target.GetPixelValue(40, 30);
    // Four frames at 15 a second: four steps later the next frame.
    for (int32_t i = 0; i < 4; i++)
        preview->Update(1.0f / 60.0f);
    preview->Draw(&target, CPoint{40, 30});
    EXPECT_NE(target.GetPixelValue(40, 30), first);
}

} // namespace
