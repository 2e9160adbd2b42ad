#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// A ball off a wall or the ship: a short falling "boing" with a soft knock.
static void MakeBounce(CContentTree& tree, const char* item)
{
    CSynth synth(0.18);
    synth.AddTone(0.0, 0.18, 660.0, 440.0, 0.55, EWaveShape::Sine, {0.002, 3});
    synth.AddTone(0.0, 0.10, 1320.0, 880.0, 0.15, EWaveShape::Triangle, {0.002, 4});
    synth.AddNoise(0.0, 0.02, 0.25, 0xB0B0u, 0.6, {0.0005, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_Bounce("Sounds/Bounce.wav", MakeBounce);
