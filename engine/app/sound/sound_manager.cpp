#include "engine/app/sound/sound_manager.h"

#include <algorithm>

#include "engine/app/sound/sound.h"
#include "engine/core/program/profiler.h"

namespace {

CProfileSection g_StopAllSection("Sound_StopAllSounds");

} // namespace

int32_t DeviceVolume(int32_t volume)
{
    return volume < kQuietestVolume + 1 ? kMutedVolume : volume;
}

CSoundManager::CSoundManager()
    : m_SoundLimit(16)
    , m_UpdateCounter(1)
    , m_LoadedSounds(0)
    , m_MostLoadedSounds(0)
    , m_LoadedBytes(0)
    , m_MostLoadedBytes(0)
    , m_pFirstPlaying(nullptr)
    , m_EffectsScale(1.0f)
    , m_MasterOffset(0)
    , m_Stereo(true)
{
}

CSoundManager::~CSoundManager() = default;

void CSoundManager::Shutdown()
{
    for (ShutdownCallback callback : m_ShutdownCallbacks)
        callback();
    m_ShutdownCallbacks.Clear();
}

void CSoundManager::AddShutdownCallback(ShutdownCallback callback)
{
    m_ShutdownCallbacks.Add(callback);
}

int32_t CSoundManager::EffectiveVolume(int32_t offset) const
{
    const int32_t a = offset + m_MasterOffset;
    const int32_t g = a < kMutedVolume ? -6667 : a <= 0 ? a - kQuietestVolume : -kQuietestVolume;
    return static_cast<int32_t>(m_EffectsScale * static_cast<float>(g) + static_cast<float>(kQuietestVolume));
}

void CSoundManager::StopAllSounds()
{
    CProfileScope scope(g_StopAllSection);
    while (m_pFirstPlaying)
        m_pFirstPlaying->StopBuffer();
}

void CSoundManager::DeleteSound(CSound* sound)
{
    if (!sound)
        return;
    sound->ReleaseBuffer();
    delete sound;
}

void CSoundManager::CountLoaded(uint32_t bytes)
{
    m_LoadedSounds++;
    m_LoadedBytes += bytes;
    m_MostLoadedSounds = std::max(m_MostLoadedSounds, m_LoadedSounds);
    m_MostLoadedBytes = std::max(m_MostLoadedBytes, m_LoadedBytes);
}

void CSoundManager::CountUnloaded(uint32_t bytes)
{
    m_LoadedSounds -= std::min(m_LoadedSounds, 1u);
    m_LoadedBytes -= std::min(m_LoadedBytes, bytes);
}

int32_t CSoundManager::CountPlaying()
{
    int32_t count = 0;
    for (CSound* sound = m_pFirstPlaying; sound;)
    {
        CSound* next = sound->GetNextPlaying();
        if (sound->IsPlaying())
            count++;
        else
            sound->RemoveFromPlayingList();
        sound = next;
    }
    return count;
}
