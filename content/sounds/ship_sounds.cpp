#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// The ship's sounds: the hiss of a thruster, and the catching field, whose
// two steady hums loop for as long as the ship can catch or holds a ball.
// Loops start and end at zero on whole cycles (80 Hz and 120 Hz both fit
// 0.5 s exactly), so they repeat without a click.

namespace {

void MakeThrust(CContentTree& tree, const char* item)
{
    CSynth synth(0.3);
    synth.AddNoise(0.0, 0.3, 0.45, 0x7457u, 0.85, {0.02, 2});
    synth.AddTone(0.0, 0.3, 110.0, 90.0, 0.15, EWaveShape::Triangle, {0.02, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeCanCatch(CContentTree& tree, const char* item)
{
    CSynth synth(0.5);
    synth.AddTone(0.0, 0.5, 80.0, 80.0, 0.25, EWaveShape::Sine, {0.0, 0});
    synth.AddTone(0.0, 0.5, 240.0, 240.0, 0.08, EWaveShape::Sine, {0.0, 0});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeHold(CContentTree& tree, const char* item)
{
    CSynth synth(0.5);
    synth.AddTone(0.0, 0.5, 120.0, 120.0, 0.3, EWaveShape::Sine, {0.0, 0});
    synth.AddTone(0.0, 0.5, 360.0, 360.0, 0.1, EWaveShape::Triangle, {0.0, 0});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeCatch(CContentTree& tree, const char* item)
{
    CSynth synth(0.25);
    synth.AddTone(0.0, 0.25, 900.0, 300.0, 0.4, EWaveShape::Square, {0.002, 3});
    synth.AddNoise(0.0, 0.08, 0.3, 0xCA7Cu, 0.3, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

CContentItemRegistration s_Thrust("Sounds/Thrust.wav", MakeThrust);
CContentItemRegistration s_CanCatch("Sounds/Electric/Can Catch.wav", MakeCanCatch);
CContentItemRegistration s_Hold("Sounds/Electric/Hold.wav", MakeHold);
CContentItemRegistration s_Catch("Sounds/Electric/Catch.wav", MakeCatch);

} // namespace
