#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/app/sound/sound_list.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_type_table.h"
#include "game/bricks/floating_brick.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

using LegacyBrickDefinitionsTest = BrickTestField;

TEST_F(LegacyBrickDefinitionsTest, ANewDefinitionIsANormalThreePointBrickOfTheOldSize)
{
    CBrickInfo info;
    EXPECT_STREQ(GetBrickTypeTable().GetName(static_cast<uint32_t>(info.m_BrickType)), "Normal");
    EXPECT_EQ(info.m_ScoreValue, 3);
    EXPECT_STREQ(GetSoundList().GetName(static_cast<uint32_t>(info.m_DestroyedSound)), "Pop Brick.wav");
    const Polygon2D& polygon = info.m_CollisionPolygon;
    EXPECT_TRUE(polygon.IsClosed());
    float left = 0, right = 0, top = 0, bottom = 0;
    for (uint32_t i = 0; i < polygon.GetCount(); i++)
    {
        left = std::min(left, polygon.GetPoint(i).x);
        right = std::max(right, polygon.GetPoint(i).x);
        top = std::min(top, polygon.GetPoint(i).y);
        bottom = std::max(bottom, polygon.GetPoint(i).y);
    }
    EXPECT_FLOAT_EQ(right - left, 31.5f);
    EXPECT_FLOAT_EQ(bottom - top, 17.5f);
    EXPECT_FLOAT_EQ(left + right, 0.0f);
    EXPECT_FLOAT_EQ(top + bottom, 0.0f);
}

TEST_F(LegacyBrickDefinitionsTest, TheTypeTableKeepsTheOldNamesInValueOrder)
{
    CNamedValueList& table = GetBrickTypeTable();
    ASSERT_EQ(table.GetCount(), 20u);
    const struct
    {
        int32_t value;
        const char* name;
    } rows[] = {{BRICK_TYPE_NORMAL, "Normal"},
                {BRICK_TYPE_OFF_ON, "Off/On"},
                {BRICK_TYPE_DETONATOR, "Detinator"},
                {BRICK_TYPE_TRAPPED_BALL, "Trapped Ball"}};
    for (const auto& row : rows)
    {
        EXPECT_STREQ(table.GetName(static_cast<uint32_t>(row.value)), row.name);
        EXPECT_EQ(table.GetEntry(static_cast<uint32_t>(row.value)).value, row.value);
    }
}

TEST_F(LegacyBrickDefinitionsTest, AnOldDefinitionReadsItsTypeByName)
{
    std::unique_ptr<CObject> read = ObjectFromText("CBrickInfo\r\n{\r\n\tBrick Type=Detinator\r\n"
                                                   "\tScore Value=-7\r\n}\r\n");
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->IsKindOf(CBrickInfo::SGetClassInfo()));
    const auto* info = static_cast<CBrickInfo*>(read.get());
    EXPECT_EQ(info->m_BrickType, BRICK_TYPE_DETONATOR);
    EXPECT_EQ(info->m_ScoreValue, -7);
}

// An old level kept its bricks as floating-brick records beside the ones
// of today; they read and are left out of play.
TEST_F(LegacyBrickDefinitionsTest, OldFloatingBrickRecordsLoadAndChangeNothingInPlay)
{
    const std::string brick = "\tBricks=Array\r\n\t{\r\n\t\tBrick=CBrickNormal\r\n\t\t{\r\n"
                              "\t\t\tStyle Sheet=Normal\r\n\t\t\tBrick Position=200,300\r\n\t\t}\r\n\t}\r\n";
    const std::string records = "\tFloating Bricks=Array\r\n\t{\r\n\t\tItem Count=2\r\n"
                                "\t\tBrick=CFloatingBrick\r\n\t\t{\r\n\t\t\tPosition X=50\r\n"
                                "\t\t\tPosition Y=60\r\n\t\t\tSpeed=5\r\n\t\t}\r\n"
                                "\t\tBrick=CFloatingBrick\r\n\t\t{\r\n\t\t\tPalette Index=4\r\n\t\t}\r\n\t}\r\n";
    std::string played[2];
    for (int32_t withRecords = 0; withRecords < 2; withRecords++)
    {
        const std::string text = "CBrickLayout\r\n{\r\n" + (withRecords != 0 ? records : "") + brick + "}\r\n";
        std::unique_ptr<CObject> read = ObjectFromText(text);
        ASSERT_NE(read, nullptr) << text;
        static_cast<CBrickLayout*>(read.get())->InstantiateForPlay(false);
        for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
            played[withRecords] +=
                std::to_string(sprite->m_Position.x) + "," + std::to_string(sprite->m_Position.y) + ";";
        m_pPlayfield->ClearAllLists();
    }
    EXPECT_EQ(played[1], played[0]);
    EXPECT_NE(played[0], "");
}

TEST_F(LegacyBrickDefinitionsTest, AFloatingBrickRecordReadsOnItsOwn)
{
    std::unique_ptr<CObject> read = ObjectFromText("CFloatingBrick\r\n{\r\n\tPosition X=12.5\r\n"
                                                   "\tDirection=90\r\n}\r\n");
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->IsKindOf(CFloatingBrick::SGetClassInfo()));
    const auto* record = static_cast<CFloatingBrick*>(read.get());
    EXPECT_FLOAT_EQ(record->m_PositionX, 12.5f);
    EXPECT_FLOAT_EQ(record->m_Direction, 90.0f);
    EXPECT_FLOAT_EQ(record->m_Speed, 20.0f);
    EXPECT_TRUE(record->m_CanMoveThroughOtherBricks);
    EXPECT_EQ(record->m_PaletteIndex, 1u);
}

} // namespace
