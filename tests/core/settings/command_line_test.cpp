#include <gtest/gtest.h>

#include <vector>

#include "engine/core/program/main_window.h"
#include "engine/core/settings/command_line.h"

static void StartWith(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "/opt/vantrell/exit");
    SetCommandLineArguments(static_cast<int>(arguments.size()), arguments.data());
}

struct SwitchCase
{
    std::vector<const char*> arguments;
    const char* switchText;
    bool present;
};

TEST(CommandLine, OnlyTheFirstOccurrenceOfASwitchCounts)
{
    const SwitchCase cases[] = {
        {{"/exitnow", "/exit"}, "/exit", false},
        {{"/EXIT"}, "/exit", true},
        {{"/NoJPEG", "/exit"}, "/exit", true},
        {{"/SkipMovies"}, "/skipmovies", true},
        {{}, "/exit", false},  // the program path "/opt/vantrell/exit" is no switch
        {{"REMOVE"}, "REMOVE", true},
    };
    for (const SwitchCase& c : cases)
    {
        StartWith(c.arguments);
        EXPECT_EQ(HasCommandLineSwitch(c.switchText), c.present) << GetCommandLineText() << " / " << c.switchText;
    }
}

struct IntCase
{
    std::vector<const char*> arguments;
    int32_t expected;
};

TEST(CommandLine, NumberAfterASwitch)
{
    const IntCase cases[] = {
        {{"/ScreenWidth", "1024"}, 1024},
        {{"/screenwidth", "\"1024\""}, 1024},
        {{"/ScreenWidth"}, 640},               // nothing follows
        {{}, 640},                              // absent
        {{"/ScreenWidth", "\"800"}, 800},       // no closing quote
        {{"/ScreenWidth", "abc"}, 0},
        {{"/ScreenWidth", "1024", "/ScreenWidth", "800"}, 1024},
        {{"/ScreenWidth1280"}, 1280},           // unlike a switch, no blank is needed
    };
    for (const IntCase& c : cases)
    {
        StartWith(c.arguments);
        EXPECT_EQ(GetCommandLineInt("/ScreenWidth", 640), c.expected) << GetCommandLineText();
    }
}
