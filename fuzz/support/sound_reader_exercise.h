#pragma once

class CSoundReader;

// Drives an opened reader through everything the sounds and the music
// streams do with one: whole and piecewise reads, seeks and tells, split
// and mixed reads; checks that no read answers more than it was asked.
void ExerciseSoundReader(CSoundReader& reader);
