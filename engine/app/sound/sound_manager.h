#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"

class CSound;

// Volumes are hundredths of a decibel: 0 full, -3333 the quietest step the
// game uses; anything below -3332 reaches the device as silence.
constexpr int32_t kQuietestVolume = -3333;
constexpr int32_t kMutedVolume = -10000;

// The sound manager without its device: the list of sounds playing, the
// limit of sounds started at once, the master offset and the effects scale,
// statistics of decoded data, and the callbacks run at shutdown.
class CSoundManager
{
public:
    typedef void (*ShutdownCallback)();

    CSoundManager();
    virtual ~CSoundManager();

    // Opens the device; false when there is none (the game then runs
    // silently).
    virtual bool Init() = 0;
    // Runs every shutdown callback in registration order, then forgets them.
    virtual void Shutdown();
    virtual void AddShutdownCallback(ShutdownCallback callback);
    // A new sound of the device's kind, already reset.
    virtual CSound* CreateSound() = 0;
    virtual void SetStereo(bool stereo) = 0;

    // The volume an effect plays at: effects scale x g(offset + master) -
    // 3333, the whole truncated toward zero, where g(a) is -6667 below -10000, a + 3333
    // up to 0 and 3333 above.
    int32_t EffectiveVolume(int32_t offset) const;
    void StopAllSounds();
    // Once per engine update: copies of one sound start at most once per
    // update.
    void Tick() { m_UpdateCounter++; }
    // Releases the sound's buffer, then deletes it.
    void DeleteSound(CSound* sound);

    void SetSoundLimit(int32_t limit) { m_SoundLimit = limit; }
    void SetEffectsScale(float scale) { m_EffectsScale = scale; }
    void SetMasterOffset(int32_t offset) { m_MasterOffset = offset; }
    void StoreStereo(bool stereo) { m_Stereo = stereo; }
    int32_t GetSoundLimit() const { return m_SoundLimit; }
    float GetEffectsScale() const { return m_EffectsScale; }
    int32_t GetMasterOffset() const { return m_MasterOffset; }
    bool IsStereo() const { return m_Stereo; }
    int32_t GetUpdateCounter() const { return m_UpdateCounter; }

    // Statistics of decoded data held by loaded sounds.
    void CountLoaded(uint32_t bytes);
    void CountUnloaded(uint32_t bytes);
    uint32_t GetLoadedSounds() const { return m_LoadedSounds; }
    uint32_t GetMostLoadedSounds() const { return m_MostLoadedSounds; }
    uint32_t GetLoadedBytes() const { return m_LoadedBytes; }
    uint32_t GetMostLoadedBytes() const { return m_MostLoadedBytes; }

    // The playing list: sounds started and not yet known to have stopped,
    // newest first.
    CSound* GetFirstPlaying() const { return m_pFirstPlaying; }
    void SetFirstPlaying(CSound* sound) { m_pFirstPlaying = sound; }
    // Counts the sounds of the list still playing, dropping the others.
    int32_t CountPlaying();

    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;

private:
    int32_t m_SoundLimit;
    int32_t m_UpdateCounter;
    uint32_t m_LoadedSounds;
    uint32_t m_MostLoadedSounds;
    uint32_t m_LoadedBytes;
    uint32_t m_MostLoadedBytes;
    CSound* m_pFirstPlaying;
    float m_EffectsScale;
    int32_t m_MasterOffset;
    bool m_Stereo;
    CDynamicArray<ShutdownCallback> m_ShutdownCallbacks;
};

// The manager (the device's one).
CSoundManager& GetSoundManager();

// The volume a device hears for a game volume: -10000 below -3332.
int32_t DeviceVolume(int32_t volume);
