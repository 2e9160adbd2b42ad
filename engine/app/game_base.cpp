#include "engine/app/game_base.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/app/frame_time_average.h"
#include "engine/app/game_services.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/main_window.h"
#include "engine/app/pump_system_events.h"
#include "engine/app/required_libraries.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/window_tree_hooks.h"
#include "engine/blit/cpu_info.h"
#include "engine/core/color/color.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/stream.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/localization/localization_table.h"
#include "engine/core/localization/version_text.h"
#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/member_callback_listener.h"
#include "engine/core/program/error_report.h"
#include "engine/core/program/loading_messages.h"
#include "engine/core/program/main_window.h"
#include "engine/core/program/outside_programs.h"
#include "engine/core/program/profiler.h"
#include "engine/core/settings/command_line.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/developer_message.h"
#include "engine/graphics/engine_text_font.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/object/class_registry.h"

namespace {

CGameBase* g_pGameObject = nullptr;
bool g_ShuttingDown = false;

CProfileSection s_UpdateSection("Update", 0, 1.0f);
CProfileSection s_DrawSection("Draw", 0, 1.0f);
CProfileSection s_GameBaseUpdateSection("CGameBase_Update", 0, 0.0f);
CProfileSection s_WindowUpdateSection("JWindow_Update", 0, 0.0f);
CProfileSection s_GameBaseDrawSection("GameBase_Draw", 0, 0.0f);
CProfileSection s_FlipSection("Flip", 0, 0.0f);
CProfileSection s_DrawWindowsSection("DrawJWindows", 0, 0.0f);

// A front window at most this opaque lets the game show through.
constexpr float SEE_THROUGH_OPACITY = 0.333f;

// The frame-rate meters and what they last measured.
struct FrameMeters
{
    CFrameTimeAverage update;
    CFrameTimeAverage draw;
    CFrameTimeAverage pass;
    CFrameTimeAverage actual;
    uint32_t updateStartedAt = UINT32_MAX;
    uint32_t passStartedAt = UINT32_MAX;
    uint32_t drawStartedAt = UINT32_MAX;
    float updateRate = 0.0f;
    uint32_t passCount = 0;
    bool thresholdsComputed = false;
    float good = 0.0f;
    float poor = 0.0f;
    uint32_t blinkCount = 0;
};

FrameMeters& GetMeters()
{
    static FrameMeters s_Meters;
    return s_Meters;
}

const char* SettingsFile()
{
    return GetGeneralSettings().GetFileName();
}

CFont* TextFontOfTheGameObject()
{
    return g_pGameObject ? g_pGameObject->GetTextFont() : nullptr;
}

void DeveloperMessageToTheGameObject(const char* text)
{
    if (g_pGameObject)
        g_pGameObject->DeveloperMessageTextC(text);
}

bool OnIdleProcessing(void* owner, CMessage&)
{
    return static_cast<CGameBase*>(owner)->DoIdleProcessing();
}

bool OnCharacterTypedMessage(void* owner, CMessage& message)
{
    return static_cast<CGameBase*>(owner)->OnCharacterTyped(static_cast<CCharacterTypedMessage&>(message).m_KeyCode);
}

bool OnPlaySound(void*, CMessage& message)
{
    GetGameServices().PlaySoundByName(static_cast<CPlaySoundMessage&>(message).m_SoundName.GetText());
    return true;
}

// The uninstaller lives in the data; it runs from the temporary folder so
// that it can delete the program folder, and the process ends either way.
[[noreturn]] void RunUninstallHook()
{
    MountArchives("Data");
    char temp[4096];
    if (GetTempFolder(temp, sizeof temp))
    {
        const std::string remover = std::string(temp) + "RemoveSw.exe";
        if (CopyDataFile("RemoveSw.exe", 0, remover.c_str(), OPEN_NAME_UNCHANGED, nullptr))
        {
            const std::string deleter = std::string(temp) + "DeleteMe.exe";
            CopyDataFile("Remove.txt", 0, "Remove.txt", OPEN_NAME_UNCHANGED, nullptr);
            CopyDataFile("DeleteMe.exe", 0, deleter.c_str(), OPEN_NAME_UNCHANGED, nullptr);
            RunProgram(deleter.c_str(), ("\"" + remover + "\"").c_str(), true, nullptr, nullptr, false);
        }
    }
    std::exit(0);
}

bool IsProgramFolderWritable()
{
    std::FILE* probe = std::fopen("TestSave.dat", "wb");
    if (!probe)
        return false;
    std::fclose(probe);
    std::remove("TestSave.dat");
    return true;
}

} // namespace

