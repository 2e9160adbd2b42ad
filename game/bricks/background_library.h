#pragma once

#include "engine/object/libraries/resource_library.h"
#include "game/bricks/background_definition.h"

// "Background Definition": every round theme of the data folder; levels
// name theirs by index here.
CResourceLibrary<CBackgroundDefinition>& GetBackgroundLibrary();
