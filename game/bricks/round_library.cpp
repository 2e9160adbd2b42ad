#include "game/bricks/round_library.h"

CResourceLibrary<CBrickLayout>& GetRoundLibrary()
{
    static CResourceLibrary<CBrickLayout> library(LIBRARY_ROUNDS);
    return library;
}
