#include "engine/app/frame_time_average.h"

#include <algorithm>
#include <iterator>

#include "engine/platform/tick_counter.h"

int64_t ReadPerformanceCounter()
{
    return GetHighResolutionCounter();
}

int64_t ReadPerformanceFrequency()
{
    return GetHighResolutionFrequency();
}

CFrameTimeAverage::CFrameTimeAverage()
{
    Restart();
}

void CFrameTimeAverage::Restart()
{
    std::fill(std::begin(m_Deltas), std::end(m_Deltas), 0);
    m_Sum = 0;
    m_LastReading = 0;
    m_Index = 0;
    m_Count = 0;
    m_Frequency = ReadPerformanceFrequency();
}

void CFrameTimeAverage::Start()
{
    m_LastReading = ReadPerformanceCounter();
}

float CFrameTimeAverage::Sample()
{
    const int64_t now = ReadPerformanceCounter();
    float rate = 0.0f;
    if (m_LastReading != 0)
    {
        const int64_t delta = std::min(now - m_LastReading, m_Frequency);
        m_Sum += delta - m_Deltas[m_Index];
        m_Deltas[m_Index] = delta;
        m_Index = (m_Index + 1) % kSamples;
        m_Count = std::min(m_Count + 1, kSamples);
        if (m_Count == kSamples && m_Sum > 0)
            rate = static_cast<float>(static_cast<double>(m_Frequency) * kSamples / static_cast<double>(m_Sum));
    }
    m_LastReading = now;
    return rate;
}
