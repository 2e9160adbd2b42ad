#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>

#include "engine/core/files/stream.h"
#include "engine/object/object_files.h"
#include "game/records/stats.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/killed_saves.h"
#include "tests/support/message_box_capture.h"

namespace {

// The guest renamed, with a record of the standard set holding a
// suspended game.
void FillRecords(CStats& stats, uint32_t points)
{
    stats.ApplyPlayerRules();
    stats.GetCurrentPlayer()->m_Name = "Ines";
    CPlayerStatsForRoundSet* record = stats.GetCurrentRoundSetStats();
    record->m_HighestRoundCompleted = 7;
    delete record->m_pSuspendedGame;
    record->m_pSuspendedGame = new CSuspendedGameStats;
    record->m_pSuspendedGame->m_BallsLeft = 2;
    record->m_pSuspendedGame->m_PointsScored = points;
}

std::string TextOf(CStats& stats)
{
    uint32_t size = 0;
    uint8_t* bytes = WriteObjectToMemory(&stats, size);
    std::string text(reinterpret_cast<char*>(bytes), size);
    std::free(bytes);
    return text;
}

class StatsFile : public ArchiveTestFolder
{
protected:
    // A record set read from the folder as the program does at start.
    static std::unique_ptr<CStats> Reloaded()
    {
        std::unique_ptr<CStats> stats(new CStats);
        stats->Reload();
        return stats;
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(Absolute(name)); }

    ScopedMessageBoxCapture m_Boxes;
};

} // namespace

TEST_F(StatsFile, SavedRecordsReadBackWhole)
{
    CStats stats;
    FillRecords(stats, 4400);
    ASSERT_TRUE(stats.Save());
    std::unique_ptr<CStats> back = Reloaded();
    EXPECT_TRUE(back->AllPropertiesEqual(stats));
    ASSERT_NE(back->GetCurrentRoundSetStats()->m_pSuspendedGame, nullptr);
    EXPECT_EQ(back->GetCurrentRoundSetStats()->m_pSuspendedGame->m_PointsScored, 4400u);
    EXPECT_TRUE(m_Boxes.Boxes().empty());
}

TEST_F(StatsFile, MissingFileGivesTheGuestSilently)
{
    std::unique_ptr<CStats> stats = Reloaded();
    ASSERT_EQ(stats->GetPlayerCount(), 1u);
    EXPECT_STREQ(stats->GetCurrentPlayer()->m_Name.GetText(), "Anonymous Guest");
    EXPECT_TRUE(m_Boxes.Boxes().empty());
    EXPECT_FALSE(Exists("Stats.dat.bad-0"));
}

TEST_F(StatsFile, CompressedFileIsAccepted)
{
    CStats stats;
    FillRecords(stats, 812);
    ASSERT_TRUE(SaveObjectToFile(&stats, "Stats.dat", OPEN_NAME_UNCHANGED | OPEN_COMPRESSED));
    ASSERT_EQ(FileBytes("Stats.dat")[0], '\x01');
    std::unique_ptr<CStats> back = Reloaded();
    EXPECT_TRUE(back->AllPropertiesEqual(stats));
    EXPECT_TRUE(m_Boxes.Boxes().empty());
}

// Whatever is wrong with the file, it is kept aside exactly as it was, the
// records start afresh with the guest, the player is told once, and the
// next save writes a new file instead of losing the old one.
TEST_F(StatsFile, DamagedFilesAreKeptAsideAndNeverOverwritten)
{
    CStats valid;
    FillRecords(valid, 4400);
    const std::string text = TextOf(valid);
    std::mt19937 random(45);
    std::string noise(700, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    const struct
    {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"truncated", text.substr(0, text.size() / 2)},
        {"random bytes", noise},
        {"wrong class", "CGameStats\r\n{\r\n}\r\n"},
        {"broken nested object", "CStats\r\n{\r\n\tPlayers=Array\r\n\t{\r\n\t\tArray Count=1\r\n\t\tPlayer=CNoSuchClass\r\n"
                                 "\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n"},
    };
    int32_t kept = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_Folder.WriteFile("Stats.dat", c.bytes);
        const size_t boxesBefore = m_Boxes.Boxes().size();
        std::unique_ptr<CStats> stats = Reloaded();
        const std::string aside = "Stats.dat.bad-" + std::to_string(kept++);
        ASSERT_TRUE(Exists(aside));
        EXPECT_EQ(FileBytes(aside), c.bytes);
        EXPECT_FALSE(Exists("Stats.dat"));
        ASSERT_EQ(stats->GetPlayerCount(), 1u);
        EXPECT_STREQ(stats->GetCurrentPlayer()->m_Name.GetText(), "Anonymous Guest");
        EXPECT_EQ(stats->m_CurrentGame.m_PointsScored, 0u);
        ASSERT_EQ(m_Boxes.Boxes().size(), boxesBefore + 1);
        EXPECT_NE(m_Boxes.Boxes().back().text.find(aside), std::string::npos) << m_Boxes.Boxes().back().text;
        EXPECT_TRUE(stats->Save());
        EXPECT_EQ(FileBytes(aside), c.bytes);
    }
}

