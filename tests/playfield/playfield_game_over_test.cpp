#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "engine/graphics/slides/text_substitution_list.h"
#include "engine/object/properties/array_property.h"
#include "game/playfield/long_date.h"
#include "engine/core/settings/paths.h"
#include "game/records/stats.h"
#include "tests/support/playfield_fixtures.h"

namespace {

class PlayfieldGameOverTest : public PlayfieldTest
{
protected:
    // A second player (before the guest) whose record of the set holds n
    // archived games of the points at difficulty 1.
    static void AddOtherPlayerGames(uint32_t n, uint32_t points)
    {
        CStats& stats = GetStats();
        CPlayerStats* other = new CPlayerStats;
        other->m_Name = "Other";
        const ArrayProperty* players = static_cast<const ArrayProperty*>(CStats::SGetClassInfo()->FindProperty("Players"));
        *static_cast<CObject**>(players->AppendElement(&stats)) = other;
        ArchiveGames(*other->GetRoundSetStats(CString(GetFileNamePart(stats.GetRoundSetName().GetText()))), n, points);
    }

    static void ArchiveGames(CPlayerStatsForRoundSet& record, uint32_t n, uint32_t points)
    {
        CGameStats game;
        game.m_PointsScored = points;
        game.m_LevelOfDifficulty = 1;
        for (uint32_t i = 0; i < n; i++)
            record.ArchiveGame(game);
    }

    // A game of difficulty 1 on round 2 that scored the points, over.
    void EndGameWith(uint32_t points, bool cheated = false)
    {
        ASSERT_TRUE(m_pPlayfield->NewGame(2, 1, false, false, false, false));
        CGameStats& game = GetStats().GetCurrentGame();
        game.m_PointsScored = points;
        game.m_UsedCheat = cheated;
        game.m_BricksDestroyed = 12;
        m_pPlayfield->EndGame(0);
        m_pPlayfield->ShowGameOverScore();
    }

