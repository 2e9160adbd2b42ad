#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "engine/core/lists/resource_ref.h"
#include "engine/graphics/frame.h"
#include "engine/object/class_registry.h"
#include "game/bricks/brick_teleporter.h"
#include "game/bricks/brick_trapped_ball.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

using TeleporterAndTrappedBallStylesTest = BrickTestField;

// The polygon's points as "x,y x,y ...", closing point included.
std::string Points(const Polygon2D& polygon)
{
    std::string text;
    for (uint32_t i = 0; i < polygon.GetCount(); i++)
    {
        char point[64];
        std::snprintf(point, sizeof(point), "%s%g,%g", i == 0 ? "" : " ", polygon.GetPoint(i).x, polygon.GetPoint(i).y);
        text += point;
    }
    return text;
}

TEST_F(TeleporterAndTrappedBallStylesTest, NewStyleSheetsHaveTheirKindsShapesAsDefaults)
{
    const struct
    {
        const char* styleSheetClass;
        const char* brickClass;
        const char* collision;
        const char* grid;
    } kinds[] = {
        {"CBrickStyleSheetTeleporter", "CBrickTeleporter", "-10.875,-11 10.875,-11 10.875,11 -10.875,11 -10.875,-11",
         "-11,-20 11,-20 11,20 -11,20 -11,-20"},
        {"CBrickStyleSheetTrappedBall", "CBrickTrappedBall", "-11,-11 11,-11 11,11 -11,11 -11,-11",
         "-12,-12 12,-12 12,12 -12,12 -12,-12"},
    };
    for (const auto& kind : kinds)
    {
        SCOPED_TRACE(kind.styleSheetClass);
        std::unique_ptr<CObject> object(GetClassRegistry().CreateByName(kind.styleSheetClass));
        auto* styleSheet = static_cast<CBrickStyleSheet*>(object.get());
        EXPECT_EQ(Points(styleSheet->m_CollisionPoly), kind.collision);
        EXPECT_EQ(Points(styleSheet->m_GridPolygon), kind.grid);
        EXPECT_STREQ(styleSheet->GetBrickClass()->GetClassName(), kind.brickClass);
        // The kind's own shape is its default, so a new style counts as
        // unchanged.
        for (const char* shape : {"Collision Poly", "Grid Polygon"})
            EXPECT_TRUE(styleSheet->GetClassInfo()->FindProperty(shape)->IsDefault(styleSheet)) << shape;
    }

    // The common brick keeps its own shape.
    std::unique_ptr<CObject> normal(GetClassRegistry().CreateByName("CBrickStyleSheetNormal"));
    EXPECT_EQ(Points(static_cast<CBrickStyleSheet*>(normal.get())->m_CollisionPoly),
              "-19.75,-11 19.75,-11 19.75,11 -19.75,11 -19.75,-11");
}

TEST_F(TeleporterAndTrappedBallStylesTest, TheTeleportersTypeIsWrittenByNameAndReadBack)
{
    CBrickStyleSheetTeleporter entrance;
    EXPECT_EQ(entrance.m_Type, CBrickStyleSheetTeleporter::ENTRANCE);
    EXPECT_TRUE(entrance.m_TeleporterGroupName.IsEmpty());

    CBrickStyleSheetTeleporter exit;
    exit.m_Type = CBrickStyleSheetTeleporter::EXIT;
    exit.m_TeleporterGroupName = "Left Wing";
    const std::string text = ObjectText(&exit);
    EXPECT_NE(text.find("\tType=Exit\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\tTeleporter Group Name=Left Wing\r\n"), std::string::npos) << text;

    std::unique_ptr<CObject> read = ObjectFromText(text);
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->IsKindOf(CBrickStyleSheetTeleporter::SGetClassInfo()));
    const auto* back = static_cast<const CBrickStyleSheetTeleporter*>(read.get());
    EXPECT_EQ(back->m_Type, CBrickStyleSheetTeleporter::EXIT);
    EXPECT_STREQ(back->m_TeleporterGroupName.GetText(), "Left Wing");
}

// The editor's palette and item browsers show each kind as it waits in
// the round: the teleporter's primary look, the trapped ball's editor look.
TEST_F(TeleporterAndTrappedBallStylesTest, PreviewsShowTheWaitingLook)
{
    CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
    for (const char* style : {"Teleporter Entrance", "Teleporter Exit", "Trapped Ball"})
    {
        SCOPED_TRACE(style);
        std::unique_ptr<CResourceRef> preview(library.GetReferenceFactory()(&library, StyleIndex(style)));
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
    }
}

} // namespace
