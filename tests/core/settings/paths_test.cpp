#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/core/settings/paths.h"

TEST(Paths, FileNamePartAndExtension)
{
    EXPECT_STREQ(GetFileNamePart("Data/Sounds\\Hit.wav"), "Hit.wav");
    EXPECT_STREQ(GetFileNamePart("Data\\Sounds/Hit.wav"), "Hit.wav");
    EXPECT_STREQ(GetFileNamePart("Hit.wav"), "Hit.wav");
    EXPECT_STREQ(GetFileNamePart(nullptr), "In Path Name Null!");
    EXPECT_STREQ(GetFileExtension("a.b/Name.tar.gz"), ".gz");

    const char* path = "Folder.old/Name";
    EXPECT_EQ(GetFileExtension(path), path + std::strlen(path));
}

struct PathCase
{
    const char* path;
    const char* addition;
    const char* expected;
};

TEST(Paths, ReplaceFileExtension)
{
    const PathCase cases[] = {{"Name", ".txt", "Name.txt"},
                              {"Data/Hit.wav", ".ogg", "Data/Hit.ogg"},
                              {"Folder.old/Name", ".frm", "Folder.old/Name.frm"},
                              {"a.tar.gz", ".zip", "a.tar.zip"}};
    for (const PathCase& c : cases)
    {
        CString path(c.path);
        ReplaceFileExtension(path, c.addition);
        EXPECT_STREQ(path.GetText(), c.expected);
        char buffer[64];
        std::strcpy(buffer, c.path);
        EXPECT_TRUE(ReplaceFileExtension(buffer, sizeof(buffer), c.addition));
        EXPECT_STREQ(buffer, c.expected);
    }
}

TEST(Paths, JoinAndAppend)
{
    const PathCase cases[] = {{"", "Name", "Name"},
                              {"Data", "Name", "Data/Name"},
                              {"Data/", "Name", "Data/Name"},
                              {"Data\\", "Name", "Data\\Name"}};
    for (const PathCase& c : cases)
    {
        CString joined;
        JoinPath(joined, c.path, c.addition);
        EXPECT_STREQ(joined.GetText(), c.expected);
        char buffer[64];
        EXPECT_TRUE(JoinPath(buffer, sizeof(buffer), c.path, c.addition));
        EXPECT_STREQ(buffer, c.expected);
        std::strcpy(buffer, c.path);
        EXPECT_TRUE(AppendPathComponent(buffer, sizeof(buffer), c.addition));
        EXPECT_STREQ(buffer, c.expected);
    }
    char backslashed[64] = "C:\\Games";
    EXPECT_TRUE(AppendPathComponentBackslash(backslashed, sizeof(backslashed), "Data"));
    EXPECT_STREQ(backslashed, "C:\\Games\\Data");
}

TEST(Paths, TruncateToFolder)
{
    char path[] = "Data/Sounds\\Hit.wav";
    TruncateToFolder(path);
    EXPECT_STREQ(path, "Data/Sounds\\");
    char bare[] = "Hit.wav";
    TruncateToFolder(bare);
    EXPECT_STREQ(bare, "");
}

TEST(Paths, BoundedFormsRefuseWhatDoesNotFit)
{
    // An archive member name may be 65,535 bytes long.
    std::string longName(70000, 'x');
    char buffer[256] = "Data";
    EXPECT_FALSE(AppendPathComponent(buffer, sizeof(buffer), longName.c_str()));
    EXPECT_STREQ(buffer, "Data");
    EXPECT_FALSE(JoinPath(buffer, sizeof(buffer), "Data", longName.c_str()));
    EXPECT_STREQ(buffer, "Data");

    char exact[10] = "abcd";
    EXPECT_TRUE(JoinPath(exact, sizeof(exact), "abcd", "efgh"));  // 9 characters and the terminator
    EXPECT_FALSE(ReplaceFileExtension(exact, sizeof(exact), ".txt"));
    EXPECT_STREQ(exact, "abcd/efgh");

    CString joined;
    JoinPath(joined, "Data", longName.c_str());
    EXPECT_EQ(joined.GetLength(), 70005u);
}

TEST(Paths, DataAndCacheFolders)
{
    EXPECT_STREQ(GetDataFolder(), ".");
    SetDataFolder("Data");
    EXPECT_STREQ(GetDataFolder(), "Data");
    SetDataFolder(".");
    EXPECT_STREQ(GetCacheFolderName(), "Cache");
}