    static const std::vector<std::string>& Calls() { return ScopedPlayfieldHooks::s_Calls; }
    static bool Called(const std::string& call)
    {
        return std::find(Calls().begin(), Calls().end(), call) != Calls().end();
    }
    static CPlayerStatsForRoundSet& Record() { return *GetStats().GetCurrentRoundSetStats(); }
    // The current player's record of the set as the records file holds it.
    static const CSuspendedGameStats* SavedSuspendedGame(CStats& reread)
    {
        reread.Reload();
        return reread.GetCurrentPlayer()->GetRoundSetStats(CString("Test Set"))->m_pSuspendedGame;
    }
};

TEST_F(PlayfieldGameOverTest, GameWithoutPointsGoesBackToTheMenuUnrecorded)
{
    EndGameWith(0);
    EXPECT_TRUE(Called("GoToMainMenu"));
    EXPECT_FALSE(Called("OpenStatisticsWindow"));
    EXPECT_EQ(Record().m_CareerTotals.m_GamesFinished, 0u);
    EXPECT_EQ(GetStats().m_AllPlayersTotals.m_GamesFinished, 0u);
    EXPECT_EQ(Record().m_AllGamesPlayedCount, 0u);
}

TEST_F(PlayfieldGameOverTest, ScoreRanksAmongEveryonesGamesAndIsArchived)
{
    AddOtherPlayerGames(60, 5000);
    ArchiveGames(Record(), 3, 4000);
    EndGameWith(1234);
    EXPECT_EQ(ScopedPlayfieldHooks::s_StatisticsMessage,
              "Your score of 1,234 ranks number 64 in the high scores list.");
    ASSERT_EQ(Record().m_AllGamesPlayedCount, 4u);
    EXPECT_EQ(ScopedPlayfieldHooks::s_pStatisticsGame, Record().m_AllGamesPlayed[3]);
    EXPECT_EQ(ScopedPlayfieldHooks::s_pStatisticsGame->m_PointsScored, 1234u);
    EXPECT_EQ(ScopedPlayfieldHooks::s_pStatisticsGame->m_EndingRoundNumber, 2u);
    EXPECT_EQ(ScopedPlayfieldHooks::s_StatisticsDifficulty, 1u);
    const std::vector<std::string> tail(Calls().end() - 2, Calls().end());
    EXPECT_EQ(tail, (std::vector<std::string>{"LeavePlay", "OpenStatisticsWindow"}));
    // The archived game is in the file, not only in memory.
    CStats reread;
    reread.Reload();
    EXPECT_EQ(reread.GetCurrentPlayer()->GetRoundSetStats(CString("Test Set"))->m_AllGamesPlayedCount, 4u);
}

TEST_F(PlayfieldGameOverTest, FirstGameIsThePersonalBest)
{
    EndGameWith(1234);
    EXPECT_EQ(ScopedPlayfieldHooks::s_StatisticsMessage,
              "Your score of 1,234 ranks number 1 in the high scores list and is your personal best.");
    EXPECT_EQ(Record().m_CareerTotals.m_PointsScored, 1234u);
    EXPECT_EQ(Record().m_CareerBest.m_BricksDestroyed, 12u);
    EXPECT_EQ(GetStats().m_AllPlayersTotals.m_GamesFinished, 1u);
}

TEST_F(PlayfieldGameOverTest, CheatedGameIsNotArchivedButCounted)
{
    EndGameWith(1234, true);
    EXPECT_EQ(ScopedPlayfieldHooks::s_StatisticsMessage,
              "Your score of 1,234 does not qualify you for the high scores list because you cheated.");
    EXPECT_EQ(ScopedPlayfieldHooks::s_pStatisticsGame, nullptr);
    EXPECT_EQ(Record().m_AllGamesPlayedCount, 0u);
    EXPECT_EQ(Record().m_CareerTotals.m_PointsScored, 1234u);
    EXPECT_TRUE(Record().m_CareerBest.m_UsedCheat);
}

TEST_F(PlayfieldGameOverTest, ScoreBelowBothListsIsNotArchived)
{
    AddOtherPlayerGames(50, 5000);
    ArchiveGames(Record(), 25, 4000);
    EndGameWith(1234);
    EXPECT_EQ(ScopedPlayfieldHooks::s_StatisticsMessage,
              "Your score of 1,234 is not high enough to qualify you for the high scores list.");
    EXPECT_EQ(ScopedPlayfieldHooks::s_pStatisticsGame, nullptr);
    EXPECT_EQ(Record().m_AllGamesPlayedCount, 25u);
}

TEST_F(PlayfieldGameOverTest, CheatZeroesAGameInPlayOnly)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    GetStats().GetCurrentGame().m_PointsScored = 700;
    m_pPlayfield->MarkCheatUsed(false);
    EXPECT_EQ(m_pPlayfield->GetScore(), 0u);
    EXPECT_TRUE(GetStats().GetCurrentGame().m_UsedCheat);
    const std::vector<std::string> lines = BoxLines();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "You are cheating"), lines.end());

    GetStats().GetCurrentGame().m_PointsScored = 900;
    m_pPlayfield->EndGame(0);
    m_pPlayfield->MarkCheatUsed(true);
    EXPECT_EQ(m_pPlayfield->GetScore(), 900u);
    EXPECT_EQ(BoxLines(), std::vector<std::string>{"You are cheating"});

    ScopedPlayfieldHooks::s_InPlay = false;
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    GetStats().GetCurrentGame().m_PointsScored = 300;
    m_pPlayfield->MarkCheatUsed(true);
    EXPECT_EQ(m_pPlayfield->GetScore(), 300u);
    EXPECT_FALSE(GetStats().GetCurrentGame().m_UsedCheat);
}

class PlayfieldSuspendTest : public PlayfieldGameOverTest
{
protected:
    void SetUp() override
    {
        PlayfieldGameOverTest::SetUp();
        for (int32_t i = 3; i < 13; i++)
        {
            m_Rounds.push_back(std::make_unique<CTestRound>("More", std::vector<TestBrickKind>{TestBrickKind::Required}));
            m_pRoundSet->AddRound(m_Rounds.back().get());
        }
    }
};

TEST_F(PlayfieldSuspendTest, SuspendedGameResumesAtTheStartOfItsRound)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(12, 1, false, false, false, false));
    CGameStats& game = GetStats().GetCurrentGame();
    // The round started with these points and 2 balls; 3 in reserve now.
    GetStats().GetSuspendScratch().m_PointsScored = 5500;
    game.m_PointsScored = 6100;
    m_pPlayfield->m_BallsInReserve = 3;
    ASSERT_TRUE(m_pPlayfield->SuspendGame());

    CStats reread;
    const CSuspendedGameStats* saved = SavedSuspendedGame(reread);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->m_BallsLeft, 2u);
    EXPECT_EQ(saved->m_EndingRoundNumber, 12u);
    EXPECT_EQ(saved->m_PointsScored, 5500u);
    EXPECT_NE(saved->m_EndTime, 0);

    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    ASSERT_TRUE(m_pPlayfield->ResumeGame());
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 12);
    EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 2u);
    EXPECT_EQ(m_pPlayfield->GetScore(), 5500u);
    EXPECT_EQ(Record().m_pSuspendedGame, nullptr);
    EXPECT_EQ(GetStats().GetSuspendScratch().m_BallsLeft, 2u);
    CStats afterResume;
    EXPECT_EQ(SavedSuspendedGame(afterResume), nullptr);
}

