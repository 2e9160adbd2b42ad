#include "engine/app/sound/direct_sound_manager.h"

#include "engine/app/sound/sound_reader.h"
#include "engine/core/program/profiler.h"
#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"

namespace {

CProfileSection g_LoadSection("SoundLaod");

// The rate some old devices fell back to when they refused 44100 Hz.
constexpr uint32_t kFallbackRate = 22100;

} // namespace

CDirectSoundManager::CDirectSoundManager() = default;

CDirectSoundManager::~CDirectSoundManager() = default;

// Never torn down: sounds of static lists are deleted at exit, after any
// manager built on first use would be gone.
CDirectSoundManager& GetDirectSoundManager()
{
    static CDirectSoundManager* manager = new CDirectSoundManager;
    return *manager;
}

CSoundManager& GetSoundManager()
{
    return GetDirectSoundManager();
}

// A device that refuses both rates plays nothing, so it counts as none.
bool CDirectSoundManager::Init()
{
    SetFirstPlaying(nullptr);
    if (m_pDevice)
        return true;
    m_pDevice = CAudioDevice::Create();
    if (!m_pDevice)
        return false;
    if (!SetPrimaryFormat(kDeviceRate))
    {
        m_pDevice.reset();
        return false;
    }
    return true;
}

bool CDirectSoundManager::SetPrimaryFormat(uint32_t rate)
{
    const uint16_t channels = IsStereo() ? 2 : 1;
    return m_pDevice->SetFormat(rate, channels) || m_pDevice->SetFormat(kFallbackRate, channels);
}

void CDirectSoundManager::Shutdown()
{
    CSoundManager::Shutdown();
    m_pDevice.reset();
}

CSound* CDirectSoundManager::CreateSound()
{
    CSound* sound = new CDirectSoundSound;
    sound->Reset();
    return sound;
}

void CDirectSoundManager::SetStereo(bool stereo)
{
    StoreStereo(stereo);
    if (m_pDevice)
        SetPrimaryFormat(kDeviceRate);
}

CDirectSoundSound::CDirectSoundSound() = default;

CDirectSoundSound::~CDirectSoundSound() = default;

void CDirectSoundSound::Reset()
{
    ResetState();
}

bool CDirectSoundSound::LoadBuffer(const char* name, uint32_t flags)
{
    CProfileScope scope(g_LoadSection);
    CAudioDevice* device = GetDirectSoundManager().GetDevice();
    if (!device)
        return false;
    m_pBuffer.reset();
    CSoundReader* reader = OpenSoundReader(name, flags);
    if (!reader)
        return false;
    const CWaveFormat format = reader->GetOutputFormat();
    m_DataBytes = reader->GetTotalBytes();
    m_Flags &= ~(kMultiChannel | kSixteenBit);
    if (format.channels > 1)
        m_Flags |= kMultiChannel;
    if (format.bitsPerSample == 16)
        m_Flags |= kSixteenBit;
    m_pBuffer = device->CreateBuffer(format, m_DataBytes, false);
    if (!m_pBuffer)
    {
        delete reader;
        m_DataBytes = 0;
        return false;
    }
    uint8_t* region1;
    uint8_t* region2;
    uint32_t bytes1;
    uint32_t bytes2;
    m_pBuffer->Lock(0, m_DataBytes, region1, bytes1, region2, bytes2);
    reader->Read(region1, bytes1);
    delete reader;
    m_pBuffer->Unlock();
    m_pBuffer->SetFrequency(format.samplesPerSec);
    m_pBuffer->SetVolume(0);
    m_pBuffer->SetPan(0);
    m_Frequency = format.samplesPerSec;
    m_BaseFrequency = format.samplesPerSec;
    return true;
}

bool CDirectSoundSound::DuplicateFrom(CSound* source)
{
    CAudioDevice* device = GetDirectSoundManager().GetDevice();
    CSoundBuffer* sourceBuffer = static_cast<CDirectSoundSound*>(source)->m_pBuffer.get();
    if (!device || !Copy(source) || !sourceBuffer)
        return false;
    m_pBuffer = device->Duplicate(*sourceBuffer);
    m_pBuffer->SetVolume(DeviceVolume(GetSoundManager().EffectiveVolume(0)));
    m_pBuffer->SetPan(0);
    m_pBuffer->SetFrequency(m_BaseFrequency);
    return true;
}

void CDirectSoundSound::PlayBuffer(uint32_t flags)
{
    if (Play((flags & 1) != 0) && m_pBuffer)
    {
        m_pBuffer->SetCurrentPosition(0);
        m_pBuffer->Play(IsLooping());
    }
}

void CDirectSoundSound::SetVolume(int32_t volume)
{
    if (m_pBuffer)
        m_pBuffer->SetVolume(DeviceVolume(volume));
}

// The game only passes a sound's own rate; any other playable rate reaches
// the buffer as well.
void CDirectSoundSound::SetFrequency(uint32_t frequency)
{
    LoadOnDemand();
    if (m_pBuffer && m_pBuffer->SetFrequency(frequency))
        m_Frequency = frequency;
}

bool CDirectSoundSound::SetPan(int32_t pan)
{
    LoadOnDemand();
    if (pan == m_Pan)
        return false;
    m_Pan = pan;
    if (m_pBuffer)
        m_pBuffer->SetPan(pan);
    return true;
}

void CDirectSoundSound::StopBuffer()
{
    if (Stop() && m_pBuffer)
        m_pBuffer->Stop();
}

void CDirectSoundSound::ReleaseBuffer()
{
    Unload();
    m_pBuffer.reset();
}

bool CDirectSoundSound::IsPlaying()
{
    return m_pBuffer && m_pBuffer->IsPlaying();
}
