#include "tests/support/window_test_tree.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/app/input/apply_system_event.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/core/files/crc32.h"
#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/fonts/glyph_preparation.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"
#include "engine/object/editor_hooks.h"
#include "engine/platform/tick_counter.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/scoped_temp_folder.h"

namespace {
constexpr int32_t SCAN_LEFT_ALT = 56;
constexpr int32_t SCAN_RIGHT_ALT = 312;

int64_t s_ManualNanoseconds = 0;
bool s_LevelEditorOpen = false;

int64_t ManualClock()
{
    return s_ManualNanoseconds;
}

bool LevelEditorOpen()
{
    return s_LevelEditorOpen;
}

std::string PointText(CPoint point)
{
    return "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
}

// A bitmap font 15 pixels high cut from a strip of equal cells 8 pixels
// wide: one dialog unit is 3 pixels, and every character measures 8. The
// arrow triangles the controls draw get cells of their own, as the game's
// face renders them; a bitmap font has no face to ask.
CFont* MakeHarnessFont()
{
    constexpr uint32_t FIRST = 32;
    constexpr uint32_t LAST = 255;
    CFrame strip;
    strip.Create((LAST - FIRST + 1) * 8, 15, 32);
    CFontBitmap* font = new CFontBitmap();
    font->SetFixedWidth(true);
    font->SetCodeRange(FIRST, LAST);
    font->BuildGlyphs(strip);
    for (uint32_t triangle : {0x25B2u, 0x25BAu, 0x25BCu, 0x25C4u})
    {
        CFrame* glyph = new CFrame();
        glyph->Create(8, 15, 32);
        PrepareGlyphForDrawing(*glyph);
        font->StoreGlyph(triangle, glyph);
    }
    return font;
}

SystemEvent MakeEvent(SystemEventKind kind)
{
    SystemEvent event = {};
    event.kind = kind;
    return event;
}
} // namespace

std::string RectText(const CRect& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom) + ")";
}

// Probe ------------------------------------------------------------------

CProbeWindow::CProbeWindow(CJWindow* parent, const char* name, CallLog& log, const char* text)
    : CJWindow(parent, text)
    , m_Name(name)
    , m_Log(log)
    , m_CaptureOnPress(false)
    , m_WantsAutoHotkey(false)
    , m_CancelledButtons(0)
    , m_Repeats(false)
    , m_RepeatDelay(0)
    , m_RepeatInterval(0)
{
}

void CProbeWindow::RepeatOnPress(int32_t firstDelayMs, int32_t intervalMs)
{
    m_Repeats = true;
    m_RepeatDelay = firstDelayMs;
    m_RepeatInterval = intervalMs;
}

void CProbeWindow::Draw(CFrameInterface& frame)
{
    Record("Draw");
    m_Paint.Paint(*this, frame);
    CJWindow::Draw(frame);
}

CProbeWindow::~CProbeWindow()
{
    Record("~");
}

void CProbeWindow::Record(const std::string& entry)
{
    m_Log.push_back(m_Name + "." + entry);
}

bool CProbeWindow::Configured(ProbeCall call, bool& answer) const
{
    auto found = m_Answers.find(call);
    if (found == m_Answers.end())
        return false;
    answer = found->second;
    return true;
}

bool CProbeWindow::Finish(ProbeCall call, bool baseAnswer)
{
    auto victim = m_Victims.find(call);
    if (victim != m_Victims.end() && victim->second != nullptr)
    {
        CJWindow* window = victim->second;
        victim->second = nullptr;
        window->Destroy();
    }
    return baseAnswer;
}

#define VP_PROBE_ROUTED(call, baseCall)                                                                                \
    bool answer;                                                                                                       \
    if (!Configured(call, answer))                                                                                     \
        answer = baseCall;                                                                                             \
    return Finish(call, answer)

bool CProbeWindow::DoubleClick(int32_t button, CPoint point, bool& continueAsPress)
{
    Record("DoubleClick(" + std::to_string(button) + ")");
    VP_PROBE_ROUTED(ProbeCall::DoubleClick, CJWindow::DoubleClick(button, point, continueAsPress));
}

bool CProbeWindow::MouseDown(int32_t button, CPoint point)
{
    Record("MouseDown(" + std::to_string(button) + ")");
    if (m_Repeats)
        ScheduleRepeat(m_RepeatDelay, m_RepeatInterval);
    VP_PROBE_ROUTED(ProbeCall::MouseDown, CJWindow::MouseDown(button, point));
}

