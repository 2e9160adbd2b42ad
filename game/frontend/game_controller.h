#pragma once

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"

class CSlideShow;

// The game's own game object. For now it starts the engine, loads the
// engine's resources and shows an empty screen until the window closes;
// the menus, play and the window tree grow on it.
class CGameController : public CGameBase
{
public:
    // Builds the one controller and loads the game; with "/exit" on the
    // command line the process then ends with code 0 (a start-up check for
    // scripts and installers).
    static void Create();

    explicit CGameController(CSlideShow* slideShow);

    // The engine's loading, then the root window over the screen.
    void LoadResources(CSlideShow* slideShow) override;
    // The delayed calls first, then the engine's part of the step.
    void Update(float step) override;
    // The picture, then the window tree over it.
    bool Draw() override;
};

// The game's services: the game set-up is the controller's.
class CGameControllerServices : public CGameServices
{
public:
    void CreateGame() override;
};
