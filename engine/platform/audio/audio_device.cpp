#include "engine/platform/audio/audio_device.h"

#include <algorithm>

#include "engine/platform/audio/sound_buffer.h"

namespace {

AudioOutputFactory g_OutputFactory = nullptr;

int32_t SampleAt(const uint8_t* frame, uint32_t channel, bool eightBit)
{
    if (eightBit)
        return (static_cast<int32_t>(frame[channel]) - 128) * 256;
    const uint8_t* bytes = frame + 2 * channel;
    return static_cast<int16_t>(static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)));
}

} // namespace

AudioOutputFactory SetAudioOutputFactory(AudioOutputFactory factory)
{
    AudioOutputFactory previous = g_OutputFactory;
    g_OutputFactory = factory;
    return previous;
}

std::unique_ptr<CAudioDevice> CAudioDevice::Create()
{
    std::unique_ptr<CAudioOutput> output = g_OutputFactory ? g_OutputFactory() : OpenSystemAudioOutput();
    if (!output)
        return nullptr;
    return std::unique_ptr<CAudioDevice>(new CAudioDevice(std::move(output)));
}

CAudioDevice::CAudioDevice(std::unique_ptr<CAudioOutput> output)
    : m_pOutput(std::move(output))
    , m_Rate(0)
    , m_Channels(0)
    , m_PeriodFrames(0)
    , m_Started(false)
{
}

CAudioDevice::~CAudioDevice()
{
    if (m_Started)
        m_pOutput->Stop();
    // Buffers that outlive the device keep working as silent voices.
    for (CSoundBuffer* voice : m_Voices)
        voice->m_pDevice = nullptr;
}

bool CAudioDevice::SetFormat(uint32_t rate, uint16_t channels)
{
    if (m_Started)
        m_pOutput->Stop();
    m_Started = false;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Rate = rate;
        m_Channels = channels;
        for (CSoundBuffer* voice : m_Voices)
            voice->UpdateStep();
    }
    uint32_t periodFrames = 0;
    if (!m_pOutput->Start(this, rate, channels, periodFrames))
        return false;
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Started = true;
    m_PeriodFrames = periodFrames;
    return true;
}

std::unique_ptr<CSoundBuffer> CAudioDevice::CreateBuffer(const CWaveFormat& format, uint32_t bytes, bool streaming)
{
    if (!IsValidPcmFormat(format) || bytes < format.blockAlign || bytes > kLargestBufferBytes)
        return nullptr;
    auto data = std::make_shared<CSoundBuffer::Data>();
    data->bytes.assign(bytes, format.bitsPerSample == 8 ? 0x80 : 0);
    std::unique_ptr<CSoundBuffer> buffer(new CSoundBuffer(this, format, std::move(data), streaming));
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Voices.push_back(buffer.get());
    return buffer;
}

std::unique_ptr<CSoundBuffer> CAudioDevice::Duplicate(CSoundBuffer& source)
{
    std::unique_ptr<CSoundBuffer> buffer(new CSoundBuffer(this, source.m_Format, source.m_pData, source.m_Streaming));
    std::lock_guard<std::mutex> lock(m_Mutex);
    buffer->m_Volume = source.m_Volume;
    buffer->m_Pan = source.m_Pan;
    buffer->m_Frequency = source.m_Frequency;
    buffer->UpdateGains();
    buffer->UpdateStep();
    m_Voices.push_back(buffer.get());
    return buffer;
}

void CAudioDevice::Remove(CSoundBuffer* buffer)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Voices.erase(std::remove(m_Voices.begin(), m_Voices.end(), buffer), m_Voices.end());
}

void CAudioDevice::Mix(int16_t* out, uint32_t frames)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    const uint32_t channels = m_Channels ? m_Channels : 2;
    m_Sums.assign(static_cast<size_t>(frames) * channels, 0);
    for (CSoundBuffer* voice : m_Voices)
    {
        if (voice->m_Playing)
            MixVoice(*voice, frames);
    }
    for (size_t i = 0; i < m_Sums.size(); i++)
        out[i] = static_cast<int16_t>(std::clamp(m_Sums[i], -32768, 32767));
}

// Steps the voice at its frequency over the output rate, interpolating
// linearly between neighbouring frames (a plain copy when the rates match),
// and adds it into the sums at its gains. A voice that is not looping stops
// at its last frame; a looping one wraps, the neighbour of its last frame
// being its first.
void CAudioDevice::MixVoice(CSoundBuffer& voice, uint32_t frames)
{
    const uint8_t* data = voice.m_pData->bytes.data();
    const uint32_t blockAlign = voice.m_Format.blockAlign;
    const uint32_t sourceChannels = voice.m_Format.channels;
    const bool eightBit = voice.m_Format.bitsPerSample == 8;
    const uint32_t outChannels = m_Channels ? m_Channels : 2;
    const uint64_t end = static_cast<uint64_t>(voice.m_Frames) << 16;
    const bool exact = voice.m_Step == 0x10000;
    const int64_t leftGain = voice.m_LeftGain;
    const int64_t rightGain = voice.m_RightGain;
    int32_t* sums = m_Sums.data();

    for (uint32_t i = 0; i < frames; i++)
    {
        const uint32_t frame = static_cast<uint32_t>(voice.m_Position >> 16);
        const int32_t fraction = static_cast<int32_t>(voice.m_Position & 0xFFFF);
        uint32_t next = frame + 1;
        if (next >= voice.m_Frames)
            next = voice.m_Looping ? 0 : frame;
        const uint8_t* here = data + static_cast<size_t>(frame) * blockAlign;
        const uint8_t* there = data + static_cast<size_t>(next) * blockAlign;

        int32_t left = SampleAt(here, 0, eightBit);
        int32_t right = sourceChannels == 2 ? SampleAt(here, 1, eightBit) : left;
        if (!exact && fraction != 0)
        {
            const int32_t nextLeft = SampleAt(there, 0, eightBit);
            const int32_t nextRight = sourceChannels == 2 ? SampleAt(there, 1, eightBit) : nextLeft;
            left += static_cast<int32_t>((static_cast<int64_t>(nextLeft - left) * fraction) >> 16);
            right += static_cast<int32_t>((static_cast<int64_t>(nextRight - right) * fraction) >> 16);
        }
        if (outChannels == 2)
        {
            sums[2 * i] += static_cast<int32_t>((left * leftGain) >> 16);
            sums[2 * i + 1] += static_cast<int32_t>((right * rightGain) >> 16);
        }
        else
            sums[i] += static_cast<int32_t>((((left + right) / 2) * leftGain) >> 16);
        voice.m_Position += voice.m_Step;
        if (voice.m_Position >= end)
        {
            if (!voice.m_Looping)
            {
                voice.m_Playing = false;
                voice.m_Position = end;
                return;
            }
            voice.m_Position %= end;
        }
    }
}