CDeferredDeletion::~CDeferredDeletion() = default;

void CDeferredDeletion::PrepareForDeletion()
{
}

CGameBase::CGameBase()
    : CGameBase(1.0f / 60.0f, 1.0f / 60.0f, 1.0f / 12.0f, false)
{
    RegisterAsGameObject();
}

CGameBase::CGameBase(float minimumStep, float step, float cap, bool engineStarted)
    : m_pTextFont(nullptr)
    , m_pScreenWindow(nullptr)
    , m_DisplayFps(false)
    , m_ShowOverlaysInEditor(true)
    , m_DrawInterval(1)
    , m_TextLineCounter(0)
    , m_Running(false)
    , m_EngineStarted(engineStarted)
    , m_UpdateCounter(0)
    , m_DrawCounter(0)
    , m_SimulatedTime(0.0)
    , m_LastCounterReading(0.0)
    , m_Carry(0.0f)
    , m_MinimumStep(minimumStep)
    , m_Step(step)
    , m_Cap(cap)
    , m_AppActive(true)
    , m_pIdleProcessingListener(nullptr)
    , m_pCharacterTypedListener(nullptr)
    , m_pPlaySoundListener(nullptr)
{
}

CGameBase::CGameBase(float minimumStep, float step, float cap, CSlideShow* slideShow, const char* introTrack)
    : CGameBase(minimumStep, step, cap, true)
{
    m_pIdleProcessingListener =
        new CMemberCallbackListener(this, OnIdleProcessing, CDoIdleProcessingMessage::GetClassTypeId());
    m_pCharacterTypedListener =
        new CMemberCallbackListener(this, OnCharacterTypedMessage, CCharacterTypedMessage::GetClassTypeId());
    m_pPlaySoundListener = new CMemberCallbackListener(this, OnPlaySound, CPlaySoundMessage::GetClassTypeId());
    GetClassRegistry().Sort();
    // Searched in the raw line, letter case kept, wherever it stands.
    if (std::strstr(GetCommandLineText(), "REMOVE"))
        RunUninstallHook();
    RegisterAsGameObject();
    GetMouseState().HidePointer();

    const bool writable = IsProgramFolderWritable();
    CString product;
    GetProductName(product);
    GetGeneralSettings().SetFileName(GetSettingsFilePath(product.GetText(), writable).GetText());
    MountArchives("Data");
    if (CanOpenDataFile("Artist.txt", OPEN_NAME_UNCHANGED) || HasCommandLineSwitch("/NoJPEG"))
        SetNoLossyFrameImages(true);
    if (HasCommandLineSwitch("/NoCompression"))
        SetCompressedStorageMode(false);

    SetupDisplayMode(0, 0, 0);
    GetMouseState().HidePointer();
    CScreenFrame* screen = GetScreenFrame();
    GetLoadingMessageWriter().SetSize(screen->GetWidth(), screen->GetHeight());

    CGameServices& services = GetGameServices();
    services.InitInterfaceLibraries();
    GetListRegistry().LoadAll();
    RequireEngineLibraries();
    if (slideShow)
        services.ShowCompanyLogo(slideShow);

    // The intro plays during loading only from an installed copy: from a
    // read-only medium its reads would slow the loading down.
    if (services.StartSound(introTrack) && writable)
    {
        services.StartIntroTrack();
        PumpSystemEvents();
    }
    std::srand(34695);
    services.BuildLineIntensityTable();
    GetLocalizationTable().Load("Local.txt");

    m_TextLineCounter = 0;
    m_UpdateCounter = 0;
    m_DrawCounter = 0;
    m_DisplayFps = ReadSettingInt(SettingsFile(), "Options", "Display FPS", 0) != 0;
    m_ShowOverlaysInEditor = ReadSettingInt(SettingsFile(), "Options", "Show Overlays In Editor", 1) != 0;
}

void CGameBase::RegisterAsGameObject()
{
    g_pGameObject = this;
    SetEngineTextFontSource(TextFontOfTheGameObject);
    SetDeveloperMessageSink(DeveloperMessageToTheGameObject);
}

