#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/object/object_files.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"
#include "tests/support/scoped_temp_folder.h"

namespace
{
// Fills every composite property with something other than its default.
void Fill(CTestComposite& object)
{
    object.SetDefaults();
    const CClassInfo* classInfo = object.GetClassInfo();
    const ArrayProperty* scores = static_cast<const ArrayProperty*>(classInfo->FindProperty("Scores"));
    for (int32_t score : {10, -20, 30})
        *static_cast<int32_t*>(scores->AppendElement(&object)) = score;

    const ArrayProperty* names = static_cast<const ArrayProperty*>(classInfo->FindProperty("Names"));
    names->SetCount(&object, 2);
    names->GetElementProperty()->FromText(names->GetElement(&object, 1), "Ada", nullptr);

    const ArrayProperty* shapes = static_cast<const ArrayProperty*>(classInfo->FindProperty("Shapes"));
    CTestCircle* circle = new CTestCircle();
    circle->SetDefaults();
    circle->m_Radius = 2.5f;
    CTestSquare* square = new CTestSquare();
    square->SetDefaults();
    square->m_Sides = 4;
    *static_cast<CObject**>(shapes->AppendElement(&object)) = circle;
    *static_cast<CObject**>(shapes->AppendElement(&object)) = square;

    object.m_Totals.m_BricksDestroyed = 1234;
    const ObjectArrayProperty* levels = static_cast<const ObjectArrayProperty*>(classInfo->FindProperty("Levels"));
    levels->SetCount(&object, 2);
    static_cast<CTestStats*>(levels->GetElement(&object, 1))->m_Rings = 9;
    object.m_Difficulties.m_pItems[2].m_BricksDestroyed = 77;

    object.m_Offset = {-5, 12};
    object.m_Scale = {0.5f, 2.25f};
    object.m_Tint.SetRGBA(10, 20, 30, 24);
    object.m_Notes = "First line\nSecond line";
    object.m_Outline.InsertPoint(0, 0, -1);
    object.m_Outline.InsertPoint(10, 0, -1);
    object.m_Outline.InsertPoint(10, 10.5f, -1);
    object.m_Sound = 2;
    CTestSquare* main = new CTestSquare();
    main->SetDefaults();
    main->m_SideLength = 3;
    object.m_pMainShape = main;
}

std::string FixtureText(const char* name)
{
    ScopedTempFolder folder;
    folder.CopyFixture(name);
    return folder.ReadFile(name);
}
}

TEST(CompositeRoundTrip, TextOfEveryKindReadsBackToTheSameBytes)
{
    CTestCompositeWithBlob built;
    Fill(built);
    built.m_ThumbnailSize = 3;
    built.m_pThumbnail = static_cast<uint8_t*>(std::malloc(3));
    memcpy(built.m_pThumbnail, "\x00!\xFF", 3);
    const std::string fixture = FixtureText("object/composite_kinds.txt");
    EXPECT_EQ(ObjectText(&built), fixture);

    std::unique_ptr<CObject> object = ObjectFromText(fixture);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(ObjectText(object.get()), fixture);
    EXPECT_TRUE(object->AllPropertiesEqual(built));

    const CTestCompositeWithBlob& read = static_cast<const CTestCompositeWithBlob&>(*object);
    EXPECT_EQ(read.m_ScoreCount, 3u);
    EXPECT_EQ(read.m_pScores[1], -20);
    EXPECT_STREQ(read.m_pNames[0], "nobody");
    ASSERT_EQ(read.m_ShapeCount, 2u);
    EXPECT_EQ(read.m_pShapes[0]->GetClassInfo(), CTestCircle::SGetClassInfo());
    EXPECT_EQ(static_cast<CTestCircle*>(read.m_pShapes[0])->m_Radius, 2.5f);
    EXPECT_EQ(read.m_Totals.m_BricksDestroyed, 1234);
    EXPECT_EQ(read.m_Levels.m_pItems[1].m_Rings, 9);
    EXPECT_EQ(read.m_Difficulties.m_pItems[2].m_BricksDestroyed, 77);
    EXPECT_EQ(read.m_Offset.y, 12);
    EXPECT_EQ(read.m_Scale.y, 2.25f);
    EXPECT_EQ(read.m_Tint.m_Alpha, 24);
    EXPECT_EQ(read.m_Notes.Compare("First line\nSecond line"), 0);
    EXPECT_EQ(read.m_Outline.GetCount(), 3u);
    EXPECT_EQ(read.m_Sound, 2);
    ASSERT_EQ(read.m_ThumbnailSize, 3u);
    EXPECT_EQ(memcmp(read.m_pThumbnail, "\x00!\xFF", 3), 0);
}

TEST(CompositeRoundTrip, BinaryOfEveryKindButTheBlobReadsBackToTheSameBytes)
{
    CTestComposite built;
    Fill(built);
    const std::string bytes = ObjectBinary(&built);

    CTestComposite read;
    ASSERT_TRUE(ReadObjectBinary(&read, bytes));
    EXPECT_EQ(ObjectBinary(&read), bytes);
    EXPECT_EQ(ObjectText(&read), ObjectText(&built));
}

TEST(CompositeRoundTrip, AnObjectHoldingABlobNeverLoadsFromBinary)
{
    CTestCompositeWithBlob built;
    Fill(built);
    CTestCompositeWithBlob read;
    EXPECT_FALSE(ReadObjectBinary(&read, ObjectBinary(&built)));
}

TEST(CompositeRoundTrip, CopyAndDefaultsOfEveryKind)
{
    CTestComposite built;
    Fill(built);
    std::unique_ptr<CObject> copy(built.CreateSameClass());
    EXPECT_EQ(ObjectText(copy.get()), ObjectText(&built));
    CTestComposite& copied = static_cast<CTestComposite&>(*copy);
    EXPECT_NE(copied.m_pMainShape, built.m_pMainShape);
    EXPECT_NE(copied.m_pShapes[0], built.m_pShapes[0]);

    copy->SetDefaults();
    CTestComposite fresh;
    fresh.SetDefaults();
    EXPECT_EQ(ObjectText(copy.get()), ObjectText(&fresh));
    EXPECT_EQ(copied.m_Difficulties.m_Count, 3u);
}
