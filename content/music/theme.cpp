#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// The main menu's music, the one compressed track: eight seconds that loop, four bars of bass, lead
// and hi-hat at 120 beats a minute. Every note ends inside the loop, so the
// end meets the start without a click.
static void MakeTheme(CContentTree& tree, const char* item)
{
    constexpr double kBeat = 0.5;
    // A minor, F, C, G: the bass roots of the four bars.
    static const int kBassRoots[] = {-24, -28, -33, -26};
    // The lead, one note a half beat (semitones from A4; 99 rests).
    static const int kLead[] = {0,  3,  7,  3,  12, 7, 3, 99, -4, 0, 5, 0, 8, 5, 0, 99,
                                -9, -5, -2, 3,  7,  3, 0, 99, -2, 2, 5, 2, 10, 7, 5, 99};
    CSynth synth(8.0);
    for (int bar = 0; bar < 4; ++bar)
    {
        for (int beat = 0; beat < 4; ++beat)
        {
            const double start = (bar * 4 + beat) * kBeat;
            const double hz = NoteHz(kBassRoots[bar] + (beat % 2 ? 12 : 0));
            synth.AddTone(start, kBeat * 0.9, hz, hz, 0.3, EWaveShape::Triangle, {0.005, 1});
            synth.AddNoise(start + kBeat * 0.5, 0.05, 0.12, 0x5EEDu + static_cast<uint32_t>(bar * 4 + beat), 0.0,
                           {0.001, 3});
        }
    }
    for (int i = 0; i < 32; ++i)
    {
        if (kLead[i] == 99)
            continue;
        const double hz = NoteHz(kLead[i]);
        synth.AddTone(i * kBeat * 0.5, kBeat * 0.45, hz, hz, 0.18, EWaveShape::Square, {0.003, 2});
    }
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_Theme("Music/Theme.ogg", MakeTheme);
