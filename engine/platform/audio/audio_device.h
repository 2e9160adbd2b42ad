#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/platform/audio/wave_format.h"

class CAudioDevice;
class CSoundBuffer;

// Volumes are hundredths of a decibel: 0 full, -10000 silent.
constexpr int32_t kSilentVolume = -10000;
// The largest buffer the device takes, as the old sound devices did.
constexpr uint32_t kLargestBufferBytes = 0x0FFFFFFF;
// The output rate the game asks for.
constexpr uint32_t kDeviceRate = 44100;

// What plays the mixed output: the system's audio through SDL, or a test
// stand-in. Started, it calls CAudioDevice::Mix from a thread of its own (or
// never: tests mix by hand).
class CAudioOutput
{
public:
    virtual ~CAudioOutput() = default;
    // False when the output refuses the format. Answers the frames of one
    // period through periodFrames.
    virtual bool Start(CAudioDevice* device, uint32_t rate, uint16_t channels, uint32_t& periodFrames) = 0;
    // Returns after the last mix call finished.
    virtual void Stop() = 0;
};

// The system's audio (SDL), or none when it has no device.
std::unique_ptr<CAudioOutput> OpenSystemAudioOutput();

// Tests put a stand-in in place of the system's audio; none restores it.
typedef std::unique_ptr<CAudioOutput> (*AudioOutputFactory)();
AudioOutputFactory SetAudioOutputFactory(AudioOutputFactory factory);

// The software mixer behind every sound buffer: a list of voices stepped at
// their own rates into signed 16-bit output of one or two channels.
//
// One mutex guards the voices' state (cursors, flags, gains, the list);
// sample data is written outside it, into regions the mixer is not reading
// (a buffer being filled before it plays, or the part of a streaming ring
// behind the play cursor). Unlocking such a region takes the mutex once, so
// what was written is published to the mixer.
class CAudioDevice
{
public:
    // None when the output cannot be had.
    static std::unique_ptr<CAudioDevice> Create();
    ~CAudioDevice();

    // Starts (or restarts) the output at the rate and channel count; false
    // when the output refuses them.
    bool SetFormat(uint32_t rate, uint16_t channels);
    uint32_t GetRate() const { return m_Rate; }
    uint16_t GetChannels() const { return m_Channels; }
    uint32_t GetPeriodFrames() const { return m_PeriodFrames; }

    // A zero-filled buffer of PCM in the format; none for a format that is
    // not 8- or 16-bit PCM of one or two channels, or a size below one frame
    // or above kLargestBufferBytes. A streaming buffer's write cursor runs one period
    // ahead of its play cursor.
    std::unique_ptr<CSoundBuffer> CreateBuffer(const CWaveFormat& format, uint32_t bytes, bool streaming);
    // A buffer over the same data with a cursor, volume, pan, frequency and
    // looping of its own.
    std::unique_ptr<CSoundBuffer> Duplicate(CSoundBuffer& source);

    // Mixes frames of every playing voice into out (interleaved by the
    // device's channels), saturated to 16 bits. The output calls it; tests
    // call it by hand.
    void Mix(int16_t* out, uint32_t frames);

    CAudioDevice(const CAudioDevice&) = delete;
    CAudioDevice& operator=(const CAudioDevice&) = delete;

private:
    friend class CSoundBuffer;

    explicit CAudioDevice(std::unique_ptr<CAudioOutput> output);
    void Remove(CSoundBuffer* buffer);
    void MixVoice(CSoundBuffer& voice, uint32_t frames);

    std::unique_ptr<CAudioOutput> m_pOutput;
    std::mutex m_Mutex;
    std::vector<CSoundBuffer*> m_Voices;
    std::vector<int32_t> m_Sums;
    uint32_t m_Rate;
    uint16_t m_Channels;
    uint32_t m_PeriodFrames;
    bool m_Started;
};
