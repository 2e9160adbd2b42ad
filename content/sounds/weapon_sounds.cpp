#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// The guns' and the laser ball's shots, for the guns and plug-ins the
// power-ups configure to name.

namespace {

void MakeLaser(CContentTree& tree, const char* item)
{
    CSynth synth(0.15);
    synth.AddTone(0.0, 0.15, 1800.0, 600.0, 0.35, EWaveShape::Square, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeMissile(CContentTree& tree, const char* item)
{
    CSynth synth(0.4);
    synth.AddNoise(0.0, 0.4, 0.5, 0x3155u, 0.7, {0.01, 2});
    synth.AddTone(0.0, 0.4, 200.0, 500.0, 0.2, EWaveShape::Triangle, {0.01, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeBallLaser(CContentTree& tree, const char* item)
{
    CSynth synth(0.1);
    synth.AddTone(0.0, 0.1, 2600.0, 1400.0, 0.25, EWaveShape::Sine, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

CContentItemRegistration s_Laser("Sounds/Weapons/Laser.wav", MakeLaser);
CContentItemRegistration s_Missile("Sounds/Weapons/Missile.wav", MakeMissile);
CContentItemRegistration s_BallLaser("Sounds/Weapons/Ball Laser.wav", MakeBallLaser);

} // namespace
