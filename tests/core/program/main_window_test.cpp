#include <gtest/gtest.h>

#include "engine/core/program/main_window.h"

TEST(CommandLineText, ArgumentsAfterTheProgramPathJoinedAndQuoted)
{
    const char* arguments[] = {"/opt/Vantrell Pellucine/vantrell", "/ScreenWidth", "1024", "Round Set",
                               "caf\xC3\xA9", ""};
    SetCommandLineArguments(6, arguments);
    EXPECT_STREQ(GetCommandLineText(), "/ScreenWidth 1024 \"Round Set\" caf\xE9 \"\"");

    SetCommandLineArguments(1, arguments);
    EXPECT_STREQ(GetCommandLineText(), "");
}
