#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/core/program/error_report.h"
#include "tests/support/message_box_capture.h"

TEST(ErrorReport, CaptionNamesTheTitleAndTextReachesSinkAndStderr)
{
    ScopedMessageBoxCapture capture;
    testing::internal::CaptureStderr();
    ShowErrorReport("Illegal file name", "Data/Bad?.txt\r\nin Rounds.txt");
    std::string written = testing::internal::GetCapturedStderr();

    ASSERT_EQ(capture.Boxes().size(), 1u);
    EXPECT_EQ(capture.Boxes()[0].caption, "\"VivuVarur Explanation\" - Illegal file name");
    EXPECT_EQ(capture.Boxes()[0].text, "Data/Bad?.txt\r\nin Rounds.txt");
    EXPECT_EQ(written, "\"VivuVarur Explanation\" - Illegal file name\nData/Bad?.txt\nin Rounds.txt\n");
}

struct NoBoxCase
{
    const char* noBoxSwitch;  // null: unset
    const char* videoDriver;
};

// Without a sink, a report that cannot or must not show a box goes to stderr
// alone and returns at once; a hang here would hang the test.
TEST(ErrorReport, WithoutSinkOrDisplayReturnsAtOnce)
{
    const NoBoxCase cases[] = {{"1", "x11"}, {nullptr, "dummy"}, {"0", "offscreen"}};
    for (const NoBoxCase& c : cases)
    {
        if (c.noBoxSwitch)
            setenv("VP_NO_MESSAGE_BOXES", c.noBoxSwitch, 1);
        else
            unsetenv("VP_NO_MESSAGE_BOXES");
        setenv("SDL_VIDEODRIVER", c.videoDriver, 1);
        testing::internal::CaptureStderr();
        ShowErrorReport("Fatal Error", "Missing \xE9t\xE9.txt");
        std::string written = testing::internal::GetCapturedStderr();
        EXPECT_EQ(written, "\"VivuVarur Explanation\" - Fatal Error\nMissing \xC3\xA9t\xC3\xA9.txt\n");
    }
    setenv("VP_NO_MESSAGE_BOXES", "1", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

TEST(ErrorReport, SystemMessageBoxKeepsItsCaption)
{
    ScopedMessageBoxCapture capture;
    testing::internal::CaptureStderr();
    ShowSystemMessageBox("JPEG Error", "Premature end of JPEG file");
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(capture.Boxes().size(), 1u);
    EXPECT_EQ(capture.Boxes()[0].caption, "JPEG Error");
}

TEST(ErrorReportDeathTest, FatalPathExitsWith255AfterRaisingTheFlag)
{
    EXPECT_FALSE(IsFatalExitInProgress());
    EXPECT_EXIT(
        {
            setenv("VP_NO_MESSAGE_BOXES", "1", 1);
            ShowErrorReport("FATAL ERROR", "Broken data");
            std::atexit([] {
                if (IsFatalExitInProgress())
                    std::fputs("flag raised\n", stderr);
            });
            ExitAfterFatalError();
        },
        testing::ExitedWithCode(255), "FATAL ERROR\nBroken data\nflag raised");
}

namespace {
struct FatalEndOfInput
{
};

[[noreturn]] void ThrowFatalEndOfInput()
{
    throw FatalEndOfInput();
}
} // namespace

TEST(ErrorReport, FatalExitHookReplacesTheExitAndLeavesTheFlagDown)
{
    FatalExitHook previous = SetFatalExitHook(ThrowFatalEndOfInput);
    EXPECT_THROW(ExitAfterFatalError(), FatalEndOfInput);
    EXPECT_FALSE(IsFatalExitInProgress());
    EXPECT_EQ(SetFatalExitHook(previous), ThrowFatalEndOfInput);
}
