#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/platform/durable_save.h"
#include "engine/platform/file_system.h"
#include "tests/support/killed_saves.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

namespace
{
std::set<std::string> EntriesOf(const std::string& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

bool Save(const std::string& name, const std::string& bytes, bool makeWritable = false)
{
    return SaveFileDurably(name, bytes.data(), bytes.size(), makeWritable);
}

// What each flush saw: whether the descriptor was a folder, and what the
// target held at that moment.
struct SyncRecord
{
    bool folder;
    std::string target;
};

std::string s_Target;
std::vector<SyncRecord> s_Syncs;

int RecordingSync(int descriptor)
{
    struct stat status;
    fstat(descriptor, &status);
    std::ifstream file(s_Target, std::ios::binary);
    std::ostringstream held;
    held << file.rdbuf();
    s_Syncs.push_back({S_ISDIR(status.st_mode), held.str()});
    return fsync(descriptor);
}
}

TEST(DurableSave, ReplacesTheTargetAndLeavesNothingElse)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/Levels/Round 1.txt", "old");
    ASSERT_TRUE(Save(temp.Path() + "data\\LEVELS/round 1.TXT", "new bytes"));
    EXPECT_EQ(temp.ReadFile("Data/Levels/Round 1.txt"), "new bytes");
    EXPECT_EQ(EntriesOf(temp.Path() + "Data/Levels"), std::set<std::string>{"Round 1.txt"});

    ASSERT_TRUE(Save(temp.Path() + "Data/Levels/Round 2.txt", ""));
    EXPECT_EQ(temp.ReadFile("Data/Levels/Round 2.txt"), "");
}

// The file is flushed before it replaces the target, the folder after.
TEST(DurableSave, FlushesTheFileThenTheFolder)
{
    ScopedTempFolder temp;
    temp.WriteFile("Stats.dat", "old");
    s_Target = temp.Path() + "Stats.dat";
    s_Syncs.clear();
    const FileSyncCall previous = SetFileSyncCall(&RecordingSync);
    const bool saved = Save(s_Target, "new");
    SetFileSyncCall(previous);

    ASSERT_TRUE(saved);
    ASSERT_EQ(s_Syncs.size(), 2u);
    EXPECT_FALSE(s_Syncs[0].folder);
    EXPECT_EQ(s_Syncs[0].target, "old");
    EXPECT_TRUE(s_Syncs[1].folder);
    EXPECT_EQ(s_Syncs[1].target, "new");
}

// A save killed at any point leaves the old bytes or the new ones, and at
// most the one temporary file the next save replaces.
TEST(DurableSave, AKilledSaveLeavesOldOrNewBytesNeverATornFile)
{
    ScopedTempFolder temp;
    const std::string target = temp.Path() + "Player.dat";
    const std::string contents[2] = {std::string(300000, 'a'), std::string(200000, 'b')};
    temp.WriteFile("Player.dat", contents[1]);
    std::mt19937 random(7);
    std::uniform_int_distribution<uint32_t> delay(0, 20000);
    for (int kill = 0; kill < 30; kill++)
    {
        ASSERT_TRUE(KillWhileSaving(
            [&](uint32_t round) {
                const std::string& bytes = contents[round % 2];
                Save(target, bytes);
            },
            delay(random)));
        const std::string held = temp.ReadFile("Player.dat");
        EXPECT_TRUE(held == contents[0] || held == contents[1]) << "kill " << kill << ": " << held.size() << " bytes";
        std::set<std::string> entries = EntriesOf(temp.Path());
        entries.erase(".Player.dat.saving");
        EXPECT_EQ(entries, std::set<std::string>{"Player.dat"}) << "kill " << kill;
    }
    ASSERT_TRUE(Save(target, "after"));
    EXPECT_EQ(EntriesOf(temp.Path()), std::set<std::string>{"Player.dat"});
}

struct ReadOnlyCase
{
    const char* title;
    bool fileReadOnly;
    bool folderReadOnly;
    bool makeWritable;
    bool saved;
};

// One rule for every save: a read-only folder is never written into; a
// read-only file only when the caller asks for it to be made writable; and
// a refused save changes no byte and no mode.
TEST(DurableSave, ReadOnlyEntriesFollowOneRule)
{
    const ReadOnlyCase cases[] = {
        {"writable", false, false, false, true},
        {"read-only file", true, false, false, false},
        {"read-only file made writable", true, false, true, true},
        {"read-only folder", false, true, false, false},
        {"read-only folder, asked to make writable", false, true, true, false},
        {"both read-only, asked to make writable", true, true, true, false},
    };
    for (const ReadOnlyCase& c : cases)
    {
        ScopedTempFolder temp;
        temp.WriteFile("CD/Config.INI", "old");
        const std::string file = temp.Path() + "CD/Config.INI";
        ASSERT_TRUE(SetReadOnlyEntry(file, c.fileReadOnly));
        ASSERT_TRUE(SetReadOnlyEntry(temp.Path() + "CD", c.folderReadOnly));

        EXPECT_EQ(Save(file, "new", c.makeWritable), c.saved) << c.title;
        EXPECT_EQ(temp.ReadFile("CD/Config.INI"), c.saved ? "new" : "old") << c.title;
        EXPECT_EQ(IsReadOnlyEntry(file), c.saved ? false : c.fileReadOnly) << c.title;
        EXPECT_EQ(IsReadOnlyEntry(temp.Path() + "CD"), c.folderReadOnly) << c.title;
        ASSERT_TRUE(SetReadOnlyEntry(temp.Path() + "CD", false));
        EXPECT_EQ(EntriesOf(temp.Path() + "CD"), std::set<std::string>{"Config.INI"}) << c.title;
    }
}

TEST(DurableSave, TheNewFileKeepsTheOldOnesPermissions)
{
    ScopedTempFolder temp;
    temp.WriteFile("Shared.ini", "old");
    fs::permissions(temp.Path() + "Shared.ini", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(Save(temp.Path() + "Shared.ini", "new"));
    EXPECT_EQ(fs::status(temp.Path() + "Shared.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
