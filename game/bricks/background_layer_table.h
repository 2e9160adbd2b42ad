#pragma once

#include "engine/core/lists/named_value_list.h"

// Which playfield list a background's generated sprites join. Files store
// the row's name, so the values may be renumbered without breaking them.
enum EBackgroundLayer
{
    BACKGROUND_LAYER_FOREGROUND_SPRITES = 0,
    BACKGROUND_LAYER_BACKGROUND_SPRITES = 1
};

CNamedValueList& GetBackgroundLayerTable();
