#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/frame.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_optional.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/playfield/power_up_base.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

// Levels over the brick test field's style sheets; "Normal" bricks are 32
// pixels square round their centre.
class BrickLayoutTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        BrickTestField::SetUp();
        Style("Normal")->m_CollisionPoly = TestSquare(16.0f);
    }

    void TearDown() override
    {
        GetBackgroundLibrary().DeleteAllItems();
        BrickTestField::TearDown();
    }

    static CBrickStyleSheet* Style(const char* name)
    {
        return GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex(name)));
    }

    // A level brick of the class and style at the start position.
    static CBrickBase* LevelBrick(CBrickLayout& level, CBrickBase* brick, const char* style, float x, float y,
                                  const char* name = "")
    {
        brick->m_StyleSheet = style != nullptr ? StyleIndex(style) : 0;
        brick->m_StartPosition = Vector2{x, y};
        brick->m_Name = name;
        level.AppendBrick(brick);
        return brick;
    }
};

TEST_F(BrickLayoutTest, DefaultsAreTheNewLevelsOfTheEditor)
{
    CBrickLayout level;
    EXPECT_EQ(level.m_Background, 0);
    EXPECT_EQ(level.m_LastBrickIdAssigned, 100u);
    EXPECT_TRUE(level.m_DisallowAutomaticPowerUps);
    EXPECT_FALSE(level.m_DisallowAllLevelBreakers);
    EXPECT_EQ(level.m_CaptureCenter.x, 318);
    EXPECT_EQ(level.m_CaptureCenter.y, 240);
    EXPECT_EQ(level.m_CaptureWidth, 615u);
    EXPECT_FALSE(level.m_ShowCaptureRect);
    EXPECT_TRUE(level.m_AutomaticThumbnail);
    EXPECT_EQ(level.m_ThumbnailQuality, 80u);
    EXPECT_EQ(level.GetBrickCount(), 0u);
    EXPECT_EQ(CBrickLayout::SGetClassInfo()->GetPropertyCount() - CObject::SGetClassInfo()->GetPropertyCount(), 22u);
}

TEST_F(BrickLayoutTest, ALevelWithBricksSavesAndReloadsEqualAndShowsNoCaptureOutline)
{
    CBrickLayout level;
    level.m_Note1 = "No Rings";
    level.m_Author = "Me";
    level.m_ShowCaptureRect = true;
    level.m_AutomaticThumbnail = false;
    LevelBrick(level, new CBrickNormal, "Normal", 100, 200, "Left");
    LevelBrick(level, new CBrickOptional, "Optional", 300, 200, "Right");
    const std::string text = ObjectText(&level);
    std::unique_ptr<CObject> loaded = ObjectFromText(text);
    ASSERT_NE(loaded, nullptr) << text;
    CBrickLayout* copy = static_cast<CBrickLayout*>(loaded.get());
    EXPECT_FALSE(copy->m_ShowCaptureRect);
    copy->m_ShowCaptureRect = true;
    EXPECT_EQ(ObjectText(copy), text);
    ASSERT_EQ(copy->GetBrickCount(), 2u);
    EXPECT_STREQ(copy->GetBrick(1)->m_Name.GetText(), "Right");
    EXPECT_EQ(copy->GetBrick(1)->GetClassInfo(), CBrickOptional::SGetClassInfo());
}

TEST_F(BrickLayoutTest, BricksBeyondThePlayAreaComeBackToItsEdge)
{
    struct Case
    {
        bool ownScoreBoard;
        float x;
        float y;
        float keptX;
        float keptY;
    };
    const Case cases[] = {
        {true, 700, 100, 576, 100},  // right edge 626
        {true, 592, 100, 592, 100},  // half across: stays
        {true, -200, 700, -7, 561},  // left edge 11, bottom 600
        {false, 700, 100, 700, 100}, // within the whole screen
        {false, 900, -100, 750, -7}, // right edge 800, top 0
    };
    CBackgroundDefinition* hidden = new CBackgroundDefinition;
    hidden->m_ShowScoreboard = false;
    const int32_t hiddenIndex = GetBackgroundLibrary().AddItemWithObject(hidden, "Pictures/Open");
    CBackgroundDefinition* framed = new CBackgroundDefinition;
    const int32_t framedIndex = GetBackgroundLibrary().AddItemWithObject(framed, "Pictures/Framed");
    for (CBackgroundDefinition* shown : {&m_NoScoreBoard, &m_WithScoreBoard})
    {
        m_pPlayfield->SetBackground(shown);
        for (const Case& c : cases)
        {
            CBrickLayout level;
            level.m_Background = c.ownScoreBoard ? framedIndex : hiddenIndex;
            CBrickBase* brick = LevelBrick(level, new CBrickNormal, "Normal", c.x, c.y);
            level.ClampBricksToPlayArea();
            EXPECT_EQ(brick->m_StartPosition.x, c.keptX) << c.x;
            EXPECT_EQ(brick->m_StartPosition.y, c.keptY) << c.y;
        }
    }
}

