#pragma once

class CSequence;

// The "Sequences" entry of that name; a missing one is fatal (the game's
// own pictures must be there).
CSequence* NamedSequenceOrFail(const char* name);
