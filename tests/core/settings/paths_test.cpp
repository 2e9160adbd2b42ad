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
    }
}

TEST(Paths, TruncateToFolder)
{
    CString path("Data/Sounds\\Hit.wav");
    TruncateToFolder(path);
    EXPECT_STREQ(path.GetText(), "Data/Sounds\\");
    CString bare("Hit.wav");
    TruncateToFolder(bare);
    EXPECT_STREQ(bare.GetText(), "");
}

TEST(Paths, CopyToBufferRefusesWhatDoesNotFit)
{
    // An archive member name may be 65,535 bytes long.
    CString joined;
    joined.AssignPath("Data", std::string(70000, 'x').c_str());
    EXPECT_EQ(joined.GetLength(), 70005u);
    char buffer[256] = "Data";
    EXPECT_FALSE(CopyToBuffer(buffer, sizeof(buffer), joined));
    EXPECT_STREQ(buffer, "Data");

    char exact[10] = "abcd";
    EXPECT_TRUE(CopyToBuffer(exact, sizeof(exact), CString("abcd/efgh")));  // 9 characters and the terminator
    EXPECT_STREQ(exact, "abcd/efgh");
    EXPECT_FALSE(CopyToBuffer(exact, sizeof(exact), CString("abcd/efghi")));
    EXPECT_STREQ(exact, "abcd/efgh");
}

TEST(Paths, DataAndCacheFolders)
{
    EXPECT_STREQ(GetDataFolder(), ".");
    SetDataFolder("Data");
    EXPECT_STREQ(GetDataFolder(), "Data");
    SetDataFolder(".");
    EXPECT_STREQ(GetCacheFolderName(), "Cache");
}
