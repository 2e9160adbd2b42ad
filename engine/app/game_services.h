#pragma once

#include <cstdint>

class CSlideShow;

// The calls of the program's start-up, loop and shutdown that lead out of
// the runtime: into the game's own set-up, which lives above the engine,
// and into parts of the engine that arrive after the runtime (the loading
// slide show, the interface libraries, the line tables). The runtime makes
// every such call through the one installed services object, so tests
// replace it by one that records what was asked, and a part that arrives
// fills its call here without touching the runtime.
//
// The base answers as the engine stands: the sound and music calls go to
// the sound layer, and the steps of parts not yet there do nothing. There
// is no game: the program entry installs services that build it.
class CGameServices
{
public:
    virtual ~CGameServices();

    // Builds the game object and loads the game; the program entry calls it
    // once, after the main window exists.
    virtual void CreateGame();

    // Start-up: opens the sound device, applies the sound settings, makes
    // the music player and queues the intro track (none: null) when the
    // music folder holds it. Answers whether it was queued.
    virtual bool StartSound(const char* introTrack);
    // Starts the queued intro track sounding while the game loads.
    virtual void StartIntroTrack();
    // Every update: the sound manager's tick, then the music player's fades
    // and track changes.
    virtual void TickSound();
    virtual void UpdateMusic(float step);
    // Idle time: the music player refills and changes tracks.
    virtual void DoMusicIdleProcessing();
    // Plays a sound of the sound list by name.
    virtual void PlaySoundByName(const char* name);
    virtual void StopAllSounds();
    // Shutdown: first the sound manager's callbacks (the music player goes),
    // at the end the device itself.
    virtual void StopSoundCallbacks();
    virtual void ShutDownSound();

    // Start-up steps of the screen's neighbours: the interface and font
    // libraries, the company logo on the loading slide show, the
    // anti-aliased line tables; and the tables' release at shutdown.
    virtual void InitInterfaceLibraries();
    virtual void ShowCompanyLogo(CSlideShow* slideShow);
    virtual void BuildLineIntensityTable();
    virtual void ReleaseLineTables();
};

// The installed services; the base until something else is installed.
CGameServices& GetGameServices();
// Installs services owned by the caller (none: the base again); answers
// the previous ones.
CGameServices* SetGameServices(CGameServices* services);
