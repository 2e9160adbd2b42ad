#include "content/audio/sound_item.h"

#include "content/audio/synth.h"
#include "content/audio/wave_file.h"
#include "content/content_tree.h"

void AddSynthesizedSound(CContentTree& tree, const std::string& name, const CSynth& synth, const char* item)
{
    tree.Add("Data/" + name, MakeWaveFile(synth.ToPcm16(), kContentSampleRate, 1), item);
}
