#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// A short wooden knock: the brick layer sets one brick in place. It sounds
// once per brick, quickly repeated, so it stays low and brief.
static void MakeBrickPlaced(CContentTree& tree, const char* item)
{
    CSynth synth(0.09);
    synth.AddTone(0.0, 0.09, 260.0, 150.0, 0.4, EWaveShape::Triangle, {0.002, 3});
    synth.AddNoise(0.0, 0.03, 0.2, 0xB51Cu, 0.6, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_BrickPlaced("Sounds/Brick Placed.wav", MakeBrickPlaced);
