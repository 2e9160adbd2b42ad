#pragma once

#include <cstdint>

class CMessageStream;

// How game objects play a sound of the "Sound List": the play is also
// written into a recording being made ("!PlaySoundFromStream"), so a demo
// sounds as the game did. An index of 0 or -1, an index beyond the list or
// a name the list does not hold plays and records nothing.
void PlaySpriteSound(int32_t soundIndex);
void PlaySpriteSound(const char* soundName);

// The replay: plays the recorded sound by its index.
void PlaySoundFromStream(CMessageStream& stream);
