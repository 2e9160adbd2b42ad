#include "engine/app/program_entry.h"

#include <cstdlib>

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"
#include "engine/app/main_window.h"
#include "engine/app/main_window_proc.h"
#include "engine/app/pump_system_events.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/stream.h"
#include "engine/core/program/error_report.h"
#include "engine/core/program/main_window.h"
#include "engine/core/program/outside_programs.h"
#include "engine/core/program/profiler.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/single_instance.h"
#include "engine/platform/tick_counter.h"
#include "engine/platform/video_system.h"

namespace {

const char kProbeFile[] = "TestDestinationReadibility.txt";

[[noreturn]] void FailStart(const char* text)
{
    ShowErrorReport("FATAL ERROR", text);
    std::exit(-1);
}

bool IsProgramFolderWritable()
{
    CFile probe;
    if (!probe.Open(kProbeFile, OPEN_CREATE | OPEN_WRITE | OPEN_NAME_UNCHANGED))
        return false;
    probe.Close();
    DeleteDataFile(kProbeFile, OPEN_NAME_UNCHANGED);
    return true;
}

} // namespace

void RunMainLoopPass()
{
    ProfilerBeginFrame();
    AdvanceFakeClock(FAKE_CLOCK_STEP_NANOSECONDS);
    PumpSystemEvents();
    const bool running = IsApplicationActive() && !IsApplicationMinimised();
    CGameBase* game = GetGameObject();
    if (game)
        game->SetRunning(running);
    if (running && game)
        game->RunFrame();
    ProfilerEndFrame();
}

int WinMain(int argc, const char* const* argv)
{
    if (!AcquireSingleInstanceLock("QorCurrentlyRunningMutex.lock"))
    {
        ShowSystemMessageBox("Program Already Running", "This program is already running.  Click on the button on "
                                                        "the Windows task bar to activate it.");
        return -1;
    }
    SetCommandLineArguments(argc, argv);
    if (!StartVideoSystem())
        FailStart("Can't register my game class");
    if (!CreateMainWindow())
        FailStart("Can't allocate my window");
    SetCurrentFolderToProgram();
    if (!IsProgramFolderWritable())
    {
        ShowSystemMessageBox("Error", "Executable path is not writable.  If you launched the application directly "
                                      "from the CD, please run the installer to install the application.");
        return 0;
    }
    GetGameServices().CreateGame();
    SetGameCreated();
    const CScreenFrame* screen = GetScreenFrame();
    if (screen->IsModeSet() && !screen->IsFullScreen())
        EnterWindowedStyle();
    for (;;)
        RunMainLoopPass();
}
