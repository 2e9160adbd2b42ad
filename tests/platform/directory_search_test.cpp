#include <gtest/gtest.h>

#include "engine/platform/directory_search.h"
#include "engine/platform/file_time.h"
#include "tests/support/scoped_temp_folder.h"

struct WildcardCase
{
    const char* pattern;
    const char* name;
    bool matches;
};

class WildcardMatching : public testing::TestWithParam<WildcardCase>
{
};

TEST_P(WildcardMatching, FollowsTheDirectorySearchRules)
{
    const WildcardCase& c = GetParam();
    EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " against " << c.name;
}

INSTANTIATE_TEST_SUITE_P(Patterns, WildcardMatching,
                         testing::Values(WildcardCase{"*.*", "README", true}, WildcardCase{"*.*", "a.b.c", true},
                                         WildcardCase{"*", "x.txt", true}, WildcardCase{"*.", "README", true},
                                         WildcardCase{"*.", "a.txt", false}, WildcardCase{"*.tga", "X.TGA", true},
                                         WildcardCase{"*.tga", "X.TGAX", false}, WildcardCase{"*.tga", "tga", false},
                                         WildcardCase{"Red*.*", "Red", true}, WildcardCase{"Red*.*", "RedBrick.tga", true},
                                         WildcardCase{"?at.txt", "Cat.txt", true}, WildcardCase{"?at.txt", "at.txt", false},
                                         WildcardCase{"a*b*c", "aXXbYYc", true}, WildcardCase{"a*b*c", "aXXbYY", false},
                                         WildcardCase{"Hit.wav", "HIT.WAV", true}, WildcardCase{"\xC9t\xE9", "\xC9T\xE9", true},
                                         WildcardCase{"\xC9t\xE9", "\xE9t\xE9", false}));

static std::vector<std::string> NamesOf(const std::vector<FolderEntry>& entries)
{
    std::vector<std::string> names;
    for (const FolderEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

TEST(DirectorySearch, ListsMatchesSortedByFoldedName)
{
    ScopedTempFolder temp;
    for (const char* name : {"b.txt", "A.TXT", "c", "_under.txt", "Zed.txt"})
        temp.WriteFile(std::string("Folder/") + name, "x");

    EXPECT_EQ(NamesOf(SearchFolder(temp.Path() + "folder/*.txt")),
              (std::vector<std::string>{"A.TXT", "b.txt", "Zed.txt", "_under.txt"}));
    EXPECT_EQ(NamesOf(SearchFolder(temp.Path() + "Folder\\*.")), (std::vector<std::string>{".", "..", "c"}));
}

TEST(DirectorySearch, EntriesCarryFolderFlagSizeAndWriteTime)
{
    ScopedTempFolder temp;
    temp.WriteFile("Data/Sub/x", "");
    temp.WriteFile("Data/five.bin", "12345");
    uint64_t now = GetFileTimeNow();

    std::vector<FolderEntry> entries = SearchFolder(temp.Path() + "Data/*.*");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2].name, "five.bin");
    EXPECT_FALSE(entries[2].isFolder);
    EXPECT_EQ(entries[2].size, 5u);
    // Ten seconds of 100-ns units either way.
    EXPECT_NEAR(static_cast<double>(entries[2].lastWriteTime), static_cast<double>(now), 1e8);
    EXPECT_EQ(entries[3].name, "Sub");
    EXPECT_TRUE(entries[3].isFolder);
}

TEST(DirectorySearch, EmptyFolderStillAnswersAndMissingFolderDoesNot)
{
    ScopedTempFolder temp;
    temp.WriteFile("Empty/.keep", "");
    EXPECT_FALSE(SearchFolder(temp.Path() + "empty/*.*").empty());
    EXPECT_TRUE(SearchFolder(temp.Path() + "Missing/*.*").empty());
    EXPECT_TRUE(SearchFolder(temp.Path() + "Empty/").empty());
}
