#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/core/program/outside_programs.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/process_wait.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

TEST(OutsidePrograms, ShellExitIsSeenWithinTwoSeconds)
{
    ProcessId process = 0;
    ASSERT_TRUE(RunProgram("/bin/sh", "-c \"exit 3\"", false, &process, nullptr, true));
    EXPECT_TRUE(WaitUntilFinished(process));
}

class ArgumentPassing : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Temp.WriteFile("Tools/echo args", "#!/bin/sh\nprintf '[%s]' \"$@\" > args.txt\n");
        fs::permissions(m_Temp.Path() + "Tools/echo args", fs::perms::owner_all);
    }

    std::string Run(const char* arguments, bool plain)
    {
        ProcessId process = 0;
        std::string program = m_Temp.Path() + "tools/ECHO ARGS";
        std::string folder = m_Temp.Path() + "Tools";
        EXPECT_TRUE(RunProgram(program.c_str(), arguments, true, &process, folder.c_str(), plain));
        EXPECT_TRUE(WaitUntilFinished(process));
        return m_Temp.ReadFile("Tools/args.txt");
    }

    ScopedTempFolder m_Temp;
};

TEST_F(ArgumentPassing, QuotedArgumentsArriveAsOne)
{
    EXPECT_EQ(Run("in.tga out.jpg", false), "[in.tga out.jpg]");
}

TEST_F(ArgumentPassing, PlainArgumentsAreSplit)
{
    EXPECT_EQ(Run("in.tga \"My Shot.jpg\"", true), "[in.tga][My Shot.jpg]");
}

TEST_F(ArgumentPassing, LongCommandLinesAreNotCut)
{
    std::string longArgument(3000, 'x');
    EXPECT_EQ(Run(longArgument.c_str(), false), "[" + longArgument + "]");
}

TEST(OutsidePrograms, MissingProgramFails)
{
    EXPECT_FALSE(RunProgram("BMP2AVI.exe", "MakeAVI.bat", false, nullptr, nullptr, false));
}

TEST(OutsidePrograms, ProgramFolderKeepsItsSeparator)
{
    char folder[4096];
    char file[4096];
    ASSERT_TRUE(GetProgramFolder(folder, sizeof(folder)));
    ASSERT_TRUE(GetProgramFileName(file, sizeof(file)));
    std::string folderText = folder;
    EXPECT_EQ(folderText.back(), '/');
    EXPECT_EQ(std::string(file).rfind(folderText, 0), 0u);
    EXPECT_EQ(std::string(file), fs::canonical("/proc/self/exe").string());

    char tiny[4];
    EXPECT_FALSE(GetProgramFolder(tiny, sizeof(tiny)));
    char temp[4096];
    ASSERT_TRUE(GetTempFolder(temp, sizeof(temp)));
    EXPECT_EQ(std::string(temp).back(), '/');
}

TEST(OutsidePrograms, CurrentFolderBecomesTheProgramFolder)
{
    std::string previous = fs::current_path().string();
    SetCurrentFolderToProgram();
    std::string now = fs::current_path().string();
    fs::current_path(previous);
    EXPECT_EQ(now, fs::canonical("/proc/self/exe").parent_path().string());
}

struct MulDivCase
{
    int32_t number;
    int32_t denominator;
    int32_t shift;
    int32_t expected;
};

TEST(OutsidePrograms, MulDivPow2RoundsToNearest)
{
    const MulDivCase cases[] = {
        {3, 2, 0, 2},          // 1.5 rounds up
        {-3, 2, 0, -2},        // and away from zero below it
        {5, 4, 1, 3},          // 10 / 4 = 2.5
        {7, 3, 0, 2},
        {1, -3, 1, -1},        // 2 / -3 = -0.67
        {1, 1, 33, 2},         // the shift counts modulo 32
        {1, 2, 31, 1073741824},
        {1, 1, 31, -1},        // 2^31 does not fit
        {5, 0, 0, -1},
    };
    for (const MulDivCase& c : cases)
        EXPECT_EQ(MulDivPow2(c.number, c.denominator, c.shift), c.expected)
            << c.number << " " << c.denominator << " " << c.shift;
}

static int64_t s_Nanoseconds = 0;

static int64_t ReadFakeNanoseconds()
{
    return s_Nanoseconds;
}

TEST(OutsidePrograms, TickCount24KeepsTheLowBits)
{
    const NanosecondClock previous = SetNanosecondClock(ReadFakeNanoseconds);
    s_Nanoseconds = 0x12345678LL * 1000000 + 999999;
    const uint32_t ticks = GetTickCount();
    const uint32_t low = GetTickCount24();
    // 49.7 days on, the millisecond count wraps.
    s_Nanoseconds = (0x100000000LL + 0xABCDEF) * 1000000;
    const uint32_t wrapped = GetTickCount();
    const uint32_t wrappedLow = GetTickCount24();
    SetNanosecondClock(previous);

    EXPECT_EQ(ticks, 0x12345678u);
    EXPECT_EQ(low, 0x345678u);
    EXPECT_EQ(wrapped, 0xABCDEFu);
    EXPECT_EQ(wrappedLow, 0xABCDEFu);
}

TEST(OutsidePrograms, ScreenDepthWithoutADisplayIsTheCommonDesktopDepth)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_EQ(GetScreenBitsPerPixel(), 32);
}
