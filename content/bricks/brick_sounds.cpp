#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// The sounds of bricks: the pop of a breaking brick (every breakable
// style's "Destroyed Sound" by default), the clink of a hit that a hard
// brick shrugs off, and the two notes of a brick switched on and off.

// A short noise burst over a falling blip.
static void MakePopBrick(CContentTree& tree, const char* item)
{
    CSynth synth(0.18);
    synth.AddNoise(0.0, 0.12, 0.35, 0x50Bu, 0.55, {0.001, 3});
    synth.AddTone(0.0, 0.1, 880.0, 330.0, 0.3, EWaveShape::Triangle, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// Two high metallic partials that ring briefly.
static void MakeClink(CContentTree& tree, const char* item)
{
    CSynth synth(0.25);
    synth.AddTone(0.0, 0.25, 2637.0, 2637.0, 0.25, EWaveShape::Sine, {0.001, 3});
    synth.AddTone(0.0, 0.18, 3951.0, 3951.0, 0.15, EWaveShape::Sine, {0.001, 3});
    AddSynthesizedSound(tree, item, synth, item);
}

// A rising pair of notes.
static void MakeBrickTurnedOn(CContentTree& tree, const char* item)
{
    CSynth synth(0.2);
    synth.AddTone(0.0, 0.09, 660.0, 660.0, 0.3, EWaveShape::Square, {0.002, 2});
    synth.AddTone(0.09, 0.11, 990.0, 990.0, 0.3, EWaveShape::Square, {0.002, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// The same pair falling.
static void MakeBrickTurnedOff(CContentTree& tree, const char* item)
{
    CSynth synth(0.2);
    synth.AddTone(0.0, 0.09, 990.0, 990.0, 0.3, EWaveShape::Square, {0.002, 2});
    synth.AddTone(0.09, 0.11, 660.0, 660.0, 0.3, EWaveShape::Square, {0.002, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_PopBrick("Sounds/Pop Brick.wav", MakePopBrick);
static CContentItemRegistration s_Clink("Sounds/Clink.wav", MakeClink);
static CContentItemRegistration s_BrickTurnedOn("Sounds/Brick Turned On.wav", MakeBrickTurnedOn);
static CContentItemRegistration s_BrickTurnedOff("Sounds/Brick Turned Off.wav", MakeBrickTurnedOff);
