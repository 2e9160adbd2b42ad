#pragma once

#include <cstdint>

// The high-resolution counter and its counts per second.
int64_t ReadPerformanceCounter();
int64_t ReadPerformanceFrequency();

// A rate meter over the last 30 intervals between a start (or the previous
// sample) and a sample: the rate per second they average to, once 30 are
// in. An interval counts at most one second.
class CFrameTimeAverage
{
public:
    static constexpr uint32_t kSamples = 30;

    CFrameTimeAverage();

    // Forgets every sample and reads the counter's frequency again.
    void Restart();
    void Start();
    // Ends an interval and starts the next. Answers the rate per second over
    // the last 30 intervals, 0 before 30 are in, and 0 when the counter did
    // not move at all across them (a stopped clock is no infinite rate).
    float Sample();

private:
    int64_t m_Deltas[kSamples];
    int64_t m_Sum;
    int64_t m_LastReading; // 0: none
    uint32_t m_Index;
    uint32_t m_Count;
    int64_t m_Frequency;
};
