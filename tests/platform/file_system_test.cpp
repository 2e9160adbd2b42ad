#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "engine/platform/file_system.h"
#include "engine/platform/file_time.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

TEST(FileSystem, ReadOnlyFileRefusesWritesEvenForRoot)
{
    ScopedTempFolder temp;
    temp.WriteFile("Stats.dat", "good");
    ASSERT_TRUE(SetReadOnlyEntry(temp.Path() + "stats.DAT", true));
    EXPECT_TRUE(IsReadOnlyEntry(temp.Path() + "Stats.dat"));

    EXPECT_EQ(OpenSystemFile(temp.Path() + "Stats.dat", "wb"), nullptr);
    EXPECT_EQ(OpenSystemFile(temp.Path() + "Stats.dat", "r+b"), nullptr);
    FILE* reader = OpenSystemFile(temp.Path() + "Stats.dat", "rb");
    ASSERT_NE(reader, nullptr);
    std::fclose(reader);
    EXPECT_EQ(temp.ReadFile("Stats.dat"), "good");

    ASSERT_TRUE(SetReadOnlyEntry(temp.Path() + "Stats.dat", false));
    FILE* writer = OpenSystemFile(temp.Path() + "Stats.dat", "wb");
    ASSERT_NE(writer, nullptr);
    std::fclose(writer);
}

TEST(FileSystem, ReadOnlyFolderRefusesNewEntries)
{
    ScopedTempFolder temp;
    temp.WriteFile("CD/existing.txt", "x");
    ASSERT_TRUE(SetReadOnlyEntry(temp.Path() + "CD", true));

    EXPECT_EQ(OpenSystemFile(temp.Path() + "CD/TestSave.dat", "wb"), nullptr);
    EXPECT_FALSE(CreateSingleFolder(temp.Path() + "CD/Sub"));
    EXPECT_FALSE(fs::exists(temp.Path() + "CD/TestSave.dat"));
}

TEST(FileSystem, FoldersAreNeverOpenedAsFiles)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/x", "");
    EXPECT_EQ(OpenSystemFile(temp.Path() + "data", "rb"), nullptr);
}

TEST(FileSystem, CreateSingleFolderNeedsAnExistingParentAndANewName)
{
    ScopedTempFolder temp;
    EXPECT_FALSE(CreateSingleFolder(temp.Path() + "A/B"));
    EXPECT_TRUE(CreateSingleFolder(temp.Path() + "A/"));
    EXPECT_FALSE(CreateSingleFolder(temp.Path() + "a"));
    EXPECT_TRUE(CreateSingleFolder(temp.Path() + "a/B"));
    EXPECT_TRUE(fs::is_directory(temp.Path() + "A/B"));
}

TEST(FileSystem, StatusAndTimesRoundTrip)
{
    ScopedTempFolder temp;
    temp.WriteFile("t.bin", "123");
    // 2005-06-07 08:09:10 UTC plus 0.5 s, in 100-ns units since 1601.
    const uint64_t written = 127626053505000000ULL;
    const uint64_t accessed = written + 20000000;
    ASSERT_TRUE(SetFileTimes(temp.Path() + "T.BIN", &accessed, &written));

    FileStatus status;
    ASSERT_TRUE(QueryFileStatus(temp.Path() + "t.bin", &status));
    EXPECT_FALSE(status.isFolder);
    EXPECT_FALSE(status.isReadOnly);
    EXPECT_EQ(status.size, 3u);
    EXPECT_EQ(status.lastWriteTime, written);
    EXPECT_EQ(status.lastAccessTime, accessed);
    EXPECT_NE(status.creationTime, 0u);

    SetReadOnlyEntry(temp.Path() + "t.bin", true);
    EXPECT_FALSE(SetFileTimes(temp.Path() + "t.bin", nullptr, &accessed));
    EXPECT_FALSE(QueryFileStatus(temp.Path() + "missing.bin", &status));
}

TEST(FileSystem, SetOpenFileSizeCutsAndExtends)
{
    ScopedTempFolder temp;
    temp.WriteFile("s.bin", "abcdef");
    FILE* file = OpenSystemFile(temp.Path() + "s.bin", "r+b");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(SetOpenFileSize(file, 2));
    std::fclose(file);
    EXPECT_EQ(temp.ReadFile("s.bin"), "ab");
}

TEST(FileSystem, ProgramAndTempFolders)
{
    EXPECT_EQ(GetProgramFilePath(), fs::canonical("/proc/self/exe").string());
    std::string tempFolder = GetTempFolderPath();
    ASSERT_FALSE(tempFolder.empty());
    EXPECT_EQ(tempFolder.back(), '/');
}

TEST(FileSystem, CurrentFolderChangesHowRelativeNamesResolve)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/here.txt", "x");
    std::string previous = fs::current_path().string();

    ASSERT_TRUE(SetCurrentFolder(temp.Path() + "DATA"));
    FileStatus status;
    EXPECT_TRUE(QueryFileStatus("HERE.txt", &status));
    ASSERT_TRUE(SetCurrentFolder(previous));
    EXPECT_FALSE(QueryFileStatus("HERE.txt", &status));
}

TEST(FileTime, UnixTimeConvertsBothWays)
{
    timespec epoch = {0, 0};
    EXPECT_EQ(UnixTimeToFileTime(epoch), 116444736000000000ULL);
    timespec back = FileTimeToUnixTime(116444736000000000ULL + 15);
    EXPECT_EQ(back.tv_sec, 0);
    EXPECT_EQ(back.tv_nsec, 1500);
}

TEST(FileTime, DosDateTimeIsLocalTimeOnBothSides)
{
    // Three hours east of UTC, so that a UTC "now" would come back shifted.
    const char* savedZone = std::getenv("TZ");
    std::string savedZoneText = savedZone ? savedZone : "";
    setenv("TZ", "XST-3", 1);
    tzset();

    // A zip member rewritten now must come back with the time it was given.
    uint16_t date = 0;
    uint16_t time = 0;
    GetDosDateTimeNow(&date, &time);
    uint64_t now = GetFileTimeNow();
    uint64_t decoded = DosDateTimeToFileTime(date, time);
    EXPECT_LE(decoded, now);
    EXPECT_LT(now - decoded, 30000000u);  // DOS times have two-second steps

    // 2005-06-07 08:09:10 local.
    uint16_t fixedDate = static_cast<uint16_t>((25 << 9) | (6 << 5) | 7);
    uint16_t fixedTime = static_cast<uint16_t>((8 << 11) | (9 << 5) | 5);
    uint16_t dateAgain = 0;
    uint16_t timeAgain = 0;
    FileTimeToDosDateTime(DosDateTimeToFileTime(fixedDate, fixedTime), &dateAgain, &timeAgain);
    EXPECT_EQ(dateAgain, fixedDate);
    EXPECT_EQ(timeAgain, fixedTime);
    EXPECT_EQ(DosDateTimeToFileTime(fixedDate, fixedTime), 127626053500000000ULL - 3 * 3600 * 10000000ULL);

    if (savedZone)
        setenv("TZ", savedZoneText.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
