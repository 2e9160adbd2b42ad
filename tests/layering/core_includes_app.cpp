// Compiled against the core library's include root by a test that expects
// the compile to fail: core sits below the application layer.
#include "engine/app/game_base.h"
