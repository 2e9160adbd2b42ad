#pragma once

#include <atomic>
#include <cstdint>

// Frame-based timing of named sections. Profiling starts switched off and is
// switched only at a frame end, through RequestProfiling, so a frame is never
// half measured. While it is off a bracket costs one test of a byte.
//
// Main thread only: sections are made, the frame is ended and profiling is
// switched by the main thread, and debug builds stop a call from elsewhere.
// Brackets are the one exception, since file reads carry them and the sound
// threads read files: a bracket entered on another thread measures nothing.
//
// Times are microseconds: a frame's 32-bit totals cannot wrap within a frame.

// Written at a frame end by the main thread, read by brackets on any thread.
extern std::atomic<bool> g_ProfilingEnabled;

const int PROFILE_HISTORY_FRAMES = 90;

// The last frames' figures of one kind, with their running sum.
struct CProfileHistory
{
    uint64_t entries[PROFILE_HISTORY_FRAMES];
    uint64_t sum;
};

// A named timing section, built as a static object next to the code it
// brackets. Sections live until exit: the section list keeps their addresses.
class CProfileSection
{
public:
    // A threshold of 0 stands for 1000. Flag and threshold only describe the
    // section for whoever shows the results.
    explicit CProfileSection(const char* name, int32_t flag = 0, float threshold = 0.0f);

    void Start();
    void Stop();

    // Moves this frame's figures into the history.
    void EndFrame();
    // Ends the frame and forgets the history.
    void Reset();

    // A solo section is the only one measured (with the sections it
    // encloses); the choice takes effect at the next frame end.
    void RequestSolo(bool solo) { m_RequestedSolo = solo; }

    const char* GetName() const { return m_Name; }
    int32_t GetFlag() const { return m_Flag; }
    float GetThreshold() const { return m_Threshold; }

    // This frame so far: time between outermost start and stop, time as the
    // innermost running section, and outermost starts.
    uint32_t GetFrameTotal() const { return m_Total; }
    uint32_t GetFrameSelf() const { return m_Self; }
    uint32_t GetFrameStarts() const { return m_Starts; }

    int32_t GetHistoryCount() const { return m_HistoryCount; }
    const CProfileHistory& GetSelfHistory() const { return m_SelfHistory; }
    const CProfileHistory& GetTotalHistory() const { return m_TotalHistory; }
    const CProfileHistory& GetStartsHistory() const { return m_StartsHistory; }

    CProfileSection(const CProfileSection&) = delete;
    CProfileSection& operator=(const CProfileSection&) = delete;

private:
    friend void ProfilerBeginFrame();
    friend void ProfilerEndFrame();

    void BeginMeasuring();
    void EndMeasuring();
    void ClearFrame();

    const char* m_Name;
    int32_t m_Flag;
    uint64_t m_StartTime;
    uint32_t m_Total;
    uint64_t m_ResumeTime;
    uint32_t m_Self;
    uint32_t m_Starts;
    int32_t m_Depth;
    CProfileSection* m_pParent;
    int32_t m_HistoryCount;
    int32_t m_Position;
    CProfileHistory m_SelfHistory;
    CProfileHistory m_TotalHistory;
    CProfileHistory m_StartsHistory;
    float m_Threshold;
    bool m_RequestedSolo;
    bool m_Solo;
};

// Brackets the rest of the enclosing block, so every way out of an operation
// stops its section.
class CProfileScope
{
public:
    explicit CProfileScope(CProfileSection& section)
        : m_Section(section)
    {
        if (g_ProfilingEnabled.load(std::memory_order_relaxed))
            m_Section.Start();
    }

    ~CProfileScope()
    {
        if (g_ProfilingEnabled.load(std::memory_order_relaxed))
            m_Section.Stop();
    }

    CProfileScope(const CProfileScope&) = delete;
    CProfileScope& operator=(const CProfileScope&) = delete;

private:
    CProfileSection& m_Section;
};

// The main loop brackets every frame with these; the section "Everything"
// measures the whole frame.
void ProfilerBeginFrame();
void ProfilerEndFrame();

// Asks for profiling to be switched on or off at the next frame end, which
// also clears every section's history.
void RequestProfiling(bool enabled);

// The clock in microseconds; tests install a fake one. Answers the previous.
typedef uint64_t (*ProfilerClock)();
ProfilerClock SetProfilerClock(ProfilerClock clock);