TEST_F(StatsFile, DamagedFileThatCannotBeKeptAsideIsNeverSavedOver)
{
    m_Folder.WriteFile("Stats.dat", "CStats\r\n{\r\n");
    ASSERT_EQ(chmod(Absolute("").c_str(), 0555), 0);
    std::unique_ptr<CStats> stats = Reloaded();
    ASSERT_EQ(chmod(Absolute("").c_str(), 0755), 0);
    EXPECT_EQ(m_Boxes.Boxes().size(), 1u);
    EXPECT_FALSE(stats->Save());
    EXPECT_EQ(FileBytes("Stats.dat"), "CStats\r\n{\r\n");
}

TEST_F(StatsFile, ReadOnlyFileIsMadeWritableAndReadOnlyFolderRefusesTheSave)
{
    CStats stats;
    FillRecords(stats, 10);
    ASSERT_TRUE(stats.Save());
    ASSERT_EQ(chmod(Absolute("Stats.dat").c_str(), 0444), 0);
    FillRecords(stats, 20);
    EXPECT_TRUE(stats.Save());
    EXPECT_EQ(Reloaded()->GetCurrentRoundSetStats()->m_pSuspendedGame->m_PointsScored, 20u);

    ASSERT_EQ(chmod(Absolute("").c_str(), 0555), 0);
    FillRecords(stats, 30);
    const bool saved = stats.Save();
    ASSERT_EQ(chmod(Absolute("").c_str(), 0755), 0);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Reloaded()->GetCurrentRoundSetStats()->m_pSuspendedGame->m_PointsScored, 20u);
}

// A saver killed at any moment leaves one of its two states whole.
TEST_F(StatsFile, KilledSavesAlwaysLeaveAWholeFile)
{
    CStats stats;
    FillRecords(stats, 1);
    ASSERT_TRUE(stats.Save());
    std::mt19937 random(4545);
    std::uniform_int_distribution<uint32_t> delay(0, 20000);
    for (int32_t kill = 0; kill < 50; kill++)
    {
        ASSERT_TRUE(KillWhileSaving(
            [&](uint32_t round) {
                FillRecords(stats, round % 2 == 0 ? 1000 : 2000);
                stats.Save();
            },
            delay(random)));
        std::unique_ptr<CStats> back = Reloaded();
        ASSERT_TRUE(m_Boxes.Boxes().empty()) << "kill " << kill;
        const uint32_t points = back->GetCurrentRoundSetStats()->m_pSuspendedGame->m_PointsScored;
        EXPECT_TRUE(points == 1 || points == 1000 || points == 2000) << "kill " << kill << ": " << points;
    }
}

TEST_F(StatsFile, EmptyPlayerSlotsAreDropped)
{
    m_Folder.WriteFile("Stats.dat", "CStats\r\n{\r\n\tPlayers=Array\r\n\t{\r\n\t\tArray Count=2\r\n\t\tPlayer=\r\n"
                                    "\t\tPlayer=CPlayerStats\r\n\t\t{\r\n\t\t\tName=Ines\r\n\t\t}\r\n\t}\r\n"
                                    "\tCurrent Player=1\r\n}\r\n");
    std::unique_ptr<CStats> stats = Reloaded();
    EXPECT_TRUE(m_Boxes.Boxes().empty());
    ASSERT_EQ(stats->GetPlayerCount(), 1u);
    EXPECT_EQ(stats->m_CurrentPlayer, 0u);
    EXPECT_STREQ(stats->GetCurrentPlayer()->m_Name.GetText(), "Ines");
}