bool CProbeWindow::MouseRepeat(int32_t button, CPoint)
{
    Record("MouseRepeat(" + std::to_string(button) + ")");
    VP_PROBE_ROUTED(ProbeCall::MouseRepeat, true);
}

bool CProbeWindow::MouseUp(int32_t button, CPoint point)
{
    Record("MouseUp(" + std::to_string(button) + ")");
    VP_PROBE_ROUTED(ProbeCall::MouseUp, CJWindow::MouseUp(button, point));
}

bool CProbeWindow::MouseMove(CPoint point, CPoint movement, const CSequence*& cursor)
{
    Record("MouseMove" + PointText(point));
    VP_PROBE_ROUTED(ProbeCall::MouseMove, CJWindow::MouseMove(point, movement, cursor));
}

bool CProbeWindow::TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor)
{
    Record("TrackMouse" + PointText(point));
    VP_PROBE_ROUTED(ProbeCall::TrackMouse, m_CaptureOnPress || CJWindow::TrackMouse(point, movement, buttons, cursor));
}

void CProbeWindow::OnMouseUp(CPoint point, uint32_t buttons)
{
    Record("OnMouseUp" + PointText(point));
    CJWindow::OnMouseUp(point, buttons);
    Finish(ProbeCall::OnMouseUp, false);
}

void CProbeWindow::CancelCapture(uint32_t buttons)
{
    Record("CancelCapture(" + std::to_string(buttons) + ")");
    m_CancelledButtons |= buttons;
    CJWindow::CancelCapture(buttons);
    Finish(ProbeCall::CancelCapture, false);
}

bool CProbeWindow::MouseWheel(int32_t steps, CPoint point)
{
    Record("MouseWheel(" + std::to_string(steps) + ")");
    VP_PROBE_ROUTED(ProbeCall::MouseWheel, CJWindow::MouseWheel(steps, point));
}

bool CProbeWindow::KeyDown(int32_t key)
{
    Record("KeyDown(" + std::to_string(key) + ")");
    VP_PROBE_ROUTED(ProbeCall::KeyDown, CJWindow::KeyDown(key));
}

bool CProbeWindow::Hotkey(int32_t key)
{
    Record("Hotkey(" + std::to_string(key) + ")");
    VP_PROBE_ROUTED(ProbeCall::Hotkey, CJWindow::Hotkey(key));
}

bool CProbeWindow::ActivateByHotkey()
{
    Record("ActivateByHotkey");
    VP_PROBE_ROUTED(ProbeCall::ActivateByHotkey, CJWindow::ActivateByHotkey());
}

void CProbeWindow::SetFocused(bool focused)
{
    Record(std::string("SetFocused(") + (focused ? "1" : "0") + ")");
    CJWindow::SetFocused(focused);
    Finish(ProbeCall::SetFocused, false);
}

void CProbeWindow::OnShowChanged(bool visible)
{
    Record(std::string("OnShowChanged(") + (visible ? "1" : "0") + ")");
    CJWindow::OnShowChanged(visible);
    Finish(ProbeCall::OnShowChanged, false);
}

void CProbeWindow::OnCommand(CJWindow* source, int32_t code)
{
    const CProbeWindow* probe = dynamic_cast<const CProbeWindow*>(source);
    Record("OnCommand(" + (probe != nullptr ? probe->m_Name : std::string("?")) + "," + std::to_string(code) + ")");
    CJWindow::OnCommand(source, code);
    Finish(ProbeCall::OnCommand, false);
}

bool CProbeWindow::Cut(bool doIt)
{
    Record(std::string("Cut(") + (doIt ? "1" : "0") + ")");
    VP_PROBE_ROUTED(ProbeCall::Cut, CJWindow::Cut(doIt));
}

bool CProbeWindow::Copy(bool doIt)
{
    Record(std::string("Copy(") + (doIt ? "1" : "0") + ")");
    VP_PROBE_ROUTED(ProbeCall::Copy, CJWindow::Copy(doIt));
}

bool CProbeWindow::Paste(bool doIt)
{
    Record(std::string("Paste(") + (doIt ? "1" : "0") + ")");
    VP_PROBE_ROUTED(ProbeCall::Paste, CJWindow::Paste(doIt));
}

bool CProbeWindow::Delete(bool doIt)
{
    Record(std::string("Delete(") + (doIt ? "1" : "0") + ")");
    VP_PROBE_ROUTED(ProbeCall::Delete, CJWindow::Delete(doIt));
}

#undef VP_PROBE_ROUTED

void CProbeWindow::Update(float step)
{
    Record("Update");
    CJWindow::Update(step);
    Finish(ProbeCall::Update, false);
}

