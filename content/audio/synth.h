#pragma once

#include <cstdint>
#include <vector>

// Small synthesizer for the starter sounds and music: tones and noise
// bursts mixed into a mono buffer, each under an attack-and-decay envelope.
//
// Every sample must come out the same on every machine, so nothing here
// calls the maths library: the sine is a rational approximation in plain
// arithmetic, the noise a fixed-seed xorshift generator, and the final
// conversion rounds explicitly. Basic IEEE arithmetic in one order gives the
// same bits everywhere.

inline constexpr uint32_t kContentSampleRate = 22050;

enum class EWaveShape
{
    Sine,
    Square,
    Triangle
};

// Linear rise over attack seconds, then a fall to zero at the end of the
// note shaped by the power of the remaining fraction (1 linear, 2 and up
// faster at first).
struct CEnvelope
{
    double attack = 0.005;
    int decayPower = 2;
};

class CSynth
{
public:
    explicit CSynth(double seconds);

    // A tone from start for length seconds, gliding linearly in frequency.
    void AddTone(double start, double length, double fromHz, double toHz, double amplitude, EWaveShape shape,
                 CEnvelope envelope = {});
    // White noise, smoothed by a one-pole low-pass (smoothing 0: none,
    // towards 1: darker).
    void AddNoise(double start, double length, double amplitude, uint32_t seed, double smoothing,
                  CEnvelope envelope = {});

    // 16-bit samples, clipped at full scale.
    std::vector<int16_t> ToPcm16() const;

private:
    double EnvelopeAt(double t, double length, const CEnvelope& envelope) const;

    std::vector<double> m_Samples;
};

// sin(2 pi cycles) to within about 0.002, from plain arithmetic.
double ApproximateSine(double cycles);

// Frequency of a note counted in semitones from A4 (440 Hz), from a table
// of the twelve ratios of one octave.
double NoteHz(int semitonesFromA4);
