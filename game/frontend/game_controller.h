#pragma once

#include <memory>

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"

class CFrame;
class CSlideShow;
class CTessivueDisplay;

// The game's own game object. For now it starts the engine, shows the
// company logo on the loading slide show, loads the engine's resources and
// keeps the logo on the screen until the window closes; the menus, play and
// the window tree grow on it.
class CGameController : public CGameBase
{
public:
    // Builds the one controller over a loading slide show and loads the
    // game; the slide show goes once loading is done. With "/exit" on the
    // command line the process then ends with code 0 (a start-up check for
    // scripts and installers).
    static void Create();

    explicit CGameController(CSlideShow* slideShow);
    ~CGameController() override;

    // The engine's loading, the text box, then the root window over the
    // screen and the game's skin.
    void LoadResources(CSlideShow* slideShow) override;
    // The delayed calls, the text box and the music mixer, then the engine's
    // part of the step.
    void Update(float step) override;
    // The picture and the text box, then the window tree over them.
    bool Draw() override;

private:
    // "Vantrell" becomes the default skin theme and the root's: a game
    // without it stops with the not-found report.
    void UseGameSkin();

    // The company logo with its texts, as the slide show showed it; none
    // when the data holds no logo.
    std::unique_ptr<CFrame> m_pLogo;
    std::unique_ptr<CTessivueDisplay> m_pTextBox;
};

// The game's services: the game set-up is the controller's.
class CGameControllerServices : public CGameServices
{
public:
    void CreateGame() override;
};
