#include <gtest/gtest.h>

#include "engine/object/properties/array_property.h"
#include "game/records/difficulty_names.h"
#include "game/records/stats.h"

namespace {

CGameStats Game(uint32_t points, uint32_t difficulty, bool cheated = false)
{
    CGameStats game;
    game.m_PointsScored = points;
    game.m_LevelOfDifficulty = difficulty;
    game.m_UsedCheat = cheated;
    game.m_StartingRoundNumber = 4;
    game.m_EndingRoundNumber = difficulty + 5;
    game.m_SecondsPlayed = 10.5f * static_cast<float>(difficulty + 1);
    game.m_GamesFinished = 1;
    return game;
}

} // namespace

TEST(StatsMerge, SumsAndBestsOfTwoGames)
{
    CGameStats totals;
    CGameStats best;
    for (const CGameStats& game : {Game(5000, 2), Game(3000, 1, true)})
    {
        totals.MergeSum(game);
        best.MergeBest(game);
    }
    EXPECT_EQ(totals.m_PointsScored, 8000u);
    EXPECT_EQ(totals.m_GamesFinished, 2u);
    EXPECT_EQ(totals.m_StartingRoundNumber, 0u);
    EXPECT_EQ(totals.m_EndingRoundNumber, 7u);
    EXPECT_EQ(totals.m_LevelOfDifficulty, 0u);
    EXPECT_FLOAT_EQ(totals.m_SecondsPlayed, 31.5f + 21.0f);
    EXPECT_TRUE(totals.m_UsedCheat);

    EXPECT_EQ(best.m_PointsScored, 5000u);
    EXPECT_EQ(best.m_GamesFinished, 2u);
    EXPECT_EQ(best.m_StartingRoundNumber, 0u);
    EXPECT_EQ(best.m_LevelOfDifficulty, 2u);
    EXPECT_FLOAT_EQ(best.m_SecondsPlayed, 31.5f);
    EXPECT_TRUE(best.m_UsedCheat);
}

TEST(StatsMerge, HigherScoresCountOnlyTheDifficultyAndNeverTies)
{
    CPlayerStatsForRoundSet record;
    for (const CGameStats& game : {Game(900, 1), Game(1000, 1), Game(1100, 1), Game(5000, 2)})
        record.ArchiveGame(game);
    EXPECT_EQ(record.CountHigherScores(1000, 1), 1u);
    EXPECT_EQ(record.CountHigherScores(999, 1), 2u);
    EXPECT_EQ(record.CountHigherScores(0, 2), 1u);
    EXPECT_EQ(record.CountHigherScores(0, 3), 0u);
    ASSERT_EQ(record.m_AllGamesPlayedCount, 4u);
    EXPECT_EQ(record.m_AllGamesPlayed[3]->m_PointsScored, 5000u);
}

TEST(StatsMerge, AllPlayersCountGivesEveryPlayerARecordOfTheSet)
{
    CStats stats;
    stats.ApplyPlayerRules();
    stats.GetCurrentRoundSetStats()->ArchiveGame(Game(700, 1));
    stats.m_CurrentGame = Game(500, 1);
    EXPECT_EQ(stats.CountHigherScoresAllPlayers(500, 1), 1u);
    EXPECT_EQ(stats.ArchiveCurrentGame()->m_PointsScored, 500u);
    EXPECT_EQ(stats.CountHigherScoresAllPlayers(400, 1), 2u);
}

TEST(StatsMerge, RingsCountAtMostFivePerRound)
{
    CPlayerStatsForRoundSet record;
    const ArrayProperty* rings = static_cast<const ArrayProperty*>(
        CPlayerStatsForRoundSet::SGetClassInfo()->FindProperty("Most Rings Found Each Round"));
    for (uint32_t found : {7u, 2u})
        *static_cast<uint32_t*>(rings->AppendElement(&record)) = found;
    EXPECT_EQ(record.TotalRingsFound(), 7u);
}

TEST(StatsMerge, BestRingsPerRoundKeepTheLargerAndGrowWithZeros)
{
    CPlayerStatsForRoundSet record;
    EXPECT_EQ(record.GetRingsFound(4), 0u);
    record.RecordRingsFound(3, 4);
    ASSERT_EQ(record.m_MostRingsFoundCount, 4u);
    for (uint32_t round = 0; round < 3; round++)
        EXPECT_EQ(record.GetRingsFound(round), 0u) << round;
    record.RecordRingsFound(3, 2);
    EXPECT_EQ(record.GetRingsFound(3), 4u);
    EXPECT_FALSE(record.AllRingsFound(3));
    record.RecordRingsFound(3, 5);
    EXPECT_TRUE(record.AllRingsFound(3));
    record.RecordRingsFound(1, 6);
    EXPECT_TRUE(record.AllRingsFound(1));
    EXPECT_EQ(record.m_MostRingsFoundCount, 4u);
    EXPECT_EQ(record.TotalRingsFound(), 10u);
}

TEST(StatsMerge, DifficultyNames)
{
    const struct
    {
        uint32_t value;
        const char* name;
    } cases[] = {{0, "Easy"}, {1, "Normal"}, {2, "Hard"}, {3, "Insane"}, {7, "Normal"}};
    for (const auto& c : cases)
        EXPECT_STREQ(DifficultyName(c.value).GetText(), c.name) << c.value;
}
