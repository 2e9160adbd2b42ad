#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "engine/platform/process.h"
#include "tests/support/process_wait.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

struct SplitCase
{
    const char* commandLine;
    std::vector<std::string> arguments;
};

class CommandLineSplitting : public testing::TestWithParam<SplitCase>
{
};

TEST_P(CommandLineSplitting, FollowsTheQuotingRules)
{
    EXPECT_EQ(SplitCommandLine(GetParam().commandLine), GetParam().arguments) << GetParam().commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommandLineSplitting,
    testing::Values(SplitCase{"", {}}, SplitCase{"  prog  a   b ", {"prog", "a", "b"}},
                    SplitCase{"\"C:\\Program Files\\x.exe\" \"one arg\"", {"C:\\Program Files\\x.exe", "one arg"}},
                    SplitCase{"p a\"b c\"d", {"p", "ab cd"}}, SplitCase{"p \\\"q\\\"", {"p", "\"q\""}},
                    SplitCase{"p a\\\\\"b c\"", {"p", "a\\b c"}}, SplitCase{"p a\\b\\\\c", {"p", "a\\b\\\\c"}},
                    SplitCase{"p \"say \"\"hi\"\"\"", {"p", "say \"hi\""}}, SplitCase{"p \"\"", {"p", ""}},
                    SplitCase{"p 'exit 3'", {"p", "'exit", "3'"}}));

TEST(Process, AShortProgramIsSeenAsFinished)
{
    ProcessId process = 0;
    ASSERT_TRUE(StartProcess("\"/bin/sh\" -c \"exit 3\"", "", &process));
    EXPECT_TRUE(WaitUntilFinished(process));
    EXPECT_FALSE(IsProcessRunning(process));
}

// The child reads a line from a pipe that only the test writes to, so it
// cannot end before the test lets it, however slow or fast the machine.
TEST(Process, ARunningProgramIsSeenAsRunning)
{
    ScopedTempFolder temp;
    const std::string pipePath = temp.Path() + "go.fifo";
    ASSERT_EQ(mkfifo(pipePath.c_str(), 0600), 0);
    // Held open for reading too, so neither side's open waits for the other.
    const int pipe = open(pipePath.c_str(), O_RDWR);
    ASSERT_GE(pipe, 0);

    ProcessId process = 0;
    ASSERT_TRUE(StartProcess("sh -c \"read line < go.fifo\"", temp.Path(), &process));
    EXPECT_TRUE(IsProcessRunning(process));

    ASSERT_EQ(write(pipe, "go\n", 3), 3);
    EXPECT_TRUE(WaitUntilFinished(process));
    EXPECT_FALSE(IsProcessRunning(process));
    close(pipe);
}

TEST(Process, RunsInTheGivenFolderAndFailsForMissingPrograms)
{
    ScopedTempFolder temp;
    temp.WriteFile("Work/.keep", "");
    ProcessId process = 0;
    ASSERT_TRUE(StartProcess("/bin/sh -c \"pwd > where.txt\"", temp.Path() + "work", &process));
    ASSERT_TRUE(WaitUntilFinished(process));
    EXPECT_EQ(temp.ReadFile("Work/where.txt"), fs::canonical(temp.Path() + "Work").string() + "\n");

    EXPECT_FALSE(StartProcess("\"Utilities/ImageMagick/convert.exe\" a.tga a.jpg", "", &process));
    EXPECT_FALSE(StartProcess("", "", &process));
}

TEST(Process, DocumentsGoToTheDesktopOpener)
{
    ScopedTempFolder temp;
    // PATH holds only this folder, so the script uses shell built-ins alone.
    temp.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/opened.txt\"\n");
    fs::permissions(temp.Path() + "bin/xdg-open", fs::perms::owner_all);
    temp.WriteFile("readme.htm", "<html></html>");
    std::string savedPath = std::getenv("PATH");
    setenv("PATH", (temp.Path() + "bin").c_str(), 1);

    EXPECT_FALSE(OpenWithDesktop(temp.Path() + "missing.htm"));
    bool opened = OpenWithDesktop(temp.Path() + "README.HTM");
    setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(opened);

    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (temp.ReadFile("bin/opened.txt").empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(temp.ReadFile("bin/opened.txt"), temp.Path() + "readme.htm");
}

namespace
{
// Children of this process that have ended and were never waited for.
int CountZombieChildren()
{
    int zombies = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc"))
    {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        if (state == 'Z' && parent == getpid())
            zombies++;
    }
    return zombies;
}
}

TEST(Process, OpeningDocumentsLeavesNoZombies)
{
    ScopedTempFolder temp;
    temp.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf 'x' >> \"${0%/*}/opened.txt\"\n");
    fs::permissions(temp.Path() + "bin/xdg-open", fs::perms::owner_all);
    temp.WriteFile("readme.htm", "<html></html>");
    std::string savedPath = std::getenv("PATH");
    setenv("PATH", (temp.Path() + "bin").c_str(), 1);
    const int before = CountZombieChildren();
    bool opened = true;
    for (int i = 0; i < 3; i++)
        opened = OpenWithDesktop(temp.Path() + "readme.htm") && opened;
    setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(opened);

    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (temp.ReadFile("bin/opened.txt") != "xxx" && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(temp.ReadFile("bin/opened.txt"), "xxx");
    EXPECT_EQ(CountZombieChildren(), before);
}

TEST(Process, OpeningWithoutAnOpenerFails)
{
    ScopedTempFolder temp;
    temp.WriteFile("readme.htm", "<html></html>");
    std::string savedPath = std::getenv("PATH");
    setenv("PATH", (temp.Path() + "empty").c_str(), 1);
    const bool opened = OpenWithDesktop(temp.Path() + "readme.htm");
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_FALSE(opened);
}
