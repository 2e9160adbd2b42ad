#include "content/audio/synth.h"

#include <cmath>

namespace {

int64_t ToSampleIndex(double seconds)
{
    return static_cast<int64_t>(seconds * kContentSampleRate);
}

double Power(double value, int power)
{
    double result = 1.0;
    for (int i = 0; i < power; ++i)
        result *= value;
    return result;
}

double Wave(EWaveShape shape, double cycles)
{
    const double fraction = cycles - std::floor(cycles);
    switch (shape)
    {
    case EWaveShape::Square:
        return fraction < 0.5 ? 1.0 : -1.0;
    case EWaveShape::Triangle:
        return fraction < 0.5 ? 4.0 * fraction - 1.0 : 3.0 - 4.0 * fraction;
    case EWaveShape::Sine:
        break;
    }
    return ApproximateSine(fraction);
}

} // namespace

double ApproximateSine(double cycles)
{
    // Bhaskara's approximation over each half period:
    // sin(pi t) ~ 16 t (1 - t) / (5 - 4 t (1 - t)) for 0 <= t <= 1.
    double fraction = cycles - std::floor(cycles);
    double sign = 1.0;
    if (fraction >= 0.5)
    {
        fraction -= 0.5;
        sign = -1.0;
    }
    const double t = fraction * 2.0;
    const double product = t * (1.0 - t);
    return sign * 16.0 * product / (5.0 - 4.0 * product);
}

double NoteHz(int semitonesFromA4)
{
    static const double kRatios[12] = {1.0,          1.0594630944, 1.1224620483, 1.1892071150,
                                       1.2599210499, 1.3348398542, 1.4142135624, 1.4983070769,
                                       1.5874010520, 1.6817928305, 1.7817974363, 1.8877486254};
    int octave = 0;
    int step = semitonesFromA4;
    while (step < 0)
    {
        step += 12;
        --octave;
    }
    octave += step / 12;
    double hz = 440.0 * kRatios[step % 12];
    for (; octave > 0; --octave)
        hz *= 2.0;
    for (; octave < 0; ++octave)
        hz *= 0.5;
    return hz;
}

CSynth::CSynth(double seconds)
    : m_Samples(static_cast<size_t>(ToSampleIndex(seconds)), 0.0)
{
}

double CSynth::EnvelopeAt(double t, double length, const CEnvelope& envelope) const
{
    const double rise = envelope.attack > 0.0 && t < envelope.attack ? t / envelope.attack : 1.0;
    const double remaining = 1.0 - t / length;
    return rise * Power(remaining < 0.0 ? 0.0 : remaining, envelope.decayPower);
}

void CSynth::AddTone(double start, double length, double fromHz, double toHz, double amplitude, EWaveShape shape,
                     CEnvelope envelope)
{
    const int64_t first = ToSampleIndex(start);
    const int64_t count = ToSampleIndex(length);
    double cycles = 0.0;
    for (int64_t i = 0; i < count && first + i < static_cast<int64_t>(m_Samples.size()); ++i)
    {
        const double t = static_cast<double>(i) / kContentSampleRate;
        const double hz = fromHz + (toHz - fromHz) * (t / length);
        m_Samples[static_cast<size_t>(first + i)] += amplitude * EnvelopeAt(t, length, envelope) * Wave(shape, cycles);
        cycles += hz / kContentSampleRate;
    }
}

void CSynth::AddNoise(double start, double length, double amplitude, uint32_t seed, double smoothing,
                      CEnvelope envelope)
{
    const int64_t first = ToSampleIndex(start);
    const int64_t count = ToSampleIndex(length);
    uint32_t state = seed ? seed : 0x9E3779B9u;
    double smoothed = 0.0;
    for (int64_t i = 0; i < count && first + i < static_cast<int64_t>(m_Samples.size()); ++i)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = static_cast<double>(state) / 2147483648.0 - 1.0;
        smoothed = smoothing * smoothed + (1.0 - smoothing) * white;
        const double t = static_cast<double>(i) / kContentSampleRate;
        m_Samples[static_cast<size_t>(first + i)] += amplitude * EnvelopeAt(t, length, envelope) * smoothed;
    }
}

std::vector<int16_t> CSynth::ToPcm16() const
{
    std::vector<int16_t> out;
    out.reserve(m_Samples.size());
    for (double sample : m_Samples)
    {
        double scaled = std::floor(sample * 32767.0 + 0.5);
        if (scaled > 32767.0)
            scaled = 32767.0;
        if (scaled < -32768.0)
            scaled = -32768.0;
        out.push_back(static_cast<int16_t>(scaled));
    }
    return out;
}
