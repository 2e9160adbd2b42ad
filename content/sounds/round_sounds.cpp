#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"

// The sounds of a round's life: its start, the serve, a lost ball, the end
// of the game, the cleared round's fanfare, each bonus of the tally and the
// fanfare of a won round set.

// A rising two-note call.
static void MakeStartRound(CContentTree& tree, const char* item)
{
    CSynth synth(0.5);
    synth.AddTone(0.0, 0.2, NoteHz(3), NoteHz(3), 0.4, EWaveShape::Square, {0.004, 2});
    synth.AddTone(0.18, 0.32, NoteHz(10), NoteHz(10), 0.45, EWaveShape::Square, {0.004, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A quick upward sweep: the ball leaves the dock.
static void MakeBallInPlay(CContentTree& tree, const char* item)
{
    CSynth synth(0.25);
    synth.AddTone(0.0, 0.25, 330.0, 990.0, 0.45, EWaveShape::Triangle, {0.003, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A falling buzz with a thud.
static void MakeLostBall(CContentTree& tree, const char* item)
{
    CSynth synth(0.6);
    synth.AddTone(0.0, 0.6, 440.0, 110.0, 0.4, EWaveShape::Square, {0.004, 1});
    synth.AddNoise(0.0, 0.12, 0.3, 0x105Bu, 0.8, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// Three slow falling notes.
static void MakeGameOver(CContentTree& tree, const char* item)
{
    CSynth synth(1.5);
    synth.AddTone(0.0, 0.45, NoteHz(0), NoteHz(0), 0.45, EWaveShape::Triangle, {0.01, 1});
    synth.AddTone(0.45, 0.45, NoteHz(-4), NoteHz(-4), 0.45, EWaveShape::Triangle, {0.01, 1});
    synth.AddTone(0.9, 0.6, NoteHz(-9), NoteHz(-9), 0.5, EWaveShape::Triangle, {0.01, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A short major arpeggio.
static void MakeLevelEndingTune(CContentTree& tree, const char* item)
{
    CSynth synth(1.2);
    const int notes[] = {3, 7, 10, 15};
    for (int i = 0; i < 4; i++)
        synth.AddTone(0.15 * i, 1.2 - 0.15 * i, NoteHz(notes[i]), NoteHz(notes[i]), 0.3, EWaveShape::Sine, {0.005, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A bright coin-like ding.
static void MakeScore(CContentTree& tree, const char* item)
{
    CSynth synth(0.2);
    synth.AddTone(0.0, 0.06, 1320.0, 1320.0, 0.35, EWaveShape::Square, {0.002, 2});
    synth.AddTone(0.05, 0.15, 1760.0, 1760.0, 0.35, EWaveShape::Square, {0.002, 3});
    AddSynthesizedSound(tree, item, synth, item);
}

// A rising fanfare of four chords: a round set is won.
static void MakeCompletedGame(CContentTree& tree, const char* item)
{
    CSynth synth(2.4);
    const int roots[] = {0, 5, 7, 12};
    for (int i = 0; i < 4; i++)
    {
        for (int interval : {0, 4, 7})
            synth.AddTone(0.4 * i, 2.4 - 0.4 * i, NoteHz(roots[i] + interval), NoteHz(roots[i] + interval), 0.18,
                          EWaveShape::Triangle, {0.005, 2});
    }
    AddSynthesizedSound(tree, item, synth, item);
}

static CContentItemRegistration s_StartRound("Sounds/Start Round.wav", MakeStartRound);
static CContentItemRegistration s_BallInPlay("Sounds/Ball In Play.wav", MakeBallInPlay);
static CContentItemRegistration s_LostBall("Sounds/Lost Ball.wav", MakeLostBall);
static CContentItemRegistration s_GameOver("Sounds/Game Over.wav", MakeGameOver);
static CContentItemRegistration s_LevelEndingTune("Sounds/Level Ending Tune.wav", MakeLevelEndingTune);
static CContentItemRegistration s_Score("Sounds/Score.wav", MakeScore);
static CContentItemRegistration s_CompletedGame("Sounds/Completed Game.wav", MakeCompletedGame);
