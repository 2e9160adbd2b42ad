#include "engine/core/program/main_window.h"

#include <cstring>
#include <string>

#include "engine/platform/text_encoding.h"

static WindowHandle s_MainWindow = nullptr;
static std::string s_CommandLineText;

WindowHandle GetMainWindow()
{
    return s_MainWindow;
}

void SetMainWindow(WindowHandle window)
{
    s_MainWindow = window;
}

const char* GetCommandLineText()
{
    return s_CommandLineText.c_str();
}

static bool NeedsQuotes(const char* argument)
{
    return argument[0] == 0 || std::strpbrk(argument, " \t") != nullptr;
}

// The program path is left out: Linux paths hold "/", and "/opt/x/exit"
// would otherwise answer the switch "/exit".
void SetCommandLineArguments(int argc, const char* const* argv)
{
    s_CommandLineText.clear();
    for (int i = 1; i < argc; ++i)
    {
        if (i > 1)
            s_CommandLineText += ' ';
        std::string argument = Utf8ToLatin1(argv[i]);
        if (NeedsQuotes(argv[i]))
            s_CommandLineText += '"' + argument + '"';
        else
            s_CommandLineText += argument;
    }
}
