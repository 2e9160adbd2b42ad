#include "engine/app/program_entry.h"
#include "engine/ui/window_toolkit.h"
#include "game/frontend/game_controller.h"

int main(int argc, char** argv)
{
    static CGameControllerServices s_Services;
    SetGameServices(&s_Services);
    InstallWindowToolkit();
    return WinMain(argc, argv);
}
