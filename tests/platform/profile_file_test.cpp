#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "engine/platform/durable_save.h"
#include "engine/platform/file_system.h"
#include "engine/platform/profile_file.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

class ProfileFile : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Temp.CopyFixture("settings/Player.INI");
        m_File = m_Temp.Path() + "settings/player.ini";
        m_Original = m_Temp.ReadFile("settings/Player.INI");
    }

    // The fixture with one line replaced (or, with an empty old line, with
    // the new text inserted before the given anchor).
    std::string OriginalWith(const std::string& oldText, const std::string& newText) const
    {
        std::string expected = m_Original;
        size_t at = expected.find(oldText);
        expected.replace(at, oldText.size(), newText);
        return expected;
    }

    ScopedTempFolder m_Temp;
    std::string m_File;
    std::string m_Original;
};

struct ReadCase
{
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(ProfileFile, ReadsValuesByTheFileRules)
{
    const ReadCase cases[] = {
        {"Options", "Screen Width", "1024"},        // the first of two keys wins
        {" OPTIONS ", "music volume", "-500"},      // case and blanks ignored
        {"Options", "Sound Volume", "default"},     // an empty value
        {"Options", "Title", "  Quoted Title  "},   // quotes keep inner blanks
        {"Options", "Player Name", "Ann"},          // single quotes too
        {"Options", "Mixed", "\"open"},             // unmatched quote stays
        {"Options", "Detail Level", "default"},     // a comment
        {"Options", "Brightness", "default"},       // only the first section counts
        {"Editor", "Grid", "8"},
        {"Missing", "Grid", "default"},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(ReadProfileString(m_File, c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ReadProfileString(m_Temp.Path() + "none.ini", "Options", "Grid", "default"), "default");
}

TEST_F(ProfileFile, ReadsIntegersFromLeadingDigits)
{
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Screen Width", 7), 1024);
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Music Volume", 7), -500);
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Sound Volume", 7), 7);
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Title", 7), 0);
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Nothing", -3), -3);
}

TEST_F(ProfileFile, ReplacingAKeyChangesNoOtherByte)
{
    ASSERT_TRUE(WriteProfileString(m_File, "options", "MUSIC VOLUME", "-700"));
    EXPECT_EQ(m_Temp.ReadFile("settings/Player.INI"), OriginalWith("  Music Volume = -500 \r\n", "Music Volume=-700\r\n"));
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Music Volume", 0), -700);
}

TEST_F(ProfileFile, NewKeyFollowsTheLastLineOfItsSection)
{
    ASSERT_TRUE(WriteProfileString(m_File, "Options", "Colour Mode", "16"));
    EXPECT_EQ(m_Temp.ReadFile("settings/Player.INI"),
              OriginalWith(";Detail Level=2\r\n", ";Detail Level=2\r\nColour Mode=16\r\n"));
}

TEST_F(ProfileFile, NewSectionIsAppended)
{
    ASSERT_TRUE(WriteProfileString(m_File, "Player 1 Keyboard", "Shoot", "32"));
    EXPECT_EQ(m_Temp.ReadFile("settings/Player.INI"), m_Original + "[Player 1 Keyboard]\r\nShoot=32\r\n");
}

TEST_F(ProfileFile, ALastLineWithoutLineEndGetsOneBeforeAnAddition)
{
    m_Temp.WriteFile("short.ini", "[A]\r\nx=1");
    ASSERT_TRUE(WriteProfileString(m_Temp.Path() + "short.ini", "A", "y", "2"));
    EXPECT_EQ(m_Temp.ReadFile("short.ini"), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST_F(ProfileFile, ReadOnlyFileIsMadeWritableFirst)
{
    ASSERT_TRUE(SetReadOnlyEntry(m_File, true));
    EXPECT_TRUE(WriteProfileString(m_File, "Options", "Screen Width", "800"));
    EXPECT_FALSE(IsReadOnlyEntry(m_File));
    EXPECT_EQ(ReadProfileInt(m_File, "Options", "Screen Width", 0), 800);
}

TEST_F(ProfileFile, NewFileInAReadOnlyFolderIsRefused)
{
    m_Temp.WriteFile("CD/.keep", "");
    ASSERT_TRUE(SetReadOnlyEntry(m_Temp.Path() + "CD", true));
    EXPECT_FALSE(WriteProfileString(m_Temp.Path() + "CD/Game.CFG", "Options", "Screen Width", "800"));
    EXPECT_FALSE(fs::exists(m_Temp.Path() + "CD/Game.CFG"));
}

// The folder decides as it does for every save: an existing file in a
// read-only folder is refused too, read-only or not, and keeps its bytes
// and its mode.
TEST_F(ProfileFile, ExistingFileInAReadOnlyFolderIsRefusedAndKeepsItsMode)
{
    for (bool fileReadOnly : {false, true})
    {
        m_Temp.WriteFile("CD/Game.CFG", "[Options]\r\nScreen Width=640\r\n");
        ASSERT_TRUE(SetReadOnlyEntry(m_Temp.Path() + "CD/Game.CFG", fileReadOnly));
        ASSERT_TRUE(SetReadOnlyEntry(m_Temp.Path() + "CD", true));
        EXPECT_FALSE(WriteProfileString(m_Temp.Path() + "CD/Game.CFG", "Options", "Screen Width", "800"));
        EXPECT_EQ(IsReadOnlyEntry(m_Temp.Path() + "CD/Game.CFG"), fileReadOnly);
        ASSERT_TRUE(SetReadOnlyEntry(m_Temp.Path() + "CD", false));
        ASSERT_TRUE(SetReadOnlyEntry(m_Temp.Path() + "CD/Game.CFG", false));
        EXPECT_EQ(m_Temp.ReadFile("CD/Game.CFG"), "[Options]\r\nScreen Width=640\r\n");
    }
}

namespace
{
int s_SyncCount = 0;
int CountingSync(int descriptor)
{
    s_SyncCount++;
    return fsync(descriptor);
}
}

TEST_F(ProfileFile, WritesAreSavedDurably)
{
    s_SyncCount = 0;
    const FileSyncCall previous = SetFileSyncCall(&CountingSync);
    const bool written = WriteProfileString(m_File, "Options", "Screen Width", "800");
    SetFileSyncCall(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(s_SyncCount, 2);  // the file, then its folder
    EXPECT_EQ(fs::directory_iterator(m_Temp.Path() + "settings")->path().filename(), "Player.INI");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_Temp.Path() + "settings"), fs::directory_iterator()), 1);
}

TEST_F(ProfileFile, ChangesMadeOnDiskAreSeen)
{
    EXPECT_EQ(ReadProfileInt(m_File, "Editor", "Grid", 0), 8);
    m_Temp.WriteFile("settings/Player.INI", "[Editor]\r\nGrid=16\r\n");
    EXPECT_EQ(ReadProfileInt(m_File, "Editor", "Grid", 0), 16);
}

TEST_F(ProfileFile, SameSizeChangeWithinTheSameClockTickIsSeen)
{
    m_Temp.WriteFile("tick.ini", "[Editor]\r\nGrid=8\r\n");
    const std::string file = m_Temp.Path() + "tick.ini";
    EXPECT_EQ(ReadProfileInt(file, "Editor", "Grid", 0), 8);

    // Same size, same file, and a coarse clock leaves the time as it was.
    const fs::file_time_type stamped = fs::last_write_time(file);
    m_Temp.WriteFile("tick.ini", "[Editor]\r\nGrid=9\r\n");
    fs::last_write_time(file, stamped);
    EXPECT_EQ(ReadProfileInt(file, "Editor", "Grid", 0), 9);
}

TEST_F(ProfileFile, NameWithoutFolderLivesInTheConfigFolder)
{
    std::string savedConfigHome = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    setenv("XDG_CONFIG_HOME", (m_Temp.Path() + "config").c_str(), 1);

    EXPECT_EQ(GetProfileSystemPath("Vantrell PellucineCD.INI"),
              m_Temp.Path() + "config/Vantrell Pellucine/Vantrell PellucineCD.INI");
    bool written = WriteProfileString("Vantrell PellucineCD.INI", "Options", "Screen Width", "800");
    int32_t readBack = ReadProfileInt("vantrell pellucinecd.ini", "Options", "Screen Width", 0);

    if (savedConfigHome.empty())
        unsetenv("XDG_CONFIG_HOME");
    else
        setenv("XDG_CONFIG_HOME", savedConfigHome.c_str(), 1);
    EXPECT_TRUE(written);
    EXPECT_EQ(readBack, 800);
    EXPECT_EQ(m_Temp.ReadFile("config/Vantrell Pellucine/Vantrell PellucineCD.INI"), "[Options]\r\nScreen Width=800\r\n");
}

TEST_F(ProfileFile, NameWithFolderIsRelativeToTheCurrentFolder)
{
    std::string previous = fs::current_path().string();
    ASSERT_TRUE(SetCurrentFolder(m_Temp.Path() + "Settings"));
    EXPECT_EQ(ReadProfileInt(".\\PLAYER.ini", "Editor", "Grid", 0), 8);
    SetCurrentFolder(previous);
}
