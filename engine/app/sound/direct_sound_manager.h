#pragma once

#include <memory>

#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_manager.h"

class CAudioDevice;
class CSoundBuffer;

// The sound manager of the audio device: it owns the device, opened at 44100
// Hz 16-bit (stereo or mono by setting), retried at 22100 Hz when refused.
class CDirectSoundManager : public CSoundManager
{
public:
    CDirectSoundManager();
    ~CDirectSoundManager() override;

    bool Init() override;
    // Runs the shutdown callbacks, then releases the device.
    void Shutdown() override;
    CSound* CreateSound() override;
    void SetStereo(bool stereo) override;

    // None while the device is not open.
    CAudioDevice* GetDevice() const { return m_pDevice.get(); }

private:
    bool SetPrimaryFormat(uint32_t rate);

    std::unique_ptr<CAudioDevice> m_pDevice;
};

CDirectSoundManager& GetDirectSoundManager();

// A sound with a buffer of the audio device.
class CDirectSoundSound : public CSound
{
public:
    CDirectSoundSound();
    ~CDirectSoundSound() override;

    void Reset() override;
    bool DuplicateFrom(CSound* source) override;
    void PlayBuffer(uint32_t flags) override;
    void SetVolume(int32_t volume) override;
    void SetFrequency(uint32_t frequency) override;
    bool SetPan(int32_t pan) override;
    void StopBuffer() override;
    void ReleaseBuffer() override;
    bool IsPlaying() override;
    bool LoadBuffer(const char* name, uint32_t flags) override;

    // None until loaded.
    CSoundBuffer* GetBuffer() const { return m_pBuffer.get(); }

private:
    std::unique_ptr<CSoundBuffer> m_pBuffer;
};
