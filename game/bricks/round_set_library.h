#pragma once

#include <cstdint>

#include "engine/object/libraries/resource_library.h"
#include "game/bricks/round_set.h"

// "Round Sets": the shipped sets and, from "./Rounds/", the players' own.
CResourceLibrary<CRoundSet>& GetRoundSetLibrary();

// The set the player records name, loaded on first use; none while the
// library holds no set.
CRoundSet* GetCurrentRoundSet();
// Makes the library's set at the index the current one; the player's
// per-set records follow it.
void SelectRoundSet(uint32_t index);
// Whether the current set is the game's own "Vantrell Pellucine Standard";
// never when the library lacks it. Looked up once a run.
bool IsStandardRoundSet();
