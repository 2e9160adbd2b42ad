#include "engine/core/maths/random_r250.h"

#include <gtest/gtest.h>

#include <climits>

static CRandom SeededWithTick(uint32_t tick)
{
    CRandom random;
    random.SeedFromTick(tick);
    return random;
}

// Over the full range the result is the drawn word offset by INT32_MIN, which
// lets a test read the raw words.
static uint32_t DrawWord(CRandom& random)
{
    return static_cast<uint32_t>(random.Between(INT32_MIN, INT32_MAX)) ^ 0x80000000u;
}

TEST(RandomTest, TickZeroGivesTheKnownFirstWords)
{
    CRandom random = SeededWithTick(0);
    const uint32_t expected[] = {0x2CA56EF7u, 0x9286A67Du, 0xCB7C94FBu, 0x4DB9BF0Fu};
    for (uint32_t word : expected)
        EXPECT_EQ(DrawWord(random), word);
}

TEST(RandomTest, BelowScalesTheWordIntoTheRange)
{
    CRandom random = SeededWithTick(0);
    const uint32_t expected[] = {1, 5, 7, 3};
    for (uint32_t value : expected)
        EXPECT_EQ(random.Below(10), value);
}

TEST(RandomTest, BelowZeroDoesNotDraw)
{
    CRandom random = SeededWithTick(1234);
    CRandom twin = SeededWithTick(1234);

    EXPECT_EQ(random.Below(0), 0u);
    EXPECT_EQ(random.GetFirstIndex(), 0u);
    EXPECT_EQ(random.GetSecondIndex(), 103u);
    EXPECT_EQ(DrawWord(random), DrawWord(twin));
}

TEST(RandomTest, BelowOneDrawsAndAnswersZero)
{
    CRandom random = SeededWithTick(1234);
    EXPECT_EQ(random.Below(1), 0u);
    EXPECT_EQ(random.GetFirstIndex(), 1u);
    EXPECT_EQ(random.GetSecondIndex(), 104u);
}

TEST(RandomTest, IndicesComeBackAfterAFullTurnOfTheTable)
{
    CRandom random = SeededWithTick(99);
    for (int i = 0; i < 249; i++)
        random.Below(7);
    EXPECT_EQ(random.GetFirstIndex(), 249u);
    EXPECT_EQ(random.GetSecondIndex(), 102u);
    random.Below(7);
    EXPECT_EQ(random.GetFirstIndex(), 0u);
    EXPECT_EQ(random.GetSecondIndex(), 103u);
}

TEST(RandomTest, SameTickGivesTheSameSequence)
{
    CRandom first = SeededWithTick(0xDEADBEEF);
    CRandom second = SeededWithTick(0xDEADBEEF);
    for (int i = 0; i < 1000; i++)
        ASSERT_EQ(first.Below(1000000), second.Below(1000000)) << i;
}

TEST(RandomTest, BetweenStaysInsideItsClosedRange)
{
    CRandom random = SeededWithTick(7);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 10000; i++)
    {
        const int32_t value = random.Between(-3, 3);
        ASSERT_GE(value, -3);
        ASSERT_LE(value, 3);
        sawLow |= value == -3;
        sawHigh |= value == 3;
    }
    EXPECT_TRUE(sawLow);
    EXPECT_TRUE(sawHigh);

    EXPECT_EQ(random.Between(5, 5), 5);
}

TEST(RandomTest, BetweenFloatStaysInsideItsRange)
{
    CRandom random = SeededWithTick(7);
    for (int i = 0; i < 10000; i++)
    {
        const float value = random.BetweenFloat(-2.0f, 3.0f);
        ASSERT_GE(value, -2.0f);
        ASSERT_LE(value, 3.0f);
    }
    EXPECT_EQ(random.BetweenFloat(1.0f, 1.0f), 1.0f);
}

TEST(RandomTest, TickZeroFirstFloatIsTheScaledWord)
{
    CRandom random = SeededWithTick(0);
    EXPECT_FLOAT_EQ(random.BetweenFloat(0.0f, 100.0f), static_cast<float>(100.0 * 0x2CA56EF7u / 4294967296.0));
}

TEST(RandomTest, CosmeticIsTheAmbientGeneratorAndTheOthersAreSeparate)
{
    EXPECT_EQ(&CosmeticRandom(), &AmbientRandom());
    EXPECT_NE(&AmbientRandom(), &GameRandom());
    EXPECT_NE(&GameRandom(), &GetSharedRandom());
    EXPECT_NE(&AmbientRandom(), &GetSharedRandom());
}
