// Compiled against the playfield library's include root by a test that
// expects the compile to fail: the playfield sits below the front end.
#include "game/frontend/game_controller.h"