// A record naming what the game cannot start changes nothing.
TEST_F(PlayfieldSuspendTest, UnplayableSuspendedGamesDoNotResume)
{
    const struct
    {
        const char* name;
        bool present;
        uint32_t round;
        uint32_t difficulty;
    } cases[] = {{"none", false, 0, 1}, {"round 99", true, 99, 1}, {"difficulty 9", true, 1, 9}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(m_pPlayfield->NewGame(2, 1, false, false, false, false));
        GetStats().GetCurrentGame().m_PointsScored = 77;
        delete Record().m_pSuspendedGame;
        Record().m_pSuspendedGame = nullptr;
        if (c.present)
        {
            Record().m_pSuspendedGame = new CSuspendedGameStats;
            Record().m_pSuspendedGame->m_EndingRoundNumber = c.round;
            Record().m_pSuspendedGame->m_LevelOfDifficulty = c.difficulty;
        }
        EXPECT_FALSE(m_pPlayfield->ResumeGame());
        EXPECT_EQ(m_pPlayfield->m_RoundIndex, 2);
        EXPECT_EQ(m_pPlayfield->GetScore(), 77u);
        EXPECT_EQ(Record().m_pSuspendedGame != nullptr, c.present);
    }
}

TEST_F(PlayfieldSuspendTest, SuspendIntoAReadOnlyFolderAnswersFalseAndKeepsTheRecord)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(1, 1, false, false, false, false));
    ASSERT_EQ(chmod(Absolute("").c_str(), 0555), 0);
    const bool saved = m_pPlayfield->SuspendGame();
    ASSERT_EQ(chmod(Absolute("").c_str(), 0755), 0);
    EXPECT_FALSE(saved);
    ASSERT_NE(Record().m_pSuspendedGame, nullptr);
    EXPECT_EQ(Record().m_pSuspendedGame->m_EndingRoundNumber, 1u);
}

TEST_F(PlayfieldSuspendTest, EndScreenTagsAddThisGameToTheCareer)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(1, 2, false, false, false, false));
    CGameStats& game = GetStats().GetCurrentGame();
    game.m_PointsScored = 1234;
    game.m_SecondsPlayed = 61.0f;
    game.m_BallsLost = 2;
    Record().m_CareerTotals.m_PointsScored = 5000;
    Record().m_CareerTotals.m_GamesFinished = 4;
    Record().m_CareerTotals.m_SecondsPlayed = 3600.0f;
    Record().m_CareerBest.m_SecondsPlayed = 30.0f;
    const ArrayProperty* rings = static_cast<const ArrayProperty*>(
        CPlayerStatsForRoundSet::SGetClassInfo()->FindProperty("Most Rings Found Each Round"));
    for (uint32_t found : {7u, 2u})
        *static_cast<uint32_t*>(rings->AppendElement(&Record())) = found;
    m_Rounds[0]->m_Note1 = "no rings here: the tutorial";
    GetStats().GetCurrentPlayer()->m_Name = "Ines";

    TextSubstitutionList tags;
    m_pPlayfield->FillStatsTags(tags);
    EXPECT_EQ(tags.GetCount(), 13u);
    const struct
    {
        const char* tag;
        const char* value;
    } cases[] = {{"%s[roundPack]", "Test Set"},
                 {"%s[difficulty]", "Hard"},
                 {"%s[score]", "1,234"},
                 {"%s[playerName]", "Ines"},
                 {"%s[Rings]", "7"},
                 {"%s[TotalRings]", "60"},
                 {"%s[careerScore]", "6,234"},
                 {"%s[ballsLost]", "2"},
                 {"%s[longestGame]", "00:01:01"},
                 {"%s[totalGames]", "5"},
                 {"%s[totalTimePlayed]", "01:01:01"}};
    for (const auto& c : cases)
        EXPECT_STREQ(tags.Apply(CString(c.tag)).GetText(), c.value) << c.tag;
    CString date;
    FormatCurrentDate(date);
    EXPECT_STREQ(tags.Apply(CString("%s[currentDate]")).GetText(), date.GetText());
}

TEST(LongDateTest, EnglishLongDateInLocalTime)
{
    const char* previous = std::getenv("TZ");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("TZ", "UTC", 1);
    tzset();
    const struct
    {
        int64_t seconds;
        const char* text;
    } cases[] = {{1796860800, "Thursday, December 10, 2026"}, {1767398400, "Saturday, January 3, 2026"}};
    for (const auto& c : cases)
    {
        CString text;
        FormatLongDate(text, c.seconds);
        EXPECT_STREQ(text.GetText(), c.text);
    }
    if (previous != nullptr)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

} // namespace
