#include "game/bricks/background_library.h"

CResourceLibrary<CBackgroundDefinition>& GetBackgroundLibrary()
{
    static CResourceLibrary<CBackgroundDefinition> library(LIBRARY_BACKGROUND_DEFINITION);
    return library;
}
