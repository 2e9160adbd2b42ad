#pragma once

#include <cstdint>

// The background whose theme a style sheet belongs to, from the style
// sheet's item name: the last folder of the name ("Ruins" for "Ruins/Red
// Brick", "A" for "B/A/Red") is compared, ASCII case ignored, with each
// background's theme name and own name from index 0; the first that matches
// gives its index. 0 for a style sheet directly in the library folder or
// in a folder no background names. Only the backgrounds' names are read,
// never their files: a background's every-level bricks may need the very
// style sheet that asks.
int32_t FindThemeOfStyleItem(const char* styleItemName);
