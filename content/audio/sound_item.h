#pragma once

#include <string>

class CContentTree;
class CSynth;

// Adds the synthesized sound as "Data/<name>", a mono 16-bit WAVE file, or
// an Ogg Vorbis file when the name ends in ".ogg".
void AddSynthesizedSound(CContentTree& tree, const std::string& name, const CSynth& synth, const char* item);
