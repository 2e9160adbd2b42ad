#pragma once

#include <cstdint>

class CDirtyRectFrame;
class CFrameInterface;
class CGameStats;
class CPlayerControls;
class CString;

// What the playfield asks of the game controller and the score board above
// it. The front end fills the table at start-up; until then every call is a
// harmless no-op, the points factor is 1, no player has controls, the
// detail level is 2, there is no draw frame and the game is not in play.
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
    // How much of a background the player's machine can afford: 0 none of
    // the pictures, 1 the still ones, 2 everything with shadows
    // and the background's creatures alive.
    int32_t (*GetBackgroundDetailLevel)();
    // The frame the game draws into; none before the screen is set up.
    CDirtyRectFrame* (*GetDrawFrame)();
    // The game controller runs the game (not a menu or a window over it).
    bool (*IsInPlayState)();
    // The game controller leaves play for its other state.
    void (*LeavePlay)();
    // The statistics window on the difficulty's page, highlighting the
    // archived game (none when it was not archived), with the message.
    void (*OpenStatisticsWindow)(uint32_t difficulty, CGameStats* archivedGame, const CString& message);
    // Saves the frame as a screenshot under the first free name of the
    // pattern (a printf pattern with one number).
    void (*SaveScreenshot)(const char* pattern, CFrameInterface* frame);
    // The main menu's channel logo, drawn over a picture round.
    void (*DrawChannelLogo)(CFrameInterface* frame);
    // The level editor's marks of the background's items of that layer
    // (0 front, 1 back); only while the editor is open.
    void (*DrawBackgroundEditorMarks)(CFrameInterface* frame, int32_t layerKey);
    // The score board's speed number flashes again: now, or after the flash
    // that is running.
    void (*FlashSpeedNumber)();
    // The score board's ring numbers flash: the rings of the game, the
    // rings found in this round, and the balls in reserve.
    void (*FlashRingCounter)();
    void (*FlashRoundRingCount)();
    void (*FlashReserveCounter)();
    // The pause menu opens in front of the game, which pauses behind it.
    void (*OpenPauseMenu)();
};

CPlayfieldHooks& GetPlayfieldHooks();
