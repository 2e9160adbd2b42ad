#pragma once

#include "engine/object/libraries/resource_library.h"
#include "game/bricks/brick_layout.h"

// "Rounds": every level file of the data folder; the rounds played behind
// the menus and the rounds of separate-files sets are named by their index
// here.
CResourceLibrary<CBrickLayout>& GetRoundLibrary();
