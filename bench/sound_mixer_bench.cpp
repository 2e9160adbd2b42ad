#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/sound_fixtures.h"

// One device period of 1024 frames mixed from 1 to 64 voices: the counter
// "voices_in_real_time" is how many such voices the mixer could keep up
// with. Beside it, SDL's own mixing of the same buffers at the same rate (it
// cannot resample) and a plain copy of them.

namespace {

constexpr uint32_t kPeriodFrames = 1024;
constexpr uint32_t kVoiceFrames = 44100;

struct MixerSetup
{
    ScopedManualAudio audio;
    std::unique_ptr<CAudioDevice> device;
    std::vector<std::unique_ptr<CSoundBuffer>> voices;

    MixerSetup(int64_t count, bool resampled)
    {
        device = CAudioDevice::Create();
        device->SetFormat(kDeviceRate, 2);
        const uint16_t channels = resampled ? 1 : 2;
        const std::string samples = Samples16(SineSamples(kVoiceFrames, channels, 97));
        for (int64_t i = 0; i < count; i++)
        {
            auto voice = device->CreateBuffer(MakePcmFormat(resampled ? 22050 : 44100, channels, 16),
                                              static_cast<uint32_t>(samples.size()), false);
            uint8_t* region1;
            uint8_t* region2;
            uint32_t bytes1;
            uint32_t bytes2;
            voice->Lock(0, voice->GetSize(), region1, bytes1, region2, bytes2);
            std::memcpy(region1, samples.data(), bytes1);
            voice->Unlock();
            voice->SetVolume(-600);
            voice->Play(true);
            voices.push_back(std::move(voice));
        }
    }
};

void SetVoiceCounter(benchmark::State& state)
{
    const double audioSeconds = static_cast<double>(kPeriodFrames) / kDeviceRate;
    state.counters["voices_in_real_time"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * audioSeconds * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

void BM_MixerStereo44100(benchmark::State& state)
{
    MixerSetup setup(state.range(0), false);
    std::vector<int16_t> out(kPeriodFrames * 2);
    for (auto _ : state)
    {
        setup.device->Mix(out.data(), kPeriodFrames);
        benchmark::DoNotOptimize(out.data());
    }
    SetVoiceCounter(state);
}
BENCHMARK(BM_MixerStereo44100)->Arg(1)->Arg(8)->Arg(32)->Arg(64);

void BM_MixerMono22050Resampled(benchmark::State& state)
{
    MixerSetup setup(state.range(0), true);
    std::vector<int16_t> out(kPeriodFrames * 2);
    for (auto _ : state)
    {
        setup.device->Mix(out.data(), kPeriodFrames);
        benchmark::DoNotOptimize(out.data());
    }
    SetVoiceCounter(state);
}
BENCHMARK(BM_MixerMono22050Resampled)->Arg(1)->Arg(8)->Arg(32)->Arg(64);

// The same voices' periods as plain stereo 44100 Hz blocks.
std::vector<std::string> VoicePeriods(int64_t count)
{
    const std::string period = Samples16(SineSamples(kPeriodFrames, 2, 97));
    return std::vector<std::string>(static_cast<size_t>(count), period);
}

void BM_SdlMixAudioFormat(benchmark::State& state)
{
    const std::vector<std::string> periods = VoicePeriods(state.range(0));
    std::vector<uint8_t> out(kPeriodFrames * 4);
    for (auto _ : state)
    {
        std::memset(out.data(), 0, out.size());
        for (const std::string& period : periods)
            SDL_MixAudioFormat(out.data(), reinterpret_cast<const Uint8*>(period.data()), AUDIO_S16LSB,
                               static_cast<Uint32>(out.size()), 64);
        benchmark::DoNotOptimize(out.data());
    }
    SetVoiceCounter(state);
}
BENCHMARK(BM_SdlMixAudioFormat)->Arg(1)->Arg(8)->Arg(32)->Arg(64);

void BM_Memcpy(benchmark::State& state)
{
    const std::vector<std::string> periods = VoicePeriods(state.range(0));
    std::vector<uint8_t> out(kPeriodFrames * 4);
    for (auto _ : state)
    {
        for (const std::string& period : periods)
            std::memcpy(out.data(), period.data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    SetVoiceCounter(state);
}
BENCHMARK(BM_Memcpy)->Arg(1)->Arg(8)->Arg(32)->Arg(64);

} // namespace