CGameBase::~CGameBase()
{
    // Queued objects go without their last call: what they would tidy up
    // is being torn down anyway.
    for (auto it = m_DeferredDeletions.rbegin(); it != m_DeferredDeletions.rend(); ++it)
        delete *it;
    m_DeferredDeletions.clear();
    // The windows go while everything they save their placement with
    // stands.
    if (m_pScreenWindow)
    {
        CScreenWindow* root = m_pScreenWindow;
        m_pScreenWindow = nullptr;
        GetWindowTreeHooks().DeleteScreenWindow(root);
    }
    SetShuttingDown();
    if (m_EngineStarted)
    {
        CGameServices& services = GetGameServices();
        services.StopSoundCallbacks();
        UnmountArchives();
        services.ReleaseLineTables();
        GetListRegistry().DisposeAll();
        services.ShutDownSound();
    }
    if (g_pGameObject == this)
        g_pGameObject = nullptr;
    delete m_pPlaySoundListener;
    delete m_pCharacterTypedListener;
    delete m_pIdleProcessingListener;
}

void CGameBase::SetupDisplayMode(int32_t forcedDepth, int32_t width, int32_t height)
{
    int32_t settingWidth = ReadSettingInt(SettingsFile(), "Options", "Screen Width", DEFAULT_SCREEN_WIDTH);
    int32_t settingHeight = ReadSettingInt(SettingsFile(), "Options", "Screen Height", DEFAULT_SCREEN_HEIGHT);
    WriteSettingInt(SettingsFile(), "Options", "Screen Width", settingWidth);
    WriteSettingInt(SettingsFile(), "Options", "Screen Height", settingHeight);
    int32_t depth = ReadSettingInt(SettingsFile(), "Options", "Screen Bit Depth", 16);

    settingWidth = GetCommandLineInt("/ScreenWidth", settingWidth);
    settingHeight = GetCommandLineInt("/ScreenHeight", settingHeight);
    depth = GetCommandLineInt("/ScreenBitDepth", depth);
    if (width != 0 && height != 0)
    {
        settingWidth = width;
        settingHeight = height;
    }
    if (forcedDepth != 0)
        depth = forcedDepth;

    CScreenFrame* screen = GetScreenFrame();
    uint32_t modeWidth = static_cast<uint32_t>(settingWidth);
    uint32_t modeHeight = static_cast<uint32_t>(settingHeight);
    bool set = screen->SetScreenMode(modeWidth, modeHeight, depth, depth);
    if (!set && depth == 24)
    {
        depth = 32;
        modeWidth = static_cast<uint32_t>(settingWidth);
        modeHeight = static_cast<uint32_t>(settingHeight);
        set = screen->SetScreenMode(modeWidth, modeHeight, depth, depth);
    }
    if (!set)
    {
        ShowErrorReport("FATAL ERROR", "Couldn't set resolution");
        ExitAfterFatalError();
    }
    if (forcedDepth == 0)
        SetDisplayBitDepth(depth);
    screen->SetBrightness(ReadSettingFloat(SettingsFile(), "Options", "Screen Brightness", 1.0f));
}

bool CGameBase::ReceiveMessage(CMessage&)
{
    return false;
}

void CGameBase::LoadResources(CSlideShow*)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
}

float CGameBase::RunFrame()
{
    const double now = static_cast<double>(ReadPerformanceCounter());
    float pending =
        static_cast<float>((now - m_LastCounterReading) / static_cast<double>(ReadPerformanceFrequency()) + m_Carry);
    if (pending > m_Cap)
        pending = m_Cap;
    if (g_ProfilingEnabled.load(std::memory_order_relaxed))
        pending = m_Step;
    m_LastCounterReading = now;
    if (pending < m_MinimumStep)
    {
        m_Carry = pending;
        return m_MinimumStep - m_Carry;
    }
    RunUpdates(pending);
    FrameMeters& meters = GetMeters();
    if (++meters.passCount >= m_DrawInterval)
    {
        meters.passCount = 0;
        CProfileScope scope(s_DrawSection);
        Draw();
    }
    m_Carry = pending;
    return m_MinimumStep - m_Carry;
}

void CGameBase::RunUpdates(float& pending)
{
    do
    {
        if (pending > m_Step)
        {
            Update(m_Step);
            m_SimulatedTime += m_Step;
            pending -= m_Step;
        }
        else
        {
            CProfileScope scope(s_UpdateSection);
            Update(pending);
            m_SimulatedTime += pending;
            pending = 0.0f;
        }
    } while (m_DrawInterval == 1 && pending >= m_MinimumStep);
}

