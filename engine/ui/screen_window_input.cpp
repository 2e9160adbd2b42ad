// The root's input pass: once per update the mouse and keyboard states
// become calls of the tree's operations. Presses and releases are found by
// comparing the buttons down with those of the last pass; a double click a
// window takes replaces its second press, which then gives neither a
// press nor a release. A button held over a window that asked for repeats
// repeats its press on the tick counter; ticks compare as a signed
// difference so that the counter's wrap stops nothing.

#include "engine/app/input/key_repeat.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "engine/platform/tick_counter.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/modifier_keys.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/toolkit_state.h"

namespace {
constexpr int32_t KEY_COPY = 3;
constexpr int32_t KEY_COPY_ALTERNATE = 4;
constexpr int32_t KEY_PASTE = 22;
constexpr int32_t KEY_CUT = 24;

bool TickPassed(uint32_t now, uint32_t tick)
{
    return static_cast<int32_t>(now - tick) > 0;
}

uint32_t Milliseconds(float seconds)
{
    return static_cast<uint32_t>(seconds * 1000.0f);
}
} // namespace

void CScreenWindow::Update(float step)
{
    if (!m_InputEnabled)
        return;
    CDeferredDestroyScope scope;
    UpdateMouseMove();
    CMouseState& mouse = GetMouseState();
    CPoint point = mouse.GetPosition();
    if (int32_t steps = mouse.TakeWheelSteps())
        MouseWheel(steps, point);
    PollMouseButtons(point);
    PollTypedKeys();
    CJWindow::Update(step);
}

void CScreenWindow::PollMouseButtons(CPoint point)
{
    CMouseState& mouse = GetMouseState();
    uint32_t down = mouse.GetButtonsDown();
    for (int32_t i = 0; i < BUTTON_COUNT; ++i)
    {
        uint32_t bit = 1u << i;
        if (!mouse.TakeDoubleClick(bit))
            continue;
        bool continueAsPress = false;
        if (DoubleClick(i, point, continueAsPress) && !continueAsPress)
            down &= ~bit;
        else
            mouse.SetButtonDown(bit);
    }

    uint32_t pressed = down & ~m_PreviousDown;
    for (int32_t i = 0; i < BUTTON_COUNT; ++i)
    {
        uint32_t bit = 1u << i;
        RepeatRecord& record = m_Repeats[static_cast<size_t>(i)];
        if ((pressed & bit) != 0)
        {
            GetToolkitState().m_FocusOutline = false;
            m_CurrentButton = i;
            record = RepeatRecord{};
            MouseDown(i, point);
            RefreshCursor();
        }
        else if ((down & bit) != 0)
        {
            uint32_t now = GetTickCount();
            if (record.window == nullptr || !TickPassed(now, record.nextTick))
                continue;
            // A window off the pointer waits; its timer runs on.
            if (RectContains(record.window->GetVisibleRect(), point))
            {
                m_CurrentButton = i;
                record.window->MouseRepeat(i, point);
            }
            // The repeat may have destroyed the window, which clears the
            // record; the timing goes on for a window still there.
            if (record.window != nullptr)
            {
                record.nextTick = now + record.interval;
                record.repeat = true;
            }
        }
        else if ((m_PreviousDown & bit) != 0)
        {
            m_CurrentButton = i;
            MouseUp(i, point);
            RefreshCursor();
            record.window = nullptr;
        }
    }
    m_PreviousDown = down;
}

void CScreenWindow::PollTypedKeys()
{
    CKeyboardState& keyboard = GetKeyboardState();
    while (int32_t key = keyboard.GetTypedChar())
    {
        if (IsAltHeld() && Hotkey(key))
            continue;
        KeyDown(key);
        RefreshCursor();
    }
}

void CScreenWindow::RefreshCursor()
{
    const CSequence* cursor = nullptr;
    MouseMove(m_LastPointer, CPoint{0, 0}, cursor);
    ApplyCursor(cursor);
}

void CScreenWindow::ApplyCursor(const CSequence* cursor)
{
    CMouseState& mouse = GetMouseState();
    if (cursor != nullptr && cursor != mouse.GetCursorSequence())
        mouse.SetCursorAnimation(cursor, true, false);
}

void CScreenWindow::UpdateMouseMove()
{
    CPoint position = GetMouseState().GetPosition();
    if (position.x == m_LastPointer.x && position.y == m_LastPointer.y)
        return;
    CPoint movement = {position.x - m_LastPointer.x, position.y - m_LastPointer.y};
    const CSequence* cursor = nullptr;
    MouseMove(position, movement, cursor);
    ApplyCursor(cursor);
    m_LastPointer = position;
}

void CScreenWindow::ScheduleRepeat(CJWindow* window, int32_t firstDelayMs, int32_t intervalMs)
{
    RepeatRecord& record = m_Repeats[static_cast<size_t>(m_CurrentButton)];
    if (record.window == window)
        return;
    uint32_t firstDelay = firstDelayMs != 0 ? static_cast<uint32_t>(firstDelayMs) : Milliseconds(GetKeyRepeatDelay());
    uint32_t interval = intervalMs != 0 ? static_cast<uint32_t>(intervalMs) : Milliseconds(GetKeyRepeatInterval());
    record.window = window;
    record.interval = interval;
    record.nextTick = GetTickCount() + firstDelay;
}

bool CScreenWindow::IsRepeatPress() const
{
    return m_Repeats[static_cast<size_t>(m_CurrentButton)].repeat;
}

bool CScreenWindow::KeyDown(int32_t key)
{
    if (CJWindow::KeyDown(key))
        return true;
    if (Hotkey(key))
        return true;
    CCharacterTypedMessage message(key);
    if (BroadcastMessage(message))
        return true;
    return RunClipboardKey(key);
}

bool CScreenWindow::RunClipboardKey(int32_t key)
{
    switch (key)
    {
    case KEY_COPY:
    case KEY_COPY_ALTERNATE:
        return Copy(true);
    case KEY_INSERT:
        if (IsShiftHeld())
            return Paste(true);
        if (IsCtrlHeld())
            return Copy(true);
        return false;
    case KEY_DELETE:
        if (IsShiftHeld())
            return Cut(true);
        return Delete(true);
    case KEY_PASTE:
        return Paste(true);
    case KEY_CUT:
        return Cut(true);
    default:
        return false;
    }
}