bool CProbeWindow::OnHover(CPoint point)
{
    Record("OnHover" + PointText(point));
    bool answer;
    if (!Configured(ProbeCall::OnHover, answer))
        answer = CJWindow::OnHover(point);
    return Finish(ProbeCall::OnHover, answer);
}

void CProbeWindow::SavePlacement(const char* name, bool withSize)
{
    Record(std::string("SavePlacement(") + (name != nullptr ? name : "") + ")");
    CJWindow::SavePlacement(name, withSize);
}

bool CProbeWindow::WantsAutoHotkey() const
{
    return m_WantsAutoHotkey;
}

// Harness -----------------------------------------------------------------

class CWindowTestTree::SoundRecorder : public CMessageListener
{
public:
    explicit SoundRecorder(std::vector<std::string>& sounds)
        : m_Sounds(sounds)
    {
    }

    bool ReceiveMessage(CMessage& message) override
    {
        if (message.GetTypeId() != CPlaySoundMessage::GetClassTypeId())
            return false;
        m_Sounds.push_back(static_cast<CPlaySoundMessage&>(message).m_SoundName.GetText());
        return true;
    }

private:
    std::vector<std::string>& m_Sounds;
};

CWindowTestTree::CWindowTestTree(int32_t width, int32_t height)
    : m_pFolder(std::make_unique<ScopedTempFolder>())
    , m_pFrame(std::make_unique<CFrame>())
    , m_pFont(MakeHarnessFont())
    , m_pRoot(nullptr)
    , m_LastPointer{0, 0}
{
    ResetToolkitState();
    // As the game's loading builds them: faded drawing reads the tables.
    InitPixelFormatTables(nullptr, nullptr);
    s_ManualNanoseconds = 1'000'000'000;
    SetNanosecondClock(&ManualClock);
    s_LevelEditorOpen = false;
    m_pSavedEditorHook = GetEditorHooks().IsLevelEditorOpen;
    GetEditorHooks().IsLevelEditorOpen = &LevelEditorOpen;
    m_SettingsFile = m_pFolder->Path() + "Vantrell Editor.ini";
    SetEditorSettingsFileName(m_SettingsFile.c_str());
    m_pSoundRecorder = std::make_unique<SoundRecorder>(m_Sounds);

    CKeyboardState& keyboard = GetKeyboardState();
    keyboard.ClearAll(true);
    CMouseState& mouse = GetMouseState();
    mouse.SetButtonsDown(0);
    mouse.TakeDoubleClick(~0u);
    mouse.SetPositionFromSystem(0, 0);

    m_pFrame->Create(width, height, 16);
    m_pRoot = new CScreenWindow(*m_pFrame, m_pFont);
}

CWindowTestTree::~CWindowTestTree()
{
    {
        CDeferredDestroyScope scope;
        m_pRoot->Destroy();
    }
    GetKeyboardState().ClearAll(true);
    GetMouseState().SetButtonsDown(0);
    GetEditorHooks().IsLevelEditorOpen = m_pSavedEditorHook;
    SetNanosecondClock(nullptr);
    ResetToolkitState();
    delete m_pFont;
}

void CWindowTestTree::SetLevelEditorOpen(bool open)
{
    s_LevelEditorOpen = open;
}

CProbeWindow* CWindowTestTree::AddProbe(CJWindow* parent, const char* name, CRect rect, const char* text)
{
    CProbeWindow* probe = new CProbeWindow(parent, name, m_Log, text);
    probe->SetRect(rect);
    parent->AddChild(probe, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, CJWindow::PLACE_NO_GROWTH);
    return probe;
}

void CWindowTestTree::MoveMouse(int32_t x, int32_t y)
{
    SystemEvent event = MakeEvent(SystemEventKind::MouseMove);
    event.x = x;
    event.y = y;
    ApplySystemEvent(event);
    CPoint point = GetMouseState().GetPosition();
    if (point.x == m_LastPointer.x && point.y == m_LastPointer.y)
        return;
    CPoint movement = {point.x - m_LastPointer.x, point.y - m_LastPointer.y};
    m_LastPointer = point;
    CDeferredDestroyScope scope;
    const CSequence* cursor = nullptr;
    m_pRoot->MouseMove(point, movement, cursor);
}

void CWindowTestTree::Press(int32_t button, int32_t x, int32_t y)
{
    MoveMouse(x, y);
    SystemEvent event = MakeEvent(SystemEventKind::MouseButtonDown);
    event.button = 1u << button;
    ApplySystemEvent(event);
    GetToolkitState().m_FocusOutline = false;
    CDeferredDestroyScope scope;
    m_pRoot->MouseDown(button, GetMouseState().GetPosition());
}

