#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/records/stats.h"
#include "tests/support/object_forms.h"

namespace {
// The names of the lines of the object's own block, in order.
std::vector<std::string> TopLevelNames(const std::string& text)
{
    std::vector<std::string> names;
    size_t at = 0;
    while ((at = text.find("\r\n\t", at)) != std::string::npos)
    {
        at += 3;
        if (text[at] == '\t' || text[at] == '}')
            continue;
        names.push_back(text.substr(at, text.find('=', at) - at));
    }
    return names;
}
} // namespace

TEST(PlayerRecordsTest, GameStatsPropertiesStandInFileOrder)
{
    CSuspendedGameStats game;
    game.m_PointsScored = 7;
    game.m_StartTime = 132223104000000123;
    game.m_UsedCheat = true;
    game.m_BallsLeft = 2;
    const std::string text = ObjectText(&game);
    const std::vector<std::string> expected = {"Starting Round Number",
                                               "Ending Round Number",
                                               "Bricks Destroyed",
                                               "Coins Collected",
                                               "Balls Lost",
                                               "Points Scored",
                                               "Seconds Played",
                                               "Start Time",
                                               "End Time",
                                               "Level Of Difficulty",
                                               "Used Cheat",
                                               "Games Finished",
                                               "Balls Left"};
    EXPECT_EQ(TopLevelNames(text), expected) << text;
    EXPECT_NE(text.find("Start Time=132223104000000123"), std::string::npos) << text;

    std::unique_ptr<CObject> back = ObjectFromText(text);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->AllPropertiesEqual(game));
}

TEST(PlayerRecordsTest, DefaultsOfEveryRecord)
{
    CPlayerStats player;
    EXPECT_EQ(player.m_LastSelectedDifficulty, 1u);
    EXPECT_EQ(player.m_RoundSetCount, 0u);
    CPlayerStatsForRoundSet record;
    EXPECT_EQ(record.m_pSuspendedGame, nullptr);
    EXPECT_EQ(record.m_HighestRoundCompleted, 0u);
    CStats stats;
    EXPECT_EQ(stats.m_ProgramLaunchesSinceVersionCheck, 3u);
    EXPECT_EQ(stats.GetRoundSetName().GetText(), std::string("Vantrell Pellucine Standard"));
}

TEST(PlayerRecordsTest, FirstUseMakesTheGuestProfile)
{
    CStats& stats = GetStats();
    ASSERT_EQ(stats.GetPlayerCount(), 1u);
    EXPECT_EQ(stats.m_CurrentPlayer, 0u);
    EXPECT_STREQ(stats.GetCurrentPlayer()->m_Name.GetText(), "Anonymous Guest");
    EXPECT_EQ(&GetStats(), &stats);
}

TEST(PlayerRecordsTest, CurrentPlayerOutsideTheListBecomesTheLast)
{
    CStats stats;
    stats.m_CurrentPlayer = 7;
    stats.ApplyPlayerRules();
    EXPECT_EQ(stats.GetPlayerCount(), 1u);
    EXPECT_EQ(stats.m_CurrentPlayer, 0u);
}

TEST(PlayerRecordsTest, RoundSetRecordFoundIgnoringCaseOrMade)
{
    CStats stats;
    stats.ApplyPlayerRules();
    stats.SetRoundSet(1, "Rounds/My Set");
    CPlayerStatsForRoundSet* record = stats.GetCurrentRoundSetStats();
    EXPECT_STREQ(record->m_RoundSetName.GetText(), "My Set");
    EXPECT_TRUE(record->HasCompletedRound(0));
    stats.SetRoundSet(2, "MY SET");
    EXPECT_EQ(stats.GetCurrentRoundSetStats(), record);
    EXPECT_EQ(stats.GetCurrentPlayer()->m_RoundSetCount, 1u);
}

TEST(PlayerRecordsTest, HighestRoundOnlyRises)
{
    struct Case
    {
        uint32_t raise;
        uint32_t highest;
        uint32_t asked;
        bool completed;
    };
    CPlayerStatsForRoundSet record;
    for (const Case& c : {Case{4, 4, 4, true}, Case{2, 4, 5, false}, Case{9, 9, 5, true}})
    {
        record.RaiseHighestRound(c.raise);
        EXPECT_EQ(record.m_HighestRoundCompleted, c.highest);
        EXPECT_EQ(record.HasCompletedRound(c.asked), c.completed);
    }
}

TEST(PlayerRecordsTest, ResetCurrentGameRestoresDefaultsAndScratchIsApart)
{
    CStats stats;
    stats.GetCurrentGame().m_PointsScored = 500;
    stats.GetCurrentGame().m_UsedCheat = true;
    stats.GetSuspendScratch().CopyFrom(stats.GetCurrentGame());
    stats.ResetCurrentGame();
    EXPECT_EQ(stats.GetCurrentGame().m_PointsScored, 0u);
    EXPECT_FALSE(stats.GetCurrentGame().m_UsedCheat);
    EXPECT_EQ(stats.GetSuspendScratch().m_PointsScored, 500u);
}
