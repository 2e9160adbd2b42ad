#pragma once

#include "engine/core/strings/ref_string.h"

// The theme and own names of a background library item name such as
// "Space/Space 1": the last folder is the theme (themes renamed since the
// first data keep working under their new names), the file name the own
// name. Either stays empty where the name has no such part.
void DeriveBackgroundThemeNames(const char* itemName, CString& themeName, CString& ownName);
