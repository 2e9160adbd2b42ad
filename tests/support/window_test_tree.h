#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/screen_window.h"
#include "engine/ui/window.h"
#include "tests/support/window_paint.h"

class CFont;
class CFrame;
class ScopedTempFolder;

// Every call a probe receives, in order, as "name.Operation" with the
// arguments that matter ("a.KeyDown(9)", "b.SetFocused(1)", "c.~").
using CallLog = std::vector<std::string>;

// The virtual operations a probe can be told about.
enum class ProbeCall
{
    MouseDown,
    MouseRepeat,
    MouseUp,
    DoubleClick,
    MouseMove,
    TrackMouse,
    OnMouseUp,
    CancelCapture,
    MouseWheel,
    KeyDown,
    Hotkey,
    ActivateByHotkey,
    SetFocused,
    OnShowChanged,
    OnCommand,
    Cut,
    Copy,
    Paste,
    Delete,
    Update,
    OnHover,
    SavePlacement,
};

// A window that logs every virtual call to a shared log and can be told
// what to answer, to capture the pressed button, or to destroy a window
// (itself, its parent, a sibling, anyone) when it receives a given call.
class CProbeWindow : public CJWindow
{
public:
    CProbeWindow(CJWindow* parent, const char* name, CallLog& log, const char* text = nullptr);
    ~CProbeWindow() override;

    const std::string& GetName() const { return m_Name; }
    // The call answers this instead of running the base behaviour.
    void Answer(ProbeCall call, bool answer) { m_Answers[call] = answer; }
    // TrackMouse answers true at a press: the button is captured.
    void CaptureOnPress() { m_CaptureOnPress = true; }
    // After the call's own work the victim gets Destroy.
    void DestroyOn(ProbeCall call, CJWindow* victim) { m_Victims[call] = victim; }
    void SetWantsAutoHotkey(bool wants) { m_WantsAutoHotkey = wants; }
    // A press asks the root to repeat it (0: the system's timing).
    void RepeatOnPress(int32_t firstDelayMs, int32_t intervalMs);
    // What Draw paints before the children.
    CWindowPaint& Paint() { return m_Paint; }
    uint32_t GetCancelledButtons() const { return m_CancelledButtons; }

    bool DoubleClick(int32_t button, CPoint point, bool& continueAsPress) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool MouseRepeat(int32_t button, CPoint point) override;
    bool MouseUp(int32_t button, CPoint point) override;
    bool MouseMove(CPoint point, CPoint movement, const CSequence*& cursor) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    void OnMouseUp(CPoint point, uint32_t buttons) override;
    void CancelCapture(uint32_t buttons) override;
    bool MouseWheel(int32_t steps, CPoint point) override;
    bool KeyDown(int32_t key) override;
    bool Hotkey(int32_t key) override;
    bool ActivateByHotkey() override;
    void SetFocused(bool focused) override;
    void OnShowChanged(bool visible) override;
    void OnCommand(CJWindow* source, int32_t code) override;
    bool Cut(bool doIt) override;
    bool Copy(bool doIt) override;
    bool Paste(bool doIt) override;
    bool Delete(bool doIt) override;
    void Update(float step) override;
    bool OnHover(CPoint point) override;
    void SavePlacement(const char* name, bool withSize) override;
    bool WantsAutoHotkey() const override;
    void Draw(CFrameInterface& frame) override;

private:
    void Record(const std::string& entry);
    // The configured answer, else the base's.
    bool Finish(ProbeCall call, bool baseAnswer);
    bool Configured(ProbeCall call, bool& answer) const;

    std::string m_Name;
    CallLog& m_Log;
    std::map<ProbeCall, bool> m_Answers;
    std::map<ProbeCall, CJWindow*> m_Victims;
    bool m_CaptureOnPress;
    bool m_WantsAutoHotkey;
    uint32_t m_CancelledButtons;
    bool m_Repeats;
    int32_t m_RepeatDelay;
    int32_t m_RepeatInterval;
    CWindowPaint m_Paint;
};

// A toolkit with a known start: state reset, the pixel-format tables
// built, a bitmap font 15 high (one
// dialog unit is 3 pixels, every character 8 wide) as the default font, an
// editor settings file in a temporary folder, the level-editor hook under
// the test's control, a root over a 16-bit frame (800 x 600 unless told), a
// record of the sounds asked for, and the manual clock.
//
// Input reaches the tree in one of two ways. MoveMouse, Press, Release,
// Type and Wheel feed the keyboard and mouse states through the function
// that applies system events, then route the input straight into the
// tree's base operations inside a deferred-destroy scope; UpdateTree runs
// only the windows' updates. The Feed calls only feed the states, and
// RunRootUpdate lets the root read them in its own pass, as a frame of the
// game does.
class CWindowTestTree
{
public:
    explicit CWindowTestTree(int32_t width = 800, int32_t height = 600);
    ~CWindowTestTree();

    CScreenWindow& Root() { return *m_pRoot; }
    CFrame& Frame() { return *m_pFrame; }
    CallLog& Log() { return m_Log; }
    const std::vector<std::string>& Sounds() const { return m_Sounds; }
    const std::string& SettingsFile() const { return m_SettingsFile; }
    CFont* Font() const { return m_pFont; }
    void SetLevelEditorOpen(bool open);

    // A probe with the rect, linked at the back of parent (code 0).
    CProbeWindow* AddProbe(CJWindow* parent, const char* name, CRect rect, const char* text = nullptr);

    // Moves the pointer; the root sees the move.
    void MoveMouse(int32_t x, int32_t y);
    // Moves there, then presses or releases button 0..4.
    void Press(int32_t button, int32_t x, int32_t y);
    void Release(int32_t button, int32_t x, int32_t y);
    // A modifier by scan code (42 Shift, 56 Alt, 29 Ctrl).
    void HoldKey(int32_t scanCode);
    void ReleaseKey(int32_t scanCode);
    // Types an engine key code; with Alt held it goes to Hotkey first.
    // Answers whether the tree consumed it.
    bool Type(int32_t keyCode);
    void Wheel(int32_t steps);
    void UpdateTree();
    void AdvanceClock(int64_t milliseconds);

    void FeedMove(int32_t x, int32_t y);
    void FeedButton(int32_t button, bool down);
    // The second press of a double click, in place of its down.
    void FeedDoubleClick(int32_t button);
    void FeedTyped(int32_t keyCode);
    void RunRootUpdate();
    // The root's draw into the frame.
    void DrawTree();

    // Clears the log, keeping the tree.
    void ClearLog() { m_Log.clear(); }

    CWindowTestTree(const CWindowTestTree&) = delete;
    CWindowTestTree& operator=(const CWindowTestTree&) = delete;

private:
    class SoundRecorder;

    CallLog m_Log;
    std::vector<std::string> m_Sounds;
    std::unique_ptr<ScopedTempFolder> m_pFolder;
    std::string m_SettingsFile;
    std::unique_ptr<CFrame> m_pFrame;
    std::unique_ptr<SoundRecorder> m_pSoundRecorder;
    CFont* m_pFont;
    CScreenWindow* m_pRoot;
    CPoint m_LastPointer;
    bool (*m_pSavedEditorHook)();
};

std::string RectText(const CRect& rect);

// The CRC-32 of the frame written as a TGA by the engine's writer (16-bit
// frames become 24 bits). When it differs from the expected value the file
// is kept as build/test-out/<name>.tga for a look.
uint32_t FrameTgaCrc(CFrame& frame, const std::string& name, uint32_t expected);
