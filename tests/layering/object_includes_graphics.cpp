// Compiled against the object library's include root by a test that expects
// the compile to fail: the object model sits below graphics.
#include "engine/graphics/fonts/font.h"
