#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// A ball striking sparks off a wall: a short bright crackle of noise over a
// quick high tick.
static void MakeDefaultSpark(CContentTree& tree, const char* item)
{
    CSynth synth(0.09);
    synth.AddNoise(0.0, 0.09, 0.5, 0x5A4Bu, 0.2, {0.0005, 3});
    synth.AddTone(0.0, 0.03, 3200.0, 2400.0, 0.15, EWaveShape::Triangle, {0.0005, 4});
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_DefaultSpark("Sounds/Default Spark.wav", MakeDefaultSpark);