void CGameBase::MarkUpdateStart()
{
    FrameMeters& meters = GetMeters();
    if (meters.updateStartedAt != m_UpdateCounter)
    {
        meters.updateStartedAt = m_UpdateCounter;
        meters.update.Start();
    }
    if (meters.passStartedAt != m_UpdateCounter)
    {
        meters.passStartedAt = m_UpdateCounter;
        meters.pass.Start();
    }
}

void CGameBase::MarkDrawStart()
{
    FrameMeters& meters = GetMeters();
    if (meters.drawStartedAt != m_UpdateCounter)
    {
        meters.drawStartedAt = m_UpdateCounter;
        meters.draw.Start();
    }
}

void CGameBase::Update(float step)
{
    CProfileScope scope(s_GameBaseUpdateSection);
    MarkUpdateStart();
    m_UpdateCounter++;
    DeleteQueuedObjects();
    CGameServices& services = GetGameServices();
    services.TickSound();
    services.UpdateMusic(step);
    CScreenFrame* screen = GetScreenFrame();
    if (screen->IsModeSet())
    {
        CProfileScope windowScope(s_WindowUpdateSection);
        screen->UpdateFade(step);
    }
    if (m_pScreenWindow)
        GetWindowTreeHooks().UpdateScreenWindow(m_pScreenWindow, step);
    GetMeters().updateRate = GetMeters().update.Sample();
}

void CGameBase::DeleteQueuedObjects()
{
    // Objects queued by a clean-up join this same loop.
    while (!m_DeferredDeletions.empty())
    {
        CDeferredDeletion* object = m_DeferredDeletions.front();
        m_DeferredDeletions.erase(m_DeferredDeletions.begin());
        object->PrepareForDeletion();
        delete object;
    }
}

void CGameBase::DeferDelete(CDeferredDeletion* object)
{
    m_DeferredDeletions.push_back(object);
}

bool CGameBase::Draw()
{
    CProfileScope scope(s_GameBaseDrawSection);
    MarkDrawStart();
    m_DrawCounter++;
    FrameMeters& meters = GetMeters();
    if (m_pTextFont)
    {
        const float passRate = meters.pass.Sample();
        const float drawRate = meters.draw.Sample();
        const float actualRate = meters.actual.Sample();
        if (!meters.thresholdsComputed)
        {
            const CCpuInfo& cpu = GetCpuInfo();
            const float factor = GetProcessorSpeedFactor(cpu.GetFamily(), cpu.GetModel(), cpu.GetStepping());
            meters.good = 30.0f * factor;
            meters.poor = 20.0f * factor;
            meters.thresholdsComputed = true;
        }
        if (m_DisplayFps && actualRate != 0.0f)
            DrawFpsLine(passRate, drawRate, actualRate);
    }
    m_TextLineCounter = 0;
    if (!m_Running)
        return false;
    CProfileScope flipScope(s_FlipSection);
    return GetScreenFrame()->Present();
}

void CGameBase::DrawFpsLine(float passRate, float drawRate, float actualRate)
{
    FrameMeters& meters = GetMeters();
    char text[128];
    std::snprintf(text, sizeof text, "U:%3.1f D:%3.1f P:%3.1f A:%3.1f FPS", meters.updateRate, drawRate, passRate,
                  actualRate);
    const FpsBoxColour colour = GetFpsBoxColour(passRate, meters.good, meters.poor, meters.blinkCount++);
    const int32_t height = m_pTextFont->GetPointSize();
    const int32_t top = m_TextLineCounter++ * height;
    // The fonts draw numbers only so far: the box stands for the line, its
    // colour telling the pass rate.
    const int32_t halfWidth = height * static_cast<int32_t>(std::strlen(text)) / 4;
    CScreenFrame* screen = GetScreenFrame();
    const int32_t centre = screen->GetWidth() / 2;
    screen->LockBackBuffer();
    screen->FillRect({centre - halfWidth, top, centre + halfWidth, top + height},
                     CColor(colour.red, colour.green, colour.blue, 255));
    screen->UnlockBackBuffer();
}

bool CGameBase::DoIdleProcessing()
{
    GetGameServices().DoMusicIdleProcessing();
    return true;
}

void CGameBase::OnScreenBuffersChanged()
{
}

