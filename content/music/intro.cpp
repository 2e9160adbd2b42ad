#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// The track start-up queues: a rising arpeggio over a held chord, four
// seconds, ending in silence so that the track after it starts cleanly.
static void MakeIntro(CContentTree& tree, const char* item)
{
    constexpr double kBeat = 0.25;
    // C major, then F and G, climbing: semitones from A4.
    static const int kArpeggio[] = {-9, -5, -2, 3, -4, 0, 3, 8, -2, 2, 5, 10, 3, 7, 10, 15};
    CSynth synth(4.0);
    for (int i = 0; i < 16; ++i)
    {
        const double hz = NoteHz(kArpeggio[i]);
        synth.AddTone(i * kBeat * 0.75, kBeat * 1.5, hz, hz, 0.22, EWaveShape::Triangle, {0.004, 2});
    }
    for (int root : {-21, -16, -14, -9})
        synth.AddTone(0.0, 4.0, NoteHz(root), NoteHz(root), 0.12, EWaveShape::Sine, {0.4, 1});
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_Intro("Music/Intro.wav", MakeIntro);
