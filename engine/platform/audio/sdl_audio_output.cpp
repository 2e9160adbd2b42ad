#include <SDL.h>

#include "engine/platform/audio/audio_device.h"

namespace {

// The system's audio through SDL: signed 16-bit frames pulled by SDL's audio
// thread straight from the mixer.
class CSdlAudioOutput : public CAudioOutput
{
public:
    ~CSdlAudioOutput() override
    {
        Stop();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool Start(CAudioDevice* device, uint32_t rate, uint16_t channels, uint32_t& periodFrames) override
    {
        Stop();
        SDL_AudioSpec wanted;
        SDL_zero(wanted);
        wanted.freq = static_cast<int>(rate);
        wanted.format = AUDIO_S16SYS;
        wanted.channels = static_cast<Uint8>(channels);
        wanted.samples = 1024;
        wanted.callback = Callback;
        wanted.userdata = this;
        m_pDevice = device;
        m_FrameBytes = 2u * channels;
        SDL_AudioSpec obtained;
        m_Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (m_Device == 0)
            return false;
        periodFrames = obtained.samples;
        SDL_PauseAudioDevice(m_Device, 0);
        return true;
    }

    void Stop() override
    {
        // Closing waits for a running callback to return.
        if (m_Device != 0)
            SDL_CloseAudioDevice(m_Device);
        m_Device = 0;
    }

private:
    static void SDLCALL Callback(void* userdata, Uint8* stream, int length)
    {
        CSdlAudioOutput* output = static_cast<CSdlAudioOutput*>(userdata);
        output->m_pDevice->Mix(reinterpret_cast<int16_t*>(stream), static_cast<uint32_t>(length) / output->m_FrameBytes);
    }

    SDL_AudioDeviceID m_Device = 0;
    CAudioDevice* m_pDevice = nullptr;
    uint32_t m_FrameBytes = 4;
};

} // namespace

std::unique_ptr<CAudioOutput> OpenSystemAudioOutput()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    return std::make_unique<CSdlAudioOutput>();
}
