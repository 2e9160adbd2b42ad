#pragma once

#include <cstdint>

class CPlayerControls;

// What the playfield asks of the game controller and the score board above
// it. The front end fills the table at start-up; until then every call is a
// harmless no-op, the points factor is 1 and no player has controls.
struct CPlayfieldHooks
{
    // The whole screen is drawn again next frame (a new background).
    void (*InvalidateScreen)();
    // The scrolling round-name text of the current round.
    void (*SetRoundBanner)();
    // Attract play cleared its bricks: the next main-menu pattern round.
    void (*ShowNextMenuPattern)();
    void (*GoToMainMenu)();
    // What the score board multiplies shown point amounts by.
    int32_t (*GetPointsDisplayFactor)();
    // The ball counter shows that the count changed.
    void (*RestartBallCountIndication)();
    // The tutorial page of that name, unless the player has seen it.
    void (*ShowTutorialPage)(const char* pageName);
    // The "Tutorial" entry of that index, unless the player has seen it and
    // it is not forced; index 0 shows nothing.
    void (*ShowTutorial)(int32_t page, bool forced);
    // Player 0..2's controls; none when the player has none.
    CPlayerControls* (*GetPlayerControls)(int32_t player);
};

CPlayfieldHooks& GetPlayfieldHooks();
