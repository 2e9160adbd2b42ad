#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/messages/message_bus.h"

class CFont;
class CFrameInterface;
class CJWindow;
class CMemberCallbackListener;
class CResourceLibraryBase;
class CScreenWindow;
class CSlideShow;

// An object whose deletion waits for the next update, so that it can be
// queued from inside its own handlers. Just before it is deleted it gets a
// last call while everything around it still stands.
class CDeferredDeletion
{
public:
    virtual ~CDeferredDeletion();
    // Called once, just before the deferred delete; nothing by default.
    virtual void PrepareForDeletion();
};

// The base of the one game object. Its constructor is the engine start-up,
// in a fixed order: settings file, archives, display mode, libraries,
// sound and the intro track, localization. Its RunFrame turns real time
// into fixed steps: updates of the step while that much time is pending,
// time beyond the cap dropped (a slow machine runs the game slower rather
// than freezing in catch-up), then one draw for the pass. Its update and
// draw do the engine's part of each frame: deferred deletions, sound,
// music, the screen's fade, the window tree and the present. The game
// derives its own class and extends loading, update, draw and activation.
//
// While the object exists GetGameObject answers it; the program's close
// path deletes it.
class CGameBase : public CMessageListener
{
public:
    // The game passes 1/60, 1/60 and 1/12 seconds, its loading slide show
    // and "Intro.wav". A program folder that cannot be written moves the
    // settings file to the config folder; a display mode that cannot be set
    // is fatal; "REMOVE" on the command line runs the uninstall hook and
    // ends the process.
    CGameBase(float minimumStep, float step, float cap, CSlideShow* slideShow, const char* introTrack);
    ~CGameBase() override;

    // Every bus message reaches the game object; the base handles none.
    bool ReceiveMessage(CMessage& message) override;

    // The pixel-format tables with the game's palette and the sound list.
    virtual void LoadResources(CSlideShow* slideShow);
    virtual void Update(float step);
    // True when the picture was shown.
    virtual bool Draw();
    virtual bool DoIdleProcessing();
    virtual void OnScreenBuffersChanged();
    // Answers false when nothing changed; otherwise the keyboard is cleared
    // and the pointer changes between the game's own and the system's.
    virtual bool SetAppActive(bool active);
    // A key no window used, as an engine key code; true when used.
    virtual bool OnCharacterTyped(int32_t keyCode);
    // A programming error that is no player's concern; shows nothing unless
    // a game says otherwise.
    virtual void DeveloperMessageTextC(const char* text);
    // Builds the root window over the frame the game draws into, with the
    // default window font, and gives the window textures their two
    // libraries; the text font, when given, draws the frame-rate line.
    // Without the window toolkit installed there is no root.
    virtual void SetupScreen(CFrameInterface& drawFrame, CResourceLibraryBase* frameLibrary,
                             CResourceLibraryBase* textureLibrary, CFont* defaultFont, CFont* textFont);
    virtual void CreateScreenWindow(CFrameInterface& frame, CFont* font);

    // One pass of the main loop; answers the time until the next step is due.
    float RunFrame();
    // Deletes the object in the next update, after its PrepareForDeletion.
    void DeferDelete(CDeferredDeletion* object);
    // Selector 0: the root has windows; 1: its front window is more than a
    // third opaque; anything else, and no root: false.
    bool QueryScreenWindow(int32_t selector);
    CScreenWindow* GetScreenWindow() const { return m_pScreenWindow; }
    // At the front of the root, centred or where the window stands.
    void AddTopLevelWindow(CJWindow* window, bool centred);
    // The window tree over what the game drew.
    void DrawWindows();
    void ResetFrameTimers();
    void SetDisplayFps(bool display);
    bool IsDisplayingFps() const { return m_DisplayFps; }
    void SetRunning(bool running) { m_Running = running; }
    void MarkUpdateStart();
    void MarkDrawStart();
    // Every registered list forgets which of its items were used.
    void BroadcastToRegisteredLists();
    // A forced depth or size of 0 leaves the choice to the settings and the
    // command line.
    void SetupDisplayMode(int32_t forcedDepth, int32_t width, int32_t height);

    CFont* GetTextFont() const { return m_pTextFont; }
    bool IsAppActive() const { return m_AppActive; }
    bool ShowsOverlaysInEditor() const { return m_ShowOverlaysInEditor; }
    uint32_t GetUpdateCounter() const { return m_UpdateCounter; }
    int32_t GetDrawCounter() const { return m_DrawCounter; }
    void AdvanceDrawCounter() { m_DrawCounter++; }
    double GetSimulatedTime() const { return m_SimulatedTime; }
    float GetCarry() const { return m_Carry; }
    // The demo recorder sets it; 1 draws every pass.
    void SetDrawInterval(uint32_t interval) { m_DrawInterval = interval; }

    CGameBase(const CGameBase&) = delete;
    CGameBase& operator=(const CGameBase&) = delete;

protected:
    // A game object without the engine start-up, for code that only needs
    // one to exist (its text font, its developer messages); its destructor
    // shuts down nothing.
    CGameBase();

    CFont* m_pTextFont;

private:
    CScreenWindow* m_pScreenWindow;
    // The fields, before any start-up step.
    CGameBase(float minimumStep, float step, float cap, bool engineStarted);
    void RegisterAsGameObject();
    void RunUpdates(float& pending);
    void DeleteQueuedObjects();
    void DrawFpsLine(float passRate, float drawRate, float actualRate);

    bool m_DisplayFps;
    bool m_ShowOverlaysInEditor;
    uint32_t m_DrawInterval;
    int32_t m_TextLineCounter;
    bool m_Running;
    bool m_EngineStarted;
    uint32_t m_UpdateCounter;
    int32_t m_DrawCounter;
    double m_SimulatedTime;
    double m_LastCounterReading;
    float m_Carry;
    float m_MinimumStep;
    float m_Step;
    float m_Cap;
    bool m_AppActive;
    std::vector<CDeferredDeletion*> m_DeferredDeletions;
    CMemberCallbackListener* m_pIdleProcessingListener;
    CMemberCallbackListener* m_pCharacterTypedListener;
    CMemberCallbackListener* m_pPlaySoundListener;
};

// The game object, or none before it is built and after it is gone.
CGameBase* GetGameObject();

// Set when the program starts to end: by the close path and by the game
// object's destructor.
bool IsShuttingDown();
void SetShuttingDown();

// The colour of the frame-rate line's box at a pass rate against the two
// thresholds: blue while good, shading to red below good, and below poor
// blinking red and yellow (yellow when the blink count is odd). Channels
// red, green, blue.
struct FpsBoxColour
{
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};
FpsBoxColour GetFpsBoxColour(float passRate, float good, float poor, uint32_t blinkCount);

// How much faster than the slowest processor the game was tuned on this
// one is, from its family, model and stepping; 1 for those not known.
float GetProcessorSpeedFactor(int32_t family, int32_t model, int32_t stepping);
