#include "game/bricks/starfish_attach.h"

// Until the starfish goal brick and its plug-ins exist no ball can carry a
// starfish, so the ship keeps its pending ones.
bool AttachStarfishToNearestBall()
{
    return false;
}
