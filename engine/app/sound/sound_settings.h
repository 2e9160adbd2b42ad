#pragma once

// Reads the sound keys of section "Options" of the game's settings file and
// gives them to the sound manager and the music player; out-of-range values
// of the effects volume and the mixing channels are corrected in the file.
void ApplySoundSettings();
