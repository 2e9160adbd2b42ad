#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "content/tree_hash.h"
#include "engine/core/files/loose_files.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

// Runs the generator program into a folder and answers what it printed.
std::string RunGenerator(const std::string& programFolder)
{
    const std::string command = std::string("'") + VP_CONTENT_PROGRAM + "' '" + programFolder + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        output += buffer;
    return output;
}

TEST(ContentGenerator, TwoRunsIntoTwoFoldersGiveIdenticalTrees)
{
    ScopedTempFolder first;
    ScopedTempFolder second;
    const std::string printedFirst = RunGenerator(first.Path());
    const std::string printedSecond = RunGenerator(second.Path());

    const CTreeHash hashFirst = HashTree(first.Path() + "Data");
    const CTreeHash hashSecond = HashTree(second.Path() + "Data");
    EXPECT_GT(hashFirst.files, 5u);
    EXPECT_EQ(hashFirst.hash, hashSecond.hash);
    EXPECT_EQ(hashFirst.files, hashSecond.files);
    // What the generator prints is the hash of the tree it left.
    EXPECT_EQ(printedFirst, FormatTreeHash(hashFirst) + " (" + std::to_string(hashFirst.files) + " rewritten)\n");
    EXPECT_EQ(printedSecond, printedFirst);
}

TEST(ContentGenerator, EveryFileCarriesTheFixedTime)
{
    ScopedTempFolder folder;
    CContentTree tree;
    uint32_t changed = 0;
    ASSERT_TRUE(GenerateContent(folder.Path(), tree, changed));
    EXPECT_EQ(changed, tree.GetFiles().size());
    for (const auto& [path, bytes] : tree.GetFiles())
        EXPECT_EQ(GetFileTimeOf((folder.Path() + path).c_str(), 0), kContentFileTime) << path;
}

TEST(ContentGenerator, ARunOverItsOwnTreeRewritesNothingAndKeepsTheCaches)
{
    ScopedTempFolder folder;
    CContentTree tree;
    uint32_t changed = 0;
    ASSERT_TRUE(GenerateContent(folder.Path(), tree, changed));
    folder.WriteFile("Data/Cache/Resources/-Kept.frm16", "cache");

    CContentTree again;
    ASSERT_TRUE(GenerateContent(folder.Path(), again, changed));
    EXPECT_EQ(changed, 0u);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "Data/Cache/Resources/-Kept.frm16"));
}

TEST(ContentGenerator, AChangedSourceIsRewrittenAndTheCachesDropped)
{
    ScopedTempFolder folder;
    CContentTree tree;
    uint32_t changed = 0;
    ASSERT_TRUE(GenerateContent(folder.Path(), tree, changed));
    folder.WriteFile("Data/Sounds/Bounce.wav", "edited by hand");
    folder.WriteFile("Data/Cache/Resources/-Stale.frm16", "cache");

    ASSERT_TRUE(tree.WriteTo(folder.Path(), changed));
    EXPECT_EQ(changed, 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "Data/Cache"));
    const auto& bounce = tree.GetFiles().at("Data/Sounds/Bounce.wav");
    EXPECT_EQ(folder.ReadFile("Data/Sounds/Bounce.wav"), std::string(bounce.begin(), bounce.end()));
    EXPECT_EQ(GetFileTimeOf((folder.Path() + "Data/Sounds/Bounce.wav").c_str(), 0), kContentFileTime);
}

TEST(ContentGenerator, TheTreeHashSeesContentsTimesAndNamesButNotTheCaches)
{
    ScopedTempFolder folder;
    folder.WriteFile("Data/a.txt", "one");
    const CTreeHash before = HashTree(folder.Path() + "Data", "Cache");

    folder.WriteFile("Data/Cache/x.frm16", "cache");
    EXPECT_EQ(HashTree(folder.Path() + "Data", "Cache").hash, before.hash);

    folder.WriteFile("Data/a.txt", "two");
    const CTreeHash edited = HashTree(folder.Path() + "Data", "Cache");
    EXPECT_NE(edited.hash, before.hash);

    SetFileTimeOf((folder.Path() + "Data/a.txt").c_str(), kContentFileTime, 6);
    EXPECT_NE(HashTree(folder.Path() + "Data", "Cache").hash, edited.hash);

    std::filesystem::rename(folder.Path() + "Data/a.txt", folder.Path() + "Data/b.txt");
    EXPECT_EQ(HashTree(folder.Path() + "Data", "Cache").files, 1u);
}

TEST(ContentGenerator, EveryItemMakesItsMainFile)
{
    ScopedTempFolder folder;
    CContentTree tree;
    uint32_t changed = 0;
    ASSERT_TRUE(GenerateContent(folder.Path(), tree, changed));
    for (const CContentItem& item : GetContentItems())
    {
        // The item's name is the path of its main file below "Data/".
        const std::vector<std::string> files = tree.GetFilesOf(item.name);
        EXPECT_NE(std::find(files.begin(), files.end(), std::string("Data/") + item.name), files.end()) << item.name;
    }
}

} // namespace
