#include "tests/support/manual_audio_output.h"

#include "engine/platform/audio/audio_device.h"

namespace {

uint32_t g_RefusedRate = 0;
bool g_NoDevice = false;
AudioOutputFactory g_Previous = nullptr;

class CManualAudioOutput : public CAudioOutput
{
public:
    bool Start(CAudioDevice*, uint32_t rate, uint16_t, uint32_t& periodFrames) override
    {
        periodFrames = kManualPeriodFrames;
        return rate != g_RefusedRate;
    }

    void Stop() override {}
};

std::unique_ptr<CAudioOutput> MakeManualOutput()
{
    if (g_NoDevice)
        return nullptr;
    return std::make_unique<CManualAudioOutput>();
}

} // namespace

ScopedManualAudio::ScopedManualAudio(uint32_t refusedRate, bool noDevice)
{
    g_RefusedRate = refusedRate;
    g_NoDevice = noDevice;
    g_Previous = SetAudioOutputFactory(MakeManualOutput);
}

ScopedManualAudio::~ScopedManualAudio()
{
    SetAudioOutputFactory(g_Previous);
}
