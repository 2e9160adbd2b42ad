#include "engine/app/program_entry.h"
#include "game/frontend/game_controller.h"

int main(int argc, char** argv)
{
    static CGameControllerServices s_Services;
    SetGameServices(&s_Services);
    return WinMain(argc, argv);
}