TEST_F(BrickLayoutTest, BricksBecomeTheKindTheirStyleMakesAndStylelessOnesGo)
{
    CBrickLayout level;
    LevelBrick(level, new CBrickNormal, "Optional", 40, 50, "Changed");
    level.AppendBrick(nullptr);
    LevelBrick(level, new CBrickNormal, nullptr, 60, 50, "Styleless");
    LevelBrick(level, new CBrickNormal, "Normal", 80, 50, "Kept");
    level.ReconcileBrickClasses();
    ASSERT_EQ(level.GetBrickCount(), 2u);
    const CBrickBase* changed = level.GetBrick(0);
    EXPECT_EQ(changed->GetClassInfo(), CBrickOptional::SGetClassInfo());
    EXPECT_STREQ(changed->m_Name.GetText(), "Changed");
    EXPECT_EQ(changed->m_StartPosition.x, 40.0f);
    EXPECT_EQ(changed->m_StyleSheet, StyleIndex("Optional"));
    EXPECT_STREQ(level.GetBrick(1)->m_Name.GetText(), "Kept");
    EXPECT_EQ(level.GetBrick(1)->GetClassInfo(), CBrickNormal::SGetClassInfo());
}

TEST_F(BrickLayoutTest, NewBrickNamesSkipNamesTheLevelHolds)
{
    CBrickLayout level;
    EXPECT_STREQ(level.MakeUniqueBrickName(CString()).GetText(), "Brick#101");
    EXPECT_STREQ(level.MakeUniqueBrickName(CString()).GetText(), "Brick#102");
    EXPECT_STREQ(level.MakeUniqueBrickName(CString()).GetText(), "Brick#103");
    LevelBrick(level, new CBrickNormal, "Normal", 40, 50, "brick#104");
    EXPECT_STREQ(level.MakeUniqueBrickName(CString()).GetText(), "Brick#105");
    EXPECT_STREQ(level.MakeUniqueBrickName(CString("Gate")).GetText(), "Gate#106");
}

TEST_F(BrickLayoutTest, TheCaptureRectangleKeepsItsShapeInsideTheFramedArea)
{
    struct Case
    {
        int32_t x;
        int32_t y;
        uint32_t width;
        CRect expected;
    };
    const Case cases[] = {
        {318, 240, 615, {11, 10, 626, 478}},
        {0, 0, 105, {11, 10, 116, 90}},
        {790, 590, 210, {416, 440, 626, 600}},
        {300, 300, 210, {195, 220, 405, 380}},
    };
    for (const Case& c : cases)
    {
        CBrickLayout level;
        level.m_CaptureCenter = CPoint{c.x, c.y};
        level.m_CaptureWidth = c.width;
        const CRect rect = level.GetCaptureRect();
        EXPECT_EQ(rect.left, c.expected.left) << c.x;
        EXPECT_EQ(rect.top, c.expected.top) << c.x;
        EXPECT_EQ(rect.right, c.expected.right) << c.x;
        EXPECT_EQ(rect.bottom, c.expected.bottom) << c.x;
    }
}

TEST_F(BrickLayoutTest, TheChecksumFollowsTheBricksAndTheCaptureSettings)
{
    CBrickLayout level;
    CBrickBase* brick = LevelBrick(level, new CBrickNormal, "Normal", 40, 50);
    const uint32_t first = level.ComputeChecksum();
    EXPECT_EQ(level.ComputeChecksum(), first);
    brick->m_StartPosition.x += 1.0f;
    const uint32_t moved = level.ComputeChecksum();
    EXPECT_NE(moved, first);
    level.m_ThumbnailQuality = 81;
    EXPECT_NE(level.ComputeChecksum(), moved);
}

