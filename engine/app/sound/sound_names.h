#pragma once

#include "engine/core/strings/ref_string.h"

// The name with ".wav" and ".ogg" exchanged (either case), or empty for any
// other name: sound and music names written for one format find the other.
CString SwapSoundExtension(const char* name);
