#include <gtest/gtest.h>

#include "engine/core/files/crc32.h"
#include "game/bricks/named_object_table.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_test_field.h"

namespace {

// The running value over a brick's 8 position bytes and 4 style bytes,
// without inversion: the same bytes give the same value from any start.
TEST(BrickCrcTest, CoversThePositionAndStyleBytesLittleEndian)
{
    CScriptedBrick brick;
    brick.m_StartPosition = {1.0f, -2.5f};
    brick.m_StyleSheet = 7;
    const uint8_t bytes[12] = {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x20, 0xC0, 0x07, 0x00, 0x00, 0x00};
    for (uint32_t start : {0u, 0xFFFFFFFFu, 0x12345678u})
        EXPECT_EQ(BrickCrc(start, &brick), Crc32Update(start, bytes, sizeof(bytes))) << start;
    // The zip CRC-32 of these twelve bytes (usual start, final inversion).
    EXPECT_EQ(~BrickCrc(0xFFFFFFFFu, &brick), 0x1F361539u);
}

TEST(BrickCrcTest, AOnePixelMoveOfEitherBrickChangesTheLevelsValue)
{
    CScriptedBrick a;
    CScriptedBrick b;
    a.m_StartPosition = {100.0f, 50.0f};
    b.m_StartPosition = {140.0f, 50.0f};
    a.m_StyleSheet = b.m_StyleSheet = 3;
    const uint32_t level = BrickCrc(BrickCrc(0xFFFFFFFFu, &a), &b);
    EXPECT_EQ(BrickCrc(BrickCrc(0xFFFFFFFFu, &a), &b), level);
    b.m_StartPosition.x += 1.0f;
    EXPECT_NE(BrickCrc(BrickCrc(0xFFFFFFFFu, &a), &b), level);
    b.m_StartPosition.x -= 1.0f;
    a.m_StartPosition.y += 1.0f;
    EXPECT_NE(BrickCrc(BrickCrc(0xFFFFFFFFu, &a), &b), level);
}

TEST(NamedObjectTableTest, FindsCachedAnswersIgnoringCaseAndMissesToo)
{
    NamedObjectTable& table = GetNamedObjectTable();
    CScriptedBrick box;
    table.Add("Box", &box);
    table.Add("Ghost", nullptr);
    CBrickBase* found = nullptr;
    EXPECT_TRUE(table.Find("box", found));
    EXPECT_EQ(found, &box);
    found = &box;
    EXPECT_TRUE(table.Find("GHOST", found));
    EXPECT_EQ(found, nullptr);
    EXPECT_FALSE(table.Find("Crate", found));
}

TEST(NamedObjectTableTest, MakingOrDeletingAnyBrickEmptiesIt)
{
    NamedObjectTable& table = GetNamedObjectTable();
    auto* brick = new CScriptedBrick;
    table.Add("Box", brick);
    ASSERT_EQ(table.GetCount(), 1u);
    CScriptedBrick other;
    EXPECT_EQ(table.GetCount(), 0u);
    table.Add("Box", brick);
    delete brick;
    EXPECT_EQ(table.GetCount(), 0u);
}

} // namespace
