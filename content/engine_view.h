#pragma once

#include "content/content_items.h"

// Arms the engine's lists that the objects of a phase name, as the engine's
// start-up does, over the data folder as the earlier phases left it: the
// TrueType file list before the fonts are written, the font library and the
// frames before the objects that name fonts or pictures.
void PrepareEngineForPhase(EContentPhase phase);
