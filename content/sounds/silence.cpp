#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// Item 0 of the sound list, where a sound index of 0 means "no sound": a
// short silence, so that no real sound sits there and plays by accident.
static void MakeSilence(CContentTree& tree, const char* item)
{
    AddSynthesizedSound(tree, item, CSynth(0.05), item);
}

static CContentItemRegistration s_Silence("Sounds/!Silence.wav", MakeSilence);
