#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/platform/audio/wave_format.h"

class CAudioDevice;

// One voice of the device: PCM data (shared with its duplicates) and its own
// play state. Positions and sizes are in bytes of the buffer's format.
class CSoundBuffer
{
public:
    ~CSoundBuffer();

    const CWaveFormat& GetFormat() const { return m_Format; }
    uint32_t GetSize() const { return m_Size; }

    void Play(bool looping);
    void Stop();
    bool IsPlaying();
    // The play cursor (the next byte to be mixed) and the write cursor (the
    // first byte it is safe to write: a period ahead for a streaming buffer,
    // the play cursor for others).
    void GetCurrentPosition(uint32_t& play, uint32_t& write);
    void SetCurrentPosition(uint32_t position);

    // Hundredths of a decibel, 0 full down to -10000 silent.
    void SetVolume(int32_t volume);
    int32_t GetVolume();
    // Positive values attenuate the left channel by that many hundredths of
    // a decibel, negative ones the right.
    void SetPan(int32_t pan);
    int32_t GetPan();
    // Playback rate in Hz, 100..200000; other values are refused.
    bool SetFrequency(uint32_t frequency);
    uint32_t GetFrequency();

    // The bytes from offset, as one region or, across the end, two (the
    // second from the start). False for an offset or size outside the
    // buffer.
    bool Lock(uint32_t offset, uint32_t bytes, uint8_t*& region1, uint32_t& bytes1, uint8_t*& region2,
              uint32_t& bytes2);
    // Publishes what was written into the locked regions.
    void Unlock();

    CSoundBuffer(const CSoundBuffer&) = delete;
    CSoundBuffer& operator=(const CSoundBuffer&) = delete;

private:
    friend class CAudioDevice;

    struct Data
    {
        std::vector<uint8_t> bytes;
    };

    CSoundBuffer(CAudioDevice* device, const CWaveFormat& format, std::shared_ptr<Data> data, bool streaming);
    std::unique_lock<std::mutex> GuardState();
    void UpdateGains();
    void UpdateStep();

    CAudioDevice* m_pDevice;
    CWaveFormat m_Format;
    std::shared_ptr<Data> m_pData;
    uint32_t m_Size;
    uint32_t m_Frames;
    bool m_Streaming;

    // Guarded by the device's mutex.
    bool m_Playing;
    bool m_Looping;
    uint64_t m_Position; // frames in 32.16 fixed point
    uint32_t m_Step;     // source frames per output frame, 16.16 fixed point
    int32_t m_Volume;
    int32_t m_Pan;
    uint32_t m_Frequency;
    int32_t m_LeftGain;  // 16.16 fixed point
    int32_t m_RightGain;
};

// The linear gain of a volume in hundredths of a decibel: 10^(v / 2000),
// 0 at -10000 and below.
double GainOfVolume(int32_t volume);
