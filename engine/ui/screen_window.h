#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/ui/window.h"

class CFrameInterface;
class COffsetClippedProxyFrame;

// The root of the window tree: it covers the screen frame, owns every
// top-level window and is the only window that reads the input devices.
// Once per update it polls the mouse and keyboard and turns what changed
// into calls of the tree's operations (moves, presses, double clicks,
// button repeats, releases, wheel steps, typed keys, Alt hotkeys,
// clipboard keys); once per draw it draws the tree through its one
// offset-and-clip proxy, then the tooltip box it keeps for every window.
//
// The first root constructed is registered as the toolkit's root until it
// goes. It never grows to contain a child.
class CScreenWindow : public CJWindow
{
public:
    static constexpr int32_t BUTTON_COUNT = 5;

    // A non-null font becomes the toolkit's default font. The pointer is
    // shown; its earlier visibility comes back when the root goes.
    CScreenWindow(CFrameInterface& screenFrame, CFont* font);
    ~CScreenWindow() override;

    // Nothing at all while input is suspended; else the input pass, then
    // every window's update.
    void Update(float step) override;
    // The tree, then the tooltip; a frame whose size changed (a new display
    // mode) gives the root its new rect first. The argument is not used:
    // the root draws into its screen frame.
    void Draw(CFrameInterface& frame) override;
    // The focus chain, a hotkey letter without Alt, the game's listeners on
    // the message bus, then the clipboard keys.
    bool KeyDown(int32_t key) override;
    bool IsScreenWindow() const override;
    void GrowToContain(CJWindow* child, int32_t margin) override;
    // Nothing under a window claimed the hover: no tooltip.
    bool OnHover(CPoint point) override;

    // Draws the tree while the root is visible.
    void DrawAll();

    // Re-evaluates the pointer after a window moved it.
    void UpdateMouseMove();
    // The current button's press repeats on the window while the button is
    // held over it; 0 for the first delay or the interval takes the
    // system's key repeat timing.
    void ScheduleRepeat(CJWindow* window, int32_t firstDelayMs, int32_t intervalMs);
    bool IsRepeatPress() const;

    // x -1 places the tooltip below the pointer; an empty text removes it.
    void SetTooltip(bool fromHover, CJWindow* window, int32_t hotkeyPosition, const CString& text, int32_t x, int32_t y,
                    int32_t hotkeyLength);
    void ClearTooltip();
    // A window going away takes its own tooltip with it, and only that.
    void ForgetTooltipOf(const CJWindow* window);
    // A status line that shows tooltip texts in place of the box.
    void SetTooltipTarget(CJWindow* window, bool takesHoverTexts);
    const CString& GetTooltipText() const { return m_TooltipText; }
    const CString& GetWrappedTooltipText() const { return m_WrappedTooltip; }
    const CRect& GetTooltipBox() const { return m_TooltipBox; }

    // The tree stops: no input, no updates, no closes; drawing goes on. The
    // pointer hides meanwhile, and keys typed meanwhile are dropped.
    void SuspendInput();
    void ResumeInput();
    bool IsInputEnabled() const { return m_InputEnabled; }

    // Called as a window is destroyed: no repeat and no tooltip target may
    // keep pointing into its subtree.
    void ForgetWindow(const CJWindow* window);
    // True while the root destroys its top-level windows: cancelled
    // captures then leave the pointer alone.
    bool IsTearingDown() const { return m_TearingDown; }

protected:
    void TearDown() override;

private:
    struct RepeatRecord
    {
        CJWindow* window = nullptr;
        uint32_t nextTick = 0;
        uint32_t interval = 0;
        bool repeat = false;
    };

    void PollMouseButtons(CPoint point);
    void PollTypedKeys();
    // MouseMove at the last pointer position after an event, for the
    // pointer shape the tree now wants.
    void RefreshCursor();
    void ApplyCursor(const CSequence* cursor);
    bool RunClipboardKey(int32_t key);
    void DrawTooltip();

    std::unique_ptr<COffsetClippedProxyFrame> m_pProxy;
    CFrameInterface* m_pScreenFrame;
    CRect m_FrameBounds;
    bool m_InputEnabled;
    bool m_SavedPointerVisible;
    CFont* m_pTooltipFont;
    CColor m_TooltipBoxColour;
    CColor m_TooltipOutlineColour;
    CString m_TooltipText;
    // The window the tooltip shows for; compared, never followed.
    const CJWindow* m_pTooltipWindow = nullptr;
    CString m_WrappedTooltip;
    CRect m_TooltipBox;
    bool m_Underline;
    int32_t m_UnderlineY;
    int32_t m_UnderlineLeft;
    int32_t m_UnderlineRight;
    CJWindow* m_pTooltipTarget;
    bool m_TargetTakesHoverTexts;
    CPoint m_LastPointer;
    std::array<RepeatRecord, BUTTON_COUNT> m_Repeats;
    int32_t m_CurrentButton;
    uint32_t m_PreviousDown;
    bool m_TearingDown;
};

// The registered root, or null.
CScreenWindow* GetScreenWindow();
