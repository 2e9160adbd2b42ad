#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// A pressed button of the window toolkit: a dry click and a short high blip.
static void MakeButtonAction(CContentTree& tree, const char* item)
{
    CSynth synth(0.07);
    synth.AddNoise(0.0, 0.006, 0.5, 0xC11Cu, 0.2, {0.0005, 1});
    synth.AddTone(0.004, 0.06, 1400.0, 1250.0, 0.3, EWaveShape::Square, {0.002, 3});
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_ButtonAction("Sounds/UI/Button Action.wav", MakeButtonAction);
