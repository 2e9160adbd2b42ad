#include "engine/platform/audio/sound_buffer.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "engine/platform/audio/audio_device.h"

double GainOfVolume(int32_t volume)
{
    if (volume <= kSilentVolume)
        return 0.0;
    return std::pow(10.0, std::min(volume, 0) / 2000.0);
}

CSoundBuffer::CSoundBuffer(CAudioDevice* device, const CWaveFormat& format, std::shared_ptr<Data> data,
                           bool streaming)
    : m_pDevice(device)
    , m_Format(format)
    , m_pData(std::move(data))
    , m_Size(static_cast<uint32_t>(m_pData->bytes.size()))
    , m_Frames(m_Size / format.blockAlign)
    , m_Streaming(streaming)
    , m_Playing(false)
    , m_Looping(false)
    , m_Position(0)
    , m_Step(0)
    , m_Volume(0)
    , m_Pan(0)
    , m_Frequency(format.samplesPerSec)
    , m_LeftGain(0)
    , m_RightGain(0)
{
    UpdateGains();
    UpdateStep();
}

CSoundBuffer::~CSoundBuffer()
{
    if (m_pDevice)
        m_pDevice->Remove(this);
}

// Every state change holds the device's mutex while the device lives.
std::unique_lock<std::mutex> CSoundBuffer::GuardState()
{
    return m_pDevice ? std::unique_lock<std::mutex>(m_pDevice->m_Mutex) : std::unique_lock<std::mutex>();
}

void CSoundBuffer::Play(bool looping)
{
    auto guard = GuardState();
    m_Looping = looping;
    m_Playing = true;
    // A voice that played to its end starts again from its beginning.
    if (m_Position >= static_cast<uint64_t>(m_Frames) << 16)
        m_Position = 0;
}

void CSoundBuffer::Stop()
{
    auto guard = GuardState();
    m_Playing = false;
}

bool CSoundBuffer::IsPlaying()
{
    auto guard = GuardState();
    return m_Playing;
}

void CSoundBuffer::GetCurrentPosition(uint32_t& play, uint32_t& write)
{
    auto guard = GuardState();
    const uint32_t frame = static_cast<uint32_t>(m_Position >> 16);
    play = frame * m_Format.blockAlign;
    write = play;
    if (m_Streaming && m_pDevice && m_Frames > 0)
    {
        const uint64_t ahead = (static_cast<uint64_t>(m_pDevice->GetPeriodFrames()) * m_Step) >> 16;
        write = static_cast<uint32_t>((frame + ahead) % m_Frames) * m_Format.blockAlign;
    }
}

void CSoundBuffer::SetCurrentPosition(uint32_t position)
{
    auto guard = GuardState();
    const uint32_t frame = std::min(position / m_Format.blockAlign, m_Frames - 1);
    m_Position = static_cast<uint64_t>(frame) << 16;
}

void CSoundBuffer::SetVolume(int32_t volume)
{
    auto guard = GuardState();
    m_Volume = std::clamp(volume, kSilentVolume, 0);
    UpdateGains();
}

int32_t CSoundBuffer::GetVolume()
{
    auto guard = GuardState();
    return m_Volume;
}

void CSoundBuffer::SetPan(int32_t pan)
{
    auto guard = GuardState();
    m_Pan = std::clamp(pan, kSilentVolume, -kSilentVolume);
    UpdateGains();
}

int32_t CSoundBuffer::GetPan()
{
    auto guard = GuardState();
    return m_Pan;
}

bool CSoundBuffer::SetFrequency(uint32_t frequency)
{
    if (frequency < kLowestSampleRate || frequency > kHighestSampleRate)
        return false;
    auto guard = GuardState();
    m_Frequency = frequency;
    UpdateStep();
    return true;
}

uint32_t CSoundBuffer::GetFrequency()
{
    auto guard = GuardState();
    return m_Frequency;
}

bool CSoundBuffer::Lock(uint32_t offset, uint32_t bytes, uint8_t*& region1, uint32_t& bytes1, uint8_t*& region2,
                        uint32_t& bytes2)
{
    region1 = region2 = nullptr;
    bytes1 = bytes2 = 0;
    if (offset >= m_Size || bytes > m_Size)
        return false;
    region1 = m_pData->bytes.data() + offset;
    bytes1 = std::min(bytes, m_Size - offset);
    bytes2 = bytes - bytes1;
    if (bytes2 > 0)
        region2 = m_pData->bytes.data();
    return true;
}

void CSoundBuffer::Unlock()
{
    GuardState();
}

// Called with the state guarded.
void CSoundBuffer::UpdateGains()
{
    const double gain = GainOfVolume(m_Volume);
    const double left = m_Pan > 0 ? gain * GainOfVolume(-m_Pan) : gain;
    const double right = m_Pan < 0 ? gain * GainOfVolume(m_Pan) : gain;
    m_LeftGain = static_cast<int32_t>(std::lround(left * 65536.0));
    m_RightGain = static_cast<int32_t>(std::lround(right * 65536.0));
}

void CSoundBuffer::UpdateStep()
{
    const uint32_t rate = m_pDevice && m_pDevice->GetRate() ? m_pDevice->GetRate() : kDeviceRate;
    m_Step = static_cast<uint32_t>((static_cast<uint64_t>(m_Frequency) << 16) / rate);
}
