#pragma once

#include "content/content_items.h"

// Arms the engine's lists that the objects of a phase name, as the engine's
// start-up does, over the data folder as the earlier phases left it: the
// TrueType file list, the frame list and the sequences before the objects
// that name files, pictures and sequences are written; the font library,
// the sounds and the particle generators before the objects that name them;
// the brick styles before the themes and power-ups, those before the
// rounds, and the rounds before the round sets.
void PrepareEngineForPhase(EContentPhase phase);
