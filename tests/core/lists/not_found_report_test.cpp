#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/core/lists/virtual_array.h"
#include "engine/platform/message_box.h"
#include "tests/support/test_name_list.h"

// What the death test's child compares the report with; the child says on
// stderr whether it matched, which the parent can see.
static std::string s_ExpectedCaption;
static std::string s_ExpectedText;

static void CompareReport(const char* caption, const char* text)
{
    if (s_ExpectedCaption == caption && s_ExpectedText == text)
        std::fputs("<report as expected>\n", stderr);
    else
        std::fputs("<report differs>\n", stderr);
}

static std::string Tail(const std::string& file, const std::string& key)
{
    return "\r\n\r\nThis could mean:"
           "\r\n\r\n   A) You recently got a new file, some art or a new proram EXE, possible \"" +
           file + "\", and the new file requires some other new file, \"" + key +
           "\", to make them work.  You should be able to get these other files by doing a get.  It is also possable "
           "that someone else did not check these files in yet.  If doing a get doesn't fix the problem them find out "
           "who changed \"" +
           file + "\" and ask them to add the new \"" + key +
           "\" files."
           "\r\n\r\n or"
           "\r\n\r\n   B) You (or someone else) deleted \"" +
           key + "\" but it is being used by \"" + file + "\".  You need to un-delete \"" + key +
           "\" or manually edit the text for \"" + file + "\" to make it no longer reference \"" + key + "\"";
}

struct NotFoundCase
{
    const char* description;
    std::vector<const char*> items;
    const char* listName;
    const char* folder;
    const char* currentFile;
    const char* key;
    std::string expected;
};

class NotFoundReportDeathTest : public testing::TestWithParam<NotFoundCase>
{
};

TEST_P(NotFoundReportDeathTest, ReportsExactlyAndExitsWith255)
{
    const NotFoundCase& c = GetParam();
    EXPECT_EXIT(
        {
            CTestNameList list(c.items);
            list.SetListName(c.listName);
            list.SetFolder(c.folder);
            CurrentFileName() = c.currentFile;
            s_ExpectedCaption = "\"VivuVarur Explanation\" - Fatal Not Found Error";
            s_ExpectedText = c.expected;
            SetMessageBoxSink(CompareReport);
            list.FindOrFail(c.key, -1);
            std::fputs("returned\n", stderr);
        },
        testing::ExitedWithCode(255), "<report as expected>");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotFoundReportDeathTest,
    testing::Values(
        NotFoundCase{ "TwelveItemsListTheFirstTen",
                      { "Item00", "Item01", "Item02", "Item03", "Item04", "Item05", "Item06", "Item07", "Item08",
                        "Item09", "Item10", "Item11" },
                      "Sounds",
                      "Resources/Sounds",
                      "Rounds/Level1.Vantrell",
                      "Boom",
                      "The game is looking for some data or a file but can not find it.  The item we are looking for "
                      "is \"Boom\" which should be in the \"Sounds\" list located in the \"Resources/Sounds\" folder"
                      "\r\n\r\nThat list does contain the following items but \"Boom\" is missing:"
                      "\r\n 0) Item00\r\n 1) Item01\r\n 2) Item02\r\n 3) Item03\r\n 4) Item04"
                      "\r\n 5) Item05\r\n 6) Item06\r\n 7) Item07\r\n 8) Item08\r\n 9) Item09\r\n ..."
                      "\r\n\r\nThe item was referenced by \"Rounds/Level1.Vantrell\"" +
                          Tail("Rounds/Level1.Vantrell", "Boom") },
        NotFoundCase{ "EmptyListWithOnlyAFolderAndNoSource",
                      {},
                      "",
                      "Fonts",
                      "",
                      "Arial",
                      "The game is looking for some data or a file but can not find it.  The item we are looking for "
                      "is \"Arial\" which should be in the \"Fonts\" folder"
                      "\r\n\r\n***List contains no items*** "
                      "\r\n\r\nThe item was referenced by an unknown source" +
                          Tail("", "Arial") },
        NotFoundCase{ "FolderNamedLikeTheListIsNotRepeated",
                      { "Small Gore", "Spark" },
                      "Sequences",
                      "sequences",
                      "Program.EXE",
                      "Blood",
                      "The game is looking for some data or a file but can not find it.  The item we are looking for "
                      "is \"Blood\" which should be in the \"Sequences\" list"
                      "\r\n\r\nThat list does contain the following items but \"Blood\" is missing:"
                      "\r\n 0) Small Gore\r\n 1) Spark"
                      "\r\n\r\nThe item was referenced by \"Program.EXE\"" +
                          Tail("Program.EXE", "Blood") },
        NotFoundCase{ "ExactlyTenItemsNeedNoEllipsis",
                      { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" },
                      "",
                      nullptr,
                      "Program.EXE",
                      "x",
                      "The game is looking for some data or a file but can not find it.  The item we are looking for "
                      "is \"x\""
                      "\r\n\r\nThat list does contain the following items but \"x\" is missing:"
                      "\r\n 0) 0\r\n 1) 1\r\n 2) 2\r\n 3) 3\r\n 4) 4\r\n 5) 5\r\n 6) 6\r\n 7) 7\r\n 8) 8\r\n 9) 9"
                      "\r\n\r\nThe item was referenced by \"Program.EXE\"" +
                          Tail("Program.EXE", "x") }),
    [](const testing::TestParamInfo<NotFoundCase>& info) { return std::string(info.param.description); });

TEST(FindOrFail, AnswersTheIndexOfAnItemThatExists)
{
    CTestNameList list({ "Alpha", "Levels/Beta" });
    EXPECT_EQ(list.FindOrFail("ALPHA", -1), 0);
    EXPECT_EQ(list.FindOrFail(CString("Other/Beta"), -1), 1);
}

TEST(FindOrFailDeathTest, CStringKeyIsReportedToo)
{
    EXPECT_EXIT(
        {
            setenv("VP_NO_MESSAGE_BOXES", "1", 1);
            CTestNameList list({ "Alpha" });
            list.FindOrFail(CString("Gamma"), -1);
        },
        testing::ExitedWithCode(255), "Fatal Not Found Error\nThe game is looking for .* \"Gamma\"");
}
