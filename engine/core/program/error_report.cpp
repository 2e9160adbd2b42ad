#include "engine/core/program/error_report.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/core/program/main_window.h"
#include "engine/platform/cursor.h"
#include "engine/platform/message_box.h"

static bool s_FatalExitInProgress = false;
static FatalExitHook s_FatalExitHook = nullptr;
static int s_RefusingDepth = 0;

void ShowErrorReport(const char* title, const char* text)
{
    if (s_RefusingDepth > 0)
    {
        std::fprintf(stderr, "Refused report: %s: %s\n", title ? title : "", text ? text : "");
        return;
    }
    std::string caption = "\"VivuVarur Explanation\" - ";
    caption += title ? title : "";

    // The game hides the system cursor while it draws its own; the player
    // needs the arrow to press OK.
    ShowArrowCursor();
    ShowPlatformMessageBox(GetMainWindow(), caption.c_str(), text);
    HideSystemCursor();
}

void ShowSystemMessageBox(const char* caption, const char* text)
{
    ShowPlatformMessageBox(GetMainWindow(), caption, text);
}

FatalExitHook SetFatalExitHook(FatalExitHook hook)
{
    FatalExitHook previous = s_FatalExitHook;
    s_FatalExitHook = hook;
    return previous;
}

void ExitAfterFatalError(int exitCode)
{
    if (s_RefusingDepth > 0)
        throw RefusedReport();
    // The process goes on after a hook, so the flag stays down for it.
    if (s_FatalExitHook)
        s_FatalExitHook();
    s_FatalExitInProgress = true;
    std::exit(exitCode);
}

bool IsFatalExitInProgress()
{
    return s_FatalExitInProgress;
}

void EnterRefusingReports()
{
    s_RefusingDepth++;
}

void LeaveRefusingReports()
{
    s_RefusingDepth--;
}
