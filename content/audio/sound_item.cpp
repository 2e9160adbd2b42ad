#include "content/audio/sound_item.h"

#include "content/audio/ogg_vorbis_file.h"
#include "content/audio/synth.h"
#include "content/audio/wave_file.h"
#include "content/content_tree.h"

void AddSynthesizedSound(CContentTree& tree, const std::string& name, const CSynth& synth, const char* item)
{
    const bool vorbis = name.size() > 4 && name.compare(name.size() - 4, 4, ".ogg") == 0;
    const std::vector<int16_t> samples = synth.ToPcm16();
    tree.Add("Data/" + name,
             vorbis ? MakeOggVorbisFile(samples, kContentSampleRate) : MakeWaveFile(samples, kContentSampleRate, 1),
             item);
}
