#pragma once

#include "engine/object/libraries/resource_library.h"
#include "engine/ui/skin_theme.h"

// The skin files under "Resources" ("JWindowSkin"): one theme object each,
// loaded on first use and owned by the library until the program ends.
CResourceLibrary<CSkinTheme>& GetSkinLibrary();