TEST_F(BrickLayoutTest, PlayStartsFromCopiesAndEditingFromTheLevelsOwnBricks)
{
    CBrickLayout level;
    CBrickBase* normal = LevelBrick(level, new CBrickNormal, "Normal", 40, 50, "A");
    LevelBrick(level, new CBrickNormal, "Normal", 140, 50, "B");
    for (int32_t play = 0; play < 2; play++)
    {
        level.InstantiateForPlay(true);
        ASSERT_EQ(m_pPlayfield->m_pBricks->Count(), 2);
        CSprite* first = m_pPlayfield->m_pBricks->GetHead();
        EXPECT_NE(first->GetAI(), normal);
        EXPECT_FALSE(first->IsActive());
        EXPECT_STREQ(static_cast<CBrickBase*>(first->GetAI())->m_Name.GetText(), "A");
        first->Kill();
        Step();
        EXPECT_EQ(level.GetBrickCount(), 2u);
    }
    level.InstantiateForEditing(false);
    ASSERT_EQ(m_pPlayfield->m_pBricks->Count(), 2);
    EXPECT_EQ(m_pPlayfield->m_pBricks->GetHead()->GetAI(), normal);
    EXPECT_TRUE(m_pPlayfield->m_pBricks->GetHead()->IsActive());
    level.DetachBrickAIs();
    m_pPlayfield->m_pBricks->DeleteAll();
    EXPECT_STREQ(normal->m_Name.GetText(), "A");
    level.InstantiateForEditing(false);
    EXPECT_EQ(m_pPlayfield->m_pBricks->GetHead()->GetAI(), normal);
    // The editor lets go of the level's bricks before the level goes.
    level.DetachBrickAIs();
    m_pPlayfield->m_pBricks->DeleteAll();
}

// A level file of the tests' own holding every property away from its
// default (but the capture outline, which no load keeps): scripted bricks,
// power-up rules by name and a thumbnail block.
class LevelFile : public BrickLayoutTest
{
protected:
    void SetUp() override
    {
        BrickLayoutTest::SetUp();
        for (const char* name : {"!None", "Fire Ball", "Extra Ball", "Big Missiles"})
            GetPowerUpLibrary().AddItemWithObject(new CPowerUpBase, name);
        GetBackgroundLibrary().AddItemWithObject(new CBackgroundDefinition, "Space/Open");
        GetBackgroundLibrary().AddItemWithObject(new CBackgroundDefinition, "Space/Framed");
        m_Fixture = ReadFixture();
    }

    void TearDown() override
    {
        GetRoundLibrary().DeleteAllItems();
        GetPowerUpLibrary().DeleteAllItems();
        BrickLayoutTest::TearDown();
    }

    std::string ReadFixture()
    {
        m_Folder.CopyFileIn(std::string(VP_FIXTURE_DIR) + "/levels/Every Property.Vantrell", "Fixture.Vantrell");
        return FileBytes("Fixture.Vantrell");
    }

    // The level file under Resources, loaded through the rounds library.
    CBrickLayout* Load(const std::string& bytes)
    {
        m_Folder.WriteFile("Data/Resources/Every Property.Vantrell", bytes);
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        return GetRoundLibrary().GetByName("Every Property");
    }

    std::string m_Fixture;
};

TEST_F(LevelFile, EveryPropertyLoadsAndSavesByteForByte)
{
    CBrickLayout* level = Load(m_Fixture);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(ObjectText(level), m_Fixture);
    EXPECT_STREQ(level->m_DisplayName.m_Shown.GetText(), "Every Property");
    EXPECT_EQ(level->m_Background, GetBackgroundLibrary().Find("Space/Framed", -1));
    ASSERT_EQ(level->m_DisallowedPowerUpCount, 2u);
    EXPECT_EQ(level->m_pDisallowedPowerUps[1], GetPowerUpLibrary().Find("Extra Ball", -1));
    ASSERT_EQ(level->GetBrickCount(), 2u);
    const CBrickPlugInSimultaneous& script = level->GetBrick(0)->GetPlugIns();
    ASSERT_EQ(script.GetChildCount(), 1u);
    EXPECT_EQ(script.GetChild(0)->GetClassInfo(), CBrickPlugInWaitXSeconds::SGetClassInfo());
    const CFrame* thumbnail = level->GetThumbnail();
    EXPECT_EQ(thumbnail->GetWidth(), 105);
    EXPECT_EQ(thumbnail->GetHeight(), 80);
}

TEST_F(LevelFile, AStyleTheLibraryLacksIsAFatalReportNamingTheFile)
{
    std::string bytes = m_Fixture;
    const std::string style = "Style Sheet=Optional";
    bytes.replace(bytes.find(style), style.size(), "Style Sheet=Withdrawn");
    EXPECT_EXIT(Load(bytes), testing::ExitedWithCode(255), "Withdrawn.*Every Property|Every Property.*Withdrawn");
}

} // namespace