void CWindowTestTree::Release(int32_t button, int32_t x, int32_t y)
{
    MoveMouse(x, y);
    SystemEvent event = MakeEvent(SystemEventKind::MouseButtonUp);
    event.button = 1u << button;
    ApplySystemEvent(event);
    CDeferredDestroyScope scope;
    m_pRoot->MouseUp(button, GetMouseState().GetPosition());
}

void CWindowTestTree::HoldKey(int32_t scanCode)
{
    SystemEvent event = MakeEvent(SystemEventKind::KeyDown);
    event.scanCode = scanCode;
    ApplySystemEvent(event);
    // A key without a virtual key types nothing; drop whatever it typed.
    GetKeyboardState().ClearTypedQueue(true);
}

void CWindowTestTree::ReleaseKey(int32_t scanCode)
{
    SystemEvent event = MakeEvent(SystemEventKind::KeyUp);
    event.scanCode = scanCode;
    ApplySystemEvent(event);
}

bool CWindowTestTree::Type(int32_t keyCode)
{
    SystemEvent event = MakeEvent(SystemEventKind::TypedCharacter);
    event.character = keyCode;
    ApplySystemEvent(event);
    CKeyboardState& keyboard = GetKeyboardState();
    bool consumed = false;
    CDeferredDestroyScope scope;
    while (int32_t key = keyboard.GetTypedChar())
    {
        bool alt = keyboard.IsKeyDown(SCAN_LEFT_ALT) || keyboard.IsKeyDown(SCAN_RIGHT_ALT);
        if (alt && m_pRoot->Hotkey(key))
            consumed = true;
        else
            consumed = m_pRoot->CJWindow::KeyDown(key) || consumed;
    }
    return consumed;
}

void CWindowTestTree::Wheel(int32_t steps)
{
    SystemEvent event = MakeEvent(SystemEventKind::MouseWheel);
    event.wheelSteps = static_cast<float>(steps);
    ApplySystemEvent(event);
    CDeferredDestroyScope scope;
    if (int32_t taken = GetMouseState().TakeWheelSteps())
        m_pRoot->MouseWheel(taken, GetMouseState().GetPosition());
}

void CWindowTestTree::UpdateTree()
{
    CDeferredDestroyScope scope;
    m_pRoot->CJWindow::Update(1.0f / 60.0f);
}

void CWindowTestTree::AdvanceClock(int64_t milliseconds)
{
    s_ManualNanoseconds += milliseconds * 1'000'000;
}

void CWindowTestTree::FeedMove(int32_t x, int32_t y)
{
    SystemEvent event = MakeEvent(SystemEventKind::MouseMove);
    event.x = x;
    event.y = y;
    ApplySystemEvent(event);
}

void CWindowTestTree::FeedButton(int32_t button, bool down)
{
    SystemEvent event = MakeEvent(down ? SystemEventKind::MouseButtonDown : SystemEventKind::MouseButtonUp);
    event.button = 1u << button;
    ApplySystemEvent(event);
}

void CWindowTestTree::FeedDoubleClick(int32_t button)
{
    SystemEvent event = MakeEvent(SystemEventKind::MouseDoubleClick);
    event.button = 1u << button;
    ApplySystemEvent(event);
}

void CWindowTestTree::FeedTyped(int32_t keyCode)
{
    SystemEvent event = MakeEvent(SystemEventKind::TypedCharacter);
    event.character = keyCode;
    ApplySystemEvent(event);
}

void CWindowTestTree::RunRootUpdate()
{
    m_pRoot->Update(1.0f / 60.0f);
}

void CWindowTestTree::DrawTree()
{
    m_pRoot->DrawAll();
}

uint32_t FrameTgaCrc(CFrame& frame, const std::string& name, uint32_t expected)
{
    ScopedTempFolder folder;
    std::string path = folder.Path() + "frame.tga";
    CTGAFileIO writer;
    if (!writer.Write(frame, path.c_str(), 0))
        return 0;
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    uint32_t crc = Crc32(bytes.data(), bytes.size());
    if (crc != expected)
    {
        std::filesystem::path kept = std::filesystem::path(VP_TEST_OUT_DIR) / (name + ".tga");
        std::filesystem::create_directories(kept.parent_path());
        std::filesystem::copy_file(path, kept, std::filesystem::copy_options::overwrite_existing);
    }
    return crc;
}
