#include "engine/core/program/profiler.h"

#include "engine/core/program/profile_section_list.h"
#include "engine/platform/main_thread.h"
#include "engine/platform/tick_counter.h"

std::atomic<bool> g_ProfilingEnabled = false;

static bool s_RequestedState = false;
static bool s_RequestPending = false;

// While a section is solo the counter drops to 0 at each frame end, and only
// a solo section's start lifts it, so only what runs inside a solo section is
// measured.
static int32_t s_ActiveCounter = 1;

static CProfileSection* s_pCurrentSection = nullptr;

static uint64_t ReadCounterMicroseconds()
{
    const int64_t counter = GetHighResolutionCounter();
    const int64_t frequency = GetHighResolutionFrequency();
    // Split so that the multiplication cannot overflow after a long run.
    return static_cast<uint64_t>((counter / frequency) * 1000000 + (counter % frequency) * 1000000 / frequency);
}

static ProfilerClock s_Clock = ReadCounterMicroseconds;

static CProfileSection s_Everything("Everything");
static CProfileSection s_Nothing("Nothing");

CProfileSection::CProfileSection(const char* name, int32_t flag, float threshold)
    : m_Name(name)
    , m_Flag(flag)
    , m_HistoryCount(0)
    , m_Position(0)
    , m_SelfHistory()
    , m_TotalHistory()
    , m_StartsHistory()
    , m_Threshold(threshold == 0.0f ? 1000.0f : threshold)
    , m_RequestedSolo(false)
    , m_Solo(false)
{
    ASSERT_MAIN_THREAD();
    GetProfileSectionList().Add(this);
    ClearFrame();
    // The history starts with one empty frame.
    EndFrame();
}

// Asked only while profiling is on, and once per thread, so brackets stay
// cheap to measure.
static bool IsOnMainThread()
{
    thread_local const bool onMainThread = IsMainThread();
    return onMainThread;
}

void CProfileSection::Start()
{
    if (!g_ProfilingEnabled || !IsOnMainThread())
        return;
    if (m_Solo)
        s_ActiveCounter++;
    if (s_ActiveCounter == 0)
        return;
    BeginMeasuring();
}

void CProfileSection::Stop()
{
    if (!g_ProfilingEnabled || !IsOnMainThread())
        return;
    if (s_ActiveCounter != 0)
        EndMeasuring();
    if (m_Solo)
        s_ActiveCounter--;
}

// Only the outermost start of a running section reads the clock; a nested
// start of the same section only counts the depth.
void CProfileSection::BeginMeasuring()
{
    if (m_Depth == 0)
    {
        const uint64_t now = s_Clock();
        m_StartTime = now;
        m_ResumeTime = now;
        m_Starts++;
        if (s_pCurrentSection != nullptr)
        {
            s_pCurrentSection->m_Self += static_cast<uint32_t>(now - s_pCurrentSection->m_ResumeTime);
            s_pCurrentSection->m_ResumeTime = 0;
        }
        m_pParent = s_pCurrentSection;
        s_pCurrentSection = this;
    }
    m_Depth++;
}

void CProfileSection::EndMeasuring()
{
    m_Depth--;
    if (m_Depth != 0)
        return;
    const uint64_t now = s_Clock();
    m_Total += static_cast<uint32_t>(now - m_StartTime);
    m_Self += static_cast<uint32_t>(now - m_ResumeTime);
    m_StartTime = 0;
    m_ResumeTime = 0;
    s_pCurrentSection = m_pParent;
    if (s_pCurrentSection != nullptr)
        s_pCurrentSection->m_ResumeTime = now;
}

static void RecordInHistory(CProfileHistory& history, int32_t position, bool full, uint64_t value)
{
    if (full)
        history.sum -= history.entries[position];
    history.entries[position] = value;
    history.sum += value;
}

void CProfileSection::EndFrame()
{
    ASSERT_MAIN_THREAD();
    const bool full = m_HistoryCount == PROFILE_HISTORY_FRAMES;
    if (!full)
        m_HistoryCount++;
    RecordInHistory(m_SelfHistory, m_Position, full, m_Self);
    RecordInHistory(m_TotalHistory, m_Position, full, m_Total);
    RecordInHistory(m_StartsHistory, m_Position, full, m_Starts);
    m_Position = (m_Position + 1) % PROFILE_HISTORY_FRAMES;
    ClearFrame();
}

void CProfileSection::Reset()
{
    EndFrame();
    m_HistoryCount = 0;
    m_Position = 0;
    m_SelfHistory.sum = 0;
    m_TotalHistory.sum = 0;
    m_StartsHistory.sum = 0;
}

void CProfileSection::ClearFrame()
{
    m_Depth = 0;
    m_StartTime = 0;
    m_ResumeTime = 0;
    m_Total = 0;
    m_Self = 0;
    m_Starts = 0;
    m_pParent = nullptr;
}

// "Everything" is measured directly, past the solo counter: the frame is
// timed whether or not a section is solo.
void ProfilerBeginFrame()
{
    ASSERT_MAIN_THREAD();
    if (g_ProfilingEnabled)
        s_Everything.BeginMeasuring();
}

static void ResetEverySection()
{
    CProfileSectionList& sections = GetProfileSectionList();
    for (uint32_t i = 0; i < sections.GetCount(); i++)
        sections.GetSection(i)->Reset();
}

void ProfilerEndFrame()
{
    ASSERT_MAIN_THREAD();
    if (g_ProfilingEnabled)
        s_Everything.EndMeasuring();

    bool soloChanged = false;
    bool anySolo = false;
    if (g_ProfilingEnabled)
    {
        CProfileSectionList& sections = GetProfileSectionList();
        for (uint32_t i = 0; i < sections.GetCount(); i++)
        {
            CProfileSection* section = sections.GetSection(i);
            section->EndFrame();
            if (section->m_RequestedSolo != section->m_Solo)
            {
                section->m_Solo = section->m_RequestedSolo;
                soloChanged = true;
            }
            if (section->m_Solo)
                anySolo = true;
        }
    }
    s_ActiveCounter = anySolo ? 0 : 1;

    if (s_RequestPending)
    {
        s_RequestPending = false;
        g_ProfilingEnabled = s_RequestedState;
        ResetEverySection();
    }
    else if (soloChanged)
    {
        ResetEverySection();
    }
}

void RequestProfiling(bool enabled)
{
    ASSERT_MAIN_THREAD();
    s_RequestedState = enabled;
    s_RequestPending = true;
}

ProfilerClock SetProfilerClock(ProfilerClock clock)
{
    ASSERT_MAIN_THREAD();
    ProfilerClock previous = s_Clock;
    s_Clock = clock;
    return previous;
}
