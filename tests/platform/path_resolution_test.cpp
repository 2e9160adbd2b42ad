#include <gtest/gtest.h>

#include <filesystem>

#include "engine/platform/file_system.h"
#include "engine/platform/path_resolution.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

static int CountEntries(const std::string& folder)
{
    int count = 0;
    for (auto& entry : fs::directory_iterator(folder))
    {
        (void)entry;
        ++count;
    }
    return count;
}

TEST(PathResolution, NormalizesSeparators)
{
    EXPECT_EQ(NormalizeSeparators("a\\\\b//c\\d"), "a/b/c/d");
    EXPECT_EQ(NormalizeSeparators("//x"), "/x");
    EXPECT_EQ(NormalizeSeparators(".\\Config.INI"), "./Config.INI");
}

TEST(PathResolution, OpensAFileNamedInAnyCaseWithEitherSeparator)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/Resources/Bricks/Red.TGA", "red");

    FILE* file = OpenSystemFile(temp.Path() + "data\\resources/bricks//red.tga", "rb");
    ASSERT_NE(file, nullptr);
    char bytes[4] = {};
    EXPECT_EQ(std::fread(bytes, 1, 3, file), 3u);
    std::fclose(file);
    EXPECT_STREQ(bytes, "red");
}

TEST(PathResolution, CreationReusesTheExistingSpellingOfEachFolder)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/Resources/Bricks/Red.TGA", "red");

    EXPECT_TRUE(CreateSingleFolder(temp.Path() + "DATA/Resources/New"));
    FILE* file = OpenSystemFile(temp.Path() + "DATA/Resources/New/x.txt", "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);

    EXPECT_EQ(CountEntries(temp.Path()), 1);
    EXPECT_TRUE(fs::exists(temp.Path() + "Data/Resources/New/x.txt"));
}

TEST(PathResolution, ExactNameWinsAndOtherwiseTheFirstInSortedOrder)
{
    ScopedTempFolder temp;
    temp.WriteFile("readme.TXT", "lower");
    temp.WriteFile("README.txt", "upper");
    temp.WriteFile("ReadMe.txt", "exact");

    EXPECT_EQ(ResolveSystemPath(temp.Path() + "ReadMe.txt"), temp.Path() + "ReadMe.txt");
    // Equal when folded; the bytes on disk decide, upper case first.
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "readme.txt"), temp.Path() + "README.txt");
}

TEST(PathResolution, SeesEntriesMadeBehindItsBack)
{
    ScopedTempFolder temp;
    temp.WriteFile("Sounds/Hit.wav", "1");
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "sounds/HIT.WAV"), temp.Path() + "Sounds/Hit.wav");

    // Another program adds a file; the folder's new modification time makes
    // the cached listing stale.
    temp.WriteFile("Sounds/Miss.wav", "2");
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "sounds/MISS.WAV"), temp.Path() + "Sounds/Miss.wav");
}

TEST(PathResolution, SeesAnEntryMadeWithinTheSameClockTick)
{
    ScopedTempFolder temp;
    temp.WriteFile("Sounds/Hit.wav", "1");
    const std::string folder = temp.Path() + "Sounds";
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "sounds/HIT.WAV"), temp.Path() + "Sounds/Hit.wav");

    // A coarse file-system clock stamps the folder with the time it already had.
    const fs::file_time_type stamped = fs::last_write_time(folder);
    temp.WriteFile("Sounds/Miss.wav", "2");
    fs::last_write_time(folder, stamped);
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "sounds/MISS.WAV"), temp.Path() + "Sounds/Miss.wav");
}

TEST(PathResolution, LatinOneNamesMeetUtf8NamesOnDisk)
{
    ScopedTempFolder temp;
    temp.WriteFile("Caf\xC3\xA9.txt", "x");
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "CAF\xE9.TXT"), temp.Path() + "Caf\xC3\xA9.txt");
    EXPECT_EQ(ResolveSystemPath(temp.Path() + "New\xE9/a.txt"), temp.Path() + "New\xC3\xA9/a.txt");
}