bool CGameBase::SetAppActive(bool active)
{
    if (active == m_AppActive)
        return false;
    GetKeyboardState().ClearAll(true);
    if (active)
        GetMouseState().UseSoftwareCursor();
    else
        GetMouseState().UseSystemCursor();
    m_AppActive = active;
    return true;
}

bool CGameBase::OnCharacterTyped(int32_t)
{
    return false;
}

void CGameBase::DeveloperMessageTextC(const char*)
{
}

void CGameBase::SetupScreen(CFrameInterface& drawFrame, CResourceLibraryBase* frameLibrary,
                            CResourceLibraryBase* textureLibrary, CFont* defaultFont, CFont* textFont)
{
    CWindowTreeHooks& hooks = GetWindowTreeHooks();
    hooks.SetDefaultFont(defaultFont);
    CreateScreenWindow(drawFrame, defaultFont);
    hooks.SetWindowTextureLibraries(frameLibrary, textureLibrary);
    if (textFont)
        m_pTextFont = textFont;
}

void CGameBase::CreateScreenWindow(CFrameInterface& frame, CFont* font)
{
    CWindowTreeHooks& hooks = GetWindowTreeHooks();
    if (m_pScreenWindow)
        hooks.DeleteScreenWindow(m_pScreenWindow);
    m_pScreenWindow = hooks.CreateScreenWindow(frame, font);
}

bool CGameBase::QueryScreenWindow(int32_t selector)
{
    if (!m_pScreenWindow)
        return false;
    CWindowTreeHooks& hooks = GetWindowTreeHooks();
    if (selector == 0)
        return hooks.HasTopLevelWindows(m_pScreenWindow);
    if (selector == 1)
        return hooks.GetFrontWindowOpacity(m_pScreenWindow) > SEE_THROUGH_OPACITY;
    return false;
}

void CGameBase::AddTopLevelWindow(CJWindow* window, bool centred)
{
    if (m_pScreenWindow)
        GetWindowTreeHooks().AddTopLevelWindow(m_pScreenWindow, window, centred);
}

void CGameBase::DrawWindows()
{
    CProfileScope scope(s_DrawWindowsSection);
    if (m_pScreenWindow)
        GetWindowTreeHooks().DrawScreenWindow(m_pScreenWindow);
}

void CGameBase::ResetFrameTimers()
{
    FrameMeters& meters = GetMeters();
    meters.update.Restart();
    meters.draw.Restart();
    meters.pass.Restart();
    meters.actual.Restart();
}

void CGameBase::SetDisplayFps(bool display)
{
    m_DisplayFps = display;
    WriteSettingInt(SettingsFile(), "Options", "Display FPS", display ? 1 : 0);
}

void CGameBase::BroadcastToRegisteredLists()
{
    GetListRegistry().ClearUsageFlags();
}

CGameBase* GetGameObject()
{
    return g_pGameObject;
}

bool IsShuttingDown()
{
    return g_ShuttingDown;
}

void SetShuttingDown()
{
    g_ShuttingDown = true;
}

FpsBoxColour GetFpsBoxColour(float passRate, float good, float poor, uint32_t blinkCount)
{
    if (passRate >= good)
        return {0, 0, 1};
    if (passRate < poor)
        return blinkCount % 2 == 1 ? FpsBoxColour{255, 255, 0} : FpsBoxColour{255, 0, 0};
    return {static_cast<uint8_t>((good - passRate) * 255.0f / (good - poor)), 0, 0};
}

float GetProcessorSpeedFactor(int32_t family, int32_t model, int32_t stepping)
{
    struct Row
    {
        int32_t family, model, stepping;
        float factor;
    };
    static const Row kRows[] = {
        {5, 2, 4, 0.37593985f},  {5, 8, 12, 1.4323308f}, {6, 3, 3, 1.0f},        {6, 3, 4, 1.0f},
        {6, 5, 1, 1.2518797f},   {6, 5, 2, 1.5037594f},  {6, 7, 2, 1.6917293f},  {6, 7, 3, 2.0676692f},
        {6, 8, 1, 2.8195488f},   {6, 8, 3, 2.8195488f},  {6, 8, 6, 3.0075188f},  {15, 0, 10, 6.3909774f},
        {15, 1, 2, 6.3909774f},  {15, 2, 4, 6.766917f},  {15, 2, 7, 11.552631f}, {15, 2, 9, 11.552631f},
    };
    for (const Row& row : kRows)
    {
        if (row.family == family && row.model == model && row.stepping == stepping)
            return row.factor;
    }
    return 1.0f;
}
